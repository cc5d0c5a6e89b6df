// The application's style, with the menu bar drawn and built as this window needs.
#pragma once

#include <QProxyStyle>

namespace belvik::ui {

// The platform's style with two changes to the menu bar:
// - the command the keyboard has reached on a focused menu bar (Alt, then the arrow keys) is
//   drawn highlighted, as an open menu's title is: Fusion and others draw it like every other
//   command, and Enter would choose a command nobody can see;
// - its overflow button has no icon. The four commands always fit the fixed-size window, so
//   the button never shows, and the standard icon would load three image plugins at start-up.
class MenuBarStyle : public QProxyStyle {
 public:
  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget) const override;
  QIcon standardIcon(StandardPixmap icon, const QStyleOption* option,
                     const QWidget* widget) const override;
};

// Makes MenuBarStyle the application's style. Call before any widget is created.
void UseMenuBarStyle();

}  // namespace belvik::ui
