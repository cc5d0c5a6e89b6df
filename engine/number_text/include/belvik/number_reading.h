// Reading the input boxes' texts as numbers. Nothing here depends on the C locale: the decimal
// separator is always the point.
#pragma once

#include <cstdint>
#include <string_view>

#include "belvik/failure.h"

namespace belvik {

// The longest leading number of the text (blanks skipped anywhere, exponent E or D allowed),
// 0 when there is none; FloatingPoint when the number lies beyond the double range.
Checked<double> NumberFromText(std::string_view text);

// The whole text as one plain decimal number with optional surrounding blanks and sign;
// TypeMismatch for anything else, Overflow beyond the double range.
Checked<double> StrictNumberFromText(std::string_view text);

// StrictNumberFromText rounded half to even; Overflow outside -32768..32767.
Checked<std::int16_t> StrictInt16FromText(std::string_view text);

}  // namespace belvik
