#include "belvik/chart_axis.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "belvik/number_writing.h"
#include "belvik/rounding.h"

namespace belvik {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// The lowest and highest value that counts, or none (low above high).
struct Extent {
  double low = std::numeric_limits<double>::infinity();
  double high = -std::numeric_limits<double>::infinity();

  bool empty() const { return low > high; }
};

Extent ExtentOf(std::span<const std::span<const double>> values, bool positiveOnly) {
  Extent extent;
  for (const std::span<const double> each : values) {
    for (const double v : each) {
      if (!std::isfinite(v) || (positiveOnly && v <= 0)) continue;
      extent.low = std::min(extent.low, v);
      extent.high = std::max(extent.high, v);
    }
  }
  return extent;
}

// The end rounded outward to a whole number of steps, or the end itself where that overflows.
double Outward(double end, double step, double (*round)(double)) {
  const double rounded = round(end / step) * step;
  return std::isfinite(rounded) ? rounded : end;
}

// 1, 2 or 5 times a power of ten, the smallest at least `raw`.
double RoundStep(double raw) {
  const double power = std::pow(10.0, std::floor(std::log10(raw)));
  const double residual = raw / power;
  if (residual <= 1) return power;
  if (residual <= 2) return 2 * power;
  if (residual <= 5) return 5 * power;
  return 10 * power;
}

std::string Superscript(int exponent) {
  static constexpr const char* kDigits[] = {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};
  std::string text = exponent < 0 ? "⁻" : "";
  for (const char digit : std::to_string(std::abs(exponent))) text += kDigits[digit - '0'];
  return text;
}

}  // namespace

ChartAxis::ChartAxis(std::span<const std::span<const double>> values, bool logarithmic,
                     int maxTicks)
    : logarithmic_(logarithmic) {
  const Extent extent = ExtentOf(values, logarithmic);
  const int ticks = std::max(maxTicks, 1);
  if (logarithmic) {
    Decades(extent.empty() ? 1 : extent.low, extent.empty() ? 10 : extent.high, ticks);
  } else {
    Straight(extent.empty() ? 0 : extent.low, extent.empty() ? 1 : extent.high, ticks);
  }
}

void ChartAxis::Straight(double low, double high, int maxTicks) {
  low = std::min(low, 0.0);
  high = std::max(high, 0.0);
  if (low == high) high = 1;
  // Halves first, so that the span of values near both ends of the double range stays finite.
  const double step = RoundStep((high / 2 - low / 2) / maxTicks * 2);
  low_ = Outward(low, step, std::floor);
  high_ = Outward(high, step, std::ceil);
  for (double k = std::ceil(low_ / step); k * step <= high_; k = k + 1) ticks_.push_back(k * step);
}

void ChartAxis::Decades(double low, double high, int maxTicks) {
  low_ = std::floor(std::log10(low));
  high_ = std::ceil(std::log10(high));
  if (low_ == high_) high_ = low_ + 1;
  const double step = std::ceil((high_ - low_) / maxTicks);
  // A few decades leave room for 2 and 5 times each power of ten as well.
  const bool between = (high_ - low_) * 3 <= maxTicks;
  for (double k = std::ceil(low_ / step); k * step <= high_; k = k + 1) {
    const double power = std::pow(10.0, k * step);
    for (const double times : {1, 2, 5}) {
      const double tick = times * power;
      if (tick > 0 && std::isfinite(tick) && (times == 1 || (between && k * step < high_))) {
        ticks_.push_back(tick);
      }
    }
  }
}

double ChartAxis::Fraction(double value) const {
  if (!std::isfinite(value)) return kNaN;
  if (logarithmic_) {
    if (value <= 0) return kNaN;
    return (std::log10(value) - low_) / (high_ - low_);
  }
  return (value / 2 - low_ / 2) / (high_ / 2 - low_ / 2);
}

double ChartAxis::ValueAt(double fraction) const {
  const double scaled = low_ + fraction * (high_ - low_);
  return logarithmic_ ? std::pow(10.0, scaled) : scaled;
}

std::string ChineseUnits(double value) {
  struct Unit {
    double size;
    const char* name;
  };
  static constexpr Unit kUnits[] = {{1e12, "万亿"}, {1e8, "亿"}, {1e4, "万"}, {1, ""}};
  const double size = std::abs(value);
  if (size == 0) return "0";
  if (size >= 1e-4 && size < 1e16) {
    for (const Unit& unit : kUnits) {
      if (size >= unit.size) return PlainForm(value / unit.size) + unit.name;
    }
    return PlainForm(value);
  }
  // Through logarithms, since 10 to the exponent is zero below about 1E-308.
  int exponent = static_cast<int>(std::floor(std::log10(size)));
  // Three decimals: the labels are of ticks, which are round, and below about 1E-308 the
  // double itself holds only a few digits.
  double mantissa = RoundTo(std::pow(10.0, std::log10(size) - exponent), 3);
  if (mantissa >= 10) {
    mantissa /= 10;
    ++exponent;
  }
  std::string text = value < 0 ? "-" : "";
  if (mantissa != 1) text += PlainForm(mantissa) + "×";
  return text + "10" + Superscript(exponent);
}

}  // namespace belvik
