#include "belvik/power.h"

#include <cmath>
#include <limits>
#include <optional>

#include "double_double.h"
#include "exact_power.h"
#include "fast_power.h"
#include "stepped_power.h"
#include "wide_power.h"

namespace belvik {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// Whether y is an odd whole number (a finite y).
bool IsOddInteger(double y) {
  // From 2^53 on every double is even.
  return std::fabs(y) < 0x1p53 && std::trunc(y) == y && std::trunc(y / 2) != y / 2;
}

// x^y for x > 0 finite, x ≠ 1, y finite and not 0.
double PositivePower(double x, double y, bool fastPath) {
  // |ln x| ≤ 745.2, so for |y| < 2^-64 the power lies within 2^-54.4 of 1 and rounds to it.
  if (std::fabs(y) < 0x1p-64) return 1;
  // |ln x| ≥ 2^-53 for every double x ≠ 1, so for |y| ≥ 2^64 the power is beyond e^±2048.
  if (std::fabs(y) >= 0x1p64) return (x > 1) == (y > 0) ? kInfinity : 0;
  const power::DoubleDouble t = power::LogTimes(x, y);
  // e^709.8 is above 2^1024 and e^-745.2 below 2^-1075, half the least subnormal, even after
  // t's error.
  if (t.hi > 709.8) return kInfinity;
  if (t.hi < -745.2) return 0;
  if (fastPath) {
    const power::ScaledPower fast = power::Exp(t);
    power::KeepLast(x, y, fast);
    if (const std::optional<double> rounded = power::Rounded(fast)) return *rounded;
  }
  if (const std::optional<double> exact = power::ExactPower(x, y)) return *exact;
  return power::WidePower(x, y);
}

// Power, with or without its fast path.
double PowerOf(double x, double y, bool fastPath) {
  if (y == 0 || x == 1) return 1;
  if (std::isnan(x) || std::isnan(y)) return x + y;
  if (std::isinf(y)) {
    const double magnitude = std::fabs(x);
    if (magnitude == 1) return 1;
    return (magnitude > 1) == (y > 0) ? kInfinity : 0;
  }
  const double sign = std::signbit(x) && IsOddInteger(y) ? -1 : 1;
  if (x == 0) return sign * (y < 0 ? kInfinity : 0);
  if (std::isinf(x)) return sign * (y < 0 ? 0 : kInfinity);
  if (x < 0 && std::trunc(y) != y) return std::numeric_limits<double>::quiet_NaN();
  if (x == -1) return sign;
  return sign * PositivePower(std::fabs(x), y, fastPath);
}

}  // namespace

double Power(double x, double y) {
  // A schedule's next year, one step from the last power: the common case, tried first.
  if (const std::optional<double> stepped = power::SteppedPower(x, y)) return *stepped;
  return PowerOf(x, y, true);
}

double power::PowerWithoutFastPath(double x, double y) { return PowerOf(x, y, false); }

}  // namespace belvik
