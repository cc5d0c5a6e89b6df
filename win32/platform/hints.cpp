#include "hints.h"

#include <commctrl.h>

#include <string>

#include "text.h"

namespace belvik::win32 {

Hints::Hints(HWND window)
    : window_(window),
      tips_(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                            WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, 0, 0, 0, 0, window, nullptr,
                            reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE)),
                            nullptr)) {
  // Wide enough for a hint in two or three lines rather than one across the screen.
  constexpr int kHintWidth = 360;
  SendMessageW(
      tips_, TTM_SETMAXTIPWIDTH, 0,
      MulDiv(kHintWidth, static_cast<int>(GetDpiForWindow(window)), USER_DEFAULT_SCREEN_DPI));
}

void Hints::Add(HWND control, std::string_view hint) const {
  std::wstring text = Wide(hint);
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = window_;
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = text.data();
  SendMessageW(tips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

}  // namespace belvik::win32
