// Where a chart's parts fall on a surface of some size, toolkit-free: the plot's rectangle with
// room for the tick labels, legend and titles; the scales with their labels; each curve reduced
// to the pixel columns it covers and broken where it has no figure; the year under a pointer;
// where the result's mark gets its label. A front-end measures its text and draws.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "belvik/chart_axis.h"
#include "belvik/chart_series.h"
#include "belvik/rgb.h"

namespace belvik {

struct ChartPoint {
  double x = 0;
  double y = 0;
};

struct ChartBox {
  double left = 0;
  double top = 0;
  double width = 0;
  double height = 0;

  double right() const { return left + width; }
  double bottom() const { return top + height; }
  bool Contains(ChartPoint p) const {
    return p.x >= left && p.x <= right() && p.y >= top && p.y <= bottom();
  }
};

// How a chart is drawn, in pixels: the same on every front-end.
namespace chart_style {

inline constexpr double kGap = 6;              // between a label and what it labels
inline constexpr double kSwatch = 22;          // a legend entry's line
inline constexpr double kPixelsPerYTick = 48;  // at least, so the labels never touch
inline constexpr double kPixelsPerXTick = 90;  // room for a label like 1.5万 and a gap
inline constexpr double kMarkRadius = 4.5;
inline constexpr double kCurveWidth = 2;

// One colour per series, in the chart's order; the second stands out against the first.
inline constexpr Rgb kSeriesColours[] = {{0x1f, 0x6f, 0xc5}, {0xe0, 0x6c, 0x00}};
inline constexpr Rgb kGrid{0xe4, 0xe4, 0xe4};
inline constexpr Rgb kFrame{0x90, 0x90, 0x90};
inline constexpr Rgb kChosen{0x60, 0x60, 0x60};

constexpr Rgb ColourOf(std::size_t series) {
  return kSeriesColours[series % (sizeof kSeriesColours / sizeof kSeriesColours[0])];
}

}  // namespace chart_style

// What the layout needs of a front-end: the surface's size and its font's line height and text
// widths, in pixels.
struct ChartSurface {
  double width = 0;
  double height = 0;
  double lineHeight = 0;
  std::function<double(std::string_view)> textWidth;
};

struct ChartScale {
  ChartAxis axis;
  std::vector<std::string> labels;  // one per tick, in Chinese number units
};

class ChartLayout {
 public:
  ChartLayout(const Chart& chart, bool logarithmic, const ChartSurface& surface);

  const ChartBox& plot() const { return plot_; }
  const ChartScale& x() const { return x_; }
  const ChartScale& left() const { return left_; }
  const std::optional<ChartScale>& right() const { return right_; }

  // The pixel `across` of the plot's width and `up` of its height from its bottom left.
  ChartPoint At(double across, double up) const;
  // Where point `k` of `series` lies; none where it has no figure or the scale cannot place it.
  std::optional<ChartPoint> PointOf(std::size_t series, std::size_t k) const;
  // Point `k`'s year across the plot, at the plot's middle height.
  ChartPoint YearAt(std::size_t k) const { return At(across_[k], 0.5); }
  // The scale `series` is drawn against.
  const ChartAxis& AxisOf(std::size_t series) const;

  // Per series, its strokes: the points to draw, broken where a figure is missing. A stroke of
  // one point is a figure between two gaps.
  const std::vector<std::vector<std::vector<ChartPoint>>>& strokes() const { return strokes_; }

  // The point whose year lies nearest under `pixel`; none outside the plot.
  std::optional<std::size_t> PointUnder(ChartPoint pixel) const;

  // Where a label of `size` beside the result's mark on `series` goes: right of the mark, or
  // left of it near the plot's right edge; below it when the curve on that side comes down to
  // it, so the words keep off the curve.
  ChartBox AnswerLabel(std::size_t series, ChartPoint mark, double labelWidth,
                       double labelHeight) const;

 private:
  const Chart& chart_;
  ChartBox plot_;
  ChartScale x_;
  ChartScale left_;
  std::optional<ChartScale> right_;
  std::vector<double> across_;  // each point's year as a fraction of the plot's width
  std::vector<std::vector<std::vector<ChartPoint>>> strokes_;
};

}  // namespace belvik
