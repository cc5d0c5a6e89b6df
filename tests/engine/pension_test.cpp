#include <gtest/gtest.h>

#include <string>

#include "belvik/calculators.h"
#include "row_name.h"

namespace belvik {
namespace {

constexpr const char* kPrevious = "计算结果";

// A number far beyond any 16-bit value, written in plain digits as the strict reading needs.
const std::string k1e307 = "1" + std::string(307, '0');

struct PensionCase {
  const char* name;
  PensionTexts texts;  // inflation, monthly cost, pension years, current age, retirement age
  Failure failure;
  std::string box;
};

class PensionTest : public testing::TestWithParam<PensionCase> {};

TEST_P(PensionTest, WritesRetirementYearsUnderTheTotal) {
  const Outcome got = CalculatePension(GetParam().texts, kPrevious);
  EXPECT_EQ(got.failure, GetParam().failure);
  EXPECT_EQ(got.box, GetParam().box);
}

INSTANTIATE_TEST_SUITE_P(
    Results, PensionTest,
    testing::Values(
        PensionCase{"five_years_to_retirement",
                    {"3", "2000", "3", "50", "55"},
                    Failure::None,
                    "总计需要养老金：88576.7099元。\r\n"
                    "退休第1年需要生活费28657.2551元，平均每月2388.1046元。\r\n"
                    "退休第2年需要生活费29516.9728元，平均每月2459.7477元。\r\n"
                    "退休第3年需要生活费30402.482元，平均每月2533.5402元。\r\n"},
        PensionCase{"no_years_leaves_total_empty", {"4", "1000", "0", "30", "60"}, Failure::None,
                    "总计需要养老金：元。\r\n"},
        PensionCase{"retiring_now",
                    {"4", "1000", "2", "60", "60"},
                    Failure::None,
                    "总计需要养老金：25459.2元。\r\n"
                    "退休第1年需要生活费12480元，平均每月1040元。\r\n"
                    "退休第2年需要生活费12979.2元，平均每月1081.6元。\r\n"},
        PensionCase{"retired_already_discounts",
                    {"4", "1000", "2", "65", "60"},
                    Failure::None,
                    "总计需要养老金：20925.6066元。\r\n"
                    "退休第1年需要生活费10257.6503元，平均每月854.8042元。\r\n"
                    "退休第2年需要生活费10667.9563元，平均每月888.9964元。\r\n"},
        PensionCase{"strict_reading_allows_blanks_and_points",
                    {" 3. ", "2000.", "3", "050", "55"},
                    Failure::None,
                    "总计需要养老金：88576.7099元。\r\n"
                    "退休第1年需要生活费28657.2551元，平均每月2388.1046元。\r\n"
                    "退休第2年需要生活费29516.9728元，平均每月2459.7477元。\r\n"
                    "退休第3年需要生活费30402.482元，平均每月2533.5402元。\r\n"}),
    RowName());

INSTANTIATE_TEST_SUITE_P(
    Failures, PensionTest,
    testing::Values(
        PensionCase{"empty_inflation", {"", "1000", "2", "30", "60"}, Failure::EmptyInput,
                    kPrevious},
        PensionCase{"empty_monthly_cost", {"4", "", "2", "30", "60"}, Failure::EmptyInput,
                    kPrevious},
        PensionCase{"empty_pension_years", {"4", "1000", "", "30", "60"}, Failure::EmptyInput,
                    kPrevious},
        PensionCase{"empty_current_age", {"4", "1000", "2", "", "60"}, Failure::EmptyInput,
                    kPrevious},
        PensionCase{"empty_retirement_age", {"4", "1000", "2", "30", ""}, Failure::EmptyInput,
                    kPrevious},
        PensionCase{"lone_point_cost_is_mismatch", {"4", ".", "2", "30", "60"},
                    Failure::TypeMismatch, ""},
        PensionCase{"lone_point_inflation_is_mismatch", {".", "1000", "2", "30", "60"},
                    Failure::TypeMismatch, ""},
        PensionCase{"letters_in_age_are_mismatch", {"4", "1000", "2", "abc", "60"},
                    Failure::TypeMismatch, ""},
        PensionCase{"age_beyond_16_bits", {"4", "1000", "2", "40000", "60"}, Failure::Overflow,
                    ""},
        PensionCase{"years_beyond_16_bits", {"4", "1000", "40000", "30", "60"},
                    Failure::Overflow, ""},
        // Retirement age is converted first, so its mismatch wins over the age's overflow.
        PensionCase{"first_failing_conversion_wins", {"4", "1000", "2", "40000", "x"},
                    Failure::TypeMismatch, ""},
        PensionCase{"years_to_retirement_beyond_16_bits", {"4", "1000", "2", "-1", "32767"},
                    Failure::Overflow, ""},
        PensionCase{"exponent_beyond_16_bits_keeps_earlier_years",
                    {"0", "1000", "2", "0", "32766"},
                    Failure::Overflow,
                    "退休第1年需要生活费12000元，平均每月1000元。\r\n"},
        PensionCase{"cost_beyond_double_range", {"4", "2" + std::string(308, '0'), "2", "30", "60"},
                    Failure::Overflow, ""},
        PensionCase{"yearly_cost_overflows", {"4", "2" + std::string(307, '0'), "2", "30", "60"},
                    Failure::FloatingPoint, ""},
        PensionCase{"power_overflows_in_second_year",
                    {"100", "1000", "3", "0", "1009"},
                    Failure::FloatingPoint,
                    "退休第1年需要生活费1.31666977651049E+308元，"
                    "平均每月1.09722481375874E+307元。\r\n"},
        // The sum has no check of its own; the division's check stops the year before its line.
        PensionCase{"total_overflow_caught_before_the_line",
                    {"0", k1e307, "2", "30", "30"},
                    Failure::FloatingPoint,
                    "退休第1年需要生活费1.2E+308元，平均每月1E+307元。\r\n"}),
    RowName());

TEST(Pension, ZeroInflationTotalIsARunningSumWithItsNoise) {
  const Outcome got = CalculatePension({"0", "9631.54", "50", "30", "60"}, kPrevious);
  ASSERT_EQ(got.failure, Failure::None);
  EXPECT_TRUE(got.box.starts_with("总计需要养老金：5778924.00000001元。\r\n"
                                  "退休第1年需要生活费115578.48元，平均每月9631.54元。\r\n"));
  EXPECT_TRUE(got.box.ends_with("退休第50年需要生活费115578.48元，平均每月9631.54元。\r\n"));
}

TEST(Pension, CounterOverflowsAfterTheLastOfAll32767Years) {
  const Outcome got = CalculatePension({"0", "1", "32767", "0", "0"}, kPrevious);
  EXPECT_EQ(got.failure, Failure::Overflow);
  EXPECT_TRUE(got.box.starts_with("退休第1年需要生活费12元，平均每月1元。\r\n"));
  EXPECT_TRUE(got.box.ends_with("退休第32767年需要生活费12元，平均每月1元。\r\n"));
}

}  // namespace
}  // namespace belvik
