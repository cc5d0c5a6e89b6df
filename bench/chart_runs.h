// The charts both windows' chart benchmarks paint: each calculator's longest schedule, 32767
// years (the present value sampled over a billion years).
#pragma once

#include <string>
#include <vector>

#include "belvik/calculators.h"

struct ChartRun {
  const char* name;
  belvik::Calculator calculator;
  std::vector<std::string> texts;
};

// Returns of 2 % span hundreds of decades over 32767 years, so the log scale has work to do.
inline const std::vector<ChartRun> kChartRuns = {
    {"investment", belvik::Calculator::Investment, {"300", "0", "2", "32767"}},
    {"pension", belvik::Calculator::Pension, {"2", "1000", "32767", "60", "60"}},
    {"present_value", belvik::Calculator::PresentValue, {"0", "10000", "1e9"}},
    {"lump_sum", belvik::Calculator::LumpSum, {"10000", "2", "32767"}},
};
