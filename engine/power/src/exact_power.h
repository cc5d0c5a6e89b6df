// Powers that are rational with few bits, such as 1.5^34, which lies exactly halfway between
// two doubles: no approximation, however close, could say which way such a value rounds.
#pragma once

#include <optional>

namespace belvik::power {

// x^y correctly rounded when it is a binary fraction whose odd part is below 2^64, which takes
// in every power that is a double or halfway between two; nothing otherwise. For x > 0 finite,
// y finite, |y| < 2^63 and |y ln x| ≤ 746.
std::optional<double> ExactPower(double x, double y);

}  // namespace belvik::power
