// The engine's power on cases that are hard to round or sit on IEEE 754 pow's special cases.
// Expected values come from exact_power.py (exact rational arithmetic or mpmath).
#include "belvik/power.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

#include "row_name.h"

namespace belvik {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct PowerCase {
  const char* name;
  double x;
  double y;
  double expected;
};

class PowerTest : public testing::TestWithParam<PowerCase> {};

// Bit for bit, so that the sign of zero counts; any NaN stands for NaN.
void ExpectSameDouble(double got, double expected) {
  if (std::isnan(expected)) {
    EXPECT_TRUE(std::isnan(got)) << got;
  } else {
    EXPECT_EQ(std::bit_cast<std::uint64_t>(got), std::bit_cast<std::uint64_t>(expected))
        << std::hexfloat << got << " instead of " << expected;
  }
}

TEST_P(PowerTest, IsTheNearestDouble) {
  const PowerCase& c = GetParam();
  ExpectSameDouble(Power(c.x, c.y), c.expected);
}

// The exact and wide paths on their own: Power reaches them for these rows or almost never.
TEST_P(PowerTest, IsTheNearestDoubleWithoutTheFastPath) {
  const PowerCase& c = GetParam();
  ExpectSameDouble(power::PowerWithoutFastPath(c.x, c.y), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Power, PowerTest,
    testing::Values(
        // Exactly halfway between two doubles: ties go to the even one.
        PowerCase{"halfway_one_and_a_half_to_34", 1.5, 34, 0x1.d9fe779881944p+19},
        PowerCase{"halfway_five_quarters_to_23", 1.25, 23, 0x1.52d02c7e14af6p+7},
        PowerCase{"halfway_nine_eighths_to_17", 1.125, 17, 0x1.d9fe779881944p+2},
        PowerCase{"halfway_seventeen_sixteenths_to_13", 1.0625, 13, 0x1.19814a3a69768p+1},
        PowerCase{"exact_one_and_a_half_to_5", 1.5, 5, 7.59375},
        PowerCase{"one_point_one_squared", 1.1, 2, 0x1.35c28f5c28f5dp+0},
        // Typed rates whose powers lie within 2^-77 of a halfway point: the closest of the 31
        // million schedule years of rates 0.01 % to 50 % in steps of 0.01 %.
        PowerCase{"near_halfway_rate_4_99_for_8464_years", 1 + 4.99 / 100, 8464,
                  0x1.87562c5bed1bdp+594},
        PowerCase{"near_halfway_rate_2_46_for_17863_years", 1 + 2.46 / 100, 17863,
                  0x1.39375a36647e5p+626},
        PowerCase{"near_halfway_rate_2_for_14534_years", 1 + 2.0 / 100, 14534,
                  0x1.2b02fd6ee33efp+415},
        PowerCase{"near_halfway_rate_18_02_for_69_years", 1 + 18.02 / 100, 69,
                  0x1.6853c8be88e42p+16},
        PowerCase{"near_halfway_rate_49_4_for_1725_years", 1 + 49.4 / 100, 1725,
                  0x1.0fada4fba6659p+999},
        // Where platforms' pow functions printed different figures.
        PowerCase{"rate_1_for_3_years", 1 + 1.0 / 100, 3, 0x1.07c1ce6c093dap+0},
        PowerCase{"rate_1000_for_57_years", 1 + 1000.0 / 100, 57, 0x1.238cf137db8e4p+197},
        // The ends of the schedules' range.
        PowerCase{"rate_0_01_for_32767_years", 1 + 0.01 / 100, 32767, 0x1.a7bdf70223a25p+4},
        PowerCase{"rate_4_for_18097_years_largest", 1 + 4.0 / 100, 18097, 0x1.fd3563d54a648p+1023},
        PowerCase{"rate_4_for_18098_years_overflows", 1 + 4.0 / 100, 18098, kInf},
        PowerCase{"rate_4_for_minus_18097_years", 1 + 4.0 / 100, -18097, 0x0.4059d0e105a2ep-1022},
        PowerCase{"rate_minus_10_for_7000_years_subnormal", 1 - 10.0 / 100, 7000,
                  0x0.00000000003f1p-1022},
        PowerCase{"half_to_1074_least_subnormal", 0.5, 1074, 0x0.0000000000001p-1022},
        PowerCase{"half_to_1075_halfway_to_zero", 0.5, 1075, 0},
        // Fractional years, and exponents far beyond any schedule.
        PowerCase{"rate_4_for_2_5_years", 1.04, 2.5, 0x1.1a5f8322682ccp+0},
        PowerCase{"exact_square_root_power", 2.25, 2.5, 7.59375},
        PowerCase{"inexact_square_root", 1.21, 0.5, 1.1},
        PowerCase{"nearest_above_one_to_2_60", 1 + 0x1p-52, 0x1p60, 0x1.41c7a8814be19p+369},
        PowerCase{"tiny_exponent_rounds_to_one", 10, 0x1p-70, 1},
        // Signs, zeros, infinities and NaN as IEEE 754 pow has them.
        PowerCase{"negative_base_odd_power", -2, 3, -8},
        PowerCase{"negative_base_negative_odd_power", -1.5, -3, -0x1.2f684bda12f68p-2},
        PowerCase{"negative_base_even_power", -1.5, 34, 0x1.d9fe779881944p+19},
        PowerCase{"negative_half_underflows_to_minus_zero", -0.5, 1077, -0.0},
        PowerCase{"minus_one_to_huge_even", -1, 0x1p60, 1},
        PowerCase{"minus_zero_to_minus_three", -0.0, -3, -kInf},
        PowerCase{"zero_to_minus_two", 0, -2, kInf},
        PowerCase{"minus_zero_to_three", -0.0, 3, -0.0},
        PowerCase{"negative_base_fraction_invalid", -3, 0.5, kNaN},
        PowerCase{"one_to_nan", 1, kNaN, 1}, PowerCase{"nan_to_zero", kNaN, 0, 1},
        PowerCase{"minus_one_to_infinity", -1, kInf, 1},
        PowerCase{"half_to_minus_infinity", 0.5, -kInf, kInf},
        PowerCase{"minus_infinity_to_minus_three", -kInf, -3, -0.0}),
    RowName());

// One base to a run of exponents one apart, as a schedule asks for them: every power but the
// first is stepped from the last one.
struct RunCase {
  const char* name;
  double x;
  double from;
  double to;  // inclusive; below `from` for a run downwards
};

class SteppedPowerTest : public testing::TestWithParam<RunCase> {};

TEST_P(SteppedPowerTest, IsThePowerTheExactAndWidePathsGive) {
  const RunCase& c = GetParam();
  const double step = c.to > c.from ? 1 : -1;
  for (double y = c.from; y != c.to + step; y += step) {
    SCOPED_TRACE(y);
    ExpectSameDouble(Power(c.x, y), power::PowerWithoutFastPath(c.x, y));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Power, SteppedPowerTest,
    testing::Values(RunCase{"up_into_overflow", 1 + 4.0 / 100, 18090, 18100},
                    RunCase{"down_out_of_overflow", 1 + 4.0 / 100, 18100, 18090},
                    RunCase{"down_through_subnormals_to_zero", 1 + 4.0 / 100, -18970, -19010},
                    RunCase{"up_through_subnormals_to_zero", 1 - 10.0 / 100, 6990, 7090},
                    RunCase{"past_a_power_near_halfway", 1 + 4.99 / 100, 8454, 8474},
                    RunCase{"past_a_power_halfway", 1.5, 30, 38},
                    RunCase{"schedule_down_from_32767", 1 + 1.0 / 100, 32767, 32700},
                    RunCase{"typed_fraction_of_a_year", 1 + 7.0 / 100, 0.5, 40.5},
                    RunCase{"negative_base", -1.25, 1, 30}),
    RowName());

}  // namespace
}  // namespace belvik
