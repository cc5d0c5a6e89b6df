// The fast path of the power: ln x × y and then e^t in double-double arithmetic, with a bound
// on the error that decides whether the rounding is settled.
#pragma once

#include <optional>

#include "double_double.h"

namespace belvik::power {

// A power near the double range as 2^exponent × scaled, scaled within [0.99, 2.02), and a bound
// on its error relative to the exact power.
struct ScaledPower {
  DoubleDouble scaled;
  int exponent;
  double error;
};

// y ln x, normalised, within 2^-79 |y ln x| of the exact value. For x > 0 finite and
// 2^-64 ≤ |y| < 2^64.
DoubleDouble LogTimes(double x, double y);

// e^t for −745.2 ≤ t.hi ≤ 709.8, its bound from t's error and the exponential's own.
ScaledPower Exp(DoubleDouble t);

// The power correctly rounded (subnormal or infinite as it falls), for an exponent within
// [−1076, 1024], when its error bound leaves one rounding possible; nothing otherwise.
std::optional<double> Rounded(const ScaledPower& power);

}  // namespace belvik::power
