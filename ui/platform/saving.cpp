#include "saving.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QSaveFile>
#include <QStandardPaths>

#include "utf8.h"

namespace belvik::ui {

QString AskSaveFileName(const QString& caption, const QString& suggestedPath,
                        const QString& filter) {
  return QFileDialog::getSaveFileName(QApplication::activeWindow(), caption, suggestedPath, filter);
}

QString SuggestedPath(const design::PaneDescription& pane, const QString& extension) {
  const QDate today = QDate::currentDate();
  const QString name = Utf8(design::SuggestedFileName(pane, today.year(), today.month(),
                                                      today.day(), extension.toStdString()));
  // A fresh account may have no documents folder yet; the dialog would then open elsewhere.
  const QDir documents(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
  return (documents.exists() ? documents : QDir::home()).filePath(name);
}

QString FileFilter(const design::FileKind& kind) {
  return QStringLiteral("%1 (*.%2)").arg(Utf8(kind.typeName), Utf8(kind.extension));
}

QString ChooseFile(const FileChooserFn& chooseFile, const design::FileKind& kind,
                   const design::PaneDescription& pane) {
  return chooseFile(Utf8(kind.dialogCaption), SuggestedPath(pane, Utf8(kind.extension)),
                    FileFilter(kind));
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
  messageBox(Utf8(design::SaveFailure(QDir::toNativeSeparators(path).toStdString(),
                                      file.errorString().toStdString())),
             kWarningMessage, Utf8(design::kMessageTitle));
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
