#include "amount_steps.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <string>

#include "belvik/number_reading.h"

namespace belvik::amount_steps {
namespace {

// The decimal significand × 10^exponent of step `n`.
struct Decimal {
  Step significand;
  int exponent;
};

Decimal DecimalAt(Step n) {
  if (n < kFenSteps) return {n, -2};
  const Step above = n - kFenSteps;
  const int decade = kFirstDecade + static_cast<int>(above / kStepsPerDecade);
  return {kFirstSignificand + above % kStepsPerDecade, decade - (kFirstDecade + 1)};
}

}  // namespace

double AmountAt(Step n) {
  const Decimal decimal = DecimalAt(n);
  // Read as a box's text is read, which rounds to the nearest double.
  return NumberFromText(std::to_string(decimal.significand) + 'e' +
                        std::to_string(decimal.exponent))
      .value;
}

Step StepNear(double amount) {
  if (!(amount > 0)) return 1;
  if (amount < 1e13) return std::max<Step>(1, static_cast<Step>(std::ceil(amount * 100)));
  if (!(amount <= 1.79769313486231e308)) return kLast;
  // d.dddddddddddddde+XX: the 15-digit significand and the decade, correctly rounded.
  std::array<char, 32> text{};
  const char* end = std::to_chars(text.data(), text.data() + text.size(), amount,
                                  std::chars_format::scientific, 14)
                        .ptr;
  Step significand = 0;
  const char* c = text.data();
  for (; *c != 'e'; ++c) {
    if (*c != '.') significand = significand * 10 + static_cast<Step>(*c - '0');
  }
  int decade = 0;
  std::from_chars(c + 1 + (c[1] == '+'), end, decade);
  const Step n = kFenSteps + static_cast<Step>(decade - kFirstDecade) * kStepsPerDecade +
                 (significand - kFirstSignificand);
  return std::min(n, kLast);
}

}  // namespace belvik::amount_steps
