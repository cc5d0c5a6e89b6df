// Lump-sum growth: one sum compounded yearly, with the gain and the percentage for every year.
#pragma once

#include <string>

#include "belvik/calculate.h"
#include "belvik/result.h"

namespace belvik {

struct LumpSumTexts {
  std::string amount;  // yuan
  std::string rate;    // percent
  std::string years;
};

// The box is emptied before anything else, even when a box is empty.
Result CalculateLumpSum(const LumpSumTexts& texts);

template <>
Result CalculateFrom<Calculator::LumpSum>(std::span<const std::string_view> texts);

}  // namespace belvik
