// Powers of one base to exponents one apart, as a schedule asks for them year after year: each
// is the last one times the base, or divided by it, one double-double product in place of a
// logarithm and an exponential.
#pragma once

#include <optional>

#include "fast_power.h"

namespace belvik::power {

// x^y correctly rounded, stepped from the last power this thread kept, which x^y then replaces,
// when that was x^(y − 1) or x^(y + 1), x^y stays within the exponents Rounded takes and its
// rounding test settles it; nothing otherwise. Any x and y.
std::optional<double> SteppedPower(double x, double y);

// Keeps `power` as x^y (x > 0 finite) for the next SteppedPower on this thread.
void KeepLast(double x, double y, const ScaledPower& power);

}  // namespace belvik::power
