#include "calculator_table.h"
#include "row_name.h"

namespace belvik {
namespace {

constexpr Calculator kPension = Calculator::Pension;

// `lead` followed by `zeros` zeros: huge numbers in the plain digits the strict reading needs.
// Built in place, as "1" + std::string(...) makes GCC 12 warn of overlapping copies (-Wrestrict)
// that the library does not make.
std::string LeadThenZeros(char lead, std::size_t zeros) {
  std::string digits(zeros + 1, '0');
  digits.front() = lead;
  return digits;
}

// A number far beyond any 16-bit value.
const std::string k1e307 = LeadThenZeros('1', 307);

// Texts: inflation, monthly cost, pension years, current age, retirement age.
INSTANTIATE_TEST_SUITE_P(
    Pension, CalculatorTest,
    testing::Values(CalculatorCase{"five_years_to_retirement",
                                   kPension,
                                   {"3", "2000", "3", "50", "55"},
                                   Failure::None,
                                   "总计需要养老金：88576.7099元。\r\n"
                                   "退休第1年需要生活费28657.2551元，平均每月2388.1046元。\r\n"
                                   "退休第2年需要生活费29516.9728元，平均每月2459.7477元。\r\n"
                                   "退休第3年需要生活费30402.482元，平均每月2533.5402元。\r\n"},
                    CalculatorCase{"no_years_leaves_total_empty",
                                   kPension,
                                   {"4", "1000", "0", "30", "60"},
                                   Failure::None,
                                   "总计需要养老金：元。\r\n"},
                    CalculatorCase{"retiring_now",
                                   kPension,
                                   {"4", "1000", "2", "60", "60"},
                                   Failure::None,
                                   "总计需要养老金：25459.2元。\r\n"
                                   "退休第1年需要生活费12480元，平均每月1040元。\r\n"
                                   "退休第2年需要生活费12979.2元，平均每月1081.6元。\r\n"},
                    CalculatorCase{"retired_already_discounts",
                                   kPension,
                                   {"4", "1000", "2", "65", "60"},
                                   Failure::None,
                                   "总计需要养老金：20925.6066元。\r\n"
                                   "退休第1年需要生活费10257.6503元，平均每月854.8042元。\r\n"
                                   "退休第2年需要生活费10667.9563元，平均每月888.9964元。\r\n"},
                    CalculatorCase{"strict_reading_allows_blanks_and_points",
                                   kPension,
                                   {" 3. ", "2000.", "3", "050", "55"},
                                   Failure::None,
                                   "总计需要养老金：88576.7099元。\r\n"
                                   "退休第1年需要生活费28657.2551元，平均每月2388.1046元。\r\n"
                                   "退休第2年需要生活费29516.9728元，平均每月2459.7477元。\r\n"
                                   "退休第3年需要生活费30402.482元，平均每月2533.5402元。\r\n"}),
    RowName());

INSTANTIATE_TEST_SUITE_P(
    PensionFailures, CalculatorTest,
    testing::Values(
        CalculatorCase{"empty_inflation",
                       kPension,
                       {"", "1000", "2", "30", "60"},
                       Failure::EmptyInput,
                       std::nullopt},
        CalculatorCase{"empty_monthly_cost",
                       kPension,
                       {"4", "", "2", "30", "60"},
                       Failure::EmptyInput,
                       std::nullopt},
        CalculatorCase{"empty_pension_years",
                       kPension,
                       {"4", "1000", "", "30", "60"},
                       Failure::EmptyInput,
                       std::nullopt},
        CalculatorCase{"empty_current_age",
                       kPension,
                       {"4", "1000", "2", "", "60"},
                       Failure::EmptyInput,
                       std::nullopt},
        CalculatorCase{"empty_retirement_age",
                       kPension,
                       {"4", "1000", "2", "30", ""},
                       Failure::EmptyInput,
                       std::nullopt},
        CalculatorCase{"lone_point_cost_is_mismatch",
                       kPension,
                       {"4", ".", "2", "30", "60"},
                       Failure::TypeMismatch,
                       ""},
        CalculatorCase{"lone_point_inflation_is_mismatch",
                       kPension,
                       {".", "1000", "2", "30", "60"},
                       Failure::TypeMismatch,
                       ""},
        CalculatorCase{"letters_in_age_are_mismatch",
                       kPension,
                       {"4", "1000", "2", "abc", "60"},
                       Failure::TypeMismatch,
                       ""},
        CalculatorCase{"age_beyond_16_bits",
                       kPension,
                       {"4", "1000", "2", "40000", "60"},
                       Failure::Overflow,
                       ""},
        CalculatorCase{"years_beyond_16_bits",
                       kPension,
                       {"4", "1000", "40000", "30", "60"},
                       Failure::Overflow,
                       ""},
        // Retirement age is converted first, so its mismatch wins over the age's overflow.
        CalculatorCase{"first_failing_conversion_wins",
                       kPension,
                       {"4", "1000", "2", "40000", "x"},
                       Failure::TypeMismatch,
                       ""},
        CalculatorCase{"years_to_retirement_beyond_16_bits",
                       kPension,
                       {"4", "1000", "2", "-1", "32767"},
                       Failure::Overflow,
                       ""},
        CalculatorCase{"exponent_beyond_16_bits_keeps_earlier_years",
                       kPension,
                       {"0", "1000", "2", "0", "32766"},
                       Failure::Overflow,
                       "退休第1年需要生活费12000元，平均每月1000元。\r\n"},
        CalculatorCase{"cost_beyond_double_range",
                       kPension,
                       {"4", LeadThenZeros('2', 308), "2", "30", "60"},
                       Failure::Overflow,
                       ""},
        CalculatorCase{"yearly_cost_overflows",
                       kPension,
                       {"4", LeadThenZeros('2', 307), "2", "30", "60"},
                       Failure::FloatingPoint,
                       ""},
        CalculatorCase{"power_overflows_in_second_year",
                       kPension,
                       {"100", "1000", "3", "0", "1009"},
                       Failure::FloatingPoint,
                       "退休第1年需要生活费1.31666977651049E+308元，"
                       "平均每月1.09722481375874E+307元。\r\n"},
        // The sum has no check of its own; the division's check stops the year before its line.
        CalculatorCase{"total_overflow_caught_before_the_line",
                       kPension,
                       {"0", k1e307, "2", "30", "30"},
                       Failure::FloatingPoint,
                       "退休第1年需要生活费1.2E+308元，平均每月1E+307元。\r\n"}),
    RowName());

TEST(Pension, ZeroInflationTotalIsARunningSumWithItsNoise) {
  const Result got = CalculatePension({"0", "9631.54", "50", "30", "60"});
  ASSERT_EQ(got.failure, Failure::None);
  ASSERT_TRUE(got.text);
  EXPECT_TRUE(
      got.text->starts_with("总计需要养老金：5778924.00000001元。\r\n"
                            "退休第1年需要生活费115578.48元，平均每月9631.54元。\r\n"));
  EXPECT_TRUE(got.text->ends_with("退休第50年需要生活费115578.48元，平均每月9631.54元。\r\n"));
}

TEST(Pension, CounterOverflowsAfterTheLastOfAll32767Years) {
  const Result got = CalculatePension({"0", "1", "32767", "0", "0"});
  EXPECT_EQ(got.failure, Failure::Overflow);
  ASSERT_TRUE(got.text);
  EXPECT_TRUE(got.text->starts_with("退休第1年需要生活费12元，平均每月1元。\r\n"));
  EXPECT_TRUE(got.text->ends_with("退休第32767年需要生活费12元，平均每月1元。\r\n"));
  EXPECT_EQ(got.LineCount(), std::size_t{32767});
  EXPECT_TRUE(got.Summary().empty());
  ExpectFiguresMatchText(got);
}

}  // namespace
}  // namespace belvik
