#include "frmbelvik.h"

#include <commctrl.h>

#include <string>
#include <utility>
#include <vector>

#include "belvik/calculators.h"
#include "belvik/version.h"
#include "chart_window.h"
#include "control_ids.h"
#include "controls.h"
#include "goal_window.h"
#include "keystroke_filter.h"
#include "pane_button.h"
#include "result_menu.h"
#include "screen_reader_names.h"
#include "table_export.h"
#include "text.h"
#include "window_class.h"

namespace belvik::win32 {

namespace {

using design::Control;
using design::ControlRow;
using design::Kind;
using design::PaneDescription;

// A fixed frame with a system menu and a minimise button: nothing follows a resize, so a
// resizable or maximised window would only show empty space.
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

// The five-image icon of the program file, in the size `metric` asks for.
HICON ProgramIcon(HINSTANCE instance, int metric) {
  const int size = GetSystemMetrics(metric);
  return static_cast<HICON>(
      LoadImageW(instance, L"IDI_ICON1", IMAGE_ICON, size, size, LR_DEFAULTCOLOR | LR_SHARED));
}

void RegisterMainWindowClass(HINSTANCE instance, WNDPROC procedure) {
  const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  RegisterWindowClass(frmbelvik::kClassName, procedure, ProgramIcon(instance, SM_CXICON),
                      ProgramIcon(instance, SM_CXSMICON));
}

HMENU MenuBar() {
  HMENU bar = CreateMenu();
  for (const ControlRow& row : design::kControls) {
    if (row.kind != Kind::MenuCommand) continue;
    AppendMenuW(bar, MF_STRING, static_cast<UINT_PTR>(ControlId(row.id)),
                Wide(row.caption).c_str());
  }
  return bar;
}

void SetShown(HWND control, bool shown) { ShowWindow(control, shown ? SW_SHOWNA : SW_HIDE); }

}  // namespace

frmbelvik::frmbelvik(MessageBoxFn messageBox) : messageBox_(std::move(messageBox)) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  RegisterMainWindowClass(instance, Procedure);
  CreateWindowExW(0, kClassName, Wide(version::kWindowCaption).c_str(), kWindowStyle, CW_USEDEFAULT,
                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, MenuBar(), instance, this);
  dpi_ = GetDpiForWindow(window_);
  fonts_ = std::make_unique<WindowFonts>(dpi_);
  createControls();

  // The load sequence: outer size, centred; every frame on the pane rectangle; the first pane.
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(window_, MONITOR_DEFAULTTOPRIMARY), &monitor);
  const RECT& screen = monitor.rcMonitor;
  const SIZE outer = outerSize();
  size({screen.left + (screen.right - screen.left - outer.cx) / 2,
        screen.top + (screen.bottom - screen.top - outer.cy) / 2});
  choosePane(design::kPanes.front());
}

frmbelvik::~frmbelvik() {
  if (window_) DestroyWindow(window_);
}

HWND frmbelvik::control(Control control) const { return GetDlgItem(window_, ControlId(control)); }

void frmbelvik::show() {
  ShowWindow(window_, SW_SHOW);
  UpdateWindow(window_);
}

