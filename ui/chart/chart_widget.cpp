#include "chart_widget.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>

#include "belvik/chart_reduction.h"
#include "belvik/result_commands.h"
#include "colour.h"
#include "utf8.h"

namespace belvik::ui {
namespace {

namespace chart_window = design::chart_window;

using namespace chart_style;

QPointF ToQt(ChartPoint p) { return {p.x, p.y}; }
QRectF ToQt(const ChartBox& box) { return {box.left, box.top, box.width, box.height}; }

// Screen readers hear a chart, not an empty client area; its name lists the curves, and the
// read-out beside it says their figures.
QAccessibleInterface* AccessibleChart(const QString& className, QObject* object) {
  if (className != QLatin1String(ChartWidget::staticMetaObject.className())) return nullptr;
  return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Chart);
}

}  // namespace

ChartWidget::ChartWidget(QWidget* parent) : QWidget(parent) {
  static const bool installed = [] {
    QAccessible::installFactory(AccessibleChart);
    return true;
  }();
  Q_UNUSED(installed);
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  setMinimumSize(360, 240);
}

void ChartWidget::setChart(Chart chart) {
  const bool first = chart_.x.empty();
  chart_ = std::move(chart);
  QStringList names;
  for (const ChartSeries& series : chart_.series) names.append(Utf8(series.name));
  setAccessibleName(Utf8(chart_window::kChartName) +
                    names.join(Utf8(chart_window::kNamesSeparator)));
  layout_.reset();
  if (first || chosen_ >= chart_.x.size()) {
    chosen_ = chart_.answer.value_or(chart_.x.empty() ? 0 : chart_.x.size() - 1);
  }
  update();
  emit readOutChanged(readOut());
}

void ChartWidget::setLogarithmic(bool logarithmic) {
  logarithmic_ = logarithmic;
  layout_.reset();
  update();
}

QString ChartWidget::readOut() const {
  if (chart_.x.empty()) return Utf8(chart_window::kNothingToDraw);
  return Utf8(ReadOut(chart_, chosen_));
}

QPoint ChartWidget::positionOf(std::size_t point) const {
  return ToQt(layout().YearAt(point)).toPoint();
}

void ChartWidget::choose(std::size_t point) {
  if (point == chosen_ || point >= chart_.x.size()) return;
  chosen_ = point;
  update();
  emit readOutChanged(readOut());
}

const ChartLayout& ChartWidget::layout() const {
  if (!layout_) {
    const QFontMetrics metrics = fontMetrics();
    layout_.emplace(chart_, logarithmic_,
                    ChartSurface{static_cast<double>(width()), static_cast<double>(height()),
                                 static_cast<double>(metrics.height()),
                                 [&metrics](std::string_view text) -> double {
                                   return metrics.horizontalAdvance(Utf8(text));
                                 }});
  }
  return *layout_;
}

void ChartWidget::resizeEvent(QResizeEvent* event) {
  layout_.reset();
  QWidget::resizeEvent(event);
}

void ChartWidget::mouseMoveEvent(QMouseEvent* event) {
  const QPointF at = event->position();
  if (const std::optional<std::size_t> point = layout().PointUnder({at.x(), at.y()})) {
    choose(*point);
  }
}

void ChartWidget::keyPressEvent(QKeyEvent* event) {
  const std::size_t last = chart_.x.empty() ? 0 : chart_.x.size() - 1;
  switch (event->key()) {
    case Qt::Key_Left:
      if (chosen_ > 0) choose(chosen_ - 1);
      break;
    case Qt::Key_Right:
      choose(std::min(chosen_ + 1, last));
      break;
    case Qt::Key_Home:
      choose(0);
      break;
    case Qt::Key_End:
      choose(last);
      break;
    default:
      QWidget::keyPressEvent(event);
  }
}

void ChartWidget::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  painter.setPen(Qt::black);
  if (chart_.x.empty()) {
    painter.drawText(rect(), Qt::AlignCenter, readOut());
    return;
  }
  const ChartLayout& shown = layout();
  paintAxes(painter, shown);
  paintLegend(painter, shown);
  painter.setRenderHint(QPainter::Antialiasing);
  paintCurves(painter, shown);
  paintAnswer(painter, shown);
  paintChosen(painter, shown);
}

