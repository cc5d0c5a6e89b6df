// What each calculator is, as data: the inputs it reads and how, what a schedule line and the
// summary print, its table's columns and how its chart's curves are made. The calculators, the
// tables, the charts and both windows read this; nothing else says it. No code, no Qt: a
// front-end or a compile-time check can read it without linking the engine.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

namespace belvik {

// The longest schedule a calculator writes, in years; longer ones are refused (YearsCap) or,
// for the pension's 16-bit counter, stopped (Overflow) after the last line.
inline constexpr int kMaxScheduleYears = 32767;

enum class Calculator {
  Investment,    // periodic investment: principal paid in and its value
  Pension,       // pension need: the living cost of every retirement year
  PresentValue,  // present value: today's worth of a sum due in some years
  LumpSum,       // lump sum: one investment's growth year by year
};

inline constexpr std::size_t kCalculatorCount = 4;

// The most inputs any calculator reads.
inline constexpr std::size_t kMaxInputs = 5;

// How an input's text becomes a number.
enum class Reading {
  Loose,         // NumberFromText: the longest leading number, 0 when there is none
  StrictNumber,  // StrictNumberFromText: one plain number or TypeMismatch
  StrictInt16,   // StrictInt16FromText: a strict number rounded into -32768..32767
};

// What an input counts, which decides the box that takes it: amounts and rates take digits and
// one point, years and ages digits only.
enum class Quantity {
  Yuan,
  Percent,  // typed as percent; the calculator divides it by 100
  Years,
  Age,
};

constexpr bool IsWholeNumber(Quantity quantity) {
  return quantity == Quantity::Years || quantity == Quantity::Age;
}

struct InputField {
  std::string_view name;  // as in the calculator's *Texts struct
  Reading reading;
  Quantity quantity;
};

// The place of the input named `name` among `inputs`. No constant when there is none, so a
// misspelt name where a constant is needed does not compile.
constexpr std::size_t InputIndex(std::span<const InputField> inputs, std::string_view name) {
  for (std::size_t k = 0; k < inputs.size(); ++k) {
    if (inputs[k].name == name) return k;
  }
  throw "no input of that name";
}

// When a calculator replaces the result box's text.
enum class BoxWrite {
  ClearedFirst,       // emptied before the boxes are looked at, so even an empty box empties it
  ClearedAfterCheck,  // emptied once no box is empty; a later failure leaves what was written
  OnlyWhenFinished,   // replaced whole by a finished run; any failure leaves it as it was
};

// The two ways a number is written: StrForm (".5") and PlainForm ("0.5").
enum class NumberForm { Str, Plain };

// Where a chart curve's figure for each year comes from.
enum class SeriesSource {
  LineFigure,         // figure `figure` of the year's line, as printed
  RunningSum,         // figure `figure` of every line so far, added in the calculator's order
  CompoundedBalance,  // figure `figure` of every line so far, each grown by input `input` (a
                      // percent) once a year, rounded to 4 places; the last year is summary
                      // figure `summaryFigure`, the sum of each figure's own rounded value
  Input,              // input `input` as read, the same in every year
};

struct SeriesRecipe {
  std::string_view name;  // the legend's
  SeriesSource source;
  std::size_t figure = 0;
  std::size_t input = 0;
  std::size_t summaryFigure = 0;
  bool rightAxis = false;             // against a right-hand axis, on a scale of its own
  NumberForm form = NumberForm::Str;  // read out as the result text writes the figure
  bool paidToday = false;             // a sum paid today, so already today's money every year
};

enum class ChartKind {
  Schedule,           // one point per schedule line, from the recipes below
  PresentValueCurve,  // today's value of the amount for every year until it is due
};

// Which inputs mean what to a chart; kNoInput where a chart needs none.
inline constexpr std::size_t kNoInput = static_cast<std::size_t>(-1);

struct ChartRecipe {
  ChartKind kind = ChartKind::Schedule;
  std::string_view xTitle;      // what the years axis counts
  std::string_view yearPrefix;  // the read-out's words before and after a year: 第 … 年
  std::string_view yearSuffix;
  std::span<const SeriesRecipe> series;
  // Years from today at the first year's 0: input `laterAge` minus input `earlierAge` as read.
  std::size_t earlierAge = kNoInput;
  std::size_t laterAge = kNoInput;
  // The present-value curve's inputs.
  std::size_t rate = kNoInput;
  std::size_t amount = kNoInput;
  std::size_t years = kNoInput;
};

struct CalculatorDescription {
  Calculator calculator;
  std::span<const InputField> inputs;  // in the order of the calculator's *Texts fields
  BoxWrite write;
  // Numbers printed on each schedule line, its year first; 0 for a result without lines.
  std::size_t figuresPerLine;
  // Table headings: one per line figure, then any column only the summary fills.
  std::span<const std::string_view> columns;
  // The column of each summary figure, in the order the summary prints them.
  std::span<const std::size_t> summaryColumns;
  NumberForm summaryForm;
  bool totalRow;  // the summary's row starts with 合计; a result without lines has none
  ChartRecipe chart;
};

namespace description {

inline constexpr InputField kInvestmentInputs[] = {
    {"monthlyAmount", Reading::Loose, Quantity::Yuan},
    {"yearlyIncrease", Reading::Loose, Quantity::Percent},
    {"annualReturn", Reading::Loose, Quantity::Percent},
    {"years", Reading::Loose, Quantity::Years},
};
// The investment's value has no column in the year lines; it shows in the 合计 row only.
inline constexpr std::string_view kInvestmentColumns[] = {"年份", "年投入(元)", "每月投入(元)",
                                                          "本利合计(元)"};
inline constexpr std::size_t kInvestmentSummary[] = {1, 3};
inline constexpr SeriesRecipe kInvestmentSeries[] = {
    {.name = "累计投入本金",
     .source = SeriesSource::RunningSum,
     .figure = 1,
     .form = NumberForm::Plain},
    {.name = "本利合计",
     .source = SeriesSource::CompoundedBalance,
     .figure = 1,
     .input = InputIndex(kInvestmentInputs, "annualReturn"),
     .summaryFigure = 1,
     .form = NumberForm::Plain},
};

inline constexpr InputField kPensionInputs[] = {
    {"inflation", Reading::StrictNumber, Quantity::Percent},
    {"monthlyCost", Reading::StrictNumber, Quantity::Yuan},
    {"pensionYears", Reading::StrictInt16, Quantity::Years},
    {"currentAge", Reading::StrictInt16, Quantity::Age},
    {"retirementAge", Reading::StrictInt16, Quantity::Age},
};
inline constexpr std::string_view kPensionColumns[] = {"退休年份", "年需要生活费(元)",
                                                       "平均每月(元)"};
// Where each pension line prints its retirement year's need.
inline constexpr std::size_t kPensionNeedFigure = 1;
inline constexpr std::size_t kPensionSummary[] = {1};
inline constexpr SeriesRecipe kPensionSeries[] = {
    {.name = "当年需要生活费", .source = SeriesSource::LineFigure, .figure = kPensionNeedFigure},
    {.name = "累计需要",
     .source = SeriesSource::RunningSum,
     .figure = kPensionNeedFigure,
     .rightAxis = true,
     .form = NumberForm::Plain},
};

inline constexpr InputField kPresentValueInputs[] = {
    {"rate", Reading::Loose, Quantity::Percent},
    {"amount", Reading::Loose, Quantity::Yuan},
    {"years", Reading::Loose, Quantity::Years},
};
inline constexpr std::string_view kPresentValueColumns[] = {"现值(元)"};
inline constexpr std::size_t kPresentValueSummary[] = {0};
inline constexpr SeriesRecipe kPresentValueSeries[] = {
    {.name = "现值", .source = SeriesSource::LineFigure, .form = NumberForm::Plain},
};

inline constexpr InputField kLumpSumInputs[] = {
    {"amount", Reading::Loose, Quantity::Yuan},
    {"rate", Reading::Loose, Quantity::Percent},
    {"years", Reading::Loose, Quantity::Years},
};
inline constexpr std::string_view kLumpSumColumns[] = {"年份", "累计收益(元)", "累计收益率(%)",
                                                       "本利和(元)"};
inline constexpr std::size_t kLumpSumSummary[] = {3};
inline constexpr SeriesRecipe kLumpSumSeries[] = {
    {.name = "本利和", .source = SeriesSource::LineFigure, .figure = 3},
    {.name = "本金",
     .source = SeriesSource::Input,
     .input = InputIndex(kLumpSumInputs, "amount"),
     .paidToday = true},
};

}  // namespace description

// In the order of the Calculator enum.
inline constexpr std::array<CalculatorDescription, kCalculatorCount> kCalculators = {{
    {.calculator = Calculator::Investment,
     .inputs = description::kInvestmentInputs,
     .write = BoxWrite::ClearedAfterCheck,
     .figuresPerLine = 3,  // year, contribution, its monthly amount
     .columns = description::kInvestmentColumns,
     .summaryColumns = description::kInvestmentSummary,  // principal, value
     .summaryForm = NumberForm::Plain,
     .totalRow = true,
     .chart = {.xTitle = "年份",
               .yearPrefix = "第",
               .yearSuffix = "年",
               .series = description::kInvestmentSeries}},
    {.calculator = Calculator::Pension,
     .inputs = description::kPensionInputs,
     .write = BoxWrite::ClearedAfterCheck,
     .figuresPerLine = 3,  // retirement year, need, its monthly amount
     .columns = description::kPensionColumns,
     .summaryColumns = description::kPensionSummary,  // the total, none when no year ran
     .summaryForm = NumberForm::Plain,
     .totalRow = true,
     .chart = {.xTitle = "退休年份",
               .yearPrefix = "退休第",
               .yearSuffix = "年",
               .series = description::kPensionSeries,
               .earlierAge = InputIndex(description::kPensionInputs, "currentAge"),
               .laterAge = InputIndex(description::kPensionInputs, "retirementAge")}},
    {.calculator = Calculator::PresentValue,
     .inputs = description::kPresentValueInputs,
     .write = BoxWrite::OnlyWhenFinished,
     .figuresPerLine = 0,  // one number and no lines
     .columns = description::kPresentValueColumns,
     .summaryColumns = description::kPresentValueSummary,  // the value
     .summaryForm = NumberForm::Plain,
     .totalRow = false,
     .chart = {.kind = ChartKind::PresentValueCurve,
               .xTitle = "距今年数",
               .yearPrefix = "",
               .yearSuffix = "年后",
               .series = description::kPresentValueSeries,
               .rate = InputIndex(description::kPresentValueInputs, "rate"),
               .amount = InputIndex(description::kPresentValueInputs, "amount"),
               .years = InputIndex(description::kPresentValueInputs, "years")}},
    {.calculator = Calculator::LumpSum,
     .inputs = description::kLumpSumInputs,
     .write = BoxWrite::ClearedFirst,
     .figuresPerLine = 4,  // year, gain, gain in percent, value
     .columns = description::kLumpSumColumns,
     .summaryColumns = description::kLumpSumSummary,  // the final value
     .summaryForm = NumberForm::Str,
     .totalRow = true,
     .chart = {.xTitle = "年份",
               .yearPrefix = "第",
               .yearSuffix = "年",
               .series = description::kLumpSumSeries}},
}};

constexpr const CalculatorDescription& Describe(Calculator calculator) {
  return kCalculators[static_cast<std::size_t>(calculator)];
}

// The place of `calculator`'s input named `name`.
constexpr std::size_t InputIndex(Calculator calculator, std::string_view name) {
  return InputIndex(Describe(calculator).inputs, name);
}

// How many numbers each schedule line of `calculator` prints, its year included.
constexpr std::size_t FiguresPerLine(Calculator calculator) {
  return Describe(calculator).figuresPerLine;
}

namespace description {

// The facts above agree with each other.
constexpr bool Consistent() {
  for (std::size_t k = 0; k < kCalculators.size(); ++k) {
    const CalculatorDescription& d = kCalculators[k];
    if (static_cast<std::size_t>(d.calculator) != k) return false;
    if (d.inputs.size() > kMaxInputs || d.figuresPerLine > d.columns.size()) return false;
    for (const std::size_t column : d.summaryColumns) {
      if (column >= d.columns.size()) return false;
    }
    for (const SeriesRecipe& series : d.chart.series) {
      const bool fromInput =
          series.source == SeriesSource::Input || series.source == SeriesSource::CompoundedBalance;
      if (d.chart.kind == ChartKind::Schedule && series.source != SeriesSource::Input &&
          series.figure >= d.figuresPerLine) {
        return false;
      }
      if (fromInput && series.input >= d.inputs.size()) return false;
    }
  }
  return true;
}
static_assert(Consistent());

}  // namespace description

}  // namespace belvik
