// The four calculators, one per pane. Each takes its input texts and returns the result: the
// result box's new text, the numbers behind every line of it, and what stopped the run.
// Nothing here keeps state between calls.
#pragma once

#include "belvik/calculate.h"
#include "belvik/calculator_description.h"
#include "belvik/investment.h"
#include "belvik/lump_sum.h"
#include "belvik/pension.h"
#include "belvik/present_value.h"
#include "belvik/result.h"
