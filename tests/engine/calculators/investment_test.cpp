#include "calculator_table.h"
#include "row_name.h"

namespace belvik {
namespace {

constexpr Calculator kInvestment = Calculator::Investment;

INSTANTIATE_TEST_SUITE_P(
    Investment, CalculatorTest,
    testing::Values(CalculatorCase{"flat_contribution",
                                   kInvestment,
                                   {"300", "0", "10", "3"},
                                   Failure::None,
                                   "总投入本金10800元，本利合计13107.6元。\r\n"
                                   "第1年投入3600元，每月投入300\r\n"
                                   "第2年投入3600元，每月投入300\r\n"
                                   "第3年投入3600元，每月投入300\r\n"},
                    CalculatorCase{"growing_contribution_rounded_each_year",
                                   kInvestment,
                                   {"300", "7", "10", "5"},
                                   Failure::None,
                                   "总投入本金20702.6604元，本利合计27450.4915元。\r\n"
                                   "第1年投入3600元，每月投入300\r\n"
                                   "第2年投入3852元，每月投入321\r\n"
                                   "第3年投入4121.64元，每月投入343.47\r\n"
                                   "第4年投入4410.1548元，每月投入367.5129\r\n"
                                   "第5年投入4718.8656元，每月投入393.2388\r\n"},
                    CalculatorCase{"zero_years_only_summary",
                                   kInvestment,
                                   {"300", "0", "10", "0"},
                                   Failure::None,
                                   "总投入本金0元，本利合计0元。\r\n"},
                    CalculatorCase{"years_below_one_only_summary",
                                   kInvestment,
                                   {"300", "0", "10", ".9"},
                                   Failure::None,
                                   "总投入本金0元，本利合计0元。\r\n"},
                    CalculatorCase{
                        "monthly_figure_without_leading_zero",
                        kInvestment,
                        {"0.5", "0", "10", "1"},
                        Failure::None,
                        "总投入本金6元，本利合计6.6元。\r\n第1年投入6元，每月投入.5\r\n"},
                    CalculatorCase{"lone_point_reads_zero",
                                   kInvestment,
                                   {".", "0", "10", "1"},
                                   Failure::None,
                                   "总投入本金0元，本利合计0元。\r\n第1年投入0元，每月投入0\r\n"},
                    CalculatorCase{"fractional_years_compound_fractional_spans",
                                   kInvestment,
                                   {"300", "0", "10", "2.5"},
                                   Failure::None,
                                   "总投入本金7200元，本利合计8721.8943元。\r\n"
                                   "第1年投入3600元，每月投入300\r\n"
                                   "第2年投入3600元，每月投入300\r\n"},
                    CalculatorCase{"zero_return_total_equals_principal",
                                   kInvestment,
                                   {"100", "0", "0", "2"},
                                   Failure::None,
                                   "总投入本金2400元，本利合计2400元。\r\n"
                                   "第1年投入1200元，每月投入100\r\n"
                                   "第2年投入1200元，每月投入100\r\n"},
                    CalculatorCase{"blanks_only_read_zero",
                                   kInvestment,
                                   {" ", "0", "10", "1"},
                                   Failure::None,
                                   "总投入本金0元，本利合计0元。\r\n第1年投入0元，每月投入0\r\n"}),
    RowName());

INSTANTIATE_TEST_SUITE_P(InvestmentFailures, CalculatorTest,
                         testing::Values(CalculatorCase{"empty_monthly_keeps_previous",
                                                        kInvestment,
                                                        {"", "0", "10", "3"},
                                                        Failure::EmptyInput,
                                                        std::nullopt},
                                         CalculatorCase{"empty_increase_keeps_previous",
                                                        kInvestment,
                                                        {"300", "", "10", "3"},
                                                        Failure::EmptyInput,
                                                        std::nullopt},
                                         CalculatorCase{"empty_return_keeps_previous",
                                                        kInvestment,
                                                        {"300", "0", "", "3"},
                                                        Failure::EmptyInput,
                                                        std::nullopt},
                                         CalculatorCase{"empty_years_keeps_previous",
                                                        kInvestment,
                                                        {"300", "0", "10", ""},
                                                        Failure::EmptyInput,
                                                        std::nullopt},
                                         CalculatorCase{"text_beyond_double_range",
                                                        kInvestment,
                                                        {"1e999", "0", "10", "3"},
                                                        Failure::FloatingPoint,
                                                        ""},
                                         CalculatorCase{"times_twelve_overflows",
                                                        kInvestment,
                                                        {"1e308", "0", "10", "3"},
                                                        Failure::FloatingPoint,
                                                        ""},
                                         CalculatorCase{"power_overflows_in_first_year",
                                                        kInvestment,
                                                        {"300", "0", "1e200", "3"},
                                                        Failure::FloatingPoint,
                                                        ""},
                                         CalculatorCase{"principal_overflows_in_second_year",
                                                        kInvestment,
                                                        {"1e307", "0", "0", "3"},
                                                        Failure::FloatingPoint,
                                                        "第1年投入1.2E+308元，每月投入1E+307\r\n"},
                                         CalculatorCase{"total_overflows_in_second_year",
                                                        kInvestment,
                                                        {"5e306", "0", "50", "2"},
                                                        Failure::FloatingPoint,
                                                        "第1年投入6E+307元，每月投入5E+306\r\n"},
                                         CalculatorCase{"growth_after_last_year_leaves_no_summary",
                                                        kInvestment,
                                                        {"1e300", "1e10", "0", "1"},
                                                        Failure::FloatingPoint,
                                                        "第1年投入1.2E+301元，每月投入1E+300\r\n"},
                                         CalculatorCase{"more_than_32767_years",
                                                        kInvestment,
                                                        {"300", "0", "10", "32768"},
                                                        Failure::YearsCap,
                                                        ""},
                                         CalculatorCase{"fraction_above_cap",
                                                        kInvestment,
                                                        {"300", "0", "0", "32767.5"},
                                                        Failure::YearsCap,
                                                        ""}),
                         RowName());

TEST(Investment, LongestAllowedScheduleHasOneLinePerYear) {
  const Result got = CalculateInvestment({"1", "0", "0", "32767"});
  ASSERT_EQ(got.failure, Failure::None);
  ASSERT_TRUE(got.text);
  EXPECT_TRUE(got.text->starts_with("总投入本金393204元，本利合计393204元。\r\n"));
  EXPECT_TRUE(got.text->ends_with("第32767年投入12元，每月投入1\r\n"));
  ASSERT_EQ(got.LineCount(), std::size_t{32767});
  EXPECT_EQ(std::vector<double>(got.Line(32766).begin(), got.Line(32766).end()),
            (std::vector<double>{32767, 12, 1}));
  ExpectFiguresMatchText(got);
}

}  // namespace
}  // namespace belvik
