#include "saving.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QSaveFile>
#include <QStandardPaths>
#include <cstring>

#include "control_table.h"
#include "failure_message.h"

namespace belvik::ui {

QString AskSaveFileName(const QString& caption, const QString& suggestedPath,
                        const QString& filter) {
  return QFileDialog::getSaveFileName(QApplication::activeWindow(), caption, suggestedPath, filter);
}

QString PaneCaption(const PaneRow& pane) {
  for (const ControlRow& row : kControls) {
    if (std::strcmp(row.name, pane.menu) == 0) return QString::fromUtf8(row.caption);
  }
  return {};
}

QString SuggestedPath(const PaneRow& pane, const QString& extension) {
  QString name = PaneCaption(pane);
  name += QDate::currentDate().toString(QStringLiteral("-yyyyMMdd.")) + extension;
  // A fresh account may have no documents folder yet; the dialog would then open elsewhere.
  const QDir documents(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
  return (documents.exists() ? documents : QDir::home()).filePath(name);
}

bool SaveAtomically(const QString& path, const std::function<bool(QIODevice&)>& write,
                    const MessageBoxFn& messageBox) {
  QSaveFile file(path);
  if (file.open(QIODevice::WriteOnly)) {
    if (!write(file)) {
      file.cancelWriting();
      return false;
    }
    if (file.commit()) return true;
  }
  messageBox(QStringLiteral("文件未能保存：%1\n%2")
                 .arg(QDir::toNativeSeparators(path), file.errorString()),
             kWarningMessage, QString::fromUtf8(kCalculationMessageTitle));
  return false;
}

}  // namespace belvik::ui
