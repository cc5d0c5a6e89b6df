// The menu bar's look while it is used from the keyboard.
#pragma once

#include <QProxyStyle>

namespace belvik::ui {

// The application's style, except that the command the keyboard has reached on a focused menu
// bar (Alt, then the arrow keys) is drawn highlighted, as an open menu's title is: Fusion and
// others draw it like every other command, and Enter would choose a command nobody can see.
class MenuBarKeyboardStyle : public QProxyStyle {
 public:
  MenuBarKeyboardStyle();

  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget) const override;
};

}  // namespace belvik::ui
