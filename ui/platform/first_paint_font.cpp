#include "first_paint_font.h"

#include <QEvent>
#include <QFont>
#include <QObject>
#include <QWidget>

namespace belvik::ui {

namespace {

class FirstPaintFont : public QObject {
 public:
  FirstPaintFont(QWidget* widget, QWidget* surface, const QFont& font)
      : QObject(widget), widget_(widget), surface_(surface), font_(font) {
    surface_->installEventFilter(this);
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == surface_ && event->type() == QEvent::Paint) {
      surface_->removeEventFilter(this);
      // The text is laid out again in the new face before this paint draws it.
      widget_->setFont(font_);
      deleteLater();
    }
    return false;
  }

 private:
  QWidget* widget_;
  QWidget* surface_;
  QFont font_;
};

}  // namespace

void SetFontAtFirstPaint(QWidget* widget, QWidget* surface, const QFont& font) {
  new FirstPaintFont(widget, surface, font);
}

}  // namespace belvik::ui
