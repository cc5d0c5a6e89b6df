// The targets a pension result offers to the search for a monthly amount.
#pragma once

#include <optional>
#include <string_view>

#include "belvik/goal_answer.h"
#include "belvik/result.h"

namespace belvik {

// The pension result's total as its summary prints it; none when no year ran, the run stopped
// or the result is another calculator's.
std::optional<double> PensionTotal(const Result& pension);

// Retirement age minus current age, as the pension result read them.
double YearsToRetirement(const Result& pension);

// Every retirement year's need brought back to the day of retirement at `returnPercent` a year,
// each due at the start of its year (need n by n - 1 years, with PresentValue), summed in year
// order. The text is read as a rate box's.
GoalTarget DiscountedPensionTotal(const Result& pension, std::string_view returnPercent);

}  // namespace belvik
