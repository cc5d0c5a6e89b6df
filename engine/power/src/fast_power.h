// The fast path of the power: ln x × y and then e^t in double-double arithmetic, with a bound
// on the error that decides whether the rounding is settled.
#pragma once

#include <optional>

#include "double_double.h"

namespace belvik::power {

// y ln x, normalised, within 2^-79 |y ln x| of the exact value. For x > 0 finite and
// 2^-64 ≤ |y| < 2^64.
DoubleDouble LogTimes(double x, double y);

// e^t correctly rounded (subnormal or infinite as it falls), for −745.2 ≤ t.hi ≤ 709.8, when
// the error bound for e^t, from t's own and the exponential's, leaves one rounding possible;
// nothing otherwise.
std::optional<double> ExpRounded(DoubleDouble t);

}  // namespace belvik::power
