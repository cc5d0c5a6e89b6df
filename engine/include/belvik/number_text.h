// Number text of the input and result boxes. Nothing here depends on the C locale:
// the decimal separator is always the point.
#pragma once

#include <cstdint>
#include <string>
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

// x rounded to `places` decimals (0..20) on its exact binary value, ties to even.
double RoundTo(double x, int places);

// At most 15 significant digits, no leading zero below 1 (".5"), exponent form outside
// 1E-05..1E+15 ("1.5E-05").
std::string StrForm(double x);

// StrForm with a zero before the point below 1 ("0.5").
std::string PlainForm(double x);

}  // namespace belvik
