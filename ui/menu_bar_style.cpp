#include "menu_bar_style.h"

#include <QApplication>
#include <QStyleFactory>
#include <QStyleOptionMenuItem>
#include <QWidget>

namespace belvik::ui {

// A fresh instance of the application's style: a proxy owns its base style.
MenuBarKeyboardStyle::MenuBarKeyboardStyle()
    : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {}

void MenuBarKeyboardStyle::drawControl(ControlElement element, const QStyleOption* option,
                                       QPainter* painter, const QWidget* widget) const {
  const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
  // The menu bar takes the focus only in keyboard navigation; a mouse hovering over it does not.
  if (element == CE_MenuBarItem && item && widget && widget->hasFocus() &&
      (item->state & State_Selected)) {
    QStyleOptionMenuItem reached = *item;
    reached.state |= State_Sunken;
    QProxyStyle::drawControl(element, &reached, painter, widget);
    return;
  }
  QProxyStyle::drawControl(element, option, painter, widget);
}

}  // namespace belvik::ui
