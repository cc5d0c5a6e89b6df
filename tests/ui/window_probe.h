// What the window tests share besides the window itself: measuring controls in twips, typing
// the way the platform does, and standing in for the message box.
#pragma once

#include <QKeyEvent>
#include <QRect>
#include <QString>
#include <QTest>
#include <QWidget>
#include <vector>

#include "message_box.h"
#include "twips.h"
#include "window_cases.h"

namespace probe {

// A control's rectangle in its parent, in twips at the window's screen density.
inline belvik::ui::TwipsRect InTwips(const QWidget* control) {
  const float perPixel = belvik::ui::TwipsPerPixel(control->screen());
  const QRect r = control->geometry();
  return {r.x() * perPixel, r.y() * perPixel, r.width() * perPixel, r.height() * perPixel};
}

// Within one pixel: a length in twips lands on whole pixels, and a length read back from a
// widget and used again (the pane size) can round twice.
inline bool WithinAPixel(float twips, float expected, const QWidget* control) {
  return qAbs(twips - expected) <= belvik::ui::TwipsPerPixel(control->screen());
}

// One key press and release of the shared cases as the platform delivers it: the key and the
// character it carries. X11 reports Delete with the DEL control code although it types nothing.
inline void Press(QWidget* target, const cases::Stroke& stroke) {
  Qt::Key key = Qt::Key_unknown;
  QString text(QChar(stroke.character));
  Qt::KeyboardModifiers modifiers = Qt::NoModifier;
  const char16_t c = stroke.character;
  if (stroke.key == cases::Key::Home) {
    key = Qt::Key_Home;
    text.clear();
  } else if (stroke.key == cases::Key::Delete) {
    key = Qt::Key_Delete;
    text = QString(QChar(127));
  } else if (c == u'\b') {
    key = Qt::Key_Backspace;
  } else if (c == u'\r') {
    key = Qt::Key_Return;
  } else if (c >= 1 && c <= 26) {
    key = static_cast<Qt::Key>(Qt::Key_A + (c - 1));
    modifiers = Qt::ControlModifier;
  } else if (c < 128) {
    key = static_cast<Qt::Key>(QTest::asciiToKey(static_cast<char>(c)));
  }
  QTest::sendKeyEvent(QTest::Click, target, key, text, modifiers);
}

inline void Press(QWidget* target, const cases::Strokes& strokes) {
  for (const cases::Stroke& stroke : strokes) Press(target, stroke);
}

// Records every message instead of showing it.
struct MessageLog {
  struct Shown {
    QString prompt;
    int style;
    QString title;
  };
  std::vector<Shown> shown;

  belvik::ui::MessageBoxFn seam() {
    return [this](const QString& prompt, int style, const QString& title) {
      shown.push_back({prompt, style, title});
    };
  }
};

}  // namespace probe
