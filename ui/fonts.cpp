#include "fonts.h"

#include <QApplication>
#include <QFontDatabase>
#include <QStringList>
#include <QWidget>

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

constexpr int kInterfacePointSize = 9;

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
  return QFont(InterfaceFamily(platform.family()), kInterfacePointSize);
}

void UseInterfaceFonts() {
  QFont::insertSubstitutions(QString::fromUtf8(kResultFontFamily), kResultFaces);
  QApplication::setFont(InterfaceFont(QFontDatabase::systemFont(QFontDatabase::GeneralFont)));
}

void HoldInterfaceFont(QWidget* window) {
  QFont font = QApplication::font();
  font.setResolveMask(QFont::AllPropertiesResolved);
  window->setFont(font);
}

}  // namespace belvik::ui
