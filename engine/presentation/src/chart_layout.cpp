#include "belvik/chart_layout.h"

#include <algorithm>
#include <cmath>
#include <span>

#include "belvik/chart_reduction.h"

namespace belvik {
namespace {

using namespace chart_style;

ChartScale Labelled(ChartAxis axis) {
  ChartScale scale{std::move(axis), {}};
  for (const double tick : scale.axis.ticks()) scale.labels.push_back(ChineseUnits(tick));
  return scale;
}

ChartScale ScaleOf(const Chart& chart, bool rightAxis, bool logarithmic, int maxTicks) {
  std::vector<std::span<const double>> values;
  for (const ChartSeries& series : chart.series) {
    if (series.rightAxis == rightAxis) values.emplace_back(series.y);
  }
  return Labelled(ChartAxis(values, logarithmic, maxTicks));
}

double WidestOf(const ChartSurface& surface, const std::vector<std::string>& labels) {
  double widest = 0;
  for (const std::string& label : labels) widest = std::max(widest, surface.textWidth(label));
  return widest;
}

int TicksFor(double pixels, double pixelsPerTick) {
  return std::max(2, static_cast<int>(pixels / pixelsPerTick));
}

ChartScale YearScale(const Chart& chart, double width) {
  const std::span<const double> years[] = {chart.x};
  return Labelled(ChartAxis(years, false, TicksFor(width, kPixelsPerXTick)));
}

}  // namespace

ChartLayout::ChartLayout(const Chart& chart, bool logarithmic, const ChartSurface& surface)
    : chart_(chart),
      x_(YearScale(chart, surface.width)),
      left_(ScaleOf(chart, false, logarithmic,
                    TicksFor(surface.height - 4 * surface.lineHeight, kPixelsPerYTick))) {
  const double line = surface.lineHeight;
  if (std::any_of(chart.series.begin(), chart.series.end(),
                  [](const ChartSeries& series) { return series.rightAxis; })) {
    right_ =
        ScaleOf(chart, true, logarithmic, TicksFor(surface.height - 4 * line, kPixelsPerYTick));
  }
  // Room for the tick labels left and right, half the last year's label past the plot's end,
  // the legend and the unit above, the year labels and the axis title below. Whole pixels at
  // the sides, so the last year's pixel lies inside the plot.
  const double leftMargin = WidestOf(surface, left_.labels) + 2 * kGap;
  const double rightMargin = right_ ? WidestOf(surface, right_->labels) + 2 * kGap
                                    : std::floor(WidestOf(surface, x_.labels) / 2) + 2 * kGap;
  const double topMargin = 2.5 * line + 3 * kGap;
  const double bottomMargin = 2 * line + 2 * kGap;
  plot_ = {leftMargin, topMargin, surface.width - leftMargin - rightMargin,
           surface.height - topMargin - bottomMargin};

  across_.reserve(chart.x.size());
  for (const double year : chart.x) across_.push_back(x_.axis.Fraction(year));
  const auto columns = static_cast<std::size_t>(std::max(1.0, plot_.width));
  for (std::size_t s = 0; s < chart.series.size(); ++s) {
    const ChartAxis& axis = AxisOf(s);
    std::vector<double> up;
    up.reserve(chart.series[s].y.size());
    for (const double y : chart.series[s].y) up.push_back(axis.Fraction(y));
    std::vector<std::vector<ChartPoint>>& strokes = strokes_.emplace_back(1);
    for (const std::size_t k : PointsToDraw(across_, up, columns)) {
      if (std::isnan(up[k])) {
        if (!strokes.back().empty()) strokes.emplace_back();
        continue;
      }
      strokes.back().push_back(At(across_[k], up[k]));
    }
  }
}

ChartPoint ChartLayout::At(double across, double up) const {
  return {plot_.left + across * plot_.width, plot_.bottom() - up * plot_.height};
}

std::optional<ChartPoint> ChartLayout::PointOf(std::size_t series, std::size_t k) const {
  const double up = AxisOf(series).Fraction(chart_.series[series].y[k]);
  if (std::isnan(up)) return std::nullopt;
  return At(across_[k], up);
}

const ChartAxis& ChartLayout::AxisOf(std::size_t series) const {
  return chart_.series[series].rightAxis && right_ ? right_->axis : left_.axis;
}

std::optional<std::size_t> ChartLayout::PointUnder(ChartPoint pixel) const {
  if (chart_.x.empty() || !plot_.Contains(pixel)) return std::nullopt;
  return NearestPoint(chart_, x_.axis.ValueAt((pixel.x - plot_.left) / plot_.width));
}

ChartBox ChartLayout::AnswerLabel(std::size_t series, ChartPoint mark, double labelWidth,
                                  double labelHeight) const {
  const std::size_t k = *chart_.answer;
  const bool leftOfMark = mark.x + 2 * kMarkRadius + labelWidth > plot_.right();
  const std::size_t neighbour = leftOfMark ? (k == 0 ? k : k - 1) : k + 1;
  const bool below = neighbour != k && neighbour < across_.size() &&
                     AxisOf(series).Fraction(chart_.series[series].y[neighbour]) >
                         AxisOf(series).Fraction(chart_.series[series].y[k]);
  const double dx = leftOfMark ? -(2 * kMarkRadius + labelWidth) : 2 * kMarkRadius;
  const double dy = below ? kMarkRadius : -(kMarkRadius + labelHeight);
  return {mark.x + dx, mark.y + dy, labelWidth, labelHeight};
}

}  // namespace belvik
