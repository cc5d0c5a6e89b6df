#include <gtest/gtest.h>

#include <string>

#include "belvik/calculators.h"

#include "row_name.h"

namespace belvik {
namespace {

constexpr const char* kPrevious = "计算结果\r\n";

struct InvestCase {
  const char* name;
  InvestmentTexts texts;
  std::string box;
};

class InvestmentTest : public testing::TestWithParam<InvestCase> {};

TEST_P(InvestmentTest, WritesSummaryThenYearLines) {
  const Outcome got = CalculateInvestment(GetParam().texts, kPrevious);
  EXPECT_EQ(got.failure, Failure::None);
  EXPECT_EQ(got.box, GetParam().box);
}

INSTANTIATE_TEST_SUITE_P(
    Investment, InvestmentTest,
    testing::Values(
        InvestCase{"flat_contribution",
                   {"300", "0", "10", "3"},
                   "总投入本金10800元，本利合计13107.6元。\r\n"
                   "第1年投入3600元，每月投入300\r\n"
                   "第2年投入3600元，每月投入300\r\n"
                   "第3年投入3600元，每月投入300\r\n"},
        InvestCase{"growing_contribution_rounded_each_year",
                   {"300", "7", "10", "5"},
                   "总投入本金20702.6604元，本利合计27450.4915元。\r\n"
                   "第1年投入3600元，每月投入300\r\n"
                   "第2年投入3852元，每月投入321\r\n"
                   "第3年投入4121.64元，每月投入343.47\r\n"
                   "第4年投入4410.1548元，每月投入367.5129\r\n"
                   "第5年投入4718.8656元，每月投入393.2388\r\n"},
        InvestCase{"zero_years_only_summary", {"300", "0", "10", "0"},
                   "总投入本金0元，本利合计0元。\r\n"},
        InvestCase{"years_below_one_only_summary", {"300", "0", "10", ".9"},
                   "总投入本金0元，本利合计0元。\r\n"},
        InvestCase{"monthly_figure_without_leading_zero",
                   {"0.5", "0", "10", "1"},
                   "总投入本金6元，本利合计6.6元。\r\n第1年投入6元，每月投入.5\r\n"},
        InvestCase{"lone_point_reads_zero", {".", "0", "10", "1"},
                   "总投入本金0元，本利合计0元。\r\n第1年投入0元，每月投入0\r\n"},
        InvestCase{"fractional_years_compound_fractional_spans",
                   {"300", "0", "10", "2.5"},
                   "总投入本金7200元，本利合计8721.8943元。\r\n"
                   "第1年投入3600元，每月投入300\r\n"
                   "第2年投入3600元，每月投入300\r\n"},
        InvestCase{"zero_return_total_equals_principal",
                   {"100", "0", "0", "2"},
                   "总投入本金2400元，本利合计2400元。\r\n"
                   "第1年投入1200元，每月投入100\r\n"
                   "第2年投入1200元，每月投入100\r\n"},
        InvestCase{"blanks_only_read_zero", {" ", "0", "10", "1"},
                   "总投入本金0元，本利合计0元。\r\n第1年投入0元，每月投入0\r\n"}),
    RowName());

struct InvestFailure {
  const char* name;
  InvestmentTexts texts;
  Failure failure;
  std::string box;  // what the result box holds afterwards
};

class InvestmentFailureTest : public testing::TestWithParam<InvestFailure> {};

TEST_P(InvestmentFailureTest, StopsAndLeavesTheBoxAsWritten) {
  const Outcome got = CalculateInvestment(GetParam().texts, kPrevious);
  EXPECT_EQ(got.failure, GetParam().failure);
  EXPECT_EQ(got.box, GetParam().box);
}

INSTANTIATE_TEST_SUITE_P(
    Investment, InvestmentFailureTest,
    testing::Values(
        InvestFailure{"empty_monthly_keeps_previous", {"", "0", "10", "3"},
                      Failure::EmptyInput, kPrevious},
        InvestFailure{"empty_increase_keeps_previous", {"300", "", "10", "3"},
                      Failure::EmptyInput, kPrevious},
        InvestFailure{"empty_return_keeps_previous", {"300", "0", "", "3"},
                      Failure::EmptyInput, kPrevious},
        InvestFailure{"empty_years_keeps_previous", {"300", "0", "10", ""},
                      Failure::EmptyInput, kPrevious},
        InvestFailure{"text_beyond_double_range", {"1e999", "0", "10", "3"},
                      Failure::FloatingPoint, ""},
        InvestFailure{"times_twelve_overflows", {"1e308", "0", "10", "3"},
                      Failure::FloatingPoint, ""},
        InvestFailure{"power_overflows_in_first_year", {"300", "0", "1e200", "3"},
                      Failure::FloatingPoint, ""},
        InvestFailure{"principal_overflows_in_second_year", {"1e307", "0", "0", "3"},
                      Failure::FloatingPoint,
                      "第1年投入1.2E+308元，每月投入1E+307\r\n"},
        InvestFailure{"total_overflows_in_second_year", {"5e306", "0", "50", "2"},
                      Failure::FloatingPoint,
                      "第1年投入6E+307元，每月投入5E+306\r\n"},
        InvestFailure{"growth_after_last_year_leaves_no_summary", {"1e300", "1e10", "0", "1"},
                      Failure::FloatingPoint,
                      "第1年投入1.2E+301元，每月投入1E+300\r\n"},
        InvestFailure{"more_than_32767_years", {"300", "0", "10", "32768"},
                      Failure::YearsCap, ""},
        InvestFailure{"fraction_above_cap", {"300", "0", "0", "32767.5"},
                      Failure::YearsCap, ""}),
    RowName());

TEST(Investment, LongestAllowedScheduleHasOneLinePerYear) {
  const Outcome got = CalculateInvestment({"1", "0", "0", "32767"}, kPrevious);
  ASSERT_EQ(got.failure, Failure::None);
  EXPECT_TRUE(got.box.starts_with("总投入本金393204元，本利合计393204元。\r\n"));
  EXPECT_TRUE(got.box.ends_with("第32767年投入12元，每月投入1\r\n"));
}

}  // namespace
}  // namespace belvik
