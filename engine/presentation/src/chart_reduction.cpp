#include "belvik/chart_reduction.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace belvik {
namespace {

constexpr std::size_t kNone = std::numeric_limits<std::size_t>::max();

// The points of one pixel column that shape its stroke, collected as the column is walked.
class Column {
 public:
  void Take(std::size_t k, double up) {
    if (first_ == kNone) first_ = k;
    last_ = k;
    if (std::isnan(up)) {
      if (gap_ == kNone) gap_ = k;
      return;
    }
    if (lowest_ == kNone || up < low_) {
      lowest_ = k;
      low_ = up;
    }
    if (highest_ == kNone || up > high_) {
      highest_ = k;
      high_ = up;
    }
  }

  // Appends the kept points in curve order, each once, and starts the next column.
  void Flush(std::vector<std::size_t>& kept) {
    std::array<std::size_t, 5> points = {first_, lowest_, highest_, gap_, last_};
    std::sort(points.begin(), points.end());
    for (const std::size_t k : points) {
      if (k != kNone && (kept.empty() || kept.back() != k)) kept.push_back(k);
    }
    *this = Column();
  }

 private:
  std::size_t first_ = kNone;
  std::size_t last_ = kNone;
  std::size_t lowest_ = kNone;
  std::size_t highest_ = kNone;
  std::size_t gap_ = kNone;
  double low_ = 0;
  double high_ = 0;
};

}  // namespace

std::vector<std::size_t> PointsToDraw(std::span<const double> across, std::span<const double> up,
                                      std::size_t columns) {
  std::vector<std::size_t> kept;
  const std::size_t count = std::min(across.size(), up.size());
  if (count == 0 || columns == 0) return kept;
  kept.reserve(std::min(count, columns * 5));
  const double lastColumn = static_cast<double>(columns - 1);
  Column column;
  double current = -1;
  for (std::size_t k = 0; k < count; ++k) {
    // Points left or right of the plot fall into its edge columns; NaN across goes left.
    const double at = std::floor(across[k] * static_cast<double>(columns));
    const double index = std::isnan(at) ? 0 : std::clamp(at, 0.0, lastColumn);
    if (index != current) {
      column.Flush(kept);
      current = index;
    }
    column.Take(k, up[k]);
  }
  column.Flush(kept);
  return kept;
}

}  // namespace belvik
