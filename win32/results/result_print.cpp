#include "result_print.h"

// COM's declarations, which the Print dialog's need first.
#include <objbase.h>
// The Print dialog and the printers.
#include <commdlg.h>
#include <winspool.h>

#include <vector>

#include "belvik/print_out.h"
#include "belvik/result_commands.h"
#include "com_apartment.h"
#include "page_painter.h"
#include "print_progress.h"
#include "text.h"

namespace belvik::win32 {
namespace {

constexpr wchar_t kPdfPrinter[] = L"Microsoft Print to PDF";

// Prints `out` on `device` as one job, showing its progress under `caption`; tells the user
// when the device refused the job. A cancelled job is aborted: nothing of it is printed.
void Print(HWND owner, PageDevice& device, const PrintOut& out, std::string_view caption,
           const MessageBoxFn& messageBox) {
  PaintOutcome outcome = PaintOutcome::Refused;
  if (device.StartDocument(Wide(out.title))) {
    PrintProgress progress(owner, caption);
    outcome = PaintPrintOut(device, out, [&progress](std::size_t page, std::size_t pageCount) {
      return progress.Step(page, pageCount);
    });
    if (outcome != PaintOutcome::Painted) {
      device.Abort();
    } else if (!device.EndDocument()) {
      outcome = PaintOutcome::Refused;
    }
  }
  if (outcome == PaintOutcome::Refused) {
    Tell(messageBox, owner, {design::kPrintFailed, design::kWarningMessage});
  }
}

}  // namespace

std::unique_ptr<PageDevice> AskForPrinter(HWND owner) {
  const ComApartment com;
  PRINTDLGEXW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.Flags = PD_RETURNDC | PD_NOPAGENUMS | PD_NOSELECTION | PD_NOCURRENTPAGE |
                 PD_USEDEVMODECOPIESANDCOLLATE;
  dialog.nStartPage = START_PAGE_GENERAL;
  const bool chosen = SUCCEEDED(PrintDlgExW(&dialog)) && dialog.dwResultAction == PD_RESULT_PRINT;
  if (dialog.hDevMode) GlobalFree(dialog.hDevMode);
  if (dialog.hDevNames) GlobalFree(dialog.hDevNames);
  if (!chosen) {
    if (dialog.hDC) DeleteDC(dialog.hDC);
    return nullptr;
  }
  return std::make_unique<PrinterPages>(dialog.hDC, std::wstring());
}

PdfPrinterFn FindPdfPrinter() {
  DWORD size = 0;
  DWORD count = 0;
  EnumPrintersW(PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS, nullptr, 4, nullptr, 0, &size,
                &count);
  std::vector<BYTE> buffer(size);
  if (size == 0 || !EnumPrintersW(PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS, nullptr, 4,
                                  buffer.data(), size, &size, &count)) {
    return {};
  }
  const auto* printers = reinterpret_cast<const PRINTER_INFO_4W*>(buffer.data());
  for (DWORD k = 0; k < count; ++k) {
    if (std::wstring_view(printers[k].pPrinterName) != kPdfPrinter) continue;
    return [](const std::wstring& path) -> std::unique_ptr<PageDevice> {
      HDC printer = CreateDCW(L"WINSPOOL", kPdfPrinter, nullptr, nullptr);
      if (!printer) return nullptr;
      return std::make_unique<PrinterPages>(printer, path);
    };
  }
  return {};
}

void PrintResult(HWND owner, const design::ShownResult& shown, const PrinterChooserFn& choose,
                 const MessageBoxFn& messageBox) {
  const std::unique_ptr<PageDevice> printer = choose(owner);
  if (!printer) return;
  Print(owner, *printer, shown.ToPrintOut(), design::kPrintCaption, messageBox);
}

void ExportPdf(HWND owner, const design::ShownResult& shown, const FileChooserFn& chooseFile,
               const PdfPrinterFn& pdfPrinter, const MessageBoxFn& messageBox) {
  const std::wstring path = ChooseFile(chooseFile, owner, design::kPdfFile, shown.pane());
  if (path.empty()) return;
  const std::unique_ptr<PageDevice> printer = pdfPrinter(path);
  if (!printer) {
    Tell(messageBox, owner, {design::kPrintFailed, design::kWarningMessage});
    return;
  }
  Print(owner, *printer, shown.ToPrintOut(), design::kPdfFile.dialogCaption, messageBox);
}

}  // namespace belvik::win32
