// Writing numbers in the result box's two forms. Nothing here depends on the C locale: the
// decimal separator is always the point.
#pragma once

#include <string>

namespace belvik {

// At most 15 significant digits, no leading zero below 1 (".5"), exponent form outside
// 1E-05..1E+15 ("1.5E-05").
std::string StrForm(double x);

// StrForm with a zero before the point below 1 ("0.5").
std::string PlainForm(double x);

// Appends StrForm(x), or PlainForm(x) when `zeroBeforePoint`, to `out`: a long text written
// number by number needs no string of its own per number.
void AppendForm(std::string& out, double x, bool zeroBeforePoint);

}  // namespace belvik
