#include "stepped_power.h"

#include <bit>
#include <cmath>
#include <cstdint>

#include "double_double.h"

namespace belvik::power {
namespace {

// Each step's rounding errors stay below 2^-101.4 of the power (2^-102 for the product with a
// double, and for the quotient 2^-102 from Multiply and 2^-103 from the inverse); the rest of
// 2^-100 covers the products of the step's error with the bound carried so far.
constexpr double kStepError = 0x1p-100;
// The exponents of 2 that Rounded takes: e^t from e^-745.2 to e^709.8.
constexpr int kLowestExponent = -1076;
constexpr int kHighestExponent = 1024;

struct LastPower {
  double x = 0;  // no base: nothing kept yet
  double y = 0;
  ScaledPower power{};
};

thread_local LastPower last;

// 1 / f for 1 ≤ f < 2, normalised, within 2^-104 of the exact value: the quotient's rounding
// error is f's residual 1 − quotient × f, exact up to its last bit, divided by f.
DoubleDouble Inverse(double f) {
  const double quotient = 1 / f;
  const DoubleDouble product = TwoProduct(quotient, f);
  const double residual = (1 - product.hi) - product.lo;  // the first difference is exact
  return FastTwoSum(quotient, residual / f);
}

}  // namespace

std::optional<double> SteppedPower(double x, double y) {
  // The difference is exact (no error term) and ±1, so x^y is the last power times x^±1. Only
  // a positive finite base is ever kept, and only a finite y lies one from a kept one.
  if (x != last.x) return std::nullopt;
  const DoubleDouble step = TwoSum(y, -last.y);
  if (step.lo != 0 || std::fabs(step.hi) != 1) return std::nullopt;
  // x = 2^binade × f with 1 ≤ f < 2; subnormal bases are left to the logarithm.
  const auto bits = std::bit_cast<std::uint64_t>(x);
  const auto biased = static_cast<int>(bits >> 52);
  if (biased == 0) return std::nullopt;
  constexpr std::uint64_t kFraction = (std::uint64_t{1} << 52) - 1;
  const double f = std::bit_cast<double>((bits & kFraction) | (std::uint64_t{1023} << 52));
  const ScaledPower& from = last.power;
  DoubleDouble scaled;
  int exponent = from.exponent;
  if (step.hi > 0) {
    const DoubleDouble product = TwoProduct(from.scaled.hi, f);
    scaled = FastTwoSum(product.hi, product.lo + from.scaled.lo * f);
    exponent += biased - 1023;
  } else {
    scaled = Multiply(from.scaled, Inverse(f));
    exponent -= biased - 1023;
  }
  // Back into [1, 2) by a power of two, exactly: the product lies within (0.49, 4.04).
  if (scaled.hi >= 2) {
    scaled = {scaled.hi / 2, scaled.lo / 2};
    ++exponent;
  } else if (scaled.hi < 1) {
    scaled = {scaled.hi * 2, scaled.lo * 2};
    --exponent;
  }
  if (exponent < kLowestExponent || exponent > kHighestExponent) return std::nullopt;
  last = {x, y, {scaled, exponent, from.error + kStepError}};
  return Rounded(last.power);
}

void KeepLast(double x, double y, const ScaledPower& power) { last = {x, y, power}; }

}  // namespace belvik::power
