// The design's and the engine's texts are UTF-8; the Windows API's are UTF-16.
#pragma once

#include <string>
#include <string_view>

#include "windows_api.h"

namespace belvik::win32 {

std::wstring Wide(std::string_view utf8);
// A lone surrogate becomes U+FFFD, as it does in the Qt window's UTF-8.
std::string Utf8(std::wstring_view utf16);

// A control's whole text, and setting it.
std::wstring TextOf(HWND control);
void SetText(HWND control, std::string_view utf8);

}  // namespace belvik::win32
