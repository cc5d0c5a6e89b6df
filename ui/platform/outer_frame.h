// A fixed window's outer size, frame included, centred on its screen. The window manager's
// frame is known only once it has framed the window, so the client area is sized again then.
#pragma once

#include <QMargins>
#include <QObject>
#include <QSize>
#include <functional>

class QWidget;

namespace belvik::ui {

class OuterFrame : public QObject {
 public:
  // Called after each change of the client area's size, to lay the controls out on it.
  using ClientResizedFn = std::function<void()>;

  // Sizes `window` at once as if it had no frame, and again whenever the frame the window
  // manager draws round it turns out different. `window` owns the returned object.
  OuterFrame(QWidget* window, QSize outer, ClientResizedFn clientResized);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void fit(QMargins frame);

  QWidget* window_;
  QSize outer_;
  ClientResizedFn clientResized_;
  QMargins fittedFrame_;
};

}  // namespace belvik::ui
