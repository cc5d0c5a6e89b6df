#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "belvik/number_reading.h"
#include "belvik/number_writing.h"
#include "belvik/rounding.h"
#include "row_name.h"

namespace belvik {
namespace {

struct TextCase {
  const char* name;
  std::string text;
  double value;
};

class NumberFromTextTest : public testing::TestWithParam<TextCase> {};

TEST_P(NumberFromTextTest, ReadsLeadingNumber) {
  const Checked<double> got = NumberFromText(GetParam().text);
  ASSERT_TRUE(got.ok());
  EXPECT_EQ(got.value, GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Conversions, NumberFromTextTest,
    testing::Values(
        TextCase{"empty", "", 0}, TextCase{"lone_point", ".", 0},
        TextCase{"trailing_point", "5.", 5}, TextCase{"leading_point", ".5", 0.5},
        TextCase{"second_point_stops", "1.2.3", 1.2}, TextCase{"letters_stop", "12abc", 12},
        TextCase{"blank_between_digits", "1 000", 1000},
        TextCase{"tab_and_line_feed_skipped", "\t1\n2 .\t5", 12.5},
        TextCase{"comma_stops", "1,5", 1}, TextCase{"minus", "-3", -3}, TextCase{"plus", "+7", 7},
        TextCase{"blank_after_sign", "- 3", -3}, TextCase{"double_sign", "--3", 0},
        TextCase{"exponent_form", "1E+15", 1e15},
        TextCase{"small_exponent_form", "1.5E-05", 1.5e-05}, TextCase{"d_exponent", "2d3", 2000},
        TextCase{"lower_e", "2e-1", 0.2}, TextCase{"letter_without_exponent_digits", "7e", 7},
        TextCase{"exponent_sign_only", "7E+", 7},
        TextCase{"radix_prefix_is_not_a_number", "&H10", 0},
        TextCase{"octal_prefix_is_not_a_number", "&O17", 0},
        TextCase{"carriage_return_stops", "1\r2", 1},
        TextCase{"full_width_digit_stops", "1\xEF\xBC\x92", 1},
        TextCase{"nan_reads_zero", "nan", 0}, TextCase{"inf_reads_zero", "inf", 0},
        TextCase{"underflow_is_zero", "1e-999", 0},
        TextCase{"smallest_subnormal", "4.9406564584124654e-324",
                 std::numeric_limits<double>::denorm_min()},
        TextCase{"largest_double", "1.7976931348623157e308", std::numeric_limits<double>::max()},
        TextCase{"leading_zeros", "000123.4500", 123.45},
        // Up to 15 digits and 10^22 one exact operation gives the nearest double;
        // past either border the reading must still round once, not twice.
        TextCase{"fifteen_digits", "123456789012.345", 123456789012.345},
        TextCase{"fifteen_decimals", "0.123456789012345", 0.123456789012345},
        TextCase{"fifteen_places_mostly_zeros", "0.000000000000005", 5e-15},
        TextCase{"largest_exact_power", "1e22", 1e22},
        TextCase{"first_inexact_power", "1e23", 1e23}, TextCase{"tiny_fraction", "1e-22", 1e-22},
        TextCase{"beyond_53_bits", "9007199254740993", 9007199254740992.0},
        TextCase{"sixteen_digit_fraction", "0.1000000000000001", 0.1000000000000001},
        TextCase{"zero_mantissa_huge_exponent", "0e99999", 0},
        TextCase{"long_digit_run", std::string(400, '0') + "1." + std::string(300, '9'), 2}),
    RowName());

TEST(NumberFromText, NegativeZeroKeepsItsSign) {
  const Checked<double> got = NumberFromText("-0");
  ASSERT_TRUE(got.ok());
  EXPECT_TRUE(std::signbit(got.value));
}

TEST(NumberFromText, BeyondDoubleRangeIsFloatingPointError) {
  for (const char* text : {"1e999", "-1e309", "1.8e308", "1e99999999999999999999999999"}) {
    EXPECT_EQ(NumberFromText(text).failure, Failure::FloatingPoint) << text;
  }
  EXPECT_EQ(NumberFromText(std::string(309, '9')).failure, Failure::FloatingPoint);
}

struct StrictCase {
  const char* name;
  const char* text;
  double value;
  Failure failure;
};

class StrictNumberTest : public testing::TestWithParam<StrictCase> {};

TEST_P(StrictNumberTest, AcceptsOnlyOnePlainNumber) {
  const Checked<double> got = StrictNumberFromText(GetParam().text);
  EXPECT_EQ(got.failure, GetParam().failure);
  if (got.ok()) {
    EXPECT_EQ(got.value, GetParam().value);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Conversions, StrictNumberTest,
    testing::Values(StrictCase{"digits", "5", 5, Failure::None},
                    StrictCase{"trailing_point", "5.", 5, Failure::None},
                    StrictCase{"leading_point", ".5", 0.5, Failure::None},
                    StrictCase{"blanks_around", " \t12.25 \t", 12.25, Failure::None},
                    StrictCase{"signs", "-3.5", -3.5, Failure::None},
                    StrictCase{"plus", "+3", 3, Failure::None},
                    StrictCase{"tiny_underflows_to_zero",
                               "0.0000000000000000000000000000000000000000000000000"
                               "00000000000000000000000000000000000000000000000000"
                               "00000000000000000000000000000000000000000000000000"
                               "00000000000000000000000000000000000000000000000000"
                               "00000000000000000000000000000000000000000000000000"
                               "00000000000000000000000000000000000000000000000000"
                               "00000000000000000000000000000000000000000000000000"
                               "1",
                               0, Failure::None},
                    StrictCase{"lone_point", ".", 0, Failure::TypeMismatch},
                    StrictCase{"empty_after_trim", "  ", 0, Failure::TypeMismatch},
                    StrictCase{"group_separator", "1,000", 0, Failure::TypeMismatch},
                    StrictCase{"exponent", "1e5", 0, Failure::TypeMismatch},
                    StrictCase{"currency",
                               "\xC2\xA5"
                               "5",
                               0, Failure::TypeMismatch},
                    StrictCase{"full_width_digit", "\xEF\xBC\x95", 0, Failure::TypeMismatch},
                    StrictCase{"nan", "nan", 0, Failure::TypeMismatch},
                    StrictCase{"inf", "inf", 0, Failure::TypeMismatch},
                    StrictCase{"blank_inside", "1 000", 0, Failure::TypeMismatch},
                    StrictCase{"two_points", "1.2.3", 0, Failure::TypeMismatch},
                    StrictCase{"sign_then_blank", "- 5", 0, Failure::TypeMismatch},
                    StrictCase{"line_feed_is_not_a_blank", "5\n", 0, Failure::TypeMismatch},
                    StrictCase{"radix_prefix", "&H10", 0, Failure::TypeMismatch},
                    StrictCase{"beyond_double_range",
                               "2"
                               "00000000000000000000000000000000000000000000000000"
                               "00000000000000000000000000000000000000000000000000"
                               "00000000000000000000000000000000000000000000000000"
                               "00000000000000000000000000000000000000000000000000"
                               "00000000000000000000000000000000000000000000000000"
                               "00000000000000000000000000000000000000000000000000"
                               "00000000",
                               0, Failure::Overflow}),
    RowName());

struct Int16Case {
  const char* name;
  const char* text;
  int value;
  Failure failure;
};

class StrictInt16Test : public testing::TestWithParam<Int16Case> {};

TEST_P(StrictInt16Test, RoundsHalfToEvenWithinSixteenBits) {
  const Checked<std::int16_t> got = StrictInt16FromText(GetParam().text);
  EXPECT_EQ(got.failure, GetParam().failure);
  if (got.ok()) {
    EXPECT_EQ(got.value, GetParam().value);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Conversions, StrictInt16Test,
    testing::Values(Int16Case{"leading_zeros", "0060", 60, Failure::None},
                    Int16Case{"largest", "32767", 32767, Failure::None},
                    Int16Case{"smallest", "-32768", -32768, Failure::None},
                    Int16Case{"one_above", "32768", 0, Failure::Overflow},
                    Int16Case{"one_below", "-32769", 0, Failure::Overflow},
                    Int16Case{"forty_thousand", "40000", 0, Failure::Overflow},
                    Int16Case{"half_down_to_even", "2.5", 2, Failure::None},
                    Int16Case{"half_up_to_even", "3.5", 4, Failure::None},
                    Int16Case{"rounds_into_overflow", "32767.5", 0, Failure::Overflow},
                    Int16Case{"rounds_back_into_range", "-32768.5", -32768, Failure::None},
                    Int16Case{"exponent_is_mismatch", "1e400", 0, Failure::TypeMismatch},
                    Int16Case{"lone_point", ".", 0, Failure::TypeMismatch}),
    RowName());

struct RoundCase {
  const char* name;
  double x;
  double rounded;
};

class RoundToTest : public testing::TestWithParam<RoundCase> {};

TEST_P(RoundToTest, DecidesOnTheExactBinaryValue) {
  EXPECT_EQ(RoundTo(GetParam().x, 4), GetParam().rounded);
}

INSTANTIATE_TEST_SUITE_P(
    Rounding, RoundToTest,
    testing::Values(RoundCase{"tie_to_even_down", 22.78125, 22.7812},
                    RoundCase{"tie_to_even_up", 7.59375, 7.5938},
                    // The double nearest 0.00005 lies a hair above half-way.
                    RoundCase{"decimal_half_above_binary_half", 0.00005, 0.0001},
                    RoundCase{"negative_tie_symmetric", -22.78125, -22.7812},
                    RoundCase{"large_value_untouched", 1234567890123.4567, 1234567890123.4567},
                    // x * 1e4 in doubles would move this value by an ulp.
                    RoundCase{"beyond_nine_e11", 987654321098.7654, 987654321098.7654},
                    RoundCase{"huge_whole_number", 1e300, 1e300},
                    RoundCase{"already_four_places", 4718.8656, 4718.8656},
                    RoundCase{"growth_of_contribution", 4410.1548 * 1.07, 4718.8656},
                    // x * 1e4 comes out as exactly 3.5 and 2.5; the exact products lie below
                    // and above half-way, which is what decides.
                    RoundCase{"scaled_tie_hides_value_below", 0.00035, 0.0003},
                    RoundCase{"scaled_tie_hides_value_above", 0.00025, 0.0003},
                    RoundCase{"negative_rounds_to_negative_zero", -0.00004, -0.0},
                    // Past 2^52 ten-thousandths the rounding goes through text again.
                    RoundCase{"largest_scaled_value", 450359962737.04955, 450359962737.0496},
                    RoundCase{"first_value_by_text", 450359962737.0497, 450359962737.0497},
                    // From 2^52 on every double is whole and stays as it is; just below, halves.
                    RoundCase{"last_half_by_text", 0x1p52 - 0.5, 0x1p52 - 0.5},
                    RoundCase{"negative_whole_beyond_text", -0x1p60, -0x1p60}),
    RowName());

struct FormCase {
  const char* name;
  double x;
  const char* str;
  const char* plain;
};

class FormsTest : public testing::TestWithParam<FormCase> {};

TEST_P(FormsTest, WritesFifteenSignificantDigits) {
  EXPECT_EQ(StrForm(GetParam().x), GetParam().str);
  EXPECT_EQ(PlainForm(GetParam().x), GetParam().plain);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, FormsTest,
    testing::Values(
        FormCase{"whole", 12100, "12100", "12100"}, FormCase{"fraction", 3.5, "3.5", "3.5"},
        FormCase{"below_one", 0.5, ".5", "0.5"},
        FormCase{"negative_below_one", -0.5, "-.5", "-0.5"},
        FormCase{"smallest_plain", 0.0001, ".0001", "0.0001"},
        FormCase{"below_plain_range", 0.00001, "1E-05", "1E-05"},
        FormCase{"fifteen_digits", 123456789012345, "123456789012345", "123456789012345"},
        FormCase{"sixteen_digits", 1234567890123456, "1.23456789012346E+15",
                 "1.23456789012346E+15"},
        FormCase{"gain_noise_hidden", 5543.5894 - 5000, "543.5894", "543.5894"},
        FormCase{"sum_noise_hidden", 0.1 + 0.2, ".3", "0.3"}, FormCase{"zero", 0, "0", "0"},
        FormCase{"negative_zero", -0.0, "0", "0"},
        FormCase{"exponent_one_digit_padded", 1e15, "1E+15", "1E+15"},
        FormCase{"exponent_three_digits", 1.5e300, "1.5E+300", "1.5E+300"},
        FormCase{"negative_exponent_form", -1.00000000000655e-05, "-1.00000000000655E-05",
                 "-1.00000000000655E-05"},
        FormCase{"trailing_zeros_padded", 1e14, "100000000000000", "100000000000000"},
        FormCase{"rounds_up_to_next_power", 999999999999999.9, "1E+15", "1E+15"},
        FormCase{"rounds_up_to_three_exponent_digits", 9.999999999999999e99, "1E+100", "1E+100"},
        FormCase{"rounds_up_into_first_digit", 1.9999999999999998e20, "2E+20", "2E+20"},
        FormCase{"rounds_before_exponent", 1.2345678901234567e200, "1.23456789012346E+200",
                 "1.23456789012346E+200"},
        // Exactly representable ties at the 16th significant digit go even.
        FormCase{"tie_at_sixteenth_digit_down", 100000000000000.5, "100000000000000",
                 "100000000000000"},
        FormCase{"tie_at_sixteenth_digit_up", 100000000000001.5, "100000000000002",
                 "100000000000002"},
        // Shortest texts ending in a lone 5 whose exact values lie below and above it.
        FormCase{"shortest_five_exact_below", 1.000000000000145, "1.00000000000014",
                 "1.00000000000014"},
        FormCase{"shortest_five_exact_above", 1.000000000000005, "1.00000000000001",
                 "1.00000000000001"},
        // The largest value written straight from its ten-thousandths, and the
        // first one past it, whose 16th digit must be rounded away.
        FormCase{"fifteen_digits_with_four_places", 99999999999.9999, "99999999999.9999",
                 "99999999999.9999"},
        FormCase{"sixteen_digits_with_four_places", 100000000000.0001, "100000000000",
                 "100000000000"},
        FormCase{"below_ten_thousandths", 0.00015, ".00015", "0.00015"},
        // Subnormals hold fewer digits than a shortest form suggests.
        FormCase{"smallest_subnormal", std::numeric_limits<double>::denorm_min(),
                 "4.94065645841247E-324", "4.94065645841247E-324"},
        // Never written by a calculator; they used to come out as fragments ("if", "na").
        FormCase{"infinity", std::numeric_limits<double>::infinity(), "inf", "inf"},
        FormCase{"negative_infinity", -std::numeric_limits<double>::infinity(), "-inf", "-inf"},
        FormCase{"not_a_number", std::numeric_limits<double>::quiet_NaN(), "nan", "nan"}),
    RowName());

}  // namespace
}  // namespace belvik
