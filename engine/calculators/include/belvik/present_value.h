// Present value: what a sum due some years from now is worth today.
#pragma once

#include <string>

#include "belvik/calculate.h"
#include "belvik/result.h"

namespace belvik {

struct PresentValueTexts {
  std::string rate;    // percent
  std::string amount;  // yuan
  std::string years;
};

// The one number alone, no line end. Any failure leaves the box.
Result CalculatePresentValue(const PresentValueTexts& texts);

template <>
Result CalculateFrom<Calculator::PresentValue>(std::span<const std::string_view> texts);

}  // namespace belvik
