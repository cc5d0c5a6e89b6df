// Steps that every calculator takes the same way.
#pragma once

#include <array>
#include <cstddef>
#include <initializer_list>
#include <string_view>

#include "belvik/failure.h"
#include "belvik/number_text.h"

namespace belvik {

// The longest schedule a calculator writes; the same limit the 16-bit pension years have.
inline constexpr double kMaxScheduleYears = 32767;

// True when any box holds zero characters; blanks alone are not empty.
bool AnyEmpty(std::initializer_list<std::string_view> texts);

// NumberFromText of each text in order; the first one beyond the double range stops.
template <std::size_t N>
Checked<std::array<double, N>> NumbersFromTexts(const std::array<std::string_view, N>& texts) {
  Checked<std::array<double, N>> numbers;
  for (std::size_t k = 0; k < N; ++k) {
    const Checked<double> number = NumberFromText(texts[k]);
    if (!number.ok()) return {{}, number.failure};
    numbers.value[k] = number.value;
  }
  return numbers;
}

}  // namespace belvik
