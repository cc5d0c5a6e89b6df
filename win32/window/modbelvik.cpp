#include "modbelvik.h"

#include "belvik/version.h"

namespace belvik::win32::Modbelvik {

std::unique_ptr<frmbelvik> Main(int screenWidth, const MessageBoxFn& messageBox) {
  if (screenWidth < design::kOuterWidthPixels) {
    // Only the width is tested; the message names the height the window was designed for.
    messageBox(nullptr, design::kNarrowScreenRefusal.prompt, design::kNarrowScreenRefusal.style,
               version::kProductName);
    return nullptr;
  }
  auto window = std::make_unique<frmbelvik>(messageBox);
  window->show();
  return window;
}

int RunMessageLoop(HWND window) {
  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    // The window, the chart and 反推每月定投 alike: Tab and Enter in whichever is active.
    const HWND active = GetActiveWindow();
    if (IsDialogMessageW(active ? active : window, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace belvik::win32::Modbelvik
