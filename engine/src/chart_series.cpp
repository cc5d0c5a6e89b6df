#include "belvik/chart_series.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "belvik/compounding.h"
#include "belvik/number_text.h"

namespace belvik {
namespace {

constexpr double kNoFigure = std::numeric_limits<double>::quiet_NaN();

std::string_view Input(std::span<const std::string> inputs, std::size_t k) {
  return k < inputs.size() ? std::string_view(inputs[k]) : std::string_view();
}

// A box read as the calculator reads it; NaN for a number beyond the double range.
double Number(std::string_view text) {
  const Checked<double> number = NumberFromText(text);
  return number.ok() ? number.value : kNoFigure;
}

double Rounded(double x) { return std::isfinite(x) ? RoundTo(x, 4) : kNoFigure; }

void WordYears(Chart& chart, const char* title, const char* prefix, const char* suffix) {
  chart.xTitle = title;
  chart.yearPrefix = prefix;
  chart.yearSuffix = suffix;
}

Chart InvestmentChart(const Result& result, std::span<const std::string> inputs) {
  const double growth = 1 + Number(Input(inputs, 2)) / 100;
  Chart chart;
  WordYears(chart, "年份", "第", "年");
  ChartSeries principal{.name = "累计投入本金", .plainForm = true};
  ChartSeries value{.name = "本利合计", .plainForm = true};
  double paid = 0;
  double balance = 0;
  for (std::size_t k = 0; k < result.LineCount(); ++k) {
    const std::span<const double> line = result.Line(k);
    chart.x.push_back(line[0]);
    paid = paid + line[1];  // as the calculator adds, so the last year's is the summary's
    principal.y.push_back(paid);
    // Every earlier contribution grows one more year: O(n). The summary instead adds each
    // contribution's own rounded value, which for every year would be O(n²).
    balance = (balance + line[1]) * growth;
    value.y.push_back(Rounded(balance));
  }
  // The recurrence misses the summary's roundings (at most 0.00005 a year), so the last year
  // shows the summary's own figure.
  const std::span<const double> summary = result.Summary();
  if (summary.size() == 2 && !value.y.empty()) value.y.back() = summary[1];
  chart.series = {std::move(principal), std::move(value)};
  return chart;
}

Chart PensionChart(const Result& result, std::span<const std::string> inputs) {
  Chart chart;
  WordYears(chart, "退休年份", "退休第", "年");
  const Checked<std::int16_t> currentAge = StrictInt16FromText(Input(inputs, 3));
  const Checked<std::int16_t> retirementAge = StrictInt16FromText(Input(inputs, 4));
  if (currentAge.ok() && retirementAge.ok()) {
    chart.yearsFromTodayAtZero = retirementAge.value - currentAge.value;
  }
  ChartSeries need{.name = "当年需要生活费"};
  ChartSeries total{.name = "累计需要", .rightAxis = true, .plainForm = true};
  double sum = 0;
  for (std::size_t k = 0; k < result.LineCount(); ++k) {
    const std::span<const double> line = result.Line(k);
    chart.x.push_back(line[0]);
    need.y.push_back(line[1]);
    sum = line[1] + sum;  // as the calculator adds, so the last year's is the summary's
    total.y.push_back(sum);
  }
  chart.series = {std::move(need), std::move(total)};
  return chart;
}

Chart LumpSumChart(const Result& result, std::span<const std::string> inputs) {
  Chart chart;
  WordYears(chart, "年份", "第", "年");
  ChartSeries value{.name = "本利和"};
  ChartSeries principal{.name = "本金", .paidToday = true};
  const double amount = Number(Input(inputs, 0));
  for (std::size_t k = 0; k < result.LineCount(); ++k) {
    const std::span<const double> line = result.Line(k);
    chart.x.push_back(line[0]);
    value.y.push_back(line[3]);
    principal.y.push_back(amount);
  }
  chart.series = {std::move(value), std::move(principal)};
  return chart;
}

// Today's value of the amount due in 0 … N years (N may be negative or fractional), whole years
// apart, as many apart as keeps the count within kMaxPresentValuePoints, and N itself last.
Chart PresentValueChart(std::span<const std::string> inputs) {
  Chart chart;
  WordYears(chart, "距今年数", "", "年后");
  chart.todaysMoneyNote = "现值已经是按今天的钱计算的金额";
  const double rate = Number(Input(inputs, 0)) / 100;
  const double amount = Number(Input(inputs, 1));
  const double years = Number(Input(inputs, 2));
  ChartSeries value{.name = "现值", .plainForm = true};
  const double reach = std::abs(years);
  const double step =
      std::max(1.0, std::ceil(reach / static_cast<double>(kMaxPresentValuePoints - 1)));
  const auto add = [&](double y) {
    const Checked<double> pv = PresentValue(amount, rate, y);
    if (!pv.ok()) return false;
    chart.x.push_back(y);
    value.y.push_back(pv.value);
    return true;
  };
  bool faulted = false;
  for (double j = 0; j * step < reach && !faulted; j = j + 1) {
    const double ahead = j * step;
    faulted = !add(years < 0 && ahead != 0 ? -ahead : ahead);
  }
  if (!faulted && add(years)) chart.answer = chart.x.size() - 1;
  if (years < 0) {
    std::reverse(chart.x.begin(), chart.x.end());
    std::reverse(value.y.begin(), value.y.end());
    if (chart.answer) chart.answer = 0;
  }
  chart.series = {std::move(value)};
  return chart;
}

}  // namespace

Chart ChartOf(const Result& result, std::span<const std::string> inputs,
              std::string_view inflationText) {
  Chart chart;
  switch (result.calculator) {
    case Calculator::Investment:
      chart = InvestmentChart(result, inputs);
      break;
    case Calculator::Pension:
      chart = PensionChart(result, inputs);
      break;
    case Calculator::LumpSum:
      chart = LumpSumChart(result, inputs);
      break;
    case Calculator::PresentValue:
      return PresentValueChart(inputs);
  }
  const double percent = Number(inflationText);
  if (std::isnan(percent)) {
    chart.todaysMoneyNote = "通货膨胀率一栏的数超出范围，无法折算";
  } else {
    chart.inflation = percent / 100;
    chart.todaysMoneyNote = "按年通货膨胀率 " + PlainForm(percent) + "% 把每年的金额折算成今天的钱";
  }
  return chart;
}

Chart InTodaysMoney(const Chart& chart) {
  Chart today = chart;
  if (!chart.inflation) return today;
  for (ChartSeries& series : today.series) {
    if (series.paidToday) continue;
    for (std::size_t k = 0; k < series.y.size(); ++k) {
      const Checked<double> value =
          PresentValue(series.y[k], *chart.inflation, chart.x[k] + chart.yearsFromTodayAtZero);
      series.y[k] = value.ok() ? value.value : kNoFigure;
    }
  }
  return today;
}

std::size_t NearestPoint(const Chart& chart, double x) {
  const auto after = std::lower_bound(chart.x.begin(), chart.x.end(), x);
  if (after == chart.x.begin()) return 0;
  if (after == chart.x.end() || x - *(after - 1) <= *after - x) {
    return static_cast<std::size_t>(after - chart.x.begin()) - 1;
  }
  return static_cast<std::size_t>(after - chart.x.begin());
}

std::string ReadOut(const Chart& chart, std::size_t k) {
  if (k >= chart.x.size()) return {};
  std::string text = chart.yearPrefix + PlainForm(chart.x[k]) + chart.yearSuffix + "：";
  for (std::size_t s = 0; s < chart.series.size(); ++s) {
    const ChartSeries& series = chart.series[s];
    const double y = series.y[k];
    if (s != 0) text += "，";
    text += series.name + " ";
    text += std::isnan(y) ? "超出范围" : series.plainForm ? PlainForm(y) : StrForm(y);
    text += " 元";
  }
  if (chart.answer == k) text += "（计算结果）";
  return text;
}

}  // namespace belvik
