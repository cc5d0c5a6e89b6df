// Where a chart falls on a surface: every year's place points back at that year, at any width,
// and a long schedule draws only a few points per pixel column, all inside the plot.
#include "belvik/chart_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "belvik/calculators.h"
#include "row_name.h"

namespace belvik {
namespace {

struct LayoutCase {
  const char* name;
  Calculator calculator;
  std::vector<std::string> inputs;
  double width;
};

class ChartLayoutTest : public testing::TestWithParam<LayoutCase> {};

TEST_P(ChartLayoutTest, EveryYearsPixelPointsBackAtIt) {
  const LayoutCase& c = GetParam();
  const Chart chart = ChartOf(Calculate(c.calculator, c.inputs), "4");
  // Digits 7 pixels wide, so that half a label is no whole pixel, and a 15-pixel line.
  const ChartLayout layout(
      chart, false, {c.width, 420, 15, [](std::string_view text) { return 7.0 * text.size(); }});
  const std::size_t last = chart.x.size() - 1;
  for (const std::size_t k : {std::size_t{0}, last / 2, last}) {
    const ChartPoint at = layout.YearAt(k);
    EXPECT_EQ(layout.PointUnder(at), k);
    // A pointer stands on whole pixels: the one nearest to the last year is still in the plot.
    EXPECT_TRUE(
        layout.PointUnder({static_cast<double>(static_cast<long>(at.x + 0.5)), at.y}).has_value());
  }
  std::size_t drawn = 0;
  for (const auto& stroke : layout.strokes().front()) {
    for (const ChartPoint& point : stroke) {
      EXPECT_TRUE(layout.plot().Contains(point));
      ++drawn;
    }
  }
  EXPECT_LE(drawn, 5 * static_cast<std::size_t>(layout.plot().width) + 5);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, ChartLayoutTest,
    testing::Values(
        LayoutCase{"three_years_odd_width", Calculator::Investment, {"300", "0", "10", "3"}, 741},
        LayoutCase{"three_years_even_width", Calculator::LumpSum, {"10000", "5", "3"}, 740},
        LayoutCase{"pension_right_axis", Calculator::Pension, {"4", "1000", "25", "40", "60"}, 600},
        LayoutCase{"longest_schedule", Calculator::LumpSum, {"10000", "0", "32767"}, 740},
        LayoutCase{"present_value_curve", Calculator::PresentValue, {"4", "10000", "30"}, 500}),
    RowName());

}  // namespace
}  // namespace belvik
