#include "scaled_rounding.h"

#include <bit>
#include <cstddef>
#include <limits>

namespace belvik::power {
namespace {

constexpr int kLimbBits = 32;

// `count` (at most 64) bits of `limbs` from bit `from` on; bits beyond the limbs are zero.
std::uint64_t Bits(const std::vector<std::uint32_t>& limbs, std::int64_t from, int count) {
  std::uint64_t bits = 0;
  for (int k = count; k-- > 0;) {
    const std::int64_t at = from + k;
    const auto limb = static_cast<std::size_t>(at / kLimbBits);
    const std::uint64_t bit = limb < limbs.size() ? (limbs[limb] >> (at % kLimbBits)) & 1 : 0;
    bits = (bits << 1) | bit;
  }
  return bits;
}

// Whether every bit of `limbs` in [from, to) equals `one`.
bool AllBits(const std::vector<std::uint32_t>& limbs, std::int64_t from, std::int64_t to,
             bool one) {
  for (std::int64_t at = from; at < to; ++at) {
    if ((Bits(limbs, at, 1) == 1) != one) return false;
  }
  return true;
}

// The number of bits up to the highest one set; 0 for zero.
std::int64_t BitLength(const std::vector<std::uint32_t>& limbs) {
  for (std::size_t k = limbs.size(); k-- > 0;) {
    if (limbs[k] != 0) {
      return static_cast<std::int64_t>(k) * kLimbBits + std::bit_width(limbs[k]);
    }
  }
  return 0;
}

// Whether the `width` bits below the rounding bit lie within `error` of the halfway point the
// rounding bit stands for: above it by at most `error` when that bit is set, below it by at
// most `error` (2^width − rest ≤ error, so rest's bits are mostly ones) when it is clear.
bool NearHalfway(const std::vector<std::uint32_t>& limbs, std::int64_t width, bool roundBit,
                 std::uint64_t error) {
  const int low = width < 64 ? static_cast<int>(width) : 64;
  const std::uint64_t rest = Bits(limbs, 0, low);
  if (roundBit) return AllBits(limbs, low, width, false) && rest <= error;
  if (error == 0) return false;
  const std::uint64_t mask = low == 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << low) - 1;
  return AllBits(limbs, low, width, true) && (~rest & mask) <= error - 1;
}

}  // namespace

std::optional<double> RoundScaled(const std::vector<std::uint32_t>& magnitude,
                                  std::int64_t exponent, std::uint64_t error) {
  const std::int64_t length = BitLength(magnitude);
  const std::int64_t top = exponent + length - 1;  // the value lies in [2^top, 2^(top+1))
  if (top >= 1024) return std::numeric_limits<double>::infinity();
  // The last place kept: 52 below the top bit, but never below the subnormals' 2^-1074.
  const std::int64_t last = top - 52 > -1074 ? top - 52 : -1074;
  const std::int64_t dropped = last - exponent;
  if (dropped <= 0) {
    return ScaleByPowerOfTwo(static_cast<double>(Bits(magnitude, 0, 53)),
                             static_cast<int>(exponent));
  }
  std::uint64_t kept = Bits(magnitude, dropped, 53);
  const bool roundBit = Bits(magnitude, dropped - 1, 1) == 1;
  if (NearHalfway(magnitude, dropped - 1, roundBit, error)) {
    if (error != 0) return std::nullopt;
    kept += kept & 1;  // an exact tie goes to the even neighbour
  } else {
    kept += roundBit ? 1 : 0;
  }
  return ScaleByPowerOfTwo(static_cast<double>(kept), static_cast<int>(last));
}

}  // namespace belvik::power
