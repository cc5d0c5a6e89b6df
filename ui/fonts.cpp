#include "fonts.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QStringList>

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

}  // namespace

void UseInterfaceFonts() {
  QFont::insertSubstitutions(QString::fromUtf8(kResultFontFamily), kResultFaces);

  const QStringList installed = QFontDatabase::families();
  for (const QString& face : kInterfaceFaces) {
    if (installed.contains(face)) {
      QApplication::setFont(QFont(face, kInterfacePointSize));
      return;
    }
  }
  QFont fallback = QApplication::font();
  fallback.setPointSize(kInterfacePointSize);
  QApplication::setFont(fallback);
}

}  // namespace belvik::ui
