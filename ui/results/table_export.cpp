#include "table_export.h"

#include <QApplication>
#include <QClipboard>
#include <string>

#include "belvik/result_table.h"

namespace belvik::ui {

void CopyAsTable(const design::ShownResult& shown) {
  QApplication::clipboard()->setText(QString::fromStdString(TabSeparated(TableOf(shown.result))));
}

void ExportCsv(const design::ShownResult& shown, const FileChooserFn& chooseFile,
               const MessageBoxFn& messageBox) {
  const QString path = ChooseFile(chooseFile, design::kCsvFile, shown.pane());
  if (path.isEmpty()) return;
  const std::string csv = Csv(TableOf(shown.result));
  SaveBytes(path, csv, messageBox);
}

}  // namespace belvik::ui
