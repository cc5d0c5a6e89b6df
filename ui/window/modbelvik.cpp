#include "modbelvik.h"

#include <QGuiApplication>
#include <QScreen>

#include "belvik/version.h"
#include "fonts.h"
#include "menu_bar_style.h"
#include "qt_translations.h"
#include "utf8.h"

namespace belvik::ui::Modbelvik {

std::unique_ptr<frmbelvik> Main(int screenWidth, const MessageBoxFn& messageBox) {
  if (screenWidth < frmbelvik::kOuterWidthPixels) {
    // Only the width is tested; the message names the height the window was designed for.
    messageBox(Utf8(design::kNarrowScreenRefusal.prompt), design::kNarrowScreenRefusal.style,
               QString::fromUtf8(version::kProductName));
    return nullptr;
  }
  auto window = std::make_unique<frmbelvik>(messageBox);
  window->show();
  return window;
}

void PrepareApplication() {
  UseQtChinese();
  UseMenuBarStyle();
  QGuiApplication::setDesktopFileName(QString::fromUtf8(version::kDesktopFileName));
  UseInterfaceFonts();
}

std::unique_ptr<frmbelvik> Main() {
  PrepareApplication();
  const QScreen* primary = QGuiApplication::primaryScreen();
  return Main(primary ? primary->geometry().width() : 0, ShowMessageBox);
}

}  // namespace belvik::ui::Modbelvik
