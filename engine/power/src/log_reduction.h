// How a logarithm takes x apart, shared by the fast and the wide path so that both use the
// same table rows.
#pragma once

#include <bit>
#include <cstdint>

#include "double_double.h"
#include "power_tables.h"

namespace belvik::power {

// x = 2^exponent × significand, and significand × coarse factor = 1 + z exactly; the fine row
// then takes z below 2^-14.9: ln x = exponent ln 2 − ln coarse − ln fine + ln(1 + z').
struct LogReduction {
  int exponent;
  double significand;  // within [0.707, 1.415)
  int coarse;          // row of Tables().coarse
  int fine;            // row of Tables().fine
  DoubleDouble z;      // significand × coarse factor − 1, exactly; |z| < 2^-7
};

// For x > 0 finite.
inline LogReduction ReduceForLog(double x) {
  auto bits = std::bit_cast<std::uint64_t>(x);
  int exponent = -1023;
  if ((bits >> 52) == 0) {  // subnormal: scaled into the normal range, exactly
    bits = std::bit_cast<std::uint64_t>(x * 0x1p54);
    exponent -= 54;
  }
  constexpr std::uint64_t kFraction = (std::uint64_t{1} << 52) - 1;
  const auto coarse = static_cast<int>((bits >> 45) & (kCoarseSteps - 1));
  const bool fold = coarse >= kFoldIndex;
  exponent += static_cast<int>(bits >> 52) + (fold ? 1 : 0);
  const std::uint64_t biased = fold ? 1022 : 1023;
  const double significand = std::bit_cast<double>((bits & kFraction) | (biased << 52));
  // The product's error term is exact, and significand × factor − 1 lies within 2^-7, so the
  // difference of the rounded product and 1 is exact too and at least as large as the error.
  const DoubleDouble product = TwoProduct(significand, Tables().coarse[coarse].factor);
  const DoubleDouble z = FastTwoSum(product.hi - 1, product.lo);
  // Round to nearest by adding and taking away 1.5 × 2^52, below which no fraction remains.
  constexpr double kRoundShift = 0x1.8p52;
  const double nearest = (z.hi * kFineScale + kRoundShift) - kRoundShift;
  return {exponent, significand, coarse, static_cast<int>(nearest) + kFineOffset, z};
}

}  // namespace belvik::power
