// The boxes' keystroke rules on Windows: each input box and the result box is subclassed, so
// that its rule judges every typed character (WM_CHAR, and an input method's WM_IME_CHAR) before
// the edit control sees it; a key with Ctrl is cancelled with the control character it types.
// Text that arrives another way (WM_SETTEXT, a paste from the context menu or with Shift+Insert)
// is taken as it is, as in the Qt window.
#pragma once

#include "belvik/window_design.h"
#include "windows_api.h"

namespace belvik::win32 {

void FilterKeystrokes(HWND box, design::KeystrokeRule rule);

}  // namespace belvik::win32
