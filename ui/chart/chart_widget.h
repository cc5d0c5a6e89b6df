// The chart itself: a Chart's curves over a year axis and one or two amount axes, a legend, the
// result's own figure marked, and the year whose figures are read out, chosen by pointing at it
// or with the arrow keys. Long schedules are reduced to the pixel columns they cover once per
// size, scale or chart, so painting costs the width of the plot, not the length of the schedule.
#pragma once

#include <QPolygonF>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <cstddef>
#include <optional>
#include <vector>

#include "belvik/chart_axis.h"
#include "belvik/chart_series.h"

namespace belvik::ui {

class ChartWidget : public QWidget {
  Q_OBJECT

 public:
  explicit ChartWidget(QWidget* parent = nullptr);

  // Shows `chart`, keeping the year read out where the new chart has it.
  void setChart(Chart chart);
  void setLogarithmic(bool logarithmic);

  // The figures of the year read out: the result's own point, or the last year, until the user
  // points elsewhere.
  QString readOut() const;
  // Where the year of `point` lies across the plot, at the plot's middle height.
  QPoint positionOf(std::size_t point) const;

 signals:
  void readOutChanged(const QString& text);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  struct Scale {
    ChartAxis axis;
    QStringList labels;  // one per tick
  };
  // Everything that depends on the size, the scale and the chart, made once for many paints.
  struct Layout {
    QRectF plot;
    Scale x;
    Scale left;
    std::optional<Scale> right;
    std::vector<double> across;                 // each point's year as a fraction of the width
    std::vector<std::vector<QPolygonF>> lines;  // per series, broken where it has no figure
  };

  static Scale Labelled(ChartAxis axis);
  const Layout& layout() const;
  Layout makeLayout() const;
  Scale makeScale(bool rightAxis, int maxTicks) const;
  const ChartAxis& axisOf(const Layout& layout, const ChartSeries& series) const;
  QPointF at(const Layout& layout, double across, double up) const;
  void choose(std::size_t point);

  void paintAxes(QPainter& painter, const Layout& layout) const;
  void paintLegend(QPainter& painter, const Layout& layout) const;
  void paintCurves(QPainter& painter, const Layout& layout) const;
  void paintChosen(QPainter& painter, const Layout& layout) const;
  void paintAnswer(QPainter& painter, const Layout& layout) const;

  Chart chart_;
  bool logarithmic_ = false;
  std::size_t chosen_ = 0;
  mutable std::optional<Layout> layout_;
};

}  // namespace belvik::ui
