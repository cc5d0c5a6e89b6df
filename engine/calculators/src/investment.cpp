// Periodic investment: each year's twelve payments are one deposit at the start of the year,
// compounded yearly to the end of the last year; the contribution grows once a year.
#include "belvik/investment.h"

#include "belvik/compounding.h"
#include "belvik/rounding.h"
#include "calculation.h"
#include "input_texts.h"

namespace belvik {
namespace {

constexpr Calculator kCalculator = Calculator::Investment;
constexpr std::size_t kMonthlyAmount = InputIndex(kCalculator, "monthlyAmount");
constexpr std::size_t kYearlyIncrease = InputIndex(kCalculator, "yearlyIncrease");
constexpr std::size_t kAnnualReturn = InputIndex(kCalculator, "annualReturn");
constexpr std::size_t kYears = InputIndex(kCalculator, "years");

void InvestSchedule(double monthlyAmount, double increase, double annualReturn, double years,
                    Run& run) {
  double contribution = run.Check(monthlyAmount * 12);
  double principal = 0;
  double total = 0;
  run.text().ReserveLines(years, FiguresPerLine(kCalculator));
  for (double year = 1; year <= years; year = year + 1) {
    principal = run.Check(principal + contribution);
    const double span = run.Check((years - year) + 1);
    total = run.Check(run.Take(FutureValue(contribution, annualReturn, span)) + total);
    const double monthly = run.Check(contribution / 12);
    run.text().AppendLine(
        {"第", Str(year), "年投入", Str(contribution), "元，每月投入", Str(RoundTo(monthly, 4))});
    // Runs after the last year too, so its overflow can still stop the run before the summary.
    contribution = run.Check(RoundTo(run.Watch((increase + 1) * contribution), 4));
  }
  run.text().PutInFront({"总投入本金", Plain(principal), "元，本利合计", Plain(total), "元。"});
}

}  // namespace

Result CalculateInvestment(const InvestmentTexts& texts) {
  return CalculateFrom<kCalculator>(ViewsOf<kCalculator>(texts));
}

template <>
Result CalculateFrom<kCalculator>(std::span<const std::string_view> texts) {
  return RunCalculator(kCalculator, texts, [](Run& run) {
    const double monthlyAmount = run.Read(kMonthlyAmount);
    const double increasePercent = run.Read(kYearlyIncrease);
    const double returnPercent = run.Read(kAnnualReturn);
    const double years = run.Read(kYears);
    Run::CapYears(years);
    // A percentage divided by 100 cannot fault: every number read is finite.
    InvestSchedule(monthlyAmount, increasePercent / 100, returnPercent / 100, years, run);
  });
}

}  // namespace belvik
