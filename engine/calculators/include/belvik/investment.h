// Periodic investment: a monthly contribution, raised once a year, compounded yearly.
#pragma once

#include <string>

#include "belvik/calculate.h"
#include "belvik/result.h"

namespace belvik {

struct InvestmentTexts {
  std::string monthlyAmount;   // yuan
  std::string yearlyIncrease;  // percent
  std::string annualReturn;    // percent
  std::string years;
};

// A summary line, then one line per year. An empty box leaves the box.
Result CalculateInvestment(const InvestmentTexts& texts);

template <>
Result CalculateFrom<Calculator::Investment>(std::span<const std::string_view> texts);

}  // namespace belvik
