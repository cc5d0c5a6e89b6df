#include "print_progress.h"

#include <commctrl.h>

#include "belvik/page_layout.h"
#include "belvik/result_commands.h"
#include "fonts.h"
#include "text.h"
#include "window_class.h"

namespace belvik::win32 {
namespace {

// In pixels of 96 DPI: the text over the bar over the button, each with a margin.
constexpr int kMargin = 12;
constexpr int kWidth = 360;
constexpr int kTextHeight = 20;
constexpr int kBarHeight = 18;
constexpr int kButtonWidth = 88;
constexpr int kButtonHeight = 26;
constexpr int kClientHeight = 4 * kMargin + kTextHeight + kBarHeight + kButtonHeight;

}  // namespace

PrintProgress::PrintProgress(HWND owner, std::string_view caption)
    : owner_(owner), ownerWasEnabled_(owner && !EnableWindow(owner, FALSE)) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  RegisterWindowClass(kClassName, Procedure);

  const UINT dpi = owner ? GetDpiForWindow(owner) : GetDpiForSystem();
  const auto px = [dpi](int pixels) { return MulDiv(pixels, static_cast<int>(dpi), 96); };
  constexpr DWORD kStyle = WS_POPUP | WS_CAPTION;
  RECT outer{0, 0, px(kWidth), px(kClientHeight)};
  AdjustWindowRectExForDpi(&outer, kStyle, FALSE, WS_EX_DLGMODALFRAME, dpi);
  const int width = outer.right - outer.left;
  const int height = outer.bottom - outer.top;
  const POINT at = CentredOver(owner, width, height);
  window_ = CreateWindowExW(WS_EX_DLGMODALFRAME, kClassName, Wide(caption).c_str(), kStyle, at.x,
                            at.y, width, height, owner, nullptr, instance, this);
  font_ = MessageFont(dpi);
  const int inner = px(kWidth - 2 * kMargin);
  text_ = CreateWindowExW(0, WC_STATICW, L"", WS_CHILD | WS_VISIBLE | SS_NOPREFIX, px(kMargin),
                          px(kMargin), inner, px(kTextHeight), window_, nullptr, instance, nullptr);
  bar_ = CreateWindowExW(0, PROGRESS_CLASSW, L"", WS_CHILD | WS_VISIBLE, px(kMargin),
                         px(2 * kMargin + kTextHeight), inner, px(kBarHeight), window_, nullptr,
                         instance, nullptr);
  HWND cancel = CreateWindowExW(
      0, WC_BUTTONW, Wide(design::kCancel).c_str(),
      WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, px(kWidth - kMargin - kButtonWidth),
      px(3 * kMargin + kTextHeight + kBarHeight), px(kButtonWidth), px(kButtonHeight), window_,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDCANCEL)), instance, nullptr);
  for (HWND control : {text_, cancel}) SendMessageW(control, WM_SETFONT, WPARAM(font_), FALSE);
}

PrintProgress::~PrintProgress() {
  // The owner first, so that it, not another program, is activated when the progress goes.
  if (ownerWasEnabled_) EnableWindow(owner_, TRUE);
  DestroyWindow(window_);
  DeleteObject(font_);
}

bool PrintProgress::Step(std::size_t page, std::size_t pageCount) {
  SetText(text_, std::string(design::kPreparing) + PageNumberText(page, pageCount));
  SendMessageW(bar_, PBM_SETRANGE32, 0, static_cast<LPARAM>(pageCount));
  SendMessageW(bar_, PBM_SETPOS, page - 1, 0);
  if (!IsWindowVisible(window_) &&
      std::chrono::steady_clock::now() - start_ >=
          std::chrono::milliseconds(design::kProgressDelayMilliseconds)) {
    ShowWindow(window_, SW_SHOW);
  }
  MSG message;
  while (!cancelled_ && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      // The program is ending: stop, and leave the quit for the message loop.
      PostQuitMessage(static_cast<int>(message.wParam));
      cancelled_ = true;
      break;
    }
    if (IsDialogMessageW(window_, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return !cancelled_;
}

LRESULT CALLBACK PrintProgress::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = ObjectOf<PrintProgress>(window, message, lParam);
  // 取消, Esc, and closing the window all cancel.
  if (self && ((message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) || message == WM_CLOSE)) {
    self->cancelled_ = true;
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace belvik::win32
