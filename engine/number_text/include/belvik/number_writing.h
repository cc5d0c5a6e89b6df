// Writing numbers in the result box's two forms. Nothing here depends on the C locale: the
// decimal separator is always the point.
#pragma once

#include <cstddef>
#include <string>

namespace belvik {

// At most 15 significant digits, no leading zero below 1 (".5"), exponent form outside
// 1E-05..1E+15 ("1.5E-05").
std::string StrForm(double x);

// StrForm with a zero before the point below 1 ("0.5").
std::string PlainForm(double x);

// The room WriteForm needs: every form takes at most 24 characters (sign, "0.", four zeros and
// 15 digits, or sign, 15 digits, point and "E-308"), and the digits are worked out in place.
inline constexpr std::size_t kFormRoom = 25;

// Writes StrForm(x), or PlainForm(x) when `zeroBeforePoint`, at `out`, which has room for
// kFormRoom characters, and returns its end: a long text written number by number needs no
// string of its own per number.
char* WriteForm(char* out, double x, bool zeroBeforePoint);

}  // namespace belvik
