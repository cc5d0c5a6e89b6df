// The captioned frame that holds one pane.
#pragma once

#include <QGroupBox>

namespace belvik::ui {

// A group box with its caption standing on its top line, as the pane rows are placed for,
// whatever the platform style does with a caption (Fusion and others put it above the line,
// which moves the line down onto the first row of boxes). Drawn here rather than by a style
// sheet: a sheet puts every control of the pane through the style-sheet machinery, which was a
// fifth of building and showing the window.
class PaneFrame : public QGroupBox {
 public:
  PaneFrame(const QString& caption, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace belvik::ui
