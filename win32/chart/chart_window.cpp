#include "chart_window.h"

#include <commctrl.h>

#include <memory>
#include <string>
#include <utility>

#include "belvik/chart_series.h"
#include "belvik/result_commands.h"
#include "chart_png.h"
#include "control_ids.h"
#include "fonts.h"
#include "gdiplus_session.h"
#include "hints.h"
#include "screen_reader_names.h"
#include "text.h"
#include "window_class.h"

namespace belvik::win32 {
namespace {

namespace chart_window = design::chart_window;

// In pixels of 96 DPI: the window's first client size, its margins, the row of controls under
// the read-out, and the least the chart itself shrinks to.
constexpr SIZE kClientSize{760, 520};
constexpr int kMargin = 11;
constexpr int kGap = 6;
constexpr int kRowHeight = 24;
constexpr SIZE kLeastChart{360, 240};

class ChartWindow {
 public:
  ChartWindow(HWND owner, const design::ShownResult& shown, FileChooserFn chooseFile,
              MessageBoxFn messageBox)
      : pane_(shown.pane()),
        nominal_(ChartOf(shown.result, shown.inflation)),
        chooseFile_(std::move(chooseFile)),
        messageBox_(std::move(messageBox)) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    RegisterOwnedWindowClass(kChartWindowClass, Procedure, owner);

    const std::string title =
        std::string(design::PaneCaption(pane_)).append(chart_window::kTitleAfterPane);
    CreateWindowExW(0, kChartWindowClass, Wide(title).c_str(), WS_OVERLAPPEDWINDOW, 0, 0, 0, 0,
                    owner, nullptr, instance, this);
    dpi_ = GetDpiForWindow(window_);
    fonts_ = std::make_unique<WindowFonts>(dpi_);
    createControls(instance);
    placeOver(owner);
    view_->SetChart(nominal_);
    ShowWindow(window_, SW_SHOW);
    SetFocus(view_->handle());
  }

  HWND handle() const { return window_; }
  ChartView* view() const { return view_.get(); }

 private:
  int px(int pixels) const { return MulDiv(pixels, static_cast<int>(dpi_), 96); }

  HWND control(const wchar_t* windowClass, std::string_view caption, DWORD style, int id,
               HINSTANCE instance) const {
    HWND made = CreateWindowExW(
        0, windowClass, Wide(caption).c_str(), WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, window_,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
    SendMessageW(made, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_->interfaceFont()), FALSE);
    return made;
  }

  void createControls(HINSTANCE instance) {
    view_ = std::make_unique<ChartView>(
        window_, chart_ids::kChart, fonts_->interfaceFont(), [this](const std::string& text) {
          SetText(readOut_, text);
          // Named for what it is and what it says, so a screen reader finds it either way.
          names_.Name(readOut_, std::string(chart_window::kReadOutName) + text);
        });
    std::string names(chart_window::kChartName);
    for (std::size_t k = 0; k < nominal_.series.size(); ++k) {
      if (k != 0) names += chart_window::kNamesSeparator;
      names += nominal_.series[k].name;
    }
    names_.Name(view_->handle(), names);
    // Read-only text rather than a label, so the figures can be selected and copied.
    readOut_ = control(WC_EDITW, "", ES_READONLY | ES_AUTOHSCROLL, chart_ids::kReadOut, instance);
    logarithmic_ = control(WC_BUTTONW, chart_window::kLogarithmic, BS_AUTOCHECKBOX | WS_TABSTOP,
                           chart_ids::kLogarithmic, instance);
    todaysMoney_ = control(WC_BUTTONW, chart_window::kTodaysMoney, BS_AUTOCHECKBOX | WS_TABSTOP,
                           chart_ids::kTodaysMoney, instance);
    EnableWindow(todaysMoney_, nominal_.inflation.has_value());
    save_ = control(WC_BUTTONW, chart_window::kSave, BS_PUSHBUTTON | WS_TABSTOP, chart_ids::kSave,
                    instance);
    const Hints hints(window_);
    hints.Add(logarithmic_, chart_window::kLogarithmicHint);
    hints.Add(todaysMoney_, nominal_.todaysMoneyNote);
  }

