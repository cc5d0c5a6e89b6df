#include "wide_functions.h"

#include <cmath>
#include <cstdlib>

namespace belvik::power {
namespace {

// 2 atanh(a / b) = ln((b + a) / (b − a)) = 2 Σ (a/b)^(2k+1) / (2k+1), for 0 ≤ a/b ≤ 1/3. Every
// division cuts, adding at most one unit to the error.
WideApprox TwiceAtanh(std::uint32_t a, std::uint32_t b, int fractionLimbs) {
  const double ratioSquared = (static_cast<double>(a) / b) * (static_cast<double>(a) / b);
  WideFixed power = WideFixed::FromInteger(a, fractionLimbs);
  power.DivideBy(b);
  double powerError = 1;
  WideFixed sum(fractionLimbs);
  double error = 0;
  for (std::uint32_t odd = 1; !power.IsZero(); odd += 2) {
    WideFixed term = power;
    term.DivideBy(odd);
    sum += term;
    error += powerError / odd + 1;
    power.MultiplyBy(a).MultiplyBy(a).DivideBy(b).DivideBy(b);
    powerError = powerError * ratioSquared + 2;
  }
  // The power that cut to zero was at most powerError units; the terms from there on sum to
  // less than 1 / (1 − (a/b)²) times it.
  error += 1.001 * powerError / (1 - ratioSquared);
  sum.ShiftLeft(1);
  return {sum, 2 * error};
}

}  // namespace

WideApprox WideLn2(int fractionLimbs) { return TwiceAtanh(1, 3, fractionLimbs); }

WideApprox WideLogOfRatio(std::uint32_t numerator, std::uint32_t denominator, int fractionLimbs) {
  const bool below = numerator < denominator;
  WideApprox log = TwiceAtanh(below ? denominator - numerator : numerator - denominator,
                              numerator + denominator, fractionLimbs);
  if (below) log.value.Negate();
  return log;
}

WideApprox WideLog1p(const WideFixed& z) {
  const double zBound = std::fabs(z.Approximate()) * 1.001;
  WideFixed power = z;
  double powerError = 0;
  WideFixed sum(z.FractionLimbs());
  double error = 0;
  for (std::uint32_t k = 1; !power.IsZero(); ++k) {
    WideFixed term = power;
    term.DivideBy(k);
    if (k % 2 == 1) {
      sum += term;
    } else {
      sum -= term;
    }
    error += powerError / k + 1;
    power = power * z;
    powerError = powerError * zBound + 1;
  }
  // The terms from the one that cut to zero on sum to at most 1.001 times its bound.
  return {sum, error + 1.001 * powerError};
}

WideScaled WideExp(const WideApprox& t, const WideApprox& ln2) {
  const int width = t.value.FractionLimbs();
  const double unit = std::ldexp(1.0, -32 * width);  // one unit of the last place
  // t = k ln 2 + r, |r| ≤ 0.36; then e^r = (e^(r / 2^8))^(2^8), whose series gains 9.5 bits a
  // term. Each squaring doubles the relative error, so halving costs 8 bits of the width.
  constexpr int kHalvings = 8;
  const double quotient = t.value.Approximate() / 0.6931471805599453;
  const auto k = static_cast<std::int64_t>(quotient < 0 ? quotient - 0.5 : quotient + 0.5);
  WideFixed kLn2 = ln2.value;
  kLn2.MultiplyBy(static_cast<std::uint32_t>(std::llabs(k)));
  if (k < 0) kLn2.Negate();
  WideFixed r = t.value;
  r -= kLn2;
  r.ShiftRight(kHalvings);
  const double rError =
      (t.error + static_cast<double>(std::llabs(k)) * ln2.error) / (1 << kHalvings) + 1;
  const double rBound = 0.37 / (1 << kHalvings);

  // Taylor series: term_n = term_(n-1) × r / n.
  WideFixed sum = WideFixed::FromInteger(1, width);
  double error = 0;
  WideFixed term = sum;
  double termError = 0;
  double termBound = 1;
  for (std::uint32_t n = 1;; ++n) {
    term = term * r;
    termError = termError * rBound + termBound * rError + termError * rError * unit + 1;
    term.DivideBy(n);
    termError = termError / n + 1;
    termBound = termBound * rBound / n;
    if (term.IsZero()) break;
    sum += term;
    error += termError;
  }
  // The terms from the one that cut to zero on sum to at most 1.01 times its bound.
  error += 1.01 * termError;

  for (int s = 0; s < kHalvings; ++s) {
    const double bound = std::fabs(sum.Approximate()) * 1.001;
    sum = sum * sum;
    error = 2 * bound * error + error * error * unit + 1;
  }
  return {k, {sum, error}};
}

}  // namespace belvik::power
