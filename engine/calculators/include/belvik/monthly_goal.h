// The periodic investment run backwards: the monthly amount whose schedule reaches a target.
#pragma once

#include <string>

#include "belvik/goal_answer.h"

namespace belvik {

// Read as the periodic-investment pane reads its boxes.
struct GoalTexts {
  std::string target;  // yuan
  std::string years;
  std::string yearlyIncrease;  // percent
  std::string annualReturn;    // percent
};

// The smallest monthly amount, in whole fen, whose periodic-investment schedule (the
// calculator's own arithmetic) ends at a value not below the target. Usually two schedules.
GoalAnswer SeekMonthlyAmount(const GoalTexts& texts);

// The most schedules one search runs: one at the estimate, up to 58 galloping away from it
// (2^58 steps pass the last amount), up to 57 halving what is left, and one for no amount when
// the answer is the first fen.
inline constexpr int kMostSchedules = 117;

}  // namespace belvik
