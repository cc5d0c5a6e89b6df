#include "outer_frame.h"

#include <QEvent>
#include <QLayout>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <utility>

namespace belvik::ui {

namespace {

// The frame's top-left corner that centres `outer` on `screen`: QRect::center() would put an
// even-sized window one pixel left of and above the middle.
QPoint CentredOrigin(QSize outer, const QRect& screen) {
  return screen.topLeft() +
         QPoint((screen.width() - outer.width()) / 2, (screen.height() - outer.height()) / 2);
}

}  // namespace

OuterFrame::OuterFrame(QWidget* window, QSize outer, ClientResizedFn clientResized)
    : QObject(window), window_(window), outer_(outer), clientResized_(std::move(clientResized)) {
  fit(QMargins());
  window_->installEventFilter(this);
}

bool OuterFrame::eventFilter(QObject* watched, QEvent* event) {
  // A reparenting window manager moves the client area into its frame and announces the
  // frame's extents before the first expose, so the window is corrected before it is painted.
  if (watched == window_ && (event->type() == QEvent::Move || event->type() == QEvent::Resize)) {
    if (const QWindow* handle = window_->windowHandle()) {
      const QMargins frame = handle->frameMargins();
      if (frame != fittedFrame_) fit(frame);
    }
  }
  return false;
}

void OuterFrame::fit(QMargins frame) {
  fittedFrame_ = frame;
  window_->setFixedSize(outer_.shrunkBy(frame));
  if (QLayout* layout = window_->layout()) layout->activate();
  clientResized_();
  // A top-level widget's position is its frame's, so the origin needs no margins.
  if (const QScreen* screen = window_->screen()) {
    window_->move(CentredOrigin(outer_, screen->geometry()));
  }
}

}  // namespace belvik::ui
