// The scales of a chart: where a value lies between an axis's ends on a straight or a
// logarithmic scale, which values get a tick, and tick labels in Chinese number units.
#pragma once

#include <span>
#include <string>
#include <vector>

namespace belvik {

class ChartAxis {
 public:
  // An axis over every finite value of `values` with at most `maxTicks` ticks. Straight: zero
  // in view, ticks on 1, 2 or 5 times a power of ten. Logarithmic: only the values above zero
  // count, whole decades from end to end, ticks on powers of ten (and 2 and 5 times those when
  // there is room).
  ChartAxis(std::span<const std::span<const double>> values, bool logarithmic, int maxTicks);

  // Where `value` lies: 0 at the low end, 1 at the high end; NaN for a value the scale cannot
  // place (not finite, or not above zero on a logarithmic scale).
  double Fraction(double value) const;
  // The value `fraction` of the way from the low end to the high end.
  double ValueAt(double fraction) const;

  const std::vector<double>& ticks() const { return ticks_; }

 private:
  void Straight(double low, double high, int maxTicks);
  void Decades(double low, double high, int maxTicks);

  bool logarithmic_;
  // The ends in scale units: the values themselves, or their decimal logarithms.
  double low_ = 0;
  double high_ = 1;
  std::vector<double> ticks_;
};

// A tick label in Chinese number units: 5000, 5万, 1.5亿, 2万亿; beyond those a power of ten
// with superscript digits (3×10¹⁸, 10⁻⁶).
std::string ChineseUnits(double value);

}  // namespace belvik
