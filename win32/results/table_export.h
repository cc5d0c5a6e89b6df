// The result's figures as a table: onto the clipboard for a spreadsheet, or into a CSV file.
#pragma once

#include "belvik/shown_result.h"
#include "message_box.h"
#include "saving.h"
#include "windows_api.h"

namespace belvik::win32 {

// Puts the table on the clipboard, tab-separated, each row ending in CR LF.
void CopyAsTable(HWND owner, const design::ShownResult& shown);

// Asks for a file name and saves the table there as CSV; nothing is written when the user
// cancels, and a failed write leaves an old file whole and says why.
void ExportCsv(HWND owner, const design::ShownResult& shown, const FileChooserFn& chooseFile,
               const MessageBoxFn& messageBox);

}  // namespace belvik::win32
