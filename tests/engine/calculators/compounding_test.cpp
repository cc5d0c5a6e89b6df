#include "belvik/compounding.h"

#include <gtest/gtest.h>

#include <string>

#include "row_name.h"

namespace belvik {
namespace {

struct CompoundCase {
  const char* name;
  double amount;
  double rate;
  double years;
  double value;
};

class FutureValueTest : public testing::TestWithParam<CompoundCase> {};

TEST_P(FutureValueTest, GrowsAndRoundsToFourPlaces) {
  const auto& c = GetParam();
  const Checked<double> got = FutureValue(c.amount, c.rate, c.years);
  ASSERT_TRUE(got.ok());
  EXPECT_EQ(got.value, c.value);
}

INSTANTIATE_TEST_SUITE_P(
    Compounding, FutureValueTest,
    testing::Values(CompoundCase{"two_years", 10000, 0.1, 2, 12100},
                    CompoundCase{"one_year", 10000, 0.1, 1, 11000},
                    CompoundCase{"tie_goes_even", 3, 0.5, 5, 22.7812},
                    CompoundCase{"zero_years_rounds_amount", 1.00001, 0.1, 0, 1},
                    CompoundCase{"zero_rate_rounds_amount", 123.45678, 0, 30, 123.4568},
                    CompoundCase{"zero_amount", 0, 0.1, 10, 0},
                    CompoundCase{"underflow_accepted", 1, -0.99, 200, 0}),
    RowName());

class PresentValueTest : public testing::TestWithParam<CompoundCase> {};

TEST_P(PresentValueTest, DiscountsAndRoundsToFourPlaces) {
  const auto& c = GetParam();
  const Checked<double> got = PresentValue(c.amount, c.rate, c.years);
  ASSERT_TRUE(got.ok());
  EXPECT_EQ(got.value, c.value);
}

INSTANTIATE_TEST_SUITE_P(Compounding, PresentValueTest,
                         testing::Values(CompoundCase{"ten_years", 10000, 0.04, 10, 6755.6417},
                                         CompoundCase{"one_year", 100, 0.04, 1, 96.1538},
                                         CompoundCase{"zero_years", 0.5, 0.04, 0, 0.5},
                                         CompoundCase{"zero_rate", 10000, 0, 30, 10000},
                                         CompoundCase{"factor_underflows_to_tiny", 10000, 0.04,
                                                      18097, 0}),
                         RowName());

struct FaultCase {
  const char* name;
  double amount;
  double rate;
  double years;
};

class CompoundingFaultTest : public testing::TestWithParam<FaultCase> {};

TEST_P(CompoundingFaultTest, StopsWithFloatingPointError) {
  const auto& c = GetParam();
  EXPECT_EQ(FutureValue(c.amount, c.rate, c.years).failure, Failure::FloatingPoint);
  EXPECT_EQ(PresentValue(c.amount, c.rate, c.years).failure, Failure::FloatingPoint);
}

INSTANTIATE_TEST_SUITE_P(Compounding, CompoundingFaultTest,
                         testing::Values(FaultCase{"zero_to_negative_power", 1, -1, -1},
                                         FaultCase{"negative_base_fractional_power", 1, -3, 0.5},
                                         FaultCase{"power_overflows", 1, 0.04, 18098}),
                         RowName());

TEST(CompoundingFault, ProductOverflowWithFiniteGrowth) {
  EXPECT_EQ(FutureValue(1e308, 1, 1).failure, Failure::FloatingPoint);
}

TEST(CompoundingFault, DiscountOfVanishedGrowthIsDivisionByZero) {
  // (1.04)^-20000 underflows to 0, and 1 / 0 is a division by zero.
  EXPECT_EQ(PresentValue(1, 0.04, -20000).failure, Failure::FloatingPoint);
}

}  // namespace
}  // namespace belvik
