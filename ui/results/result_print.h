// A result on paper or as a PDF: the pane's name, its inputs, the summary and the schedule as a
// table on A4 pages.
#pragma once

#include "belvik/shown_result.h"
#include "message_box.h"
#include "saving.h"

class QWidget;

namespace belvik::ui {

// Asks for a printer and prints the result.
void PrintResult(QWidget* parent, const design::ShownResult& shown, const MessageBoxFn& messageBox);

// Asks for a file name and writes the result there as a PDF; nothing is written when the user
// cancels, and a failed write leaves no file and says why.
void ExportPdf(QWidget* parent, const design::ShownResult& shown, const FileChooserFn& chooseFile,
               const MessageBoxFn& messageBox);

}  // namespace belvik::ui
