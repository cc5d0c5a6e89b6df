// A calculator's *Texts struct as views of its texts in the order of its description's inputs:
// the struct's fields are declared in that order.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "belvik/calculator_description.h"

namespace belvik {

template <Calculator calculator, typename Texts>
auto ViewsOf(const Texts& texts) {
  constexpr std::size_t kCount = Describe(calculator).inputs.size();
  static_assert(sizeof(Texts) == kCount * sizeof(std::string), "one text per input");
  if constexpr (kCount == 3) {
    const auto& [a, b, c] = texts;
    return std::array<std::string_view, 3>{a, b, c};
  } else if constexpr (kCount == 4) {
    const auto& [a, b, c, d] = texts;
    return std::array<std::string_view, 4>{a, b, c, d};
  } else {
    const auto& [a, b, c, d, e] = texts;
    return std::array<std::string_view, 5>{a, b, c, d, e};
  }
}

}  // namespace belvik
