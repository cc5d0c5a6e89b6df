// A long curve on few pixels: of the points falling into one pixel column, only those that
// shape the column's stroke are drawn, so a schedule of 32767 years costs no more to paint than
// the width of the chart, and no spike between two kept points disappears.
#pragma once

#include <cstddef>
#include <span>
#include <vector>

namespace belvik {

// The points to draw of a curve whose points lie at `across` (ascending) and `up`, both as
// fractions of the plot (NaN up: no point, the curve breaks), on `columns` pixel columns. Of
// each column it keeps the first and the last point, the lowest and the highest and the first
// break, in their order; a column's own points, or the whole curve, when there are fewer. O(n).
std::vector<std::size_t> PointsToDraw(std::span<const double> across, std::span<const double> up,
                                      std::size_t columns);

}  // namespace belvik
