// The search for a monthly amount on the worked schedules and at the edges of what it answers,
// and the targets a pension result offers. Generated cases check every answer against the
// independent model (reference_check.py).
#include <gtest/gtest.h>

#include "belvik/calculators.h"
#include "row_name.h"

namespace belvik {
namespace {

struct GoalCase {
  const char* name;
  GoalTexts texts;  // target, years, increase, return
  GoalFailure failure;
  double monthly = 0;  // the answer, when there is one
};

class MonthlyGoalTest : public testing::TestWithParam<GoalCase> {};

TEST_P(MonthlyGoalTest, FindsTheAmountOrSaysWhyNot) {
  const GoalCase& c = GetParam();
  const GoalAnswer got = SeekMonthlyAmount(c.texts);
  EXPECT_EQ(got.failure, c.failure);
  EXPECT_LE(got.schedules, kMostSchedules);
  if (c.failure != GoalFailure::None) return;
  EXPECT_EQ(got.monthlyAmount, c.monthly);
  EXPECT_GE(got.value, got.target);
  EXPECT_LT(got.valueBelow, got.target);
}

// The targets are the summaries of the periodic-investment calculator's worked schedules, then
// the edges; the reference check runs thousands more against its model.
INSTANTIATE_TEST_SUITE_P(
    MonthlyGoal, MonthlyGoalTest,
    testing::Values(
        GoalCase{"rising_schedule_back_to_its_amount", {"27450.4915", "5", "7", "10"}, {}, 300},
        GoalCase{"level_schedule_back_to_its_amount", {"13107.6", "3", "0", "10"}, {}, 300},
        GoalCase{"half_yuan_a_month", {"6.6", "1", "0", "10"}, {}, 0.5},
        GoalCase{"fractional_years", {"8721.8943", "2.5", "0", "10"}, {}, 300},
        GoalCase{"smallest_target_first_fen", {"0.01", "1", "0", "0"}, {}, 0.01},
        GoalCase{"longest_schedule", {"393204", "32767", "0", "0"}, {}, 1},
        GoalCase{"empty_box", {"1000", "30", "", "10"}, GoalFailure::EmptyInput},
        GoalCase{"lone_point_target", {".", "30", "0", "10"}, GoalFailure::TargetNotPositive},
        GoalCase{"zero_years", {"1000", "0", "0", "10"}, GoalFailure::YearsOutOfRange},
        GoalCase{"beyond_longest", {"1000", "32768", "0", "10"}, GoalFailure::YearsOutOfRange},
        GoalCase{"return_loses_everything", {"1000", "10", "0", "-100"}, GoalFailure::Unreachable},
        GoalCase{"below_total_loss", {"1000", "10", "0", "-101"}, GoalFailure::RateBelowTotalLoss},
        GoalCase{
            "overflows_first", {"1.7976931348623157e308", "1", "0", "0"}, GoalFailure::Unreachable},
        GoalCase{"power_overflows", {"1E+300", "32767", "0", "10"}, GoalFailure::FloatingPoint}),
    RowName());

struct DiscountCase {
  const char* name;
  const char* returnPercent;
  GoalFailure failure;
  double target = 0;
};

class DiscountedPensionTest : public testing::TestWithParam<DiscountCase> {};

// The pension calculator's worked example: needs 28657.2551, 29516.9728 and 30402.482.
TEST_P(DiscountedPensionTest, BringsEachNeedBackToRetirement) {
  const DiscountCase& c = GetParam();
  const Result pension = CalculatePension({"3", "2000", "3", "50", "55"});
  EXPECT_EQ(PensionTotal(pension), 88576.7099);
  EXPECT_EQ(YearsToRetirement(pension), 5);
  const GoalTarget got = DiscountedPensionTotal(pension, c.returnPercent);
  EXPECT_EQ(got.failure, c.failure);
  EXPECT_EQ(got.value, c.target);
}

INSTANTIATE_TEST_SUITE_P(
    PensionTarget, DiscountedPensionTest,
    testing::Values(DiscountCase{"no_return_is_the_total", "0", {}, 88576.7099},
                    DiscountCase{"return_equal_to_inflation", "3", {}, 85971.7654},
                    DiscountCase{"empty_return", "", GoalFailure::EmptyInput},
                    DiscountCase{"return_loses_everything", "-100", GoalFailure::FloatingPoint},
                    DiscountCase{"return_below_total_loss", "-101",
                                 GoalFailure::RateBelowTotalLoss}),
    RowName());

TEST(PensionTarget, NoTotalWithoutAYearOrFromAnotherCalculator) {
  EXPECT_EQ(PensionTotal(CalculatePension({"3", "2000", "0", "50", "55"})), std::nullopt);
  EXPECT_EQ(PensionTotal(CalculateInvestment({"300", "0", "10", "3"})), std::nullopt);
}

}  // namespace
}  // namespace belvik
