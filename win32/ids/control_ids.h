// The fixed control IDs of the Windows window: what GetDlgCtrlID returns, what accessibility
// clients see as each control's automation id, and what other programs address the controls
// by. txtJE(i) is 100 + i, txtYear(i) 200 + i, LabelN 600 + N; a pane's button, frame and menu
// command count from 401, 501 and 701 in menu-bar order; the result box's context-menu commands
// from 801 in menu order, each also a WM_COMMAND of the window. The 反推每月定投 window's boxes
// count from 901 in their tab order, and the chart window's controls from 951.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "belvik/goal_window.h"
#include "belvik/result_commands.h"
#include "belvik/window_design.h"

namespace belvik::win32 {

namespace ids {

inline constexpr int kAmountBoxes = 100;
inline constexpr int kYearsBoxes = 200;
inline constexpr int kResultBox = 300;
inline constexpr int kButtons = 401;
inline constexpr int kFrames = 501;
inline constexpr int kLabels = 600;
inline constexpr int kMenuCommands = 701;
inline constexpr int kResultCommands = 801;
inline constexpr int kGoalBoxes = 901;
inline constexpr int kChartControls = 951;

// The number in a name: 3 in txtJE(3), 15 in Label15.
constexpr int NumberIn(std::string_view name) {
  int number = 0;
  for (const char c : name) {
    if (c >= '0' && c <= '9') number = number * 10 + (c - '0');
  }
  return number;
}

// Where `control` stands in the menu bar's order of panes, as its button, frame or menu command.
constexpr int PaneNumberOf(design::Control control) {
  for (std::size_t k = 0; k < design::kPanes.size(); ++k) {
    const design::PaneDescription& pane = design::kPanes[k];
    if (control == pane.button || control == pane.frame || control == pane.menu) {
      return static_cast<int>(k);
    }
  }
  return -1;
}

}  // namespace ids

constexpr int ControlId(design::Control control) {
  const design::ControlRow& row = design::RowOf(control);
  switch (row.kind) {
    case design::Kind::AmountBox:
      return ids::kAmountBoxes + ids::NumberIn(row.name);
    case design::Kind::YearsBox:
      return ids::kYearsBoxes + ids::NumberIn(row.name);
    case design::Kind::ResultBox:
      return ids::kResultBox;
    case design::Kind::Label:
      return ids::kLabels + ids::NumberIn(row.name);
    case design::Kind::Button:
      return ids::kButtons + ids::PaneNumberOf(control);
    case design::Kind::Frame:
      return ids::kFrames + ids::PaneNumberOf(control);
    case design::Kind::MenuCommand:
      return ids::kMenuCommands + ids::PaneNumberOf(control);
  }
  return 0;
}

// The control whose ID is `id`, or none.
constexpr std::optional<design::Control> ControlWithId(int id) {
  for (const design::ControlRow& row : design::kControls) {
    if (ControlId(row.id) == id) return row.id;
  }
  return std::nullopt;
}

// The result box's command `command` as a WM_COMMAND of the window, and back.
constexpr int CommandId(design::ResultCommand command) {
  return ids::kResultCommands + static_cast<int>(command);
}

constexpr std::optional<design::ResultCommand> ResultCommandWithId(int id) {
  const int place = id - ids::kResultCommands;
  if (place < 0 || place >= static_cast<int>(design::kResultCommands.size())) return std::nullopt;
  return design::kResultCommands[static_cast<std::size_t>(place)].id;
}

// The 反推每月定投 window's controls: box k of kBoxes, then the pension's two targets, the answer
// and 填入定投计算.
namespace goal_ids {

constexpr int Box(std::size_t k) { return ids::kGoalBoxes + static_cast<int>(k); }
inline constexpr int kTotalTarget = Box(design::goal_window::kBoxes.size());
inline constexpr int kDiscountedTarget = kTotalTarget + 1;
inline constexpr int kAnswer = kTotalTarget + 2;
inline constexpr int kFillIn = kTotalTarget + 3;

}  // namespace goal_ids

// The chart window's controls.
namespace chart_ids {

inline constexpr int kChart = ids::kChartControls;
inline constexpr int kReadOut = kChart + 1;
inline constexpr int kLogarithmic = kChart + 2;
inline constexpr int kTodaysMoney = kChart + 3;
inline constexpr int kSave = kChart + 4;

}  // namespace chart_ids

namespace ids::checks {

constexpr bool EveryIdOnce() {
  for (const design::ControlRow& row : design::kControls) {
    if (ControlWithId(ControlId(row.id)) != row.id) return false;
  }
  return true;
}

static_assert(EveryIdOnce(), "two controls share an ID");
static_assert(ControlId(design::Control::txtJE7) == 107 &&
                  ControlId(design::Control::txtYear0) == 200 &&
                  ControlId(design::Control::Label15) == 615 &&
                  ControlId(design::Control::Command1) == 401 &&
                  ControlId(design::Control::cmdFVIF) == 404 &&
                  ControlId(design::Control::frmYLJ) == 502 &&
                  ControlId(design::Control::munFVIF) == 704,
              "the IDs other programs address the controls by");
static_assert(CommandId(design::ResultCommand::Copy) == 801 &&
                  CommandId(design::ResultCommand::SelectAll) == 802 &&
                  CommandId(design::ResultCommand::CopyAsTable) == 803 &&
                  CommandId(design::ResultCommand::ExportCsv) == 804 &&
                  CommandId(design::ResultCommand::Print) == 805 &&
                  CommandId(design::ResultCommand::ExportPdf) == 806 &&
                  CommandId(design::ResultCommand::ShowChart) == 807 &&
                  CommandId(design::ResultCommand::FindMonthlyAmount) == 808 &&
                  !ResultCommandWithId(800) && !ResultCommandWithId(809),
              "the result box's commands as other programs send them");

}  // namespace ids::checks

}  // namespace belvik::win32
