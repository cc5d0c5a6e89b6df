#include "belvik/pension_target.h"

#include "belvik/calculator_description.h"
#include "belvik/compounding.h"
#include "belvik/number_reading.h"
#include "fault_watch.h"

namespace belvik {
namespace {

constexpr Calculator kCalculator = Calculator::Pension;
constexpr std::size_t kCurrentAge = InputIndex(kCalculator, "currentAge");
constexpr std::size_t kRetirementAge = InputIndex(kCalculator, "retirementAge");

}  // namespace

std::optional<double> PensionTotal(const Result& pension) {
  if (pension.calculator != kCalculator || pension.failure != Failure::None ||
      pension.Summary().empty()) {
    return std::nullopt;
  }
  return pension.Summary().front();
}

double YearsToRetirement(const Result& pension) {
  return pension.Value(kRetirementAge) - pension.Value(kCurrentAge);
}

GoalTarget DiscountedPensionTotal(const Result& pension, std::string_view returnPercent) {
  if (returnPercent.empty()) return {GoalFailure::EmptyInput};
  const Checked<double> percent = NumberFromText(returnPercent);
  if (!percent.ok()) return {GoalFailure::FloatingPoint};
  const double rate = percent.value / 100;
  // A negative base would alternate the sign of the factors year by year.
  if (1 + rate < 0) return {GoalFailure::RateBelowTotalLoss};
  FaultWatch watch;
  double total = 0;
  for (std::size_t k = 0; k < pension.LineCount(); ++k) {
    const double need = pension.Line(k)[description::kPensionNeedFigure];
    const Checked<double> today = PresentValue(need, rate, static_cast<double>(k));
    if (!today.ok()) return {GoalFailure::FloatingPoint};
    total = watch(today.value + total);
  }
  if (watch.Faulted()) return {GoalFailure::FloatingPoint};
  return {GoalFailure::None, total};
}

}  // namespace belvik
