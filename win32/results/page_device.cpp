#include "page_device.h"

#include <utility>

namespace belvik::win32 {

PrinterPages::PrinterPages(HDC printer, std::wstring outputPath)
    : printer_(printer), outputPath_(std::move(outputPath)) {}

PrinterPages::~PrinterPages() { DeleteDC(printer_); }

PageGeometry PrinterPages::Geometry() const {
  const int left = GetDeviceCaps(printer_, PHYSICALOFFSETX);
  const int top = GetDeviceCaps(printer_, PHYSICALOFFSETY);
  return {{-left, -top, GetDeviceCaps(printer_, PHYSICALWIDTH) - left,
           GetDeviceCaps(printer_, PHYSICALHEIGHT) - top},
          GetDeviceCaps(printer_, LOGPIXELSX),
          GetDeviceCaps(printer_, LOGPIXELSY)};
}

bool PrinterPages::StartDocument(const std::wstring& title) {
  DOCINFOW document{};
  document.cbSize = sizeof document;
  document.lpszDocName = title.c_str();
  document.lpszOutput = outputPath_.empty() ? nullptr : outputPath_.c_str();
  return StartDocW(printer_, &document) > 0;
}

HDC PrinterPages::StartPage() { return ::StartPage(printer_) > 0 ? printer_ : nullptr; }

bool PrinterPages::EndPage() { return ::EndPage(printer_) > 0; }

bool PrinterPages::EndDocument() { return EndDoc(printer_) > 0; }

void PrinterPages::Abort() { AbortDoc(printer_); }

}  // namespace belvik::win32
