#include "modbelvik.h"

#include <QGuiApplication>
#include <QScreen>

#include "belvik/version.h"
#include "fonts.h"

namespace Modbelvik {

std::unique_ptr<frmbelvik> Main(int screenWidth, const belvik::ui::MessageBoxFn& messageBox) {
  if (screenWidth < frmbelvik::kOuterWidthPixels) {
    // Only the width is tested; the message names the height the window was designed for.
    messageBox(QStringLiteral("此程序要求显示分辨率大于800×600。"), belvik::ui::kWarningMessage,
               QString::fromUtf8(belvik::version::kProductName));
    return nullptr;
  }
  auto window = std::make_unique<frmbelvik>(messageBox);
  window->show();
  return window;
}

std::unique_ptr<frmbelvik> Main() {
  belvik::ui::UseInterfaceFonts();
  const QScreen* primary = QGuiApplication::primaryScreen();
  return Main(primary ? primary->geometry().width() : 0, belvik::ui::ShowMessageBox);
}

}  // namespace Modbelvik