void ChartWidget::paintAxes(QPainter& painter, const ChartLayout& layout) const {
  const QRectF plot = ToQt(layout.plot());
  const int line = painter.fontMetrics().height();
  const auto paintYTicks = [&](const ChartScale& scale, bool right) {
    const int flags = Qt::AlignVCenter | (right ? Qt::AlignLeft : Qt::AlignRight);
    const double labelX = right ? plot.right() + kGap : 0;
    const double labelWidth = right ? width() - labelX : plot.left() - kGap;
    for (std::size_t k = 0; k < scale.labels.size(); ++k) {
      const double y = layout.At(0, scale.axis.Fraction(scale.axis.ticks()[k])).y;
      if (!right) {
        painter.setPen(Colour(kGrid));
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
      }
      painter.setPen(Qt::black);
      painter.drawText(QRectF(labelX, y - line, labelWidth, 2 * line), flags,
                       Utf8(scale.labels[k]));
    }
    // The unit over the labels: every tick label counts yuan, in 万 and 亿 where it says so.
    const QRectF unit(labelX, plot.top() - 1.5 * line - kGap / 2.0, labelWidth, line);
    painter.drawText(unit, Qt::AlignBottom | (right ? Qt::AlignLeft : Qt::AlignRight),
                     Utf8(chart_window::kAxisUnit));
  };
  paintYTicks(layout.left(), false);
  if (layout.right()) paintYTicks(*layout.right(), true);

  const ChartScale& years = layout.x();
  for (std::size_t k = 0; k < years.labels.size(); ++k) {
    const double x = layout.At(years.axis.Fraction(years.axis.ticks()[k]), 0).x;
    painter.setPen(Colour(kGrid));
    painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    painter.setPen(Qt::black);
    painter.drawText(QRectF(x - kPixelsPerXTick / 2.0, plot.bottom() + kGap, kPixelsPerXTick, line),
                     Qt::AlignHCenter | Qt::AlignTop, Utf8(years.labels[k]));
  }
  painter.drawText(QRectF(plot.left(), plot.bottom() + kGap + line, plot.width(), line + kGap),
                   Qt::AlignHCenter | Qt::AlignBottom, Utf8(chart_.xTitle));
  painter.setPen(Colour(kFrame));
  painter.drawRect(plot);
}

void ChartWidget::paintLegend(QPainter& painter, const ChartLayout& layout) const {
  const QFontMetrics metrics = painter.fontMetrics();
  double x = layout.plot().left;
  const double y = kGap + metrics.height() / 2.0;
  for (std::size_t k = 0; k < chart_.series.size(); ++k) {
    const ChartSeries& series = chart_.series[k];
    QString name = Utf8(series.name);
    if (series.rightAxis) name += Utf8(chart_window::kRightAxis);
    painter.setPen(QPen(Colour(ColourOf(k)), kCurveWidth));
    painter.drawLine(QPointF(x, y), QPointF(x + kSwatch, y));
    x += kSwatch + kGap;
    painter.setPen(Qt::black);
    painter.drawText(QPointF(x, kGap + metrics.ascent()), name);
    x += metrics.horizontalAdvance(name) + 3 * kGap;
  }
}

void ChartWidget::paintCurves(QPainter& painter, const ChartLayout& layout) const {
  painter.save();
  painter.setClipRect(ToQt(layout.plot()).adjusted(-1, -1, 1, 1));
  for (std::size_t k = 0; k < layout.strokes().size(); ++k) {
    painter.setPen(
        QPen(Colour(ColourOf(k)), kCurveWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (const std::vector<ChartPoint>& stroke : layout.strokes()[k]) {
      QPolygonF polyline;
      polyline.reserve(static_cast<qsizetype>(stroke.size()));
      for (const ChartPoint& point : stroke) polyline.append(ToQt(point));
      // A lone point between two gaps is still a figure: a dot shows it.
      if (polyline.size() == 1) painter.drawPoint(polyline.front());
      painter.drawPolyline(polyline);
    }
  }
  painter.restore();
}

void ChartWidget::paintAnswer(QPainter& painter, const ChartLayout& layout) const {
  if (!chart_.answer) return;
  const QString label = Utf8(chart_window::kAnswerMark);
  const QRectF size = painter.fontMetrics().boundingRect(label).toRectF().adjusted(-2, 0, 2, 0);
  for (std::size_t s = 0; s < chart_.series.size(); ++s) {
    const std::optional<ChartPoint> mark = layout.PointOf(s, *chart_.answer);
    if (!mark) continue;
    painter.setPen(QPen(Qt::white, 1.5));
    painter.setBrush(Colour(ColourOf(s)));
    painter.drawEllipse(ToQt(*mark), kMarkRadius + 1, kMarkRadius + 1);
    // On white, over the grid.
    const QRectF box = ToQt(layout.AnswerLabel(s, *mark, size.width(), size.height()));
    painter.fillRect(box, Qt::white);
    painter.setPen(Qt::black);
    painter.drawText(box, Qt::AlignCenter, label);
  }
  painter.setBrush(Qt::NoBrush);
}

void ChartWidget::paintChosen(QPainter& painter, const ChartLayout& layout) const {
  const ChartBox& plot = layout.plot();
  const double x = layout.YearAt(chosen_).x;
  painter.setPen(QPen(Colour(kChosen), 1, Qt::DashLine));
  painter.drawLine(QPointF(x, plot.top), QPointF(x, plot.bottom()));
  for (std::size_t s = 0; s < chart_.series.size(); ++s) {
    const std::optional<ChartPoint> point = layout.PointOf(s, chosen_);
    if (!point) continue;
    painter.setPen(QPen(Colour(ColourOf(s)), kCurveWidth));
    painter.setBrush(Qt::white);
    painter.drawEllipse(ToQt(*point), kMarkRadius, kMarkRadius);
  }
  painter.setBrush(Qt::NoBrush);
}

}  // namespace belvik::ui
