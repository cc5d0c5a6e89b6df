// Double-double arithmetic: a value held as the unevaluated sum hi + lo of two doubles, built
// from IEEE 754 additions and multiplications alone, so that every platform gets the same bits.
#pragma once

#include <cfloat>

// Every step below needs each operation rounded once, to double: no excess precision and no
// multiply-add fused behind our back (the engine compiles with contraction off).
static_assert(FLT_EVAL_METHOD == 0, "double-double arithmetic needs doubles evaluated as doubles");

namespace belvik::power {

struct DoubleDouble {
  double hi = 0;
  double lo = 0;
};

// a + b exactly, as the rounded sum and its error (Knuth).
inline DoubleDouble TwoSum(double a, double b) {
  const double s = a + b;
  const double bPart = s - a;
  const double aPart = s - bPart;
  return {s, (a - aPart) + (b - bPart)};
}

// a + b exactly when a is 0 or its exponent is at least b's (Dekker); half the work of TwoSum.
inline DoubleDouble FastTwoSum(double a, double b) {
  const double s = a + b;
  return {s, b - (s - a)};
}

// a × b exactly, as the rounded product and its error (Dekker, with Veltkamp's halves of 26
// bits, whose products are exact). Needs |a|, |b| < 2^995 and no partial product underflowing.
inline DoubleDouble TwoProduct(double a, double b) {
  constexpr double kSplitter = 134217729.0;  // 2^27 + 1
  const double ca = kSplitter * a;
  const double aHi = ca - (ca - a);
  const double aLo = a - aHi;
  const double cb = kSplitter * b;
  const double bHi = cb - (cb - b);
  const double bLo = b - bHi;
  const double p = a * b;
  return {p, ((aHi * bHi - p) + aHi * bLo + aLo * bHi) + aLo * bLo};
}

// a × b for normalised operands (|lo| at most half an ulp of hi), normalised; relative error
// below 2^-102.
inline DoubleDouble Multiply(DoubleDouble a, DoubleDouble b) {
  const DoubleDouble p = TwoProduct(a.hi, b.hi);
  return FastTwoSum(p.hi, p.lo + (a.hi * b.lo + a.lo * b.hi));
}

}  // namespace belvik::power
