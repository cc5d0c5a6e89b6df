// What the window tests share besides the window itself: measuring controls in twips, typing
// the way the platform does, and standing in for the message box.
#pragma once

#include <QKeyEvent>
#include <QList>
#include <QRect>
#include <QString>
#include <QTest>
#include <QWidget>
#include <vector>

#include "message_box.h"
#include "twips.h"

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

// One key press and release as the platform delivers it: the key and the character it carries.
struct Keystroke {
  Qt::Key key;
  QString text;
  Qt::KeyboardModifiers modifiers = Qt::NoModifier;
};
using Keystrokes = QList<Keystroke>;

// Printable ASCII characters typed one by one.
inline Keystrokes Typed(const char* characters) {
  Keystrokes strokes;
  for (const char* c = characters; *c; ++c) {
    strokes.append({QTest::asciiToKey(*c), QString(QChar::fromLatin1(*c))});
  }
  return strokes;
}

inline const Keystroke kBackspace{Qt::Key_Backspace, QStringLiteral("\b")};
inline const Keystroke kEnter{Qt::Key_Return, QStringLiteral("\r")};
inline const Keystroke kCtrlV{Qt::Key_V, QString(QChar(22)), Qt::ControlModifier};
inline const Keystroke kCtrlA{Qt::Key_A, QString(QChar(1)), Qt::ControlModifier};
inline const Keystroke kCtrlC{Qt::Key_C, QString(QChar(3)), Qt::ControlModifier};
inline const Keystroke kDelete{Qt::Key_Delete, QString(QChar(127))};
inline const Keystroke kHome{Qt::Key_Home, QString()};

inline Keystrokes operator+(Keystrokes strokes, const Keystroke& more) {
  strokes.append(more);
  return strokes;
}
inline Keystrokes operator+(Keystrokes strokes, const Keystrokes& more) {
  strokes.append(more);
  return strokes;
}

inline void Press(QWidget* target, const Keystrokes& strokes) {
  for (const Keystroke& stroke : strokes) {
    QTest::sendKeyEvent(QTest::Click, target, stroke.key, stroke.text, stroke.modifiers);
  }
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

Q_DECLARE_METATYPE(probe::Keystrokes)
