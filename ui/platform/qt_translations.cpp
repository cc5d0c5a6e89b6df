#include "qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace belvik::ui {

std::unique_ptr<QTranslator> LoadQtChinese(const QString& directory) {
  auto translator = std::make_unique<QTranslator>();
  // qtbase holds the texts of every Qt module the program shows: Widgets, Gui, PrintSupport.
  if (!translator->load(QStringLiteral("qtbase_zh_CN"), directory)) return nullptr;
  return translator;
}

void UseQtChinese() {
  std::unique_ptr<QTranslator> translator =
      LoadQtChinese(QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  if (!translator) return;
  QCoreApplication::installTranslator(translator.get());
  translator.release()->setParent(QCoreApplication::instance());
}

}  // namespace belvik::ui
