#include "power_tables.h"

#include <cmath>

#include "scaled_rounding.h"
#include "wide_fixed.h"
#include "wide_functions.h"

namespace belvik::power {
namespace {

// 192 bits: the tables' wide values are good to about 2^-170, far beyond the 2^-106 of a
// double-double.
constexpr int kWidth = 6;

// The double nearest to the value, ties to even.
double Nearest(const WideFixed& value) {
  if (value.IsZero()) return 0;
  const double magnitude = *RoundScaled(value.Magnitude(), -32 * kWidth, 0);
  return value.IsNegative() ? -magnitude : magnitude;
}

// The nearest double, then the double nearest to what it leaves.
DoubleDouble ToDoubleDouble(const WideFixed& value) {
  const double hi = Nearest(value);
  WideFixed rest = value;
  rest -= WideFixed::FromDouble(hi, kWidth);
  return {hi, Nearest(rest)};
}

// The factor numerator / 2^bits and its −ln.
LogStep MakeLogStep(double numerator, int bits) {
  const auto n = static_cast<std::uint32_t>(numerator);
  WideFixed minusLog = WideLogOfRatio(n, std::uint32_t{1} << bits, kWidth).value;
  minusLog.Negate();
  return {n, ScaleByPowerOfTwo(numerator, -bits), ToDoubleDouble(minusLog)};
}

// 2^(i / 2^bits) for i = 0 … 127: the first step from the wide exponential, each row after it
// the one before times that step. 127 cuts of a unit each stay far below a double-double's
// last bit.
std::array<DoubleDouble, 128> PowersOfRootOfTwo(const WideApprox& ln2, int bits) {
  WideApprox exponent = ln2;
  exponent.value.ShiftRight(bits);
  exponent.error = ln2.error / (1 << bits) + 1;
  const WideFixed step = WideExp(exponent, ln2).mantissa.value;  // 2^(1/2^bits) < √2: no scale
  WideFixed power = WideFixed::FromInteger(1, kWidth);
  std::array<DoubleDouble, 128> rows;
  for (DoubleDouble& row : rows) {
    row = ToDoubleDouble(power);
    power = power * step;
  }
  return rows;
}

}  // namespace

// Coarse factors near 1 / the bucket's centre (1 for the buckets beside 1), fine ones near
// 1 / (1 + (j − 128) / 2^14); each factor short, so that the wide path multiplies by it exactly.
PowerTables BuildTables() {
  PowerTables tables;
  for (int i = 0; i < kCoarseSteps; ++i) {
    const double center = (1 + (i + 0.5) / kCoarseSteps) / (i >= kFoldIndex ? 2 : 1);
    const double numerator = i == 0 || i == kCoarseSteps - 1
                                 ? 1 << kCoarseBits
                                 : std::nearbyint((1 << kCoarseBits) / center);
    tables.coarse[i] = MakeLogStep(numerator, kCoarseBits);
  }
  for (int j = 0; j < kFineSteps; ++j) {
    const double center = 1 + (j - kFineOffset) / kFineScale;
    tables.fine[j] = MakeLogStep(std::nearbyint((1 << kFineBits) / center), kFineBits);
  }
  const WideApprox ln2 = WideLn2(kWidth);
  tables.exp2Coarse = PowersOfRootOfTwo(ln2, 7);
  tables.exp2Fine = PowersOfRootOfTwo(ln2, 14);
  return tables;
}

}  // namespace belvik::power
