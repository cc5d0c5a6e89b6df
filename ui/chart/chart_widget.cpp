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
#include "utf8.h"

namespace belvik::ui {
namespace {

namespace chart_window = design::chart_window;

// One colour per series, in the chart's order; the second stands out against the first.
const std::array<QColor, 2> kColours = {QColor(0x1f, 0x6f, 0xc5), QColor(0xe0, 0x6c, 0x00)};
const QColor kGrid(0xe4, 0xe4, 0xe4);
const QColor kFrame(0x90, 0x90, 0x90);
const QColor kChosen(0x60, 0x60, 0x60);

constexpr int kGap = 6;              // between a label and what it labels
constexpr int kSwatch = 22;          // a legend entry's line
constexpr int kPixelsPerYTick = 48;  // at least, so the labels never touch
constexpr int kPixelsPerXTick = 90;  // room for a label like 1.5万 and a gap
constexpr double kMarkRadius = 4.5;

const QColor& ColourOf(std::size_t series) { return kColours[series % kColours.size()]; }

int WidestOf(const QFontMetrics& metrics, const QStringList& labels) {
  int widest = 0;
  for (const QString& label : labels) widest = std::max(widest, metrics.horizontalAdvance(label));
  return widest;
}

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
  const Layout& shown = layout();
  return at(shown, shown.across[point], 0.5).toPoint();
}

void ChartWidget::choose(std::size_t point) {
  if (point == chosen_ || point >= chart_.x.size()) return;
  chosen_ = point;
  update();
  emit readOutChanged(readOut());
}

const ChartWidget::Layout& ChartWidget::layout() const {
  if (!layout_) layout_ = makeLayout();
  return *layout_;
}

ChartWidget::Scale ChartWidget::Labelled(ChartAxis axis) {
  Scale scale{std::move(axis), {}};
  for (const double tick : scale.axis.ticks()) scale.labels.append(Utf8(ChineseUnits(tick)));
  return scale;
}

ChartWidget::Scale ChartWidget::makeScale(bool rightAxis, int maxTicks) const {
  std::vector<std::span<const double>> values;
  for (const ChartSeries& series : chart_.series) {
    if (series.rightAxis == rightAxis) values.emplace_back(series.y);
  }
  return Labelled(ChartAxis(values, logarithmic_, maxTicks));
}

ChartWidget::Layout ChartWidget::makeLayout() const {
  const QFontMetrics metrics = fontMetrics();
  const int line = metrics.height();
  const std::span<const double> years[] = {chart_.x};
  Scale x = Labelled(ChartAxis(years, false, std::max(2, width() / kPixelsPerXTick)));
  const int yTicks = std::max(2, (height() - 4 * line) / kPixelsPerYTick);
  Scale left = makeScale(false, yTicks);
  std::optional<Scale> right;
  if (std::any_of(chart_.series.begin(), chart_.series.end(),
                  [](const ChartSeries& series) { return series.rightAxis; })) {
    right = makeScale(true, yTicks);
  }

  // Room for the tick labels left and right, half the last year's label past the plot's end,
  // the legend and the unit above, the year labels and the axis title below.
  const int leftMargin = WidestOf(metrics, left.labels) + 2 * kGap;
  const int rightMargin = right ? WidestOf(metrics, right->labels) + 2 * kGap
                                : WidestOf(metrics, x.labels) / 2 + 2 * kGap;
  const QRectF plot = QRectF(rect()).adjusted(leftMargin, 2.5 * line + 3 * kGap, -rightMargin,
                                              -(2 * line + 2 * kGap));
  Layout made{plot, std::move(x), std::move(left), std::move(right), {}, {}};

  made.across.reserve(chart_.x.size());
  for (const double year : chart_.x) made.across.push_back(made.x.axis.Fraction(year));
  const auto columns = static_cast<std::size_t>(std::max(1.0, made.plot.width()));
  for (const ChartSeries& series : chart_.series) {
    const ChartAxis& axis = axisOf(made, series);
    std::vector<double> up;
    up.reserve(series.y.size());
    for (const double y : series.y) up.push_back(axis.Fraction(y));
    std::vector<QPolygonF>& strokes = made.lines.emplace_back(1);
    for (const std::size_t k : PointsToDraw(made.across, up, columns)) {
      if (std::isnan(up[k])) {
        if (!strokes.back().isEmpty()) strokes.emplace_back();
        continue;
      }
      strokes.back().append(at(made, made.across[k], up[k]));
    }
  }
  return made;
}

const ChartAxis& ChartWidget::axisOf(const Layout& layout, const ChartSeries& series) const {
  return series.rightAxis && layout.right ? layout.right->axis : layout.left.axis;
}

QPointF ChartWidget::at(const Layout& layout, double across, double up) const {
  return {layout.plot.left() + across * layout.plot.width(),
          layout.plot.bottom() - up * layout.plot.height()};
}

void ChartWidget::resizeEvent(QResizeEvent* event) {
  layout_.reset();
  QWidget::resizeEvent(event);
}

void ChartWidget::mouseMoveEvent(QMouseEvent* event) {
  const Layout& shown = layout();
  if (chart_.x.empty() || !shown.plot.contains(event->position())) return;
  const double across = (event->position().x() - shown.plot.left()) / shown.plot.width();
  choose(NearestPoint(chart_, shown.x.axis.ValueAt(across)));
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
  const Layout& shown = layout();
  paintAxes(painter, shown);
  paintLegend(painter, shown);
  painter.setRenderHint(QPainter::Antialiasing);
  paintCurves(painter, shown);
  paintAnswer(painter, shown);
  paintChosen(painter, shown);
}

void ChartWidget::paintAxes(QPainter& painter, const Layout& layout) const {
  const QRectF& plot = layout.plot;
  const int line = painter.fontMetrics().height();
  const auto paintYTicks = [&](const Scale& scale, bool right) {
    const int flags = Qt::AlignVCenter | (right ? Qt::AlignLeft : Qt::AlignRight);
    const double labelX = right ? plot.right() + kGap : 0;
    const double labelWidth = right ? width() - labelX : plot.left() - kGap;
    for (qsizetype k = 0; k < scale.labels.size(); ++k) {
      const double y = at(layout, 0, scale.axis.Fraction(scale.axis.ticks()[k])).y();
      if (!right) {
        painter.setPen(kGrid);
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
      }
      painter.setPen(Qt::black);
      painter.drawText(QRectF(labelX, y - line, labelWidth, 2 * line), flags, scale.labels[k]);
    }
    // The unit over the labels: every tick label counts yuan, in 万 and 亿 where it says so.
    const QRectF unit(labelX, plot.top() - 1.5 * line - kGap / 2.0, labelWidth, line);
    painter.drawText(unit, Qt::AlignBottom | (right ? Qt::AlignLeft : Qt::AlignRight),
                     Utf8(chart_window::kAxisUnit));
  };
  paintYTicks(layout.left, false);
  if (layout.right) paintYTicks(*layout.right, true);

  for (qsizetype k = 0; k < layout.x.labels.size(); ++k) {
    const double x = at(layout, layout.x.axis.Fraction(layout.x.axis.ticks()[k]), 0).x();
    painter.setPen(kGrid);
    painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    painter.setPen(Qt::black);
    painter.drawText(QRectF(x - kPixelsPerXTick / 2.0, plot.bottom() + kGap, kPixelsPerXTick, line),
                     Qt::AlignHCenter | Qt::AlignTop, layout.x.labels[k]);
  }
  painter.drawText(QRectF(plot.left(), plot.bottom() + kGap + line, plot.width(), line + kGap),
                   Qt::AlignHCenter | Qt::AlignBottom, Utf8(chart_.xTitle));
  painter.setPen(kFrame);
  painter.drawRect(plot);
}

void ChartWidget::paintLegend(QPainter& painter, const Layout& layout) const {
  const QFontMetrics metrics = painter.fontMetrics();
  double x = layout.plot.left();
  const double y = kGap + metrics.height() / 2.0;
  for (std::size_t k = 0; k < chart_.series.size(); ++k) {
    const ChartSeries& series = chart_.series[k];
    QString name = Utf8(series.name);
    if (series.rightAxis) name += Utf8(chart_window::kRightAxis);
    painter.setPen(QPen(ColourOf(k), 2));
    painter.drawLine(QPointF(x, y), QPointF(x + kSwatch, y));
    x += kSwatch + kGap;
    painter.setPen(Qt::black);
    painter.drawText(QPointF(x, kGap + metrics.ascent()), name);
    x += metrics.horizontalAdvance(name) + 3 * kGap;
  }
}

void ChartWidget::paintCurves(QPainter& painter, const Layout& layout) const {
  painter.save();
  painter.setClipRect(layout.plot.adjusted(-1, -1, 1, 1));
  for (std::size_t k = 0; k < layout.lines.size(); ++k) {
    painter.setPen(QPen(ColourOf(k), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (const QPolygonF& stroke : layout.lines[k]) {
      // A lone point between two gaps is still a figure: a dot shows it.
      if (stroke.size() == 1) painter.drawPoint(stroke.front());
      painter.drawPolyline(stroke);
    }
  }
  painter.restore();
}

void ChartWidget::paintAnswer(QPainter& painter, const Layout& layout) const {
  if (!chart_.answer) return;
  const std::size_t k = *chart_.answer;
  for (std::size_t s = 0; s < chart_.series.size(); ++s) {
    const double up = axisOf(layout, chart_.series[s]).Fraction(chart_.series[s].y[k]);
    if (std::isnan(up)) continue;
    const QPointF point = at(layout, layout.across[k], up);
    painter.setPen(QPen(Qt::white, 1.5));
    painter.setBrush(ColourOf(s));
    painter.drawEllipse(point, kMarkRadius + 1, kMarkRadius + 1);
    const QString label = Utf8(chart_window::kAnswerMark);
    QRectF box = painter.fontMetrics().boundingRect(label).toRectF().adjusted(-2, 0, 2, 0);
    // Right of the mark, or left of it near the plot's right edge; below it when the curve on
    // that side comes down to it, so the words keep off the curve. On white, over the grid.
    const bool leftOfMark = point.x() + 2 * kMarkRadius + box.width() > layout.plot.right();
    const std::size_t neighbour = leftOfMark ? (k == 0 ? k : k - 1) : k + 1;
    const bool below =
        neighbour != k && neighbour < layout.across.size() &&
        axisOf(layout, chart_.series[s]).Fraction(chart_.series[s].y[neighbour]) > up;
    const double dx = leftOfMark ? -(2 * kMarkRadius + box.width()) : 2 * kMarkRadius;
    box.moveTopLeft(point + QPointF(dx, below ? kMarkRadius : -(kMarkRadius + box.height())));
    painter.fillRect(box, Qt::white);
    painter.setPen(Qt::black);
    painter.drawText(box, Qt::AlignCenter, label);
  }
  painter.setBrush(Qt::NoBrush);
}

void ChartWidget::paintChosen(QPainter& painter, const Layout& layout) const {
  const double x = at(layout, layout.across[chosen_], 0).x();
  painter.setPen(QPen(kChosen, 1, Qt::DashLine));
  painter.drawLine(QPointF(x, layout.plot.top()), QPointF(x, layout.plot.bottom()));
  for (std::size_t s = 0; s < chart_.series.size(); ++s) {
    const double up = axisOf(layout, chart_.series[s]).Fraction(chart_.series[s].y[chosen_]);
    if (std::isnan(up)) continue;
    painter.setPen(QPen(ColourOf(s), 2));
    painter.setBrush(Qt::white);
    painter.drawEllipse(at(layout, layout.across[chosen_], up), kMarkRadius, kMarkRadius);
  }
  painter.setBrush(Qt::NoBrush);
}

}  // namespace belvik::ui
