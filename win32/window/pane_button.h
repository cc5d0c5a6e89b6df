// A pane's 计算 button. BM_CLICK, from this program or another, acts as a click of the mouse
// whether or not the button's pane is showing; a click on a hidden button would otherwise
// depend on where the focus and the mouse capture can go.
#pragma once

#include "windows_api.h"

namespace belvik::win32 {

void ClickOnRequest(HWND button);

}  // namespace belvik::win32
