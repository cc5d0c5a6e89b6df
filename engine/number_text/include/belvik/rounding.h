// Rounding to decimal places.
#pragma once

namespace belvik {

// x rounded to `places` decimals (0..20) on its exact binary value, ties to even.
double RoundTo(double x, int places);

}  // namespace belvik
