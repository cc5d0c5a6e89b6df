// What every window class of this program shares: how it is registered, how its procedure
// finds the C++ object behind the window, and where a window opened over another one goes.
#pragma once

#include "windows_api.h"

namespace belvik::win32 {

// Registers the class `name` for this program's windows: the arrow cursor, the dialog face's
// colour, and `icon` and `smallIcon` (none: the system's). Registering a name again fails
// harmlessly, so each window may register its class as it opens.
void RegisterWindowClass(const wchar_t* name, WNDPROC procedure, HICON icon = nullptr,
                         HICON smallIcon = nullptr);

// The same for a window opened over `owner`, which shows the owner's icons.
void RegisterOwnedWindowClass(const wchar_t* name, WNDPROC procedure, HWND owner);

// The object behind `window`, for its procedure: the creation parameter handed to
// CreateWindowExW, kept with the window from WM_NCCREATE (where `handle`, if given, is set to the
// window) until WM_NCDESTROY, the last message it is returned for. Null for the messages before.
template <typename T>
T* ObjectOf(HWND window, UINT message, LPARAM lParam, HWND T::*handle = nullptr) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<T*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    if (handle) self->*handle = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<T*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (message == WM_NCDESTROY) SetWindowLongPtrW(window, GWLP_USERDATA, 0);
  return self;
}

// The top-left corner that centres a window of `width` by `height` outer pixels over `owner`
// (none: the desktop).
POINT CentredOver(HWND owner, int width, int height);

}  // namespace belvik::win32
