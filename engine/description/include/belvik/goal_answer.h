// The answer to "how much must I invest each month to reach this sum?", as plain data: what the
// engine's search returns and what both windows put into words.
#pragma once

namespace belvik {

// What keeps a target from being answered.
enum class GoalFailure {
  None,
  EmptyInput,          // a box holds zero characters
  TargetNotPositive,   // the target is 0 or less
  YearsOutOfRange,     // the years are not from 1 to 32767
  RateBelowTotalLoss,  // a rate below -100 %: a larger amount would no longer mean a larger sum
  Unreachable,         // no amount reaches it before its schedule overflows
  FloatingPoint,       // a number beyond the double range, or every amount's schedule faults
};

struct GoalAnswer {
  GoalFailure failure = GoalFailure::None;
  // The boxes as read (the rates in percent, as typed); what the answer repeats.
  double target = 0;
  double years = 0;
  double yearlyIncrease = 0;
  double annualReturn = 0;
  // The smallest first-year monthly amount whose schedule ends at a value not below the
  // target, and that value.
  double monthlyAmount = 0;
  double value = 0;
  // The largest amount whose schedule ends below the target, and the value it ends at: one
  // step below the answer (one fen below 10^13 yuan, 0 below 0.01). Unreachable: every larger
  // amount's schedule faults, or there is none (past 1.79769313486231E+308).
  double amountBelow = 0;
  double valueBelow = 0;
  int schedules = 0;  // how many schedules the search ran
};

// A target worked out from a box the user types (the pension's return after retirement).
struct GoalTarget {
  GoalFailure failure = GoalFailure::None;  // EmptyInput, RateBelowTotalLoss or FloatingPoint
  double value = 0;
};

}  // namespace belvik
