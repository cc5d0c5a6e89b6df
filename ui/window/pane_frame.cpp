#include "pane_frame.h"

#include <QPainter>
#include <QPalette>
#include <QRegion>
#include <QStyle>

namespace belvik::ui {
namespace {

// The line runs this far below the frame's top, through the middle of the caption.
constexpr int kLineTop = 8;
// The caption's gap from the left edge, and the line left out on either side of it.
constexpr int kCaptionLeft = 6;
constexpr int kCaptionPadding = 2;
constexpr qreal kCornerRadius = 2;

}  // namespace

PaneFrame::PaneFrame(const QString& caption, QWidget* parent) : QGroupBox(caption, parent) {}

void PaneFrame::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QFontMetrics metrics = fontMetrics();
  // Room for a space more than the caption, which stands in the middle of it.
  const QRect caption(kCaptionLeft + kCaptionPadding, 0, metrics.horizontalAdvance(title() + u' '),
                      metrics.height());
  painter.save();
  painter.setClipRegion(QRegion(rect()) -
                        caption.adjusted(-kCaptionPadding, 0, kCaptionPadding, 0));
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(palette().color(QPalette::Mid));
  // Half a pixel in, so the one-pixel line covers whole pixels.
  painter.drawRoundedRect(QRectF(rect().adjusted(0, kLineTop, 0, 0)).adjusted(0.5, 0.5, -0.5, -0.5),
                          kCornerRadius, kCornerRadius);
  painter.restore();
  style()->drawItemText(&painter, caption, Qt::AlignHCenter | Qt::TextHideMnemonic, palette(),
                        isEnabled(), title(), QPalette::WindowText);
}

}  // namespace belvik::ui
