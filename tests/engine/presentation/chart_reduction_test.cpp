// Reducing a curve to the pixel columns it covers: every column's extremes and breaks survive,
// and a curve with room for every point keeps them all.
#include "belvik/chart_reduction.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "row_name.h"

namespace belvik {
namespace {

constexpr double kBreak = std::numeric_limits<double>::quiet_NaN();

struct ReductionCase {
  const char* name;
  std::vector<double> across;
  std::vector<double> up;
  std::size_t columns;
  std::vector<std::size_t> kept;
};

class ReductionTest : public testing::TestWithParam<ReductionCase> {};

TEST_P(ReductionTest, KeepsWhatShapesEachColumn) {
  const ReductionCase& c = GetParam();
  EXPECT_EQ(PointsToDraw(c.across, c.up, c.columns), c.kept);
}

INSTANTIATE_TEST_SUITE_P(
    Curves, ReductionTest,
    testing::Values(
        ReductionCase{"empty_curve", {}, {}, 4, {}},
        ReductionCase{
            "more_columns_than_points", {0, .25, .5, .75}, {1, 2, 3, 4}, 10, {0, 1, 2, 3}},
        ReductionCase{"lone_spike_survives",
                      {0, .125, .25, .375, .5, .625, .75, .875},
                      {0, 0, 1, 0, 0, 0, 0, 0},
                      2,
                      {0, 2, 3, 4, 7}},
        ReductionCase{"column_keeps_its_low_and_its_high",
                      {0, .1, .2, .3, .4},
                      {5, 9, 1, 7, 5},
                      1,
                      {0, 1, 2, 4}},
        ReductionCase{"first_break_of_a_column_kept",
                      {0, .1, .2, .3, .4},
                      {1, kBreak, kBreak, 3, 2},
                      1,
                      {0, 1, 3, 4}},
        ReductionCase{"points_left_of_the_plot_join_the_edge_column",
                      {-2, -1, -.5, .2},
                      {3, 2, 1, 2.5},
                      2,
                      {0, 2, 3}}),
    RowName());

TEST(PointsToDraw, KeepsEveryColumnsExtremesOfALongSchedule) {
  constexpr std::size_t kYears = 32767;
  constexpr std::size_t kColumns = 700;
  std::vector<double> across(kYears);
  std::vector<double> up(kYears);
  // Each column's own lowest and highest point, found as the points are made.
  std::vector<std::size_t> low(kColumns, kYears);
  std::vector<std::size_t> high(kColumns, kYears);
  for (std::size_t k = 0; k < kYears; ++k) {
    across[k] = static_cast<double>(k) / kYears;
    up[k] = std::sin(static_cast<double>(k) * 0.37) * static_cast<double>(k % 97);
    const auto column = static_cast<std::size_t>(across[k] * kColumns);
    if (low[column] == kYears || up[k] < up[low[column]]) low[column] = k;
    if (high[column] == kYears || up[k] > up[high[column]]) high[column] = k;
  }
  const std::vector<std::size_t> kept = PointsToDraw(across, up, kColumns);
  EXPECT_LE(kept.size(), 4 * kColumns);
  for (std::size_t column = 0; column < kColumns; ++column) {
    EXPECT_TRUE(std::binary_search(kept.begin(), kept.end(), low[column])) << column;
    EXPECT_TRUE(std::binary_search(kept.begin(), kept.end(), high[column])) << column;
  }
}

}  // namespace
}  // namespace belvik
