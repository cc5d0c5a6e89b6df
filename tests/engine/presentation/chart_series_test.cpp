// A result's curves read out point by point: the figures of the result text, the running sums
// and values with the summary's digits in the last year, and 按今天的钱 worked out by hand.
#include "belvik/chart_series.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "belvik/calculators.h"
#include "row_name.h"

namespace belvik {
namespace {

struct ChartCase {
  const char* name;
  Calculator calculator;
  std::vector<std::string> inputs;
  std::string inflation;  // the inflation box's text
  std::size_t points;
  std::size_t point;  // the point read out
  std::string readOut;
  std::string todaysMoney;  // its read-out in today's money
};

class ChartSeriesTest : public testing::TestWithParam<ChartCase> {};

TEST_P(ChartSeriesTest, ReadsOutTheExactFigures) {
  const ChartCase& c = GetParam();
  const Chart chart = ChartOf(Calculate(c.calculator, c.inputs), c.inflation);
  ASSERT_EQ(chart.x.size(), c.points);
  EXPECT_EQ(ReadOut(chart, c.point), c.readOut);
  EXPECT_EQ(ReadOut(InTodaysMoney(chart), c.point), c.todaysMoney);
}

INSTANTIATE_TEST_SUITE_P(
    Charts, ChartSeriesTest,
    testing::Values(
        ChartCase{"investment_value_of_contributions_so_far",
                  Calculator::Investment,
                  {"300", "0", "10", "3"},
                  "4",
                  3,
                  1,
                  "第2年：累计投入本金 7200 元，本利合计 8316 元",
                  "第2年：累计投入本金 6656.8047 元，本利合计 7688.6095 元"},
        // Each contribution's value rounded on its own adds up to 49.212; the year-by-year
        // balance, 49.2121, is not what the result text says.
        ChartCase{"investment_last_year_is_the_summary",
                  Calculator::Investment,
                  {"1", "0", "1", "4"},
                  "0",
                  4,
                  3,
                  "第4年：累计投入本金 48 元，本利合计 49.212 元",
                  "第4年：累计投入本金 48 元，本利合计 49.212 元"},
        ChartCase{"pension_running_total_at_retirement",
                  Calculator::Pension,
                  {"4", "1000", "2", "60", "60"},
                  "4",
                  2,
                  1,
                  "退休第2年：当年需要生活费 12979.2 元，累计需要 25459.2 元",
                  "退休第2年：当年需要生活费 12000 元，累计需要 23538.4615 元"},
        ChartCase{"pension_today_counts_the_years_before_retirement",
                  Calculator::Pension,
                  {"4", "1000", "2", "30", "60"},
                  "4",
                  2,
                  1,
                  "退休第2年：当年需要生活费 42096.705 元，累计需要 82574.3059 元",
                  "退休第2年：当年需要生活费 12000 元，累计需要 23538.4615 元"},
        ChartCase{"lump_sum_principal_stays_in_todays_money",
                  Calculator::LumpSum,
                  {"10000", "5", "3"},
                  "5",
                  3,
                  2,
                  "第3年：本利和 11576.25 元，本金 10000 元",
                  "第3年：本利和 10000 元，本金 10000 元"},
        ChartCase{"present_value_answer_at_fractional_years",
                  Calculator::PresentValue,
                  {"4", "10000", "2.5"},
                  "4",
                  4,
                  3,
                  "2.5年后：现值 9066.0196 元（计算结果）",
                  "2.5年后：现值 9066.0196 元（计算结果）"},
        ChartCase{"present_value_billion_years_sampled",
                  Calculator::PresentValue,
                  {"0", "10000", "1e9"},
                  "4",
                  kMaxPresentValuePoints,
                  kMaxPresentValuePoints - 1,
                  "1000000000年后：现值 10000 元（计算结果）",
                  "1000000000年后：现值 10000 元（计算结果）"},
        ChartCase{"present_value_years_before_today",
                  Calculator::PresentValue,
                  {"100", "1000", "-2"},
                  "4",
                  3,
                  0,
                  "-2年后：现值 4000 元（计算结果）",
                  "-2年后：现值 4000 元（计算结果）"},
        // 1.04 to the 18098th power overflows: the curve ends the year before, unmarked.
        ChartCase{"present_value_stops_before_an_overflow",
                  Calculator::PresentValue,
                  {"4", "10000", "20000"},
                  "4",
                  18098,
                  18097,
                  "18097年后：现值 0 元",
                  "18097年后：现值 0 元"},
        ChartCase{"overflow_in_todays_money_has_no_figure",
                  Calculator::LumpSum,
                  {"1", "0", "20000"},
                  "4",
                  20000,
                  19999,
                  "第20000年：本利和 1 元，本金 1 元",
                  "第20000年：本利和 超出范围 元，本金 1 元"}),
    RowName());

TEST(NearestPoint, TakesTheCloserYearAndTheEarlierOnATie) {
  Chart chart;
  chart.x = {1, 2, 4};
  for (const auto& [at, point] : std::vector<std::pair<double, std::size_t>>{
           {-5, 0}, {1.4, 0}, {1.6, 1}, {3, 1}, {3.1, 2}, {99, 2}}) {
    EXPECT_EQ(NearestPoint(chart, at), point) << "at " << at;
  }
}

}  // namespace
}  // namespace belvik
