// The program's one window on Windows: a menu bar of four commands, one pane per calculator, the
// inflation row above the panes and the shared result box, built from the window's design. Every
// control is a direct child of the window, addressed by its fixed control ID; a frame is the
// group box drawn behind its pane's controls, which show and hide with it.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <utility>

#include "belvik/result_commands.h"
#include "belvik/shown_result.h"
#include "belvik/window_design.h"
#include "fonts.h"
#include "message_box.h"
#include "result_print.h"
#include "saving.h"
#include "windows_api.h"

namespace belvik::win32 {

class frmbelvik {
 public:
  static constexpr wchar_t kClassName[] = L"frmbelvik";

  // Creates every control, then loads: caption from the version record, an outer size of 800
  // pixels (of 96 DPI) by 8000 twips centred on the screen, frames on one rectangle, the
  // periodic-investment pane. The window stays hidden until show().
  explicit frmbelvik(MessageBoxFn messageBox = ShowMessageBox);
  // Destroys the window unless the user has closed it.
  ~frmbelvik();
  frmbelvik(const frmbelvik&) = delete;
  frmbelvik& operator=(const frmbelvik&) = delete;

  HWND handle() const { return window_; }
  HWND control(design::Control control) const;

  void show();

  // The calculation whose text the result box shows; none at start-up and after a pane switch.
  const std::optional<design::ShownResult>& shownResult() const { return shown_; }

  // The result box's context menu as it stands now (the caller destroys it): 复制 while part of
  // the text is selected, 全选, the commands that take the result's figures further while the
  // box shows a result that has some (导出为 PDF… only where the system has a PDF printer), and
  // 反推每月定投… on the periodic-investment pane and with a pension total. Each command is also
  // the window's WM_COMMAND with its ID, which does nothing while the command is not on offer.
  HMENU createResultMenu() const;

  // Where the commands ask for a file name, a printer and the PDF printer; the system's own
  // unless replaced.
  void setFileChooser(FileChooserFn chooseFile) { chooseFile_ = std::move(chooseFile); }
  void setPrinterChooser(PrinterChooserFn choose) { choosePrinter_ = std::move(choose); }
  void setPdfPrinterFinder(std::function<PdfPrinterFn()> find) {
    findPdfPrinter_ = std::move(find);
  }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  void createControls();
  void useFonts();
  // 800 pixels of 96 DPI wide and 8000 twips high, frame and menu bar included.
  SIZE outerSize() const;
  void size(POINT origin);
  void layOut();
  void choosePane(const design::PaneDescription& pane);
  void placeResultBox(const design::PaneDescription& pane);
  void calculate(const design::PaneDescription& pane);
  bool command(int id, int notification);
  void showResultMenu(POINT place);
  void runResultCommand(design::ResultCommand command);
  // Opens 反推每月定投 from the pane shown, which it fills in when the user asks.
  void findMonthlyAmount();
  void pressFocusedButton();
  void changeDpi(UINT dpi, const RECT& suggested);

  // The pane whose frame is shown; no variable holds it.
  const design::PaneDescription& shownPane() const;
  float twipsPerPixel() const { return design::TwipsPerPixel(static_cast<float>(dpi_)); }

  MessageBoxFn messageBox_;
  FileChooserFn chooseFile_ = AskSaveFileName;
  PrinterChooserFn choosePrinter_ = AskForPrinter;
  std::function<PdfPrinterFn()> findPdfPrinter_ = FindPdfPrinter;
  HWND window_ = nullptr;
  UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
  std::unique_ptr<WindowFonts> fonts_;
  HWND focus_ = nullptr;  // where the focus goes back to when the window is activated again
  std::optional<design::ShownResult> shown_;
};

}  // namespace belvik::win32
