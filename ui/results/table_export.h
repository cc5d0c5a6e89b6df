// The result's figures as a table: onto the clipboard for a spreadsheet, or into a CSV file.
#pragma once

#include "belvik/shown_result.h"
#include "message_box.h"
#include "saving.h"

namespace belvik::ui {

// Puts the table on the clipboard, tab-separated.
void CopyAsTable(const design::ShownResult& shown);

// Asks for a file name and saves the table there as CSV; nothing is written when the user
// cancels, and a failed write leaves no file and says why.
void ExportCsv(const design::ShownResult& shown, const FileChooserFn& chooseFile,
               const MessageBoxFn& messageBox);

}  // namespace belvik::ui
