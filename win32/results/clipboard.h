// Text onto the clipboard as CF_UNICODETEXT, which every program pastes, a spreadsheet as
// columns where the text is tab-separated.
#pragma once

#include <string_view>

#include "windows_api.h"

namespace belvik::win32 {

// Replaces the clipboard's contents with `text`, the clipboard opened for `owner`; false when
// another program holds it open.
bool PutOnClipboard(HWND owner, std::wstring_view text);

}  // namespace belvik::win32