  // The first size, centred over the owner.
  void placeOver(HWND owner) {
    RECT outer{0, 0, px(kClientSize.cx), px(kClientSize.cy)};
    AdjustWindowRectExForDpi(&outer, WS_OVERLAPPEDWINDOW, FALSE, 0, dpi_);
    const int width = outer.right - outer.left;
    const int height = outer.bottom - outer.top;
    const POINT at = CentredOver(owner, width, height);
    SetWindowPos(window_, nullptr, at.x, at.y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  }

  // Width of a check box or button holding `text`.
  int WidthFor(HWND control, int extra) const {
    HDC context = GetDC(control);
    const HGDIOBJ previous = SelectObject(context, fonts_->interfaceFont());
    const std::wstring text = TextOf(control);
    SIZE size{};
    GetTextExtentPoint32W(context, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(context, previous);
    ReleaseDC(control, context);
    return size.cx + px(extra);
  }

  // The chart takes what the read-out and the row of controls under it leave.
  void layOut(int width, int height) {
    const int margin = px(kMargin);
    const int row = px(kRowHeight);
    const int rowTop = height - margin - row;
    const int readOutTop = rowTop - px(kGap) - row;
    int x = margin;
    for (HWND box : {logarithmic_, todaysMoney_}) {
      const int boxWidth = WidthFor(box, 24);
      MoveWindow(box, x, rowTop, boxWidth, row, TRUE);
      x += boxWidth + px(2 * kGap);
    }
    const int saveWidth = std::max(px(88), WidthFor(save_, 24));
    MoveWindow(save_, width - margin - saveWidth, rowTop, saveWidth, row, TRUE);
    MoveWindow(readOut_, margin, readOutTop, width - 2 * margin, row, TRUE);
    MoveWindow(view_->handle(), margin, margin, width - 2 * margin, readOutTop - px(kGap) - margin,
               TRUE);
  }

  void save() {
    const std::wstring path = ChooseFile(chooseFile_, window_, design::kPngChart, pane_);
    if (path.empty()) return;
    const std::string png = ChartPng(*view_);
    if (png.empty()) {
      TellSaveFailed(window_, path, ERROR_NOT_ENOUGH_MEMORY, messageBox_);
      return;
    }
    SaveAtomically(window_, path, png, messageBox_);
  }

  bool Checked(HWND box) const { return SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED; }

  bool command(int id) {
    switch (id) {
      case chart_ids::kLogarithmic:
        view_->SetLogarithmic(Checked(logarithmic_));
        return true;
      case chart_ids::kTodaysMoney:
        view_->SetChart(Checked(todaysMoney_) ? InTodaysMoney(nominal_) : nominal_);
        return true;
      case chart_ids::kSave:
        save();
        return true;
      case IDCANCEL:
        DestroyWindow(window_);
        return true;
      default:
        return false;
    }
  }

  void changeDpi(UINT dpi, const RECT& suggested) {
    dpi_ = dpi;
    fonts_ = std::make_unique<WindowFonts>(dpi_);
    for (HWND each : {readOut_, logarithmic_, todaysMoney_, save_}) {
      SendMessageW(each, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_->interfaceFont()), TRUE);
    }
    view_->SetFont(fonts_->interfaceFont());
    SetWindowPos(window_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  }

  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = ObjectOf(window, message, lParam, &ChartWindow::window_);
    if (!self) return DefWindowProcW(window, message, wParam, lParam);
    switch (message) {
      case WM_COMMAND:
        if (self->command(LOWORD(wParam))) return 0;
        break;
      case WM_SIZE:
        if (self->view_) self->layOut(LOWORD(lParam), HIWORD(lParam));
        return 0;
      case WM_GETMINMAXINFO: {
        RECT least{0, 0, self->px(kLeastChart.cx + 2 * kMargin),
                   self->px(kLeastChart.cy + 2 * kMargin + 2 * kRowHeight + 2 * kGap)};
        AdjustWindowRectExForDpi(&least, WS_OVERLAPPEDWINDOW, FALSE, 0, self->dpi_);
        reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = {least.right - least.left,
                                                                 least.bottom - least.top};
        return 0;
      }
      case WM_DPICHANGED:
        self->changeDpi(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
      case WM_NCDESTROY:
        delete self;
        return DefWindowProcW(window, message, wParam, lParam);
      default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
  }

  // GDI+ for as long as the chart is drawn: declared first, so it ends last.
  const GdiplusSession gdiplus_;
  const design::PaneDescription& pane_;
  const Chart nominal_;
  const FileChooserFn chooseFile_;
  const MessageBoxFn messageBox_;
  HWND window_ = nullptr;
  UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
  std::unique_ptr<WindowFonts> fonts_;
  ScreenReaderNames names_;
  std::unique_ptr<ChartView> view_;
  HWND readOut_ = nullptr;
  HWND logarithmic_ = nullptr;
  HWND todaysMoney_ = nullptr;
  HWND save_ = nullptr;
};

}  // namespace

HWND ShowChart(HWND owner, const design::ShownResult& shown, FileChooserFn chooseFile,
               MessageBoxFn messageBox) {
  // The window deletes itself once destroyed.
  return (new ChartWindow(owner, shown, std::move(chooseFile), std::move(messageBox)))->handle();
}

ChartView* ChartViewOf(HWND chartWindow) {
  auto* window = reinterpret_cast<ChartWindow*>(GetWindowLongPtrW(chartWindow, GWLP_USERDATA));
  return window ? window->view() : nullptr;
}

}  // namespace belvik::win32
