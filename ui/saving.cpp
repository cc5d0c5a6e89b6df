#include "saving.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QSaveFile>
#include <QStandardPaths>

#include "control_table.h"
#include "failure_message.h"

namespace belvik::ui {

QString AskSaveFileName(const QString& caption, const QString& suggestedPath,
                        const QString& filter) {
  return QFileDialog::getSaveFileName(QApplication::activeWindow(), caption, suggestedPath, filter);
}

QString PaneCaption(const PaneRow& pane) { return QString::fromUtf8(CaptionOf(pane.menu)); }

QString SuggestedPath(const PaneRow& pane, const QString& extension) {
  const QString name =
      PaneCaption(pane) + QDate::currentDate().toString(QStringLiteral("-yyyyMMdd.")) + extension;
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

bool SaveBytes(const QString& path, QByteArrayView bytes, const MessageBoxFn& messageBox) {
  return SaveAtomically(
      path,
      [bytes](QIODevice& file) {
        // A short write shows as the commit's failure.
        file.write(bytes.data(), bytes.size());
        return true;
      },
      messageBox);
}

}  // namespace belvik::ui
