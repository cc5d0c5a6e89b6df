// Periodic investment: each year's twelve payments are one deposit at the start of the year,
// compounded yearly to the end of the last year; the contribution grows once a year.
#include "belvik/calculators.h"
#include "belvik/compounding.h"
#include "belvik/number_text.h"
#include "calculator_steps.h"
#include "fault_watch.h"
#include "result_text.h"

namespace belvik {
namespace {

Failure InvestSchedule(double monthlyAmount, double increase, double annualReturn, double years,
                       ResultText& box) {
  FaultWatch watch;
  double contribution = watch(monthlyAmount * 12);
  if (watch.Faulted()) return Failure::FloatingPoint;
  double principal = 0;
  double total = 0;
  box.ReserveLines(years);
  for (double year = 1; year <= years; year = year + 1) {
    principal = watch(principal + contribution);
    if (watch.Faulted()) return Failure::FloatingPoint;
    const double span = watch((years - year) + 1);
    if (watch.Faulted()) return Failure::FloatingPoint;
    const Checked<double> grown = FutureValue(contribution, annualReturn, span);
    if (!grown.ok()) return grown.failure;
    total = watch(grown.value + total);
    if (watch.Faulted()) return Failure::FloatingPoint;
    const double monthly = watch(contribution / 12);
    if (watch.Faulted()) return Failure::FloatingPoint;
    box.AppendLine({"第", StrForm(year), "年投入", StrForm(contribution), "元，每月投入",
                    StrForm(RoundTo(monthly, 4))});
    // Runs after the last year too, so its overflow can still stop the run before the summary.
    contribution = watch(RoundTo(watch((increase + 1) * contribution), 4));
    if (watch.Faulted()) return Failure::FloatingPoint;
  }
  box.PutInFront({"总投入本金", PlainForm(principal), "元，本利合计", PlainForm(total), "元。"});
  return Failure::None;
}

}  // namespace

Outcome CalculateInvestment(const InvestmentTexts& texts, std::string_view box) {
  if (AnyEmpty({texts.monthlyAmount, texts.yearlyIncrease, texts.annualReturn, texts.years})) {
    return {std::string(box), Failure::EmptyInput};
  }
  const auto numbers = NumbersFromTexts<4>(
      {texts.monthlyAmount, texts.yearlyIncrease, texts.annualReturn, texts.years});
  if (!numbers.ok()) return {"", numbers.failure};
  const auto [monthlyAmount, increasePercent, returnPercent, years] = numbers.value;
  if (years > kMaxScheduleYears) return {"", Failure::YearsCap};
  ResultText result;
  const Failure failure =
      InvestSchedule(monthlyAmount, increasePercent / 100, returnPercent / 100, years, result);
  return {result.Take(), failure};
}

}  // namespace belvik
