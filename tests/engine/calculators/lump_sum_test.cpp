#include "calculator_table.h"
#include "row_name.h"

namespace belvik {
namespace {

constexpr Calculator kLumpSum = Calculator::LumpSum;

INSTANTIATE_TEST_SUITE_P(
    LumpSum, CalculatorTest,
    testing::Values(
        CalculatorCase{"whole_numbers",
                       kLumpSum,
                       {"10000", "10", "2"},
                       Failure::None,
                       "2年后本利合计：12100元。\r\n"
                       "第1年累计收益1000，累计收益率10%，本利和11000元。\r\n"
                       "第2年累计收益2100，累计收益率21%，本利和12100元。\r\n"},
        CalculatorCase{"fractions_and_hidden_noise",
                       kLumpSum,
                       {"5000", "3.5", "3"},
                       Failure::None,
                       "3年后本利合计：5543.5894元。\r\n"
                       "第1年累计收益175，累计收益率3.5%，本利和5175元。\r\n"
                       "第2年累计收益356.125，累计收益率7.1225%，本利和5356.125元。\r\n"
                       "第3年累计收益543.5894，累计收益率10.8718%，本利和5543.5894元。\r\n"},
        CalculatorCase{"unrounded_gain_prints_its_noise",
                       kLumpSum,
                       {"1000", "0.5", "5"},
                       Failure::None,
                       "5年后本利合计：1025.2513元。\r\n"
                       "第1年累计收益5，累计收益率.5%，本利和1005元。\r\n"
                       "第2年累计收益10.025，累计收益率1.0025%，本利和1010.025元。\r\n"
                       "第3年累计收益15.0751，累计收益率1.5075%，本利和1015.0751元。\r\n"
                       "第4年累计收益20.1505，累计收益率2.015%，本利和1020.1505元。\r\n"
                       "第5年累计收益25.2512999999999，累计收益率2.5251%，本利和1025.2513元。"
                       "\r\n"},
        CalculatorCase{"zero_years_prints_starting_zero",
                       kLumpSum,
                       {"10000", "10", "0"},
                       Failure::None,
                       "0年后本利合计：0元。\r\n"},
        CalculatorCase{"zero_years_never_reads_the_amount",
                       kLumpSum,
                       {"1e999", "10", "0"},
                       Failure::None,
                       "0年后本利合计：0元。\r\n"},
        CalculatorCase{"years_text_kept_as_typed",
                       kLumpSum,
                       {"10000", "10", "02"},
                       Failure::None,
                       "02年后本利合计：12100元。\r\n"
                       "第1年累计收益1000，累计收益率10%，本利和11000元。\r\n"
                       "第2年累计收益2100，累计收益率21%，本利和12100元。\r\n"},
        CalculatorCase{"fractional_years_list_whole_years",
                       kLumpSum,
                       {"10000", "10", "2.5"},
                       Failure::None,
                       "2.5年后本利合计：12100元。\r\n"
                       "第1年累计收益1000，累计收益率10%，本利和11000元。\r\n"
                       "第2年累计收益2100，累计收益率21%，本利和12100元。\r\n"},
        CalculatorCase{"below_one_without_leading_zero",
                       kLumpSum,
                       {"100", "0.5", "1"},
                       Failure::None,
                       "1年后本利合计：100.5元。\r\n"
                       "第1年累计收益.5，累计收益率.5%，本利和100.5元。\r\n"},
        CalculatorCase{"rounded_value_shows_in_unrounded_gain",
                       kLumpSum,
                       {"1.00001", "0", "1"},
                       Failure::None,
                       "1年后本利合计：1元。\r\n"
                       "第1年累计收益-1.00000000000655E-05，累计收益率-.001%，本利和1元。\r\n"},
        CalculatorCase{"zero_rate_gains_nothing",
                       kLumpSum,
                       {"250", "0", "2"},
                       Failure::None,
                       "2年后本利合计：250元。\r\n"
                       "第1年累计收益0，累计收益率0%，本利和250元。\r\n"
                       "第2年累计收益0，累计收益率0%，本利和250元。\r\n"}),
    RowName());

INSTANTIATE_TEST_SUITE_P(
    LumpSumFailures, CalculatorTest,
    testing::Values(
        CalculatorCase{
            "empty_amount_box_already_emptied", kLumpSum, {"", "10", "2"}, Failure::EmptyInput, ""},
        CalculatorCase{"empty_rate_box_already_emptied",
                       kLumpSum,
                       {"10000", "", "2"},
                       Failure::EmptyInput,
                       ""},
        CalculatorCase{"empty_years_box_already_emptied",
                       kLumpSum,
                       {"10000", "10", ""},
                       Failure::EmptyInput,
                       ""},
        CalculatorCase{"zero_amount_divides_zero_by_zero",
                       kLumpSum,
                       {"0", "10", "2"},
                       Failure::FloatingPoint,
                       ""},
        CalculatorCase{
            "lone_point_amount_is_zero", kLumpSum, {".", "10", "2"}, Failure::FloatingPoint, ""},
        CalculatorCase{"amount_beyond_double_range",
                       kLumpSum,
                       {"1e999", "10", "2"},
                       Failure::FloatingPoint,
                       ""},
        CalculatorCase{"overflow_keeps_earlier_years",
                       kLumpSum,
                       {"1e300", "1e10", "3"},
                       Failure::FloatingPoint,
                       "第1年累计收益1E+308，累计收益率10000000000%，本利和1.00000001E+308元。"
                       "\r\n"},
        CalculatorCase{
            "more_than_32767_years", kLumpSum, {"10000", "0", "32768"}, Failure::YearsCap, ""}),
    RowName());

}  // namespace
}  // namespace belvik
