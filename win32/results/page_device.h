// Where a print-out's pages go: a printer's job (a real printer, or one that writes PDF files),
// or, for checks and pictures of a page, enhanced metafiles. The page painter draws the same on
// each through GDI.
#pragma once

#include <string>

#include "windows_api.h"

namespace belvik::win32 {

// A page in the device's units, as GDI draws on it: the paper's edges relative to the drawing
// origin (a printer's origin is the corner of its printable area) and the dots per inch.
struct PageGeometry {
  RECT paper;
  int dotsPerInchX;
  int dotsPerInchY;
};

class PageDevice {
 public:
  virtual ~PageDevice() = default;

  // Measures text as the pages will draw it.
  virtual HDC MeasuringContext() const = 0;
  virtual PageGeometry Geometry() const = 0;

  // The job `title`: false when the device refuses it.
  virtual bool StartDocument(const std::wstring& title) = 0;
  // A fresh page to draw on; none when the device refuses it.
  virtual HDC StartPage() = 0;
  virtual bool EndPage() = 0;
  virtual bool EndDocument() = 0;
  // Drops the job: nothing of it is printed.
  virtual void Abort() = 0;
};

// A printer's device context as a device, owned from here on: its job goes to the printer, or to
// `outputPath` where one is given (a PDF printer writes the file without asking for a name).
class PrinterPages : public PageDevice {
 public:
  PrinterPages(HDC printer, std::wstring outputPath);
  ~PrinterPages() override;
  PrinterPages(const PrinterPages&) = delete;
  PrinterPages& operator=(const PrinterPages&) = delete;

  HDC MeasuringContext() const override { return printer_; }
  PageGeometry Geometry() const override;
  bool StartDocument(const std::wstring& title) override;
  HDC StartPage() override;
  bool EndPage() override;
  bool EndDocument() override;
  void Abort() override;

 private:
  HDC printer_;
  std::wstring outputPath_;
};

}  // namespace belvik::win32
