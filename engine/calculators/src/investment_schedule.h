// The periodic investment's arithmetic, once for the calculator that prints it and for the search
// that runs it to find a monthly amount: the same steps in the same order with the same fault
// checks, so a value the search finds is the value the result box prints.
#pragma once

#include "belvik/compounding.h"
#include "belvik/rounding.h"

namespace belvik {

struct InvestmentSums {
  double principal = 0;
  double value = 0;
};

// Runs the schedule through `steps`, which checks each step: Watch(x) records a result whose
// fault the next check reports, Check(x) records and checks, Take(checked) unwraps a step that
// can fail. A failed check either ends the run at once (the calculator's steps throw) or is
// recorded, and then Stopped() ends the loop after that year; nothing a later step computes can
// undo a fault. After each year's value is added, `line(year, contribution, monthly)` sees the
// year's contribution and its monthly figure before rounding.
template <typename Steps, typename Line>
InvestmentSums InvestSchedule(double monthlyAmount, double increase, double annualReturn,
                              double years, Steps& steps, Line&& line) {
  double contribution = steps.Check(monthlyAmount * 12);
  InvestmentSums sums;
  for (double year = 1; year <= years && !steps.Stopped(); year = year + 1) {
    sums.principal = steps.Check(sums.principal + contribution);
    const double span = steps.Check((years - year) + 1);
    sums.value =
        steps.Check(steps.Take(FutureValue(contribution, annualReturn, span)) + sums.value);
    line(year, contribution, steps.Check(contribution / 12));
    // Runs after the last year too, so its overflow can still stop the run before the summary.
    contribution = steps.Check(RoundTo(steps.Watch((increase + 1) * contribution), 4));
  }
  return sums;
}

}  // namespace belvik
