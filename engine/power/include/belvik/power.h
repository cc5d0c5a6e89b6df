// The engine's power: the double nearest to the exact x^y, ties to even, computed from IEEE 754
// basic operations and integer arithmetic alone, so every platform prints the same figures.
#pragma once

namespace belvik {

// pow(x, y) correctly rounded, with IEEE 754 pow's special cases: infinite on overflow and for
// 0 to a negative power, NaN for a negative x to a fractional y, 1 for x^0 and 1^y.
double Power(double x, double y);

namespace power {

// Power with the double-double path left out, so that every pair goes the exact or the wide
// way: random pairs then check those paths, which Power takes for one pair in a million.
double PowerWithoutFastPath(double x, double y);

}  // namespace power

}  // namespace belvik
