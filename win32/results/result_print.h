// A result on paper or as a PDF: the pane's name, its inputs, the summary and the schedule as a
// table on the printer's pages, with a progress window whose 取消 aborts the job.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "belvik/shown_result.h"
#include "message_box.h"
#include "page_device.h"
#include "saving.h"
#include "windows_api.h"

namespace belvik::win32 {

// Asks over `owner` for a printer and how to print (the Print dialog); none when the user
// cancels or there is no printer.
using PrinterChooserFn = std::function<std::unique_ptr<PageDevice>(HWND owner)>;

// The real one: PrintDlgExW, on the chosen printer's paper.
std::unique_ptr<PageDevice> AskForPrinter(HWND owner);

// A printer that writes the job to the PDF file at `path`; none when it cannot be opened.
using PdfPrinterFn = std::function<std::unique_ptr<PageDevice>(const std::wstring& path)>;

// The system's PDF printer ("Microsoft Print to PDF"), or an empty function where it has none.
PdfPrinterFn FindPdfPrinter();

// Asks for a printer and prints the result; a job the printer refuses says so.
void PrintResult(HWND owner, const design::ShownResult& shown, const PrinterChooserFn& choose,
                 const MessageBoxFn& messageBox);

// Asks for a file name and prints the result to it as a PDF, without further dialogs.
void ExportPdf(HWND owner, const design::ShownResult& shown, const FileChooserFn& chooseFile,
               const PdfPrinterFn& pdfPrinter, const MessageBoxFn& messageBox);

}  // namespace belvik::win32
