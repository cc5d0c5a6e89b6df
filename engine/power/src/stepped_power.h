// Powers of one base to exponents one apart, as a schedule asks for them year after year: each
// is the last one times the base, or divided by it, one double-double product in place of a
// logarithm and an exponential.
#pragma once

#include <optional>

#include "fast_power.h"

namespace belvik::power {

// x^y from the last power this thread kept, when that was x^(y − 1) or x^(y + 1) and x^y stays
// within the exponents Rounded takes; nothing otherwise. For x > 0 finite.
std::optional<ScaledPower> StepFromLast(double x, double y);

// Keeps `power` as x^y for the next StepFromLast on this thread.
void KeepLast(double x, double y, const ScaledPower& power);

}  // namespace belvik::power
