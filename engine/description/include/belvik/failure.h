// What stopped a calculation, and the value-or-failure shape every step returns.
#pragma once

namespace belvik {

enum class Failure {
  None,           // the calculation ran to its end
  EmptyInput,     // an input box held zero characters; nothing was computed
  FloatingPoint,  // an overflow, division by zero or invalid operation stopped the run
  TypeMismatch,   // a strictly read box did not hold one plain decimal number
  Overflow,       // a strictly read number, or a 16-bit year or age, left its range
  YearsCap,       // a schedule was asked for more than 32767 years
};

// A computed value, or the failure that prevented it (value is then meaningless).
template <typename T>
struct Checked {
  T value{};
  Failure failure = Failure::None;

  bool ok() const { return failure == Failure::None; }
};

}  // namespace belvik
