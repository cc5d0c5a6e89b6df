#include "message_box.h"

#include <QApplication>
#include <QMessageBox>

namespace belvik::ui {

void ShowMessageBox(const QString& prompt, int style, const QString& title) {
  const QMessageBox::Icon icon =
      style == kWarningMessage ? QMessageBox::Warning : QMessageBox::NoIcon;
  QMessageBox box(icon, title, prompt, QMessageBox::Ok, QApplication::activeWindow());
  box.exec();
}

}  // namespace belvik::ui
