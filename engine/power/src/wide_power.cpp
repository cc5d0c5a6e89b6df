#include "wide_power.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <vector>

#include "log_reduction.h"
#include "power_tables.h"
#include "scaled_rounding.h"
#include "wide_fixed.h"
#include "wide_functions.h"

namespace belvik::power {
namespace {

// ln x = exponent ln 2 − ln coarse − ln fine + ln(1 + z), z exact on the fast path's rows.
WideApprox WideLog(double x, const WideApprox& ln2) {
  const int width = ln2.value.FractionLimbs();
  const LogReduction r = ReduceForLog(x);
  const PowerTables& tables = Tables();
  const std::uint32_t coarse = tables.coarse[r.coarse].numerator;
  const std::uint32_t fine = tables.fine[r.fine].numerator;

  WideApprox log = ln2;
  log.value.MultiplyBy(static_cast<std::uint32_t>(std::abs(r.exponent)));
  if (r.exponent < 0) log.value.Negate();
  log.error *= std::abs(r.exponent);
  for (const auto& [numerator, bits] :
       {std::pair{coarse, kCoarseBits}, std::pair{fine, kFineBits}}) {
    const WideApprox step = WideLogOfRatio(numerator, std::uint32_t{1} << bits, width);
    log.value -= step.value;
    log.error += step.error;
  }
  // significand × coarse × fine has at most 53 + 10 + 24 bits after the point: exact.
  WideFixed z = WideFixed::FromDouble(r.significand, width);
  z.MultiplyBy(coarse).MultiplyBy(fine).ShiftRight(kCoarseBits + kFineBits);
  z -= WideFixed::FromInteger(1, width);
  const WideApprox log1p = WideLog1p(z);
  log.value += log1p.value;
  log.error += log1p.error;
  return log;
}

// x^y rounded from WideFixed numbers of `width` fraction limbs, or nothing when their error
// bound leaves the rounding open.
std::optional<double> PowerAtWidth(double x, double y, int width) {
  const WideApprox ln2 = WideLn2(width);
  const WideApprox log = WideLog(x, ln2);
  // y has at most 53 bits, none below 2^-117: exact at any width tried.
  const WideFixed t = WideFixed::FromDouble(y, width) * log.value;
  const double tError = std::fabs(y) * log.error + 1;
  const WideScaled e = WideExp({t, tError}, ln2);
  std::vector<std::uint32_t> magnitude = e.mantissa.value.Magnitude();
  std::int64_t exponent = e.exponent - 32 * width;
  // Rounded up, with room for the rounding of the bound's own arithmetic.
  double error = std::ceil(e.mantissa.error * 1.001) + 1;
  // A large y magnifies the error of ln x in units, not relative to the width; dropping low
  // limbs brings the bound below 2^62, which is all the rounding needs.
  while (error >= 0x1p62) {
    magnitude.erase(magnitude.begin());
    exponent += 32;
    error = std::ceil(error * 0x1p-32) + 1;
  }
  return RoundScaled(magnitude, exponent, static_cast<std::uint64_t>(error));
}

}  // namespace

double WidePower(double x, double y) {
  // The exact power lies some positive distance from every halfway point and the error bound
  // halves with every added bit, so doubling the width ends; 256 bits settle nearly all.
  for (int width = 8;; width *= 2) {
    if (const std::optional<double> rounded = PowerAtWidth(x, y, width)) return *rounded;
  }
}

}  // namespace belvik::power
