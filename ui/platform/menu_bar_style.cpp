#include "menu_bar_style.h"

#include <QApplication>
#include <QIcon>
#include <QStyleOptionMenuItem>
#include <QWidget>

namespace belvik::ui {

void MenuBarStyle::drawControl(ControlElement element, const QStyleOption* option,
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

QIcon MenuBarStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                 const QWidget* widget) const {
  if (icon == SP_ToolBarHorizontalExtensionButton) return {};
  return QProxyStyle::standardIcon(icon, option, widget);
}

void UseMenuBarStyle() { QApplication::setStyle(new MenuBarStyle); }

}  // namespace belvik::ui
