// The four calculators, one per pane. Each takes its input texts and returns the result: the
// result box's new text, the numbers behind every line of it, and what stopped the run. Then
// the periodic investment run backwards, from a target (a pension result's, for one) to the
// monthly amount that reaches it. Nothing here keeps state between calls.
#pragma once

#include "belvik/calculate.h"
#include "belvik/calculator_description.h"
#include "belvik/investment.h"
#include "belvik/lump_sum.h"
#include "belvik/monthly_goal.h"
#include "belvik/pension.h"
#include "belvik/pension_target.h"
#include "belvik/present_value.h"
#include "belvik/result.h"
