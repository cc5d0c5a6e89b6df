// The numbers behind the lines are the doubles the text was formed from: unrounded where the
// line prints an unrounded value, summed in the calculator's order, and only for what was
// written before a failure.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "belvik/calculators.h"
#include "belvik/number_text.h"
#include "row_name.h"

namespace belvik {
namespace {

struct FiguresCase {
  const char* name;
  Calculator calculator;
  std::vector<std::string> texts;
  std::vector<std::vector<double>> lines;
  std::vector<double> summary;
};

class ResultFiguresTest : public testing::TestWithParam<FiguresCase> {};

TEST_P(ResultFiguresTest, AreTheNumbersTheTextWasWrittenFrom) {
  const FiguresCase& c = GetParam();
  const Result got = Calculate(c.calculator, c.texts);
  std::vector<std::vector<double>> lines;
  for (std::size_t k = 0; k < got.LineCount(); ++k) {
    lines.emplace_back(got.Line(k).begin(), got.Line(k).end());
  }
  EXPECT_EQ(lines, c.lines);
  EXPECT_EQ(std::vector<double>(got.Summary().begin(), got.Summary().end()), c.summary);
}

INSTANTIATE_TEST_SUITE_P(
    Figures, ResultFiguresTest,
    testing::Values(FiguresCase{"investment_principal_summed_year_by_year",
                                Calculator::Investment,
                                {"300", "7", "10", "3"},
                                {{1, 3600, 300}, {2, 3852, 321}, {3, 4121.64, 343.47}},
                                {3600.0 + 3852 + 4121.64, 4533.804 + (4660.92 + (4791.6 + 0.0))}},
                    FiguresCase{"lump_sum_gain_unrounded",
                                Calculator::LumpSum,
                                {"5000", "3.5", "3"},
                                {{1, 175, 3.5, 5175},
                                 {2, 356.125, 7.1225, 5356.125},
                                 {3, 5543.5894 - 5000, 10.8718, 5543.5894}},
                                {5543.5894}},
                    FiguresCase{"pension_total_in_running_order",
                                Calculator::Pension,
                                {"3", "2000", "3", "50", "55"},
                                {{1, 28657.2551, 2388.1046},
                                 {2, 29516.9728, 2459.7477},
                                 {3, 30402.482, 2533.5402}},
                                {30402.482 + (29516.9728 + 28657.2551)}},
                    FiguresCase{"pension_without_years_has_no_total",
                                Calculator::Pension,
                                {"4", "1000", "0", "30", "60"},
                                {},
                                {}},
                    FiguresCase{"present_value_single_figure",
                                Calculator::PresentValue,
                                {"4", "10000", "10"},
                                {},
                                {6755.6417}},
                    FiguresCase{"present_value_failure_has_none",
                                Calculator::PresentValue,
                                {"4", "10000", "18098"},
                                {},
                                {}},
                    FiguresCase{"stopped_run_keeps_the_lines_written",
                                Calculator::LumpSum,
                                {"1e300", "1e10", "3"},
                                {{1, 1e300 * 100000001.0 - 1e300,
                                  RoundTo((1e300 * 100000001.0 - 1e300) / 1e300 * 100, 4),
                                  1e300 * 100000001.0}},
                                {}}),
    RowName());

}  // namespace
}  // namespace belvik
