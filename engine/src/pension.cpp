// Pension need: the living cost of every retirement year in the money of that year.
// Ages and years are 16-bit signed integers; leaving their range is an Overflow failure.
#include <cstdint>
#include <limits>
#include <optional>

#include "belvik/calculators.h"
#include "belvik/compounding.h"
#include "belvik/number_text.h"
#include "calculator_steps.h"
#include "fault_watch.h"
#include "result_text.h"

namespace belvik {
namespace {

// The result of 16-bit signed arithmetic, or nothing when it leaves -32768..32767.
std::optional<std::int16_t> Int16(int value) {
  if (value < std::numeric_limits<std::int16_t>::min() ||
      value > std::numeric_limits<std::int16_t>::max()) {
    return std::nullopt;
  }
  return static_cast<std::int16_t>(value);
}

Failure PensionSchedule(double monthlyCost, double inflationPercent, std::int16_t pensionYears,
                        std::int16_t currentAge, std::int16_t retirementAge, ResultText& box) {
  FaultWatch watch;
  const double inflation = watch(inflationPercent / 100);
  if (watch.Faulted()) return Failure::FloatingPoint;
  const double yearlyCost = watch(monthlyCost * 12);
  if (watch.Faulted()) return Failure::FloatingPoint;
  const std::optional<std::int16_t> untilRetirement = Int16(retirementAge - currentAge);
  if (!untilRetirement) return Failure::Overflow;
  std::optional<double> total;  // stays empty when no year is computed
  box.ReserveLines(pensionYears);
  for (int year = 1; year <= pensionYears; ++year) {
    const std::optional<std::int16_t> span = Int16(*untilRetirement + year);
    if (!span) return Failure::Overflow;
    const Checked<double> need = FutureValue(yearlyCost, inflation, *span);
    if (!need.ok()) return need.failure;
    // The sum has no check of its own: its overflow is caught with the division below.
    total = watch(need.value + total.value_or(0));
    const double monthly = watch(need.value / 12);
    if (watch.Faulted()) return Failure::FloatingPoint;
    box.AppendLine({"退休第", StrForm(year), "年需要生活费", StrForm(need.value), "元，平均每月",
                    StrForm(RoundTo(monthly, 4)), "元。"});
    // The 16-bit counter cannot pass 32767: with 32767 years the run stops here, after the
    // last line and before the summary.
    if (!Int16(year + 1)) return Failure::Overflow;
  }
  box.PutInFront({"总计需要养老金：", total ? PlainForm(*total) : "", "元。"});
  return Failure::None;
}

}  // namespace

Outcome CalculatePension(const PensionTexts& texts, std::string_view box) {
  if (AnyEmpty({texts.inflation, texts.monthlyCost, texts.pensionYears, texts.currentAge,
                texts.retirementAge})) {
    return {std::string(box), Failure::EmptyInput};
  }
  // Converted in this order; the first failure stops with the box already emptied.
  const Checked<std::int16_t> retirementAge = StrictInt16FromText(texts.retirementAge);
  if (!retirementAge.ok()) return {"", retirementAge.failure};
  const Checked<std::int16_t> currentAge = StrictInt16FromText(texts.currentAge);
  if (!currentAge.ok()) return {"", currentAge.failure};
  const Checked<std::int16_t> pensionYears = StrictInt16FromText(texts.pensionYears);
  if (!pensionYears.ok()) return {"", pensionYears.failure};
  const Checked<double> inflation = StrictNumberFromText(texts.inflation);
  if (!inflation.ok()) return {"", inflation.failure};
  const Checked<double> monthlyCost = StrictNumberFromText(texts.monthlyCost);
  if (!monthlyCost.ok()) return {"", monthlyCost.failure};

  ResultText result;
  const Failure failure = PensionSchedule(monthlyCost.value, inflation.value, pensionYears.value,
                                          currentAge.value, retirementAge.value, result);
  return {result.Take(), failure};
}

}  // namespace belvik
