// 反推每月定投: a target in, the monthly amount whose periodic-investment schedule reaches it
// out, worked out again on every keystroke.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "belvik/goal_form.h"

class QWidget;

namespace belvik::ui {

// Puts these texts into the periodic-investment pane's boxes, in the order its calculator
// reads them, and shows the pane.
using FillInFn = std::function<void(const std::vector<std::string>& texts)>;

// Opens the window over `parent`, modeless; it closes with its parent at the latest, or once
// it has filled in the pane.
void ShowGoalWindow(QWidget* parent, design::goal_window::Start start, FillInFn fillIn);

}  // namespace belvik::ui
