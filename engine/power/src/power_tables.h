// The fast power's tables: short factors that bring a significand near 1 with their
// logarithms, and powers of two for the exponential, each as a double-double.
#pragma once

#include <array>
#include <cstdint>

#include "double_double.h"

namespace belvik::power {

// A factor numerator / 2^bits and −ln of it.
struct LogStep {
  std::uint32_t numerator;
  double factor;
  DoubleDouble minusLog;
};

// The significand's first seven bits pick the coarse step. From the bucket holding √2 on, the
// significand is halved, so it lies within [0.707, 1.415): an x just below 1 is not taken as
// 2^-1 × almost 2, whose logarithm would cancel almost all of ln 2 against ln 2. Buckets 0 and
// 127, on either side of 1, have the factor 1 for the same reason.
inline constexpr int kCoarseSteps = 128;
inline constexpr int kCoarseBits = 10;
inline constexpr int kFoldIndex = 53;
// z = significand × coarse − 1 lies within ±2^-7; round(z × 2^14) + kFineOffset picks the fine
// step, which leaves |z| below 2^-14.9.
inline constexpr int kFineSteps = 257;
inline constexpr int kFineBits = 24;
inline constexpr int kFineOffset = 128;
inline constexpr double kFineScale = 0x1p14;

struct PowerTables {
  std::array<LogStep, kCoarseSteps> coarse;
  std::array<LogStep, kFineSteps> fine;
  std::array<DoubleDouble, 128> exp2Coarse;  // 2^(i / 128)
  std::array<DoubleDouble, 128> exp2Fine;    // 2^(i / 16384)
};

// The tables from WideFixed arithmetic (about a millisecond and a half).
PowerTables BuildTables();

// Built on first use, then shared by every thread.
inline const PowerTables& Tables() {
  static const PowerTables tables = BuildTables();
  return tables;
}

}  // namespace belvik::power
