#include "fonts.h"

#include <QApplication>
#include <QFontDatabase>
#include <QStringList>
#include <QWidget>

#include "belvik/window_design.h"
#include "utf8.h"

namespace belvik::ui {

namespace {

// The design places every label and box for Chinese characters 12 pixels wide and Latin
// ones about 6; these faces keep to that, so no caption runs into the box beside it.
const QStringList kInterfaceFaces = {
    QStringLiteral("Noto Sans CJK SC"),
    QStringLiteral("Source Han Sans SC"),
    QStringLiteral("Microsoft YaHei"),
};

// Stand-ins for the result box's serif family on systems that lack it.
const QStringList kResultFaces = {
    QStringLiteral("SimSun"),
    QStringLiteral("Noto Serif CJK SC"),
    QStringLiteral("Source Han Serif SC"),
    QStringLiteral("Noto Sans CJK SC"),
};

QString InterfaceFamily(const QString& platformFamily) {
  if (QFontDatabase::writingSystems(platformFamily).contains(QFontDatabase::SimplifiedChinese)) {
    return platformFamily;
  }
  for (const QString& face : kInterfaceFaces) {
    if (QFontDatabase::hasFamily(face)) return face;
  }
  return platformFamily;
}

}  // namespace

QFont InterfaceFont(const QFont& platform) {
  QFont font(InterfaceFamily(platform.family()));
  font.setPointSizeF(design::kInterfacePointSize);
  return font;
}

QFont ResultFont() {
  QFont font(Utf8(design::kResultFont.family));
  font.setPointSizeF(design::kResultFont.pointSize);
  return font;
}

void UseInterfaceFonts() {
  QFont::insertSubstitutions(Utf8(design::kResultFont.family), kResultFaces);
  QApplication::setFont(InterfaceFont(QFontDatabase::systemFont(QFontDatabase::GeneralFont)));
}

void HoldInterfaceFont(QWidget* window) {
  QFont font = QApplication::font();
  font.setResolveMask(QFont::AllPropertiesResolved);
  window->setFont(font);
}

}  // namespace belvik::ui
