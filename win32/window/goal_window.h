// 反推每月定投 on Windows: a target in, the monthly amount whose periodic-investment schedule
// reaches it out, worked out again on every keystroke, as in the Linux window and from the same
// form; its controls carry fixed IDs (goal_ids) and the design's spoken names.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "belvik/goal_form.h"
#include "windows_api.h"

namespace belvik::win32 {

inline constexpr wchar_t kGoalWindowClass[] = L"BelvikGoalWindow";

// Puts these texts into the periodic-investment pane's boxes, in the order its calculator
// reads them, and shows the pane.
using FillInFn = std::function<void(const std::vector<std::string>& texts)>;

// Opens the window over `owner`, modeless; it closes with its owner at the latest, with Esc, or
// once it has filled in the pane. Returns the window.
HWND ShowGoalWindow(HWND owner, design::goal_window::Start start, FillInFn fillIn);

}  // namespace belvik::win32
