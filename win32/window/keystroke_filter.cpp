#include "keystroke_filter.h"

#include <commctrl.h>
#include <imm.h>

#include "text.h"

namespace belvik::win32 {

namespace {

constexpr UINT_PTR kFilterId = 1;

bool HoldsPoint(HWND box) { return TextOf(box).find(L'.') != std::wstring::npos; }

bool ControlHeld() { return (GetKeyState(VK_CONTROL) & 0x8000) != 0; }

LRESULT CALLBACK Filter(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                        DWORD_PTR ruleValue) {
  const auto rule = static_cast<design::KeystrokeRule>(ruleValue);
  switch (message) {
    case WM_IME_CHAR:
      // An input method's character is typed like any other, and taken at once.
      message = WM_CHAR;
      [[fallthrough]];
    case WM_CHAR:
      if (!design::Accepts(rule, static_cast<char16_t>(wParam), HoldsPoint(box))) return 0;
      break;
    case WM_IME_COMPOSITION:
      // The edit control would insert a finished composition whole; handed to the default
      // procedure it arrives as one WM_IME_CHAR per character instead, each judged above.
      if (lParam & GCS_RESULTSTR) return DefWindowProcW(box, message, wParam, lParam);
      break;
    case WM_KEYDOWN:
      // Ctrl with a letter types a control character; the key is cancelled whole with it, so the
      // edit control acts on none of them (Select All, Paste, Undo). The read-only box's Copy
      // and Select All are its commands, not typing.
      if (ControlHeld() && wParam >= 'A' && wParam <= 'Z') {
        if (rule == design::KeystrokeRule::Result && wParam == 'A') {
          return SendMessageW(box, EM_SETSEL, 0, -1);
        }
        if (rule == design::KeystrokeRule::Result && wParam == 'C') {
          return SendMessageW(box, WM_COPY, 0, 0);
        }
        const auto typed = static_cast<char16_t>(wParam - 'A' + 1);
        if (!design::Accepts(rule, typed, HoldsPoint(box))) return 0;
      }
      break;
    case WM_GETDLGCODE:
      // The result box takes no Tab or Enter of its own: Tab moves on, as from every box.
      if (rule == design::KeystrokeRule::Result) {
        return DefSubclassProc(box, message, wParam, lParam) & ~DLGC_WANTALLKEYS;
      }
      break;
    case WM_NCDESTROY:
      RemoveWindowSubclass(box, Filter, kFilterId);
      break;
    default:
      break;
  }
  return DefSubclassProc(box, message, wParam, lParam);
}

}  // namespace

void FilterKeystrokes(HWND box, design::KeystrokeRule rule) {
  SetWindowSubclass(box, Filter, kFilterId, static_cast<DWORD_PTR>(rule));
}

}  // namespace belvik::win32
