#include "fast_power.h"

#include <cmath>
#include <cstdint>

#include "log_reduction.h"
#include "power_tables.h"
#include "scaled_rounding.h"

namespace belvik::power {
namespace {

// ln 2 cut after 42 bits, so that any exponent times it is exact, and the rest.
constexpr double kLn2Hi = 0x1.62e42fefa3800p-1;
constexpr double kLn2Lo = 0x1.ef35793c76730p-45;
// ln 2 / 2^14 in three parts; the first two have 28 bits, so n times them is exact for the
// |n| < 2^25 that e^t needs.
constexpr double kStep1 = 0x1.62e42fe000000p-15;
constexpr double kStep2 = 0x1.f473de6000000p-44;
constexpr double kStep3 = 0x1.5e4f1d9cc01f9p-73;
constexpr double kInverseStep = 0x1.71547652b82fep+14;  // 2^14 / ln 2
constexpr double kRoundShift = 0x1.8p52;  // adding and taking it away rounds to a whole number

// ln(1 + z) for |z| < 2^-14.9: z − z²/2 in double-double, the rest in double. The rest is below
// 2^-46 and good to 2^-50.8 of itself, which keeps ln(1 + z) within 2^-81.5 of itself.
DoubleDouble Log1p(DoubleDouble z) {
  const DoubleDouble square = TwoProduct(z.hi, z.hi);
  const double squareLo = square.lo + 2 * z.hi * z.lo;
  const double h = z.hi;
  const double rest =
      square.hi * h * (1.0 / 3 + h * (-0.25 + h * (0.2 + h * (-1.0 / 6 + h * (1.0 / 7)))));
  const DoubleDouble sum = TwoSum(z.hi, -0.5 * square.hi);
  return {sum.hi, sum.lo + (z.lo - 0.5 * squareLo + rest)};
}

// ln x within 2^-80 of itself. Every error but Log1p's is below 2^-94 of the result: the table
// rows are good to 2^-106 and, away from the rows with factor 1, ln x is at least 2^-16.
DoubleDouble Log(double x) {
  const PowerTables& tables = Tables();
  const LogReduction r = ReduceForLog(x);
  const LogStep& coarse = tables.coarse[r.coarse];
  const LogStep& fine = tables.fine[r.fine];
  // z' = (1 + z) × fine − 1 = z × fine + (fine − 1), whose first part is exact.
  const DoubleDouble zFine = TwoProduct(r.z.hi, fine.factor);
  const DoubleDouble lead = TwoSum(fine.factor - 1, zFine.hi);
  const DoubleDouble z = TwoSum(lead.hi, lead.lo + zFine.lo + r.z.lo * fine.factor);
  const DoubleDouble log1p = Log1p(z);

  const double exponent = r.exponent;
  DoubleDouble sum = TwoSum(exponent * kLn2Hi, coarse.minusLog.hi);
  double low = sum.lo + exponent * kLn2Lo + coarse.minusLog.lo + fine.minusLog.lo + log1p.lo;
  sum = TwoSum(sum.hi, fine.minusLog.hi);
  low += sum.lo;
  sum = TwoSum(sum.hi, log1p.hi);
  return TwoSum(sum.hi, low + sum.lo);
}

// rows × e^r for |r| < 2^-15.4 and 1 ≤ rows < 2, within 2^-82.5 of itself: rows + rows × r in
// double-double, rows × (e^r − 1 − r), below 2^-30.8, in double.
DoubleDouble TimesExpSmall(DoubleDouble rows, DoubleDouble r) {
  const double h = r.hi;
  const double rest =
      h * (0.5 * h + r.lo) + h * h * h * (1.0 / 6 + h * (1.0 / 24 + h * (1.0 / 120)));
  const DoubleDouble product = TwoProduct(rows.hi, h);
  const DoubleDouble sum = TwoSum(rows.hi, product.hi);
  const double low = sum.lo + (rows.lo + product.lo + rows.lo * h + rows.hi * (r.lo + rest));
  return FastTwoSum(sum.hi, low);
}

}  // namespace

DoubleDouble LogTimes(double x, double y) {
  // A schedule raises one base to each of its years in turn, so the base's logarithm is kept
  // from the last call on this thread; it starts as ln 1 = 0.
  thread_local double lastX = 1;
  thread_local DoubleDouble lastLog;
  if (x != lastX) {
    lastLog = Log(x);
    lastX = x;
  }
  const DoubleDouble log = lastLog;
  const DoubleDouble product = TwoProduct(y, log.hi);
  return FastTwoSum(product.hi, product.lo + y * log.lo);
}

ScaledPower Exp(DoubleDouble t) {
  // t = n ln 2 / 2^14 + r with |r| ≤ ln 2 / 2^15; n = 2^14 k + 2^7 i + j picks 2^k and the rows.
  const double n = (t.hi * kInverseStep + kRoundShift) - kRoundShift;
  // Exact: n = 0 below 2^-16, and from there on both terms are multiples of t.hi's last place
  // and their difference is below 2^-15.5.
  const double first = t.hi - n * kStep1;
  const DoubleDouble second = TwoSum(first, -n * kStep2);
  const DoubleDouble r = TwoSum(second.hi, second.lo + (t.lo - n * kStep3));
  const auto whole = static_cast<std::int64_t>(n);
  const PowerTables& tables = Tables();
  const DoubleDouble rows =
      Multiply(tables.exp2Coarse[(whole >> 7) & 127], tables.exp2Fine[whole & 127]);
  // Within [0.99, 2.01]. The bound: t's error times e^t, and the exponential's own.
  return {TimesExpSmall(rows, r), static_cast<int>(whole >> 14),
          std::fabs(t.hi) * 0x1p-79 + 0x1p-81};
}

std::optional<double> Rounded(const ScaledPower& power) {
  const DoubleDouble e = power.scaled;
  const int k = power.exponent;
  const double margin = power.error * 2.02;  // relative to e, which is below 2.02
  const double scaledMinimum = k < -1020 ? PowerOfTwo(-1022 - k) : 0;  // 2^-1022 / 2^k
  if (e.hi >= scaledMinimum) {
    if (e.hi + (e.lo + margin) != e.hi || e.hi + (e.lo - margin) != e.hi) return std::nullopt;
    return ScaleByPowerOfTwo(e.hi, k);
  }
  // A subnormal result is rounded on its own grid: adding 2^-1022 / 2^k puts e in the binade
  // whose last place is that grid's step.
  const DoubleDouble shifted = TwoSum(scaledMinimum, e.hi);
  const double low = shifted.lo + e.lo;
  const double lowMargin = margin + std::fabs(low) * 0x1p-52;
  if (shifted.hi + (low + lowMargin) != shifted.hi ||
      shifted.hi + (low - lowMargin) != shifted.hi) {
    return std::nullopt;
  }
  return ScaleByPowerOfTwo(shifted.hi - scaledMinimum, k);
}

}  // namespace belvik::power
