#include "table_export.h"

#include "belvik/result_table.h"
#include "clipboard.h"
#include "text.h"

namespace belvik::win32 {

void CopyAsTable(HWND owner, const design::ShownResult& shown) {
  PutOnClipboard(owner, Wide(TabSeparated(TableOf(shown.result))));
}

void ExportCsv(HWND owner, const design::ShownResult& shown, const FileChooserFn& chooseFile,
               const MessageBoxFn& messageBox) {
  const std::wstring path = ChooseFile(chooseFile, owner, design::kCsvFile, shown.pane());
  if (path.empty()) return;
  SaveAtomically(owner, path, Csv(TableOf(shown.result)), messageBox);
}

}  // namespace belvik::win32
