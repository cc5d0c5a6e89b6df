// Present value: what a sum due some years from now is worth today.
#pragma once

#include <string>

#include "belvik/result.h"

namespace belvik {

struct PresentValueTexts {
  std::string rate;    // percent
  std::string amount;  // yuan
  std::string years;
};

// The one number alone, no line end. Any failure leaves the box.
Result CalculatePresentValue(const PresentValueTexts& texts);

}  // namespace belvik
