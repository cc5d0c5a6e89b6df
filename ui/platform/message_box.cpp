#include "message_box.h"

#include <QApplication>
#include <QMessageBox>

#include "utf8.h"

namespace belvik::ui {

void ShowMessageBox(const QString& prompt, int style, const QString& title) {
  const QMessageBox::Icon icon =
      style == kWarningMessage ? QMessageBox::Warning : QMessageBox::NoIcon;
  QMessageBox box(icon, title, prompt, QMessageBox::Ok, QApplication::activeWindow());
  box.exec();
}

void Tell(const MessageBoxFn& messageBox, const design::Message& message) {
  messageBox(Utf8(message.prompt), message.style, Utf8(design::kMessageTitle));
}

}  // namespace belvik::ui
