#include "window_class.h"

namespace belvik::win32 {

void RegisterWindowClass(const wchar_t* name, WNDPROC procedure, HICON icon, HICON smallIcon) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hIcon = icon;
  windowClass.hIconSm = smallIcon;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  windowClass.lpszClassName = name;
  RegisterClassExW(&windowClass);
}

void RegisterOwnedWindowClass(const wchar_t* name, WNDPROC procedure, HWND owner) {
  RegisterWindowClass(name, procedure,
                      reinterpret_cast<HICON>(GetClassLongPtrW(owner, GCLP_HICON)),
                      reinterpret_cast<HICON>(GetClassLongPtrW(owner, GCLP_HICONSM)));
}

POINT CentredOver(HWND owner, int width, int height) {
  RECT over{};
  GetWindowRect(owner ? owner : GetDesktopWindow(), &over);
  return {over.left + (over.right - over.left - width) / 2,
          over.top + (over.bottom - over.top - height) / 2};
}

}  // namespace belvik::win32
