// What reading and writing numbers both need: the powers of ten that doubles hold exactly, and
// rounding to a whole number without the library.
#pragma once

#include <array>
#include <cmath>

namespace belvik::number_text {

// 10^0 to 10^22: every one an exact double.
inline constexpr std::array<double, 23> kPowersOfTen = {
    1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
    1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// nearbyint for |x| below 2^52 in the default rounding mode, halves to even, without the
// library call: adding 2^52 leaves no bits below the units, so the addition itself rounds.
// The sign is put back afterwards, which keeps -0.3 at -0 as nearbyint does.
inline double RoundToWhole(double x) {
  constexpr double kNoFraction = 0x1p52;
  const double magnitude = (std::fabs(x) + kNoFraction) - kNoFraction;
  return std::copysign(magnitude, x);
}

}  // namespace belvik::number_text
