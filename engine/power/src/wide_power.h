// The slow path of the power: ln x × y and e^t in WideFixed arithmetic, widened until the
// error bound settles the rounding.
#pragma once

namespace belvik::power {

// x^y correctly rounded, for x > 0 finite, 2^-64 ≤ |y| < 2^64, |y ln x| ≤ 746, and x^y neither
// a double nor halfway between two (ExactPower takes those), so that some width settles it.
double WidePower(double x, double y);

}  // namespace belvik::power