void frmbelvik::createControls() {
  ScreenReaderNames names;
  for (const Control id : StackingOrder()) {
    const ControlRow& row = design::RowOf(id);
    HWND made = CreateControl(row, window_);
    // Behind every control made before it: front to back is the order Tab follows.
    SetWindowPos(made, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    switch (row.kind) {
      case Kind::AmountBox:
      case Kind::YearsBox:
      case Kind::ResultBox:
        FilterKeystrokes(made, design::RuleOf(row.kind));
        names.Name(made, design::AccessibleName(id));
        if (row.kind == Kind::ResultBox) HandContextMenuToWindow(made);
        break;
      case Kind::Button:
        ClickOnRequest(made);
        names.Name(made, design::AccessibleName(id));
        break;
      default:
        break;
    }
  }
  AddHints(window_);
  useFonts();
}

void frmbelvik::useFonts() {
  for (const ControlRow& row : design::kControls) {
    if (row.kind == Kind::MenuCommand) continue;
    const HFONT font = design::FaceOf(row.kind) == design::Face::Result ? fonts_->resultFont()
                                                                        : fonts_->interfaceFont();
    SendMessageW(control(row.id), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  }
}

SIZE frmbelvik::outerSize() const {
  return {design::RoundToPixels(design::kOuterWidthTwips, twipsPerPixel()),
          design::RoundToPixels(design::kOuterHeightTwips, twipsPerPixel())};
}

void frmbelvik::size(POINT origin) {
  const SIZE outer = outerSize();
  SetWindowPos(window_, nullptr, origin.x, origin.y, outer.cx, outer.cy,
               SWP_NOZORDER | SWP_NOACTIVATE);
  layOut();
}

void frmbelvik::layOut() {
  const float perPixel = twipsPerPixel();
  RECT client{};
  GetClientRect(window_, &client);
  const design::PixelRect pane = design::RoundToPixels(
      design::PaneRect(design::ToTwips(client.right, client.bottom, perPixel)), perPixel);
  for (const ControlRow& row : design::kControls) {
    if (row.kind == Kind::MenuCommand) continue;
    design::PixelRect at =
        row.kind == Kind::Frame ? pane : design::RoundToPixels(row.rect, perPixel);
    if (row.parent) {
      at.left += pane.left;
      at.top += pane.top;
    }
    SetWindowPos(control(row.id), nullptr, at.left, at.top, at.width, at.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    if (row.kind == Kind::Label) FitToText(control(row.id));
  }
  placeResultBox(shownPane());
}

const PaneDescription& frmbelvik::shownPane() const {
  for (const PaneDescription& pane : design::kPanes) {
    if (GetWindowLongPtrW(control(pane.frame), GWL_STYLE) & WS_VISIBLE) return pane;
  }
  return design::kPanes.front();
}

void frmbelvik::choosePane(const PaneDescription& pane) {
  HWND inflationBox = control(design::kInflationBox.box);
  if (pane.resetsInflation) SetText(inflationBox, design::kDefaultInflation);
  SetShown(control(design::kInflationBox.label), pane.inflationRow);
  SetShown(inflationBox, pane.inflationRow);

  shown_.reset();
  SetText(control(Control::txtJG), design::kResultPlaceholder);

  for (const PaneDescription& each : design::kPanes) {
    const bool shown = &each == &pane;
    SetShown(control(each.frame), shown);
    for (const ControlRow& row : design::kControls) {
      if (row.parent == each.frame) SetShown(control(row.id), shown);
    }
  }

  if (pane.explainsItself) {
    SetText(control(Control::Label15), design::kPresentValueHelp);
    FitToText(control(Control::Label15));
  }
  placeResultBox(pane);
}

void frmbelvik::placeResultBox(const PaneDescription& pane) {
  // All four frames share the pane rectangle, so the chosen one's size is every frame's.
  RECT frame{};
  GetWindowRect(control(pane.frame), &frame);
  const float perPixel = twipsPerPixel();
  const design::TwipsSize paneSize =
      design::ToTwips(frame.right - frame.left, frame.bottom - frame.top, perPixel);
  const design::PixelRect at =
      design::RoundToPixels(design::ResultBoxRect(paneSize, pane.resultTop), perPixel);
  SetWindowPos(control(Control::txtJG), nullptr, at.left, at.top, at.width, at.height,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

void frmbelvik::calculate(const PaneDescription& pane) {
  std::vector<std::string> inputs;
  for (const design::PaneBox& each : pane.boxes())
    inputs.push_back(Utf8(TextOf(control(each.box))));
  Result result = Calculate(pane.calculator, inputs);
  const Failure failure = result.failure;
  if (result.text) {
    SetText(control(Control::txtJG), *result.text);
    shown_ =
        design::ShownResult{std::move(result), Utf8(TextOf(control(design::kInflationBox.box)))};
  }
  if (const std::optional<design::Message> message = design::MessageFor(failure)) {
    Tell(messageBox_, window_, *message);
  }
  // The message does not say which box is empty; the cursor then waits in the first one.
  if (failure == Failure::EmptyInput) {
    for (const design::PaneBox& each : pane.boxes()) {
      if (GetWindowTextLengthW(control(each.box)) == 0) {
        SetFocus(control(each.box));
        break;
      }
    }
  }
}

bool frmbelvik::command(int id, int notification) {
  // Enter, as the dialog manager reports it: desktop users press the focused button with it.
  if (id == IDOK) {
    pressFocusedButton();
    return true;
  }
  if (const std::optional<design::ResultCommand> chosen = ResultCommandWithId(id)) {
    runResultCommand(*chosen);
    return true;
  }
  for (const PaneDescription& pane : design::kPanes) {
    if (id == ControlId(pane.menu)) {
      choosePane(pane);
      return true;
    }
    if (id == ControlId(pane.button) && notification == BN_CLICKED) {
      calculate(pane);
      return true;
    }
  }
  return false;
}

HMENU frmbelvik::createResultMenu() const {
  DWORD start = 0;
  DWORD end = 0;
  SendMessageW(control(Control::txtJG), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  return CreateResultMenu(shownPane(), shown_ ? &*shown_ : nullptr, start != end,
                          static_cast<bool>(findPdfPrinter_()));
}

void frmbelvik::showResultMenu(POINT place) {
  HMENU menu = createResultMenu();
  // The chosen command comes back as WM_COMMAND once the menu has closed, as from elsewhere.
  TrackPopupMenuEx(menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, place.x, place.y, window_,
                   nullptr);
  DestroyMenu(menu);
}

void frmbelvik::runResultCommand(design::ResultCommand command) {
  using design::ResultCommand;
  HWND result = control(Control::txtJG);
  // A command sent while it is not on offer, by another program for one, does nothing.
  if (command == ResultCommand::Copy) {
    SendMessageW(result, WM_COPY, 0, 0);
    return;
  }
  if (!design::Offers(design::RowOf(command), shownPane(), shown_ ? &*shown_ : nullptr)) return;
  switch (command) {
    case ResultCommand::SelectAll:
      SendMessageW(result, EM_SETSEL, 0, -1);
      break;
    case ResultCommand::CopyAsTable:
      CopyAsTable(window_, *shown_);
      break;
    case ResultCommand::ExportCsv:
      ExportCsv(window_, *shown_, chooseFile_, messageBox_);
      break;
    case ResultCommand::Print:
      PrintResult(window_, *shown_, choosePrinter_, messageBox_);
      break;
    case ResultCommand::ExportPdf:
      if (const PdfPrinterFn pdfPrinter = findPdfPrinter_()) {
        ExportPdf(window_, *shown_, chooseFile_, pdfPrinter, messageBox_);
      }
      break;
    case ResultCommand::ShowChart:
      ShowChart(window_, *shown_, chooseFile_, messageBox_);
      break;
    case ResultCommand::FindMonthlyAmount:
      findMonthlyAmount();
      break;
    case ResultCommand::Copy:
      break;
  }
}

void frmbelvik::findMonthlyAmount() {
  const PaneDescription& investment = design::PaneOf(Calculator::Investment);
  std::vector<std::string> texts;
  for (const design::PaneBox& each : investment.boxes()) {
    texts.push_back(Utf8(TextOf(control(each.box))));
  }
  ShowGoalWindow(window_,
                 design::goal_window::StartFrom(std::move(texts), shown_ ? &*shown_ : nullptr),
                 [this, &investment](const std::vector<std::string>& filled) {
                   choosePane(investment);
                   for (std::size_t k = 0; k < filled.size(); ++k) {
                     SetText(control(investment.boxes()[k].box), filled[k]);
                   }
                   SetFocus(control(investment.button));
                 });
}

void frmbelvik::pressFocusedButton() {
  HWND focus = GetFocus();
  if (!focus || GetParent(focus) != window_) return;
  const std::optional<Control> focused = ControlWithId(GetDlgCtrlID(focus));
  if (focused && design::RowOf(*focused).kind == Kind::Button) {
    SendMessageW(focus, BM_CLICK, 0, 0);
  }
}

void frmbelvik::changeDpi(UINT dpi, const RECT& suggested) {
  dpi_ = dpi;
  fonts_ = std::make_unique<WindowFonts>(dpi_);
  useFonts();
  // The same size in twips at the new density: the window keeps only the suggested place.
  size({suggested.left, suggested.top});
}

LRESULT CALLBACK frmbelvik::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = ObjectOf(window, message, lParam, &frmbelvik::window_);
  if (!self) return DefWindowProcW(window, message, wParam, lParam);
  return self->handleMessage(message, wParam, lParam);
}

LRESULT frmbelvik::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  const HWND window = window_;
  switch (message) {
    case WM_COMMAND:
      if (command(LOWORD(wParam), HIWORD(wParam))) return 0;
      break;
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) {
        focus_ = GetFocus();
      } else {
        const bool kept = focus_ && GetParent(focus_) == window && IsWindowVisible(focus_);
        SetFocus(kept ? focus_ : GetNextDlgTabItem(window, nullptr, FALSE));
      }
      return 0;
    case WM_CTLCOLORSTATIC:
      // The result box is read-only, not disabled: it keeps a text box's background.
      if (reinterpret_cast<HWND>(lParam) == control(Control::txtJG)) {
        SetBkColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_WINDOW));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
      }
      break;
    case WM_DPICHANGED:
      changeDpi(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
      return 0;
    case WM_CONTEXTMENU:
      if (reinterpret_cast<HWND>(wParam) == control(Control::txtJG)) {
        showResultMenu(MenuPlace(control(Control::txtJG), lParam));
        return 0;
      }
      break;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    case WM_NCDESTROY:
      window_ = nullptr;
      break;
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace belvik::win32
