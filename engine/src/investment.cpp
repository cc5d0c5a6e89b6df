// Periodic investment: each year's twelve payments are one deposit at the start of the year,
// compounded yearly to the end of the last year; the contribution grows once a year.
#include "belvik/calculators.h"
#include "belvik/compounding.h"
#include "belvik/number_text.h"
#include "calculation.h"

namespace belvik {
namespace {

void InvestSchedule(double monthlyAmount, double increase, double annualReturn, double years,
                    Run& run) {
  double contribution = run.Check(monthlyAmount * 12);
  double principal = 0;
  double total = 0;
  run.text().ReserveLines(years, FiguresPerLine(Calculator::Investment));
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
  return RunCalculator(Calculator::Investment, BoxWrite::ClearedAfterCheck,
                       {texts.monthlyAmount, texts.yearlyIncrease, texts.annualReturn, texts.years},
                       [&texts](Run& run) {
                         const double monthlyAmount = run.Number(texts.monthlyAmount);
                         const double increasePercent = run.Number(texts.yearlyIncrease);
                         const double returnPercent = run.Number(texts.annualReturn);
                         const double years = run.Number(texts.years);
                         Run::CapYears(years);
                         // A percentage divided by 100 cannot fault: every number read is finite.
                         InvestSchedule(monthlyAmount, increasePercent / 100, returnPercent / 100,
                                        years, run);
                       });
}

}  // namespace belvik
