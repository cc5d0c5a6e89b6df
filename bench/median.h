// The middle of a benchmark's repeated timings, which one slow run (a page fault, the other
// core's work) cannot move.
#pragma once

#include <algorithm>
#include <vector>

inline double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}
