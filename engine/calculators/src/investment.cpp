// Periodic investment: each year's twelve payments are one deposit at the start of the year,
// compounded yearly to the end of the last year; the contribution grows once a year.
#include "belvik/investment.h"

#include "belvik/rounding.h"
#include "calculation.h"
#include "input_texts.h"
#include "investment_schedule.h"

namespace belvik {
namespace {

constexpr Calculator kCalculator = Calculator::Investment;
constexpr std::size_t kMonthlyAmount = InputIndex(kCalculator, "monthlyAmount");
constexpr std::size_t kYearlyIncrease = InputIndex(kCalculator, "yearlyIncrease");
constexpr std::size_t kAnnualReturn = InputIndex(kCalculator, "annualReturn");
constexpr std::size_t kYears = InputIndex(kCalculator, "years");

void WriteSchedule(double monthlyAmount, double increase, double annualReturn, double years,
                   Run& run) {
  run.text().ReserveLines(years, FiguresPerLine(kCalculator));
  const InvestmentSums sums =
      InvestSchedule(monthlyAmount, increase, annualReturn, years, run,
                     [&run](double year, double contribution, double monthly) {
                       run.text().AppendLine("第", Str(year), "年投入", Str(contribution),
                                             "元，每月投入", Str(RoundTo(monthly, 4)));
                     });
  run.text().PutInFront("总投入本金", Plain(sums.principal), "元，本利合计", Plain(sums.value),
                        "元。");
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
    WriteSchedule(monthlyAmount, increasePercent / 100, returnPercent / 100, years, run);
  });
}

}  // namespace belvik
