#include "exact_power.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include "scaled_rounding.h"

namespace belvik::power {
namespace {

// A positive finite double as odd × 2^exponent.
struct OddPart {
  std::uint64_t odd;
  std::int64_t exponent;
};

// value = odd × 2^exponent for a positive finite double.
OddPart SplitOdd(double value) {
  const auto bits = std::bit_cast<std::uint64_t>(value);
  const auto biased = static_cast<std::int64_t>(bits >> 52);
  std::uint64_t significand = bits & ((std::uint64_t{1} << 52) - 1);
  if (biased != 0) significand |= std::uint64_t{1} << 52;
  const int zeros = std::countr_zero(significand);
  return {significand >> zeros, (biased == 0 ? 1 : biased) - 1075 + zeros};
}

// The square root of n < 2^53 when n is a perfect square. The double square root is correctly
// rounded, so it is exact for a square.
std::optional<std::uint64_t> ExactSquareRoot(std::uint64_t n) {
  const auto root = static_cast<std::uint64_t>(std::sqrt(static_cast<double>(n)));
  if (root * root != n) return std::nullopt;
  return root;
}

// base^n for an odd base > 1 when it stays below 2^64 (so n ≤ 40).
std::optional<std::uint64_t> SmallPower(std::uint64_t base, std::uint64_t n) {
  std::uint64_t power = 1;
  for (std::uint64_t k = 0; k < n; ++k) {
    if (power > std::numeric_limits<std::uint64_t>::max() / base) return std::nullopt;
    power *= base;
  }
  return power;
}

}  // namespace

std::optional<double> ExactPower(double x, double y) {
  OddPart base = SplitOdd(x);
  OddPart exponent = SplitOdd(std::fabs(y));
  // y = ±odd / 2^f: x^y is rational only when x is a perfect 2^f-th power, as its odd part
  // (below 2^53) and its power of two both must be.
  for (; exponent.exponent < 0; ++exponent.exponent) {
    if (base.exponent % 2 != 0) return std::nullopt;
    const std::optional<std::uint64_t> root = ExactSquareRoot(base.odd);
    if (!root) return std::nullopt;
    base = {*root, base.exponent / 2};
  }
  // Now x^y = (base.odd × 2^base.exponent)^(±n) for a whole n, and 1 / base.odd^n is no binary
  // fraction unless base.odd is 1.
  const std::uint64_t n = exponent.odd << exponent.exponent;
  if (y < 0 && base.odd != 1) return std::nullopt;
  const std::optional<std::uint64_t> power =
      base.odd == 1 ? std::optional<std::uint64_t>{1} : SmallPower(base.odd, n);
  if (!power) return std::nullopt;
  // |y ln x| ≤ 746 keeps this product near the double range when base.odd is 1; otherwise n
  // is at most 40.
  const std::int64_t scale = base.exponent * static_cast<std::int64_t>(n) * (y < 0 ? -1 : 1);
  const std::vector<std::uint32_t> limbs = {static_cast<std::uint32_t>(*power),
                                            static_cast<std::uint32_t>(*power >> 32)};
  return RoundScaled(limbs, scale, 0);
}

}  // namespace belvik::power
