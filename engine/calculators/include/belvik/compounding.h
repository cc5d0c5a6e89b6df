// Yearly compounding, each result rounded to 4 decimals.
#pragma once

#include "belvik/failure.h"

namespace belvik {

// amount × (1 + rate)^years, rate a fraction (0.04 for 4 %); FloatingPoint on an IEEE fault.
Checked<double> FutureValue(double amount, double rate, double years);

// (1 / (1 + rate)^years) × amount: the factor is formed first; FloatingPoint on an IEEE fault.
Checked<double> PresentValue(double amount, double rate, double years);

}  // namespace belvik
