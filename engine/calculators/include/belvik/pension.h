// Pension need: the living cost of every retirement year in the money of that year.
#pragma once

#include <string>

#include "belvik/calculate.h"
#include "belvik/result.h"

namespace belvik {

struct PensionTexts {
  std::string inflation;    // percent
  std::string monthlyCost;  // yuan at today's value
  std::string pensionYears;
  std::string currentAge;
  std::string retirementAge;
};

// A summary line, then one line per retirement year. Every text is read strictly
// (TypeMismatch, Overflow); an empty box leaves the box.
Result CalculatePension(const PensionTexts& texts);

template <>
Result CalculateFrom<Calculator::Pension>(std::span<const std::string_view> texts);

}  // namespace belvik
