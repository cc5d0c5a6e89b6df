// Pension need: the living cost of every retirement year in the money of that year.
// Ages and years are 16-bit signed integers; leaving their range is an Overflow failure.
#include "belvik/pension.h"

#include <cstdint>
#include <limits>
#include <optional>

#include "belvik/compounding.h"
#include "belvik/rounding.h"
#include "calculation.h"
#include "input_texts.h"

namespace belvik {
namespace {

constexpr Calculator kCalculator = Calculator::Pension;
constexpr std::size_t kInflation = InputIndex(kCalculator, "inflation");
constexpr std::size_t kMonthlyCost = InputIndex(kCalculator, "monthlyCost");
constexpr std::size_t kPensionYears = InputIndex(kCalculator, "pensionYears");
constexpr std::size_t kCurrentAge = InputIndex(kCalculator, "currentAge");
constexpr std::size_t kRetirementAge = InputIndex(kCalculator, "retirementAge");

// A strictly read 16-bit input: a whole number from -32768 to 32767, so the cast is exact.
std::int16_t ReadInt16(Run& run, std::size_t k) { return static_cast<std::int16_t>(run.Read(k)); }

// The result of 16-bit signed arithmetic, or Overflow when it leaves -32768..32767.
Checked<std::int16_t> Int16(int value) {
  if (value < std::numeric_limits<std::int16_t>::min() ||
      value > std::numeric_limits<std::int16_t>::max()) {
    return {0, Failure::Overflow};
  }
  return {static_cast<std::int16_t>(value)};
}

void PensionSchedule(double monthlyCost, double inflationPercent, std::int16_t pensionYears,
                     std::int16_t currentAge, std::int16_t retirementAge, Run& run) {
  const double inflation = run.Check(inflationPercent / 100);
  const double yearlyCost = run.Check(monthlyCost * 12);
  const std::int16_t untilRetirement = run.Take(Int16(retirementAge - currentAge));
  std::optional<double> total;  // stays empty when no year is computed
  run.text().ReserveLines(pensionYears, FiguresPerLine(kCalculator));
  for (int year = 1; year <= pensionYears; ++year) {
    const std::int16_t span = run.Take(Int16(untilRetirement + year));
    const double need = run.Take(FutureValue(yearlyCost, inflation, span));
    // The sum has no check of its own: its overflow is caught with the division below.
    total = run.Watch(need + total.value_or(0));
    const double monthly = run.Check(need / 12);
    run.text().AppendLine("退休第", Str(year), "年需要生活费", Str(need), "元，平均每月",
                          Str(RoundTo(monthly, 4)), "元。");
    // The 16-bit counter cannot pass 32767: with 32767 years the run stops here, after the
    // last line and before the summary.
    run.Take(Int16(year + 1));
  }
  run.text().PutInFront("总计需要养老金：", total ? Plain(*total) : Piece(""), "元。");
}

}  // namespace

Result CalculatePension(const PensionTexts& texts) {
  return CalculateFrom<kCalculator>(ViewsOf<kCalculator>(texts));
}

template <>
Result CalculateFrom<kCalculator>(std::span<const std::string_view> texts) {
  return RunCalculator(kCalculator, texts, [](Run& run) {
    // Read in this order; the first failure stops with the box already emptied.
    const std::int16_t retirementAge = ReadInt16(run, kRetirementAge);
    const std::int16_t currentAge = ReadInt16(run, kCurrentAge);
    const std::int16_t pensionYears = ReadInt16(run, kPensionYears);
    const double inflation = run.Read(kInflation);
    const double monthlyCost = run.Read(kMonthlyCost);
    PensionSchedule(monthlyCost, inflation, pensionYears, currentAge, retirementAge, run);
  });
}

}  // namespace belvik
