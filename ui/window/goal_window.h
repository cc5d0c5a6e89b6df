// 反推每月定投: a target in, the monthly amount whose periodic-investment schedule reaches it
// out, worked out again on every keystroke.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "belvik/result.h"

class QWidget;

namespace belvik::ui {

struct GoalStart {
  // The periodic-investment pane's box texts as they stand, in the order its calculator reads
  // them: the yearly increase and return (and, from that pane, the years) start from these.
  std::vector<std::string> investmentTexts;
  // The pension pane's result, when the window is opened there: its total and its needs give
  // the targets, its ages the years.
  std::optional<Result> pension;
};

// Puts these texts into the periodic-investment pane's boxes, in the order its calculator
// reads them, and shows the pane.
using FillInFn = std::function<void(const std::vector<std::string>& texts)>;

// Opens the window over `parent`, modeless; it closes with its parent at the latest, or once
// it has filled in the pane.
void ShowGoalWindow(QWidget* parent, GoalStart start, FillInFn fillIn);

}  // namespace belvik::ui
