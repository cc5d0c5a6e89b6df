// A calculator's entry point by its place in the Calculator enum, so that code choosing the
// calculator at run time needs no list of them.
#pragma once

#include <span>
#include <string_view>

#include "belvik/result.h"

namespace belvik {

// Calculator `calculator` on its input texts in the order of its description's inputs, a missing
// text counting as an empty box. Each calculator's header declares its own.
template <Calculator calculator>
Result CalculateFrom(std::span<const std::string_view> texts);

}  // namespace belvik
