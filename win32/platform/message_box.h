// The one way the program shows a modal message, so tests can stand in for it.
#pragma once

#include <functional>
#include <string_view>

#include "belvik/window_design.h"
#include "windows_api.h"

namespace belvik::win32 {

// Shows `prompt` titled `title` over `owner` (or none) with a style value (design::kPlainMessage
// or design::kWarningMessage) and returns when the user has closed it.
using MessageBoxFn =
    std::function<void(HWND owner, std::string_view prompt, int style, std::string_view title)>;

// The real one: the standard message box.
void ShowMessageBox(HWND owner, std::string_view prompt, int style, std::string_view title);

// Shows `message` through `messageBox` over `owner`, titled 提示.
void Tell(const MessageBoxFn& messageBox, HWND owner, const design::Message& message);

}  // namespace belvik::win32
