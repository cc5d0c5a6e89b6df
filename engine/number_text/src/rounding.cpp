#include "belvik/rounding.h"

#include <array>
#include <charconv>
#include <cmath>
#include <optional>

#include "decimal_scaling.h"

namespace belvik {
namespace {

using number_text::kPowersOfTen;
using number_text::RoundToWhole;

// RoundTo without text while x × 10^places stays below 2^52. The product is held exactly as
// p + error (an FMA yields the rounding error of a product exactly), so the nearest whole
// number, ties to even, is decided on the exact value; one correctly rounded division then
// gives the double nearest to the decimal, as reading its text back would.
std::optional<double> RoundByScaling(double x, int places) {
  if (places < 0 || places >= static_cast<int>(kPowersOfTen.size())) return std::nullopt;
  const double scale = kPowersOfTen[static_cast<std::size_t>(places)];
  const double p = x * scale;
  if (!(std::fabs(p) < 0x1p52)) return std::nullopt;  // NaN and infinities too
  const double error = std::fma(x, scale, -p);
  double whole = RoundToWhole(p);
  // Below 2^52, p - whole is exact and only an apparent tie can hide a rounding error that
  // decides it; elsewhere the error is too small to cross the half-way mark.
  const double fraction = p - whole;
  if (fraction == 0.5 && error > 0) whole += 1;
  if (fraction == -0.5 && error < 0) whole -= 1;
  return whole / scale;
}

}  // namespace

double RoundTo(double x, int places) {
  if (const std::optional<double> scaled = RoundByScaling(x, places)) return *scaled;
  // From 2^52 up every double is whole: no rounding to places moves it, and writing out its
  // hundreds of digits to read them back was most of a growing schedule's time.
  if (places >= 0 && std::fabs(x) >= 0x1p52) return x;
  // Fixed notation rounds the exact binary value, ties to even; reading it back gives the
  // double nearest to that decimal. Room for 309 integer digits, sign, point and decimals.
  std::array<char, 340> buffer{};
  const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), x,
                                     std::chars_format::fixed, places);
  double rounded = x;
  std::from_chars(buffer.data(), written.ptr, rounded);
  return rounded;
}

}  // namespace belvik
