// Rounding to double: of a wide integer times a power of two, with or without an error bound,
// and exact scaling by powers of two.
#pragma once

#include <bit>
#include <cstdint>
#include <optional>
#include <vector>

namespace belvik::power {

// 2^exponent for -1022 ≤ exponent ≤ 1023.
inline double PowerOfTwo(int exponent) {
  return std::bit_cast<double>(static_cast<std::uint64_t>(exponent + 1023) << 52);
}

// value × 2^exponent for |exponent| ≤ 2044 and 2^-60 ≤ |value| ≤ 2^60, or value 0: exact
// whenever the product is a double, infinite when it lies beyond them. Two steps, each by a
// power of two that is a double; the first stays normal.
inline double ScaleByPowerOfTwo(double value, int exponent) {
  const int half = exponent / 2;
  return value * PowerOfTwo(half) * PowerOfTwo(exponent - half);
}

// The double nearest to magnitude × 2^exponent (magnitude a little-endian integer of 32-bit
// limbs, not zero), ties to even, infinite beyond the largest double; nothing when the value
// may be up to `error` units of the magnitude away and that could put it on either side of a
// halfway point. With no error every value rounds.
std::optional<double> RoundScaled(const std::vector<std::uint32_t>& magnitude,
                                  std::int64_t exponent, std::uint64_t error);

}  // namespace belvik::power
