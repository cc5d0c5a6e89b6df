// The search for a monthly amount. With both rates at -100 % or above, a larger amount never
// lowers a year's contribution or its compounded value (every step is a product by a factor
// not below 0, a rounding or a sum, each monotonic), and a schedule that faults at some amount
// faults at every larger one. So along the amounts each schedule either stays below the target,
// or reaches it, or faults, in that order; the search finds the first amount that does not stay
// below, by galloping from an estimate and then halving, and that amount's own schedule says
// whether it reaches.
#include "belvik/monthly_goal.h"

#include <string_view>

#include "amount_steps.h"
#include "belvik/calculator_description.h"
#include "belvik/number_reading.h"
#include "belvik/power.h"
#include "fault_watch.h"
#include "investment_schedule.h"

namespace belvik {
namespace {

using amount_steps::AmountAt;
using amount_steps::kLast;
using amount_steps::Step;

// The schedule's steps for a run that writes nothing: a fault is recorded, and the schedule
// stops at the end of that year.
class RecordedSteps {
 public:
  double Watch(double result) { return watch_(result); }
  double Check(double result) { return watch_(result); }
  double Take(const Checked<double>& step) {
    failed_ = failed_ || !step.ok();
    return step.value;
  }
  bool Stopped() const { return failed_ || watch_.Faulted(); }

 private:
  FaultWatch watch_;
  bool failed_ = false;
};

struct Outcome {
  bool faulted = false;
  double value = 0;
};

class Search {
 public:
  Search(double target, double years, double increase, double annualReturn)
      : target_(target), years_(years), increase_(increase), return_(annualReturn) {}

  GoalAnswer Run(GoalAnswer answer) {
    Bracket(amount_steps::StepNear(Estimate()));
    while (high_ - low_ > 1) Narrow(low_ + (high_ - low_) / 2);
    if (high_ == 1 && highOutcome_.faulted) {
      // Even the first fen's schedule faults, so every amount's does.
      answer.failure = GoalFailure::FloatingPoint;
    } else if (high_ > kLast || highOutcome_.faulted) {
      answer.failure = GoalFailure::Unreachable;
    } else {
      answer.monthlyAmount = AmountAt(high_);
      answer.value = highOutcome_.value;
      // Below the first fen is no amount, whose schedule is run only now, to show it.
      if (low_ == 0) lowOutcome_ = Schedule(0);
    }
    if (answer.failure != GoalFailure::FloatingPoint) {
      answer.amountBelow = AmountAt(low_);
      answer.valueBelow = lowOutcome_.value;
    }
    answer.schedules = schedules_;
    return answer;
  }

 private:
  // The amount the schedule would need without its roundings: the target over what one yuan a
  // month grows to, 12 × the sum of (1 + increase)^(i - 1) × (1 + return)^(years - i + 1) over
  // the years run, by Horner's rule. Only a start: the schedules decide.
  double Estimate() const {
    const double growth = 1 + return_;
    const double rise = 1 + increase_;
    double sum = 0;
    double contribution = 1;
    double year = 1;
    for (; year <= years_; year = year + 1) {
      sum = sum * growth + contribution;
      contribution = contribution * rise;
    }
    // The last year's deposit is compounded over what is left of the years, 1 to 2 of them.
    return target_ / (12 * sum * Power(growth, years_ - year + 2));
  }

  // Whether a schedule no longer stays below the target: it reaches it, or it faults.
  bool Settles(const Outcome& outcome) const { return outcome.faulted || outcome.value >= target_; }

  Outcome Schedule(Step n) {
    ++schedules_;
    RecordedSteps steps;
    const InvestmentSums sums = InvestSchedule(AmountAt(n), increase_, return_, years_, steps,
                                               [](double, double, double) {});
    return {steps.Stopped(), sums.value};
  }

  // Runs step `n` and moves the low or the high end of the bracket to it.
  bool Narrow(Step n) {
    const Outcome outcome = Schedule(n);
    const bool settles = Settles(outcome);
    (settles ? high_ : low_) = n;
    (settles ? highOutcome_ : lowOutcome_) = outcome;
    return settles;
  }

  // From `start`, steps of 1, 2, 4, … down or up until the answer lies between low and high.
  void Bracket(Step start) {
    const bool down = Narrow(start);
    for (Step stride = 1; high_ - low_ > 1; stride *= 2) {
      const bool inside = stride < high_ - low_;
      if (down) {
        if (Narrow(inside ? high_ - stride : low_ + 1)) continue;
      } else if (!Narrow(inside ? low_ + stride : high_ - 1)) {
        continue;
      }
      return;
    }
  }

  const double target_;
  const double years_;
  const double increase_;
  const double return_;
  int schedules_ = 0;
  // Step 0 stays below every target above 0; past the last step nothing is tried.
  Step low_ = 0;
  Step high_ = kLast + 1;
  Outcome lowOutcome_;
  Outcome highOutcome_;
};

}  // namespace

GoalAnswer SeekMonthlyAmount(const GoalTexts& texts) {
  GoalAnswer answer;
  const std::string_view boxes[] = {texts.target, texts.years, texts.yearlyIncrease,
                                    texts.annualReturn};
  for (const std::string_view box : boxes) {
    if (box.empty()) return {.failure = GoalFailure::EmptyInput};
  }
  double* const read[] = {&answer.target, &answer.years, &answer.yearlyIncrease,
                          &answer.annualReturn};
  for (std::size_t k = 0; k < std::size(boxes); ++k) {
    const Checked<double> number = NumberFromText(boxes[k]);
    if (!number.ok()) return {.failure = GoalFailure::FloatingPoint};
    *read[k] = number.value;
  }
  // As the calculator turns percentages into rates; dividing a finite number by 100 cannot fault.
  const double increase = answer.yearlyIncrease / 100;
  const double annualReturn = answer.annualReturn / 100;
  if (!(answer.target > 0)) {
    answer.failure = GoalFailure::TargetNotPositive;
  } else if (!(answer.years >= 1 && answer.years <= kMaxScheduleYears)) {
    answer.failure = GoalFailure::YearsOutOfRange;
  } else if (increase + 1 < 0 || 1 + annualReturn < 0) {
    answer.failure = GoalFailure::RateBelowTotalLoss;
  } else {
    return Search(answer.target, answer.years, increase, annualReturn).Run(answer);
  }
  return answer;
}

}  // namespace belvik
