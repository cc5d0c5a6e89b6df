#include "calculator_table.h"
#include "row_name.h"

namespace belvik {
namespace {

constexpr Calculator kPresentValue = Calculator::PresentValue;

// Texts: rate, amount, years.
INSTANTIATE_TEST_SUITE_P(
    PresentValue, CalculatorTest,
    testing::Values(
        CalculatorCase{
            "ten_years", kPresentValue, {"4", "10000", "10"}, Failure::None, "6755.6417"},
        CalculatorCase{"one_year", kPresentValue, {"4", "100", "1"}, Failure::None, "96.1538"},
        CalculatorCase{"below_one_with_leading_zero",
                       kPresentValue,
                       {"4", "1", "20"},
                       Failure::None,
                       "0.4564"},
        CalculatorCase{
            "fifty_years", kPresentValue, {"4", "1000000", "50"}, Failure::None, "140712.6153"},
        CalculatorCase{
            "hundred_percent", kPresentValue, {"100", "10000", "3"}, Failure::None, "1250"},
        CalculatorCase{"zero_rate", kPresentValue, {"0", "10000", "30"}, Failure::None, "10000"},
        CalculatorCase{
            "zero_years_rounds_amount", kPresentValue, {"4", "0.5", "0"}, Failure::None, "0.5"},
        CalculatorCase{
            "fractional_years", kPresentValue, {"4", "10000", "2.5"}, Failure::None, "9066.0196"},
        CalculatorCase{"factor_underflow_accepted",
                       kPresentValue,
                       {"4", "10000", "18097"},
                       Failure::None,
                       "0"},
        CalculatorCase{"zero_amount", kPresentValue, {"4", "0", "10"}, Failure::None, "0"}),
    RowName());

INSTANTIATE_TEST_SUITE_P(
    PresentValueFailures, CalculatorTest,
    testing::Values(
        CalculatorCase{
            "empty_rate", kPresentValue, {"", "10000", "10"}, Failure::EmptyInput, std::nullopt},
        CalculatorCase{
            "empty_amount", kPresentValue, {"4", "", "10"}, Failure::EmptyInput, std::nullopt},
        CalculatorCase{
            "empty_years", kPresentValue, {"4", "10000", ""}, Failure::EmptyInput, std::nullopt},
        CalculatorCase{"power_overflows",
                       kPresentValue,
                       {"4", "10000", "18098"},
                       Failure::FloatingPoint,
                       std::nullopt},
        CalculatorCase{"text_beyond_double_range",
                       kPresentValue,
                       {"4", "1e999", "10"},
                       Failure::FloatingPoint,
                       std::nullopt}),
    RowName());

}  // namespace
}  // namespace belvik
