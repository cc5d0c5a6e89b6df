// The four calculators, one per pane. Each takes the texts of its input boxes and the
// result box's current text, and returns what the result box holds afterwards.
#pragma once

#include <string>
#include <string_view>

#include "belvik/failure.h"

namespace belvik {

struct InvestmentTexts {
  std::string monthlyAmount;  // txtJE(3), yuan
  std::string yearlyIncrease; // txtJE(4), percent
  std::string annualReturn;   // txtJE(5), percent
  std::string years;          // txtYear(4)
};

// Periodic investment: a summary line, then one line per year. An empty box leaves `box` as is.
Outcome CalculateInvestment(const InvestmentTexts& texts, std::string_view box);

struct PensionTexts {
  std::string inflation;      // txtJE(0), percent
  std::string monthlyCost;    // txtJE(1), yuan at today's value
  std::string pensionYears;   // txtYear(0)
  std::string currentAge;     // txtYear(1)
  std::string retirementAge;  // txtYear(2)
};

// Pension need: a summary line, then one line per retirement year. Boxes are read strictly
// (TypeMismatch, Overflow); an empty box leaves `box` as is.
Outcome CalculatePension(const PensionTexts& texts, std::string_view box);

struct PresentValueTexts {
  std::string rate;    // txtJE(0), percent
  std::string amount;  // txtJE(2), yuan
  std::string years;   // txtYear(3)
};

// Present value: the one number alone, no line end. Any failure leaves `box` as is.
Outcome CalculatePresentValue(const PresentValueTexts& texts, std::string_view box);

struct LumpSumTexts {
  std::string amount;  // txtJE(6), yuan
  std::string rate;    // txtJE(7), percent
  std::string years;   // txtYear(5)
};

// Lump-sum growth: the box is emptied before anything else, even when a box is empty.
Outcome LumpSumSchedule(const LumpSumTexts& texts, std::string_view box);

}  // namespace belvik
