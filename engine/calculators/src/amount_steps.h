// The monthly amounts the search for a target tries, in increasing order: every whole fen that
// the result box's number form writes exactly, 0.01 to 9999999999999.99, then on up to the
// largest double the amounts of 15 significant digits (above 10^13 yuan a double no longer tells
// each fen apart, and the number form writes no more digits), the last 1.79769313486231E+308.
// Each amount is the double its own text reads as, so an amount written into a box and read
// back is the amount that was searched.
#pragma once

#include <cstdint>

namespace belvik::amount_steps {

using Step = std::uint64_t;

// Step 0 is no amount at all; steps below kFenSteps are step / 100 yuan.
inline constexpr Step kFenSteps = 1'000'000'000'000'000;
// Each decade from 10^13 up holds the 15-digit significands 10^14 to 10^15 - 1.
inline constexpr Step kFirstSignificand = 100'000'000'000'000;
inline constexpr Step kStepsPerDecade = 9 * kFirstSignificand;
inline constexpr int kFirstDecade = 13;
inline constexpr int kLastDecade = 308;
inline constexpr Step kLastSignificand = 179'769'313'486'231;
inline constexpr Step kLast = kFenSteps +
                              static_cast<Step>(kLastDecade - kFirstDecade) * kStepsPerDecade +
                              (kLastSignificand - kFirstSignificand);

// The amount of step `n` (0 to kLast) in yuan.
double AmountAt(Step n);

// A step near `amount`, from 1 to kLast: where a search can start.
Step StepNear(double amount);

}  // namespace belvik::amount_steps
