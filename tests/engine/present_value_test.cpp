#include <gtest/gtest.h>

#include <string>

#include "belvik/calculators.h"
#include "row_name.h"

namespace belvik {
namespace {

constexpr const char* kPrevious = "计算结果";

struct PresentValueCase {
  const char* name;
  PresentValueTexts texts;  // rate, amount, years
  Failure failure;
  std::string box;
};

class PresentValueCalculatorTest : public testing::TestWithParam<PresentValueCase> {};

TEST_P(PresentValueCalculatorTest, WritesOneNumberOrLeavesTheBox) {
  const Outcome got = CalculatePresentValue(GetParam().texts, kPrevious);
  EXPECT_EQ(got.failure, GetParam().failure);
  EXPECT_EQ(got.box, GetParam().box);
}

INSTANTIATE_TEST_SUITE_P(
    Results, PresentValueCalculatorTest,
    testing::Values(
        PresentValueCase{"ten_years", {"4", "10000", "10"}, Failure::None, "6755.6417"},
        PresentValueCase{"one_year", {"4", "100", "1"}, Failure::None, "96.1538"},
        PresentValueCase{"below_one_with_leading_zero", {"4", "1", "20"}, Failure::None,
                         "0.4564"},
        PresentValueCase{"fifty_years", {"4", "1000000", "50"}, Failure::None, "140712.6153"},
        PresentValueCase{"hundred_percent", {"100", "10000", "3"}, Failure::None, "1250"},
        PresentValueCase{"zero_rate", {"0", "10000", "30"}, Failure::None, "10000"},
        PresentValueCase{"zero_years_rounds_amount", {"4", "0.5", "0"}, Failure::None, "0.5"},
        PresentValueCase{"fractional_years", {"4", "10000", "2.5"}, Failure::None, "9066.0196"},
        PresentValueCase{"factor_underflow_accepted", {"4", "10000", "18097"}, Failure::None,
                         "0"},
        PresentValueCase{"zero_amount", {"4", "0", "10"}, Failure::None, "0"}),
    RowName());

INSTANTIATE_TEST_SUITE_P(
    Failures, PresentValueCalculatorTest,
    testing::Values(
        PresentValueCase{"empty_rate", {"", "10000", "10"}, Failure::EmptyInput, kPrevious},
        PresentValueCase{"empty_amount", {"4", "", "10"}, Failure::EmptyInput, kPrevious},
        PresentValueCase{"empty_years", {"4", "10000", ""}, Failure::EmptyInput, kPrevious},
        PresentValueCase{"power_overflows", {"4", "10000", "18098"}, Failure::FloatingPoint,
                         kPrevious},
        PresentValueCase{"text_beyond_double_range", {"4", "1e999", "10"},
                         Failure::FloatingPoint, kPrevious}),
    RowName());

}  // namespace
}  // namespace belvik
