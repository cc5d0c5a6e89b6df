// The chart itself: a Chart's curves over a year axis and one or two amount axes, a legend, the
// result's own figure marked, and the year whose figures are read out, chosen by pointing at it
// or with the arrow keys. Long schedules are reduced to the pixel columns they cover once per
// size, scale or chart, so painting costs the width of the plot, not the length of the schedule.
#pragma once

#include <QString>
#include <QWidget>
#include <cstddef>
#include <optional>

#include "belvik/chart_layout.h"
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
  const ChartLayout& layout() const;
  void choose(std::size_t point);

  void paintAxes(QPainter& painter, const ChartLayout& layout) const;
  void paintLegend(QPainter& painter, const ChartLayout& layout) const;
  void paintCurves(QPainter& painter, const ChartLayout& layout) const;
  void paintChosen(QPainter& painter, const ChartLayout& layout) const;
  void paintAnswer(QPainter& painter, const ChartLayout& layout) const;

  Chart chart_;
  bool logarithmic_ = false;
  std::size_t chosen_ = 0;
  // Made once for many paints; dropped on a change of size, scale or chart.
  mutable std::optional<ChartLayout> layout_;
};

}  // namespace belvik::ui
