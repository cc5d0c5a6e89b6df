// What a calculation returns: the result box's new text, the numbers behind every line of it,
// what stopped the run, and the inputs it was given.
#pragma once

#include <array>
#include <cstddef>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "belvik/calculator_description.h"
#include "belvik/failure.h"

namespace belvik {

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
  // The texts the calculation was given, one per input of its description, and the number it
  // read from each (none for one the run stopped before reading), so that whatever takes the
  // result further reads the inputs as the calculator did. Places past the calculator's inputs
  // stay empty. Fixed arrays: a one-number result costs no allocation for them.
  std::array<std::string, kMaxInputs> inputs;
  std::array<std::optional<double>, kMaxInputs> values;

  std::size_t LineCount() const;
  // The numbers of schedule line `k` (from 0, in writing order).
  std::span<const double> Line(std::size_t k) const;
  // The summary's numbers as printed (investment: principal, value; pension: the total, none
  // when no year ran; present value: the value; lump sum: the final value). None without one.
  std::span<const double> Summary() const;
  // The texts of the calculator's inputs, in its description's order.
  std::span<const std::string> Inputs() const {
    return std::span(inputs).first(Describe(calculator).inputs.size());
  }
  // The number read from input `k`; NaN where none was.
  double Value(std::size_t k) const {
    return k < values.size() && values[k] ? *values[k] : std::numeric_limits<double>::quiet_NaN();
  }

  friend bool operator==(const Result&, const Result&) = default;
};

}  // namespace belvik
