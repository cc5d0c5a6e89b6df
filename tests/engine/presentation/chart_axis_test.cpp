// Chart scales: ticks on round values or whole decades, where values lie, and tick labels in
// Chinese number units.
#include "belvik/chart_axis.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "row_name.h"

namespace belvik {
namespace {

struct AxisCase {
  const char* name;
  std::vector<double> values;
  bool logarithmic;
  int maxTicks;
  std::vector<double> ticks;
  double value;
  double fraction;  // NaN: the scale cannot place the value
};

class AxisTest : public testing::TestWithParam<AxisCase> {};

TEST_P(AxisTest, TicksAndPlaces) {
  const AxisCase& c = GetParam();
  const std::span<const double> values[] = {c.values};
  const ChartAxis axis(values, c.logarithmic, c.maxTicks);
  ASSERT_EQ(axis.ticks().size(), c.ticks.size());
  for (std::size_t k = 0; k < c.ticks.size(); ++k) {
    EXPECT_DOUBLE_EQ(axis.ticks()[k], c.ticks[k]) << "tick " << k;
  }
  if (std::isnan(c.fraction)) {
    EXPECT_TRUE(std::isnan(axis.Fraction(c.value)));
  } else {
    EXPECT_DOUBLE_EQ(axis.Fraction(c.value), c.fraction);
  }
}

constexpr double kCannotPlace = NAN;

INSTANTIATE_TEST_SUITE_P(
    Axes, AxisTest,
    testing::Values(
        AxisCase{
            "straight_from_zero_in_twenties", {3, 97}, false, 5, {0, 20, 40, 60, 80, 100}, 25, .25},
        AxisCase{"straight_below_zero", {-130, 40}, false, 4, {-150, -100, -50, 0, 50}, -50, .5},
        AxisCase{"no_values_zero_to_one", {}, false, 2, {0, .5, 1}, .5, .5},
        AxisCase{"log_whole_decades", {3, 97000}, true, 10, {1, 10, 100, 1e3, 1e4, 1e5}, 100, .4},
        AxisCase{"log_skips_zero_and_below", {-5, 0, 20, 50}, true, 2, {10, 100}, 0, kCannotPlace},
        AxisCase{"log_ticks_two_and_five", {3, 97}, true, 6, {1, 2, 5, 10, 20, 50, 100}, 10, .5},
        // Hundreds of decades: a tick every 51.
        AxisCase{"log_thinned",
                 {1e-3, 1e300},
                 true,
                 6,
                 {1, 1e51, 1e102, 1e153, 1e204, 1e255},
                 1e300,
                 1}),
    RowName());

struct UnitCase {
  const char* name;
  double value;
  std::string label;
};

class ChineseUnitsTest : public testing::TestWithParam<UnitCase> {};

TEST_P(ChineseUnitsTest, Labels) { EXPECT_EQ(ChineseUnits(GetParam().value), GetParam().label); }

INSTANTIATE_TEST_SUITE_P(
    Labels, ChineseUnitsTest,
    testing::Values(UnitCase{"zero", 0, "0"}, UnitCase{"below_ten_thousand", 5000, "5000"},
                    UnitCase{"below_one", .5, "0.5"}, UnitCase{"wan", 50000, "5万"},
                    UnitCase{"yi_with_a_fraction", 1.5e8, "1.5亿"},
                    UnitCase{"wan_yi", 2e12, "2万亿"}, UnitCase{"negative_wan", -3e4, "-3万"},
                    UnitCase{"noise_of_a_tick_step", .1 * 3, "0.3"},
                    UnitCase{"beyond_wan_yi", 3e18, "3×10¹⁸"},
                    UnitCase{"power_of_ten_alone", 1e20, "10²⁰"}, UnitCase{"tiny", 1e-6, "10⁻⁶"},
                    UnitCase{"below_the_smallest_normal", 1e-320, "10⁻³²⁰"}),
    RowName());

}  // namespace
}  // namespace belvik
