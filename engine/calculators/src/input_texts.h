// A calculator's *Texts struct as the list of its texts in the order of its description's
// inputs, and back: the struct's fields are declared in that order.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "belvik/calculator_description.h"

namespace belvik {

template <Calculator calculator, typename Texts>
std::vector<std::string> ListOf(const Texts& texts) {
  constexpr std::size_t kCount = Describe(calculator).inputs.size();
  static_assert(sizeof(Texts) == kCount * sizeof(std::string), "one text per input");
  if constexpr (kCount == 3) {
    const auto& [a, b, c] = texts;
    return {a, b, c};
  } else if constexpr (kCount == 4) {
    const auto& [a, b, c, d] = texts;
    return {a, b, c, d};
  } else {
    const auto& [a, b, c, d, e] = texts;
    return {a, b, c, d, e};
  }
}

namespace detail {

template <typename Texts, std::size_t... k>
Texts StructOf(std::span<const std::string> texts, std::index_sequence<k...>) {
  return Texts{(k < texts.size() ? texts[k] : std::string())...};
}

}  // namespace detail

// The struct of `texts`; a missing text is empty.
template <Calculator calculator, typename Texts>
Texts StructOf(std::span<const std::string> texts) {
  constexpr std::size_t kCount = Describe(calculator).inputs.size();
  static_assert(sizeof(Texts) == kCount * sizeof(std::string), "one text per input");
  return detail::StructOf<Texts>(texts, std::make_index_sequence<kCount>());
}

}  // namespace belvik
