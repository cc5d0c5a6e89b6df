#include <gtest/gtest.h>

#include <string>

#include "belvik/calculators.h"
#include "row_name.h"

namespace belvik {
namespace {

constexpr const char* kPrevious = "计算结果";

struct LumpSumCase {
  const char* name;
  LumpSumTexts texts;
  Failure failure;
  std::string box;  // what the result box holds afterwards
};

class LumpSumTest : public testing::TestWithParam<LumpSumCase> {};

TEST_P(LumpSumTest, WritesYearLinesUnderTheSummary) {
  const Outcome got = LumpSumSchedule(GetParam().texts, kPrevious);
  EXPECT_EQ(got.failure, GetParam().failure);
  EXPECT_EQ(got.box, GetParam().box);
}

INSTANTIATE_TEST_SUITE_P(
    Results, LumpSumTest,
    testing::Values(
        LumpSumCase{"whole_numbers",
                    {"10000", "10", "2"},
                    Failure::None,
                    "2年后本利合计：12100元。\r\n"
                    "第1年累计收益1000，累计收益率10%，本利和11000元。\r\n"
                    "第2年累计收益2100，累计收益率21%，本利和12100元。\r\n"},
        LumpSumCase{"fractions_and_hidden_noise",
                    {"5000", "3.5", "3"},
                    Failure::None,
                    "3年后本利合计：5543.5894元。\r\n"
                    "第1年累计收益175，累计收益率3.5%，本利和5175元。\r\n"
                    "第2年累计收益356.125，累计收益率7.1225%，本利和5356.125元。\r\n"
                    "第3年累计收益543.5894，累计收益率10.8718%，本利和5543.5894元。\r\n"},
        LumpSumCase{"unrounded_gain_prints_its_noise",
                    {"1000", "0.5", "5"},
                    Failure::None,
                    "5年后本利合计：1025.2513元。\r\n"
                    "第1年累计收益5，累计收益率.5%，本利和1005元。\r\n"
                    "第2年累计收益10.025，累计收益率1.0025%，本利和1010.025元。\r\n"
                    "第3年累计收益15.0751，累计收益率1.5075%，本利和1015.0751元。\r\n"
                    "第4年累计收益20.1505，累计收益率2.015%，本利和1020.1505元。\r\n"
                    "第5年累计收益25.2512999999999，累计收益率2.5251%，本利和1025.2513元。\r\n"},
        LumpSumCase{"zero_years_prints_starting_zero", {"10000", "10", "0"}, Failure::None,
                    "0年后本利合计：0元。\r\n"},
        LumpSumCase{"zero_years_never_reads_the_amount", {"1e999", "10", "0"}, Failure::None,
                    "0年后本利合计：0元。\r\n"},
        LumpSumCase{"years_text_kept_as_typed",
                    {"10000", "10", "02"},
                    Failure::None,
                    "02年后本利合计：12100元。\r\n"
                    "第1年累计收益1000，累计收益率10%，本利和11000元。\r\n"
                    "第2年累计收益2100，累计收益率21%，本利和12100元。\r\n"},
        LumpSumCase{"fractional_years_list_whole_years",
                    {"10000", "10", "2.5"},
                    Failure::None,
                    "2.5年后本利合计：12100元。\r\n"
                    "第1年累计收益1000，累计收益率10%，本利和11000元。\r\n"
                    "第2年累计收益2100，累计收益率21%，本利和12100元。\r\n"},
        LumpSumCase{"below_one_without_leading_zero",
                    {"100", "0.5", "1"},
                    Failure::None,
                    "1年后本利合计：100.5元。\r\n"
                    "第1年累计收益.5，累计收益率.5%，本利和100.5元。\r\n"},
        LumpSumCase{"rounded_value_shows_in_unrounded_gain",
                    {"1.00001", "0", "1"},
                    Failure::None,
                    "1年后本利合计：1元。\r\n"
                    "第1年累计收益-1.00000000000655E-05，累计收益率-.001%，本利和1元。\r\n"},
        LumpSumCase{"zero_rate_gains_nothing",
                    {"250", "0", "2"},
                    Failure::None,
                    "2年后本利合计：250元。\r\n"
                    "第1年累计收益0，累计收益率0%，本利和250元。\r\n"
                    "第2年累计收益0，累计收益率0%，本利和250元。\r\n"}),
    RowName());

INSTANTIATE_TEST_SUITE_P(
    Failures, LumpSumTest,
    testing::Values(
        LumpSumCase{"empty_amount_box_already_emptied", {"", "10", "2"}, Failure::EmptyInput, ""},
        LumpSumCase{"empty_rate_box_already_emptied", {"10000", "", "2"}, Failure::EmptyInput, ""},
        LumpSumCase{"empty_years_box_already_emptied", {"10000", "10", ""}, Failure::EmptyInput,
                    ""},
        LumpSumCase{"zero_amount_divides_zero_by_zero", {"0", "10", "2"}, Failure::FloatingPoint,
                    ""},
        LumpSumCase{"lone_point_amount_is_zero", {".", "10", "2"}, Failure::FloatingPoint, ""},
        LumpSumCase{"amount_beyond_double_range", {"1e999", "10", "2"}, Failure::FloatingPoint,
                    ""},
        LumpSumCase{"overflow_keeps_earlier_years",
                    {"1e300", "1e10", "3"},
                    Failure::FloatingPoint,
                    "第1年累计收益1E+308，累计收益率10000000000%，本利和1.00000001E+308元。\r\n"},
        LumpSumCase{"more_than_32767_years", {"10000", "0", "32768"}, Failure::YearsCap, ""}),
    RowName());

}  // namespace
}  // namespace belvik
