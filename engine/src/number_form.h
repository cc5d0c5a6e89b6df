// Writing a number in the result box's forms straight onto a text, without a string of its own.
#pragma once

#include <string>

namespace belvik {

// Appends StrForm(x), or PlainForm(x) when `zeroBeforePoint`, to `out`.
void AppendForm(std::string& out, double x, bool zeroBeforePoint);

}  // namespace belvik
