#include "pane_button.h"

#include <commctrl.h>

namespace belvik::win32 {

namespace {

constexpr UINT_PTR kClickId = 2;

LRESULT CALLBACK Click(HWND button, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                       DWORD_PTR) {
  switch (message) {
    case BM_CLICK:
      // A click focuses the button it presses, where the button can take the focus.
      if (IsWindowVisible(button)) SetFocus(button);
      SendMessageW(GetParent(button), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                   reinterpret_cast<LPARAM>(button));
      return 0;
    case WM_NCDESTROY:
      RemoveWindowSubclass(button, Click, kClickId);
      break;
    default:
      break;
  }
  return DefSubclassProc(button, message, wParam, lParam);
}

}  // namespace

void ClickOnRequest(HWND button) { SetWindowSubclass(button, Click, kClickId, 0); }

}  // namespace belvik::win32
