// Logarithms and the exponential on WideFixed numbers, each with a bound on its error, for the
// powers that double-double arithmetic leaves undecided and for the fast path's tables.
#pragma once

#include <cstdint>

#include "wide_fixed.h"

namespace belvik::power {

// A computed value and a bound on its distance from the exact one, in units of its last place.
struct WideApprox {
  WideFixed value;
  double error;
};

// 2^exponent × mantissa.value, the mantissa within [0.70, 1.44].
struct WideScaled {
  std::int64_t exponent;
  WideApprox mantissa;
};

// ln 2 with `fractionLimbs` limbs below the point.
WideApprox WideLn2(int fractionLimbs);

// ln(numerator / denominator) for a ratio within [0.7, 1.43], numerator + denominator < 2^32.
WideApprox WideLogOfRatio(std::uint32_t numerator, std::uint32_t denominator, int fractionLimbs);

// ln(1 + z) for an exact |z| ≤ 2^-14.
WideApprox WideLog1p(const WideFixed& z);

// e^t for |t| < 1100, with ln 2 of the same width.
WideScaled WideExp(const WideApprox& t, const WideApprox& ln2);

}  // namespace belvik::power
