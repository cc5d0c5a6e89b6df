// The four calculators, one per pane. Each takes the texts of its input boxes and returns the
// result: the result box's new text, the numbers behind every line of it, and what stopped the
// run. Nothing here keeps state between calls.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "belvik/failure.h"

namespace belvik {

// The longest schedule a calculator writes, in years; longer ones are refused (YearsCap) or,
// for the pension's 16-bit counter, stopped (Overflow) after the last line.
inline constexpr int kMaxScheduleYears = 32767;

enum class Calculator {
  Investment,    // periodic investment: principal paid in and its value
  Pension,       // pension need: the living cost of every retirement year
  PresentValue,  // present value: today's worth of a sum due in some years
  LumpSum,       // lump sum: one investment's growth year by year
};

// How many numbers each schedule line of `calculator` prints, its year included.
constexpr std::size_t FiguresPerLine(Calculator calculator) {
  switch (calculator) {
    case Calculator::Investment:
      return 3;  // year, contribution, its monthly amount
    case Calculator::Pension:
      return 3;  // retirement year, need, its monthly amount
    case Calculator::LumpSum:
      return 4;  // year, gain, gain in percent, value
    case Calculator::PresentValue:
      break;  // one number and no lines
  }
  return 0;
}

struct Result {
  Calculator calculator = Calculator::Investment;
  // The result box's whole new text (lines end in CR LF); none when the box keeps what it shows.
  std::optional<std::string> text;
  Failure failure = Failure::None;
  // Every number the text prints, each exactly the double it was formed from: the schedule
  // lines' numbers line after line, FiguresPerLine(calculator) a line in the order it prints
  // them, then the summary's.
  std::vector<double> figures;
  std::size_t summaryCount = 0;  // how many of the last figures are the summary's

  std::size_t LineCount() const;
  // The numbers of schedule line `k` (from 0, in writing order).
  std::span<const double> Line(std::size_t k) const;
  // The summary's numbers as printed (investment: principal, value; pension: the total, none
  // when no year ran; present value: the value; lump sum: the final value). None without one.
  std::span<const double> Summary() const;

  friend bool operator==(const Result&, const Result&) = default;
};

struct InvestmentTexts {
  std::string monthlyAmount;   // txtJE(3), yuan
  std::string yearlyIncrease;  // txtJE(4), percent
  std::string annualReturn;    // txtJE(5), percent
  std::string years;           // txtYear(4)
};

// Periodic investment: a summary line, then one line per year. An empty box leaves the box.
Result CalculateInvestment(const InvestmentTexts& texts);

struct PensionTexts {
  std::string inflation;      // txtJE(0), percent
  std::string monthlyCost;    // txtJE(1), yuan at today's value
  std::string pensionYears;   // txtYear(0)
  std::string currentAge;     // txtYear(1)
  std::string retirementAge;  // txtYear(2)
};

// Pension need: a summary line, then one line per retirement year. Boxes are read strictly
// (TypeMismatch, Overflow); an empty box leaves the box.
Result CalculatePension(const PensionTexts& texts);

struct PresentValueTexts {
  std::string rate;    // txtJE(0), percent
  std::string amount;  // txtJE(2), yuan
  std::string years;   // txtYear(3)
};

// Present value: the one number alone, no line end. Any failure leaves the box.
Result CalculatePresentValue(const PresentValueTexts& texts);

struct LumpSumTexts {
  std::string amount;  // txtJE(6), yuan
  std::string rate;    // txtJE(7), percent
  std::string years;   // txtYear(5)
};

// Lump-sum growth: the box is emptied before anything else, even when a box is empty.
Result CalculateLumpSum(const LumpSumTexts& texts);

// Runs `calculator` on its box texts given in the order of its *Texts fields; a missing text
// counts as an empty box.
Result Calculate(Calculator calculator, std::span<const std::string> texts);

}  // namespace belvik
