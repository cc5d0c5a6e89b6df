// The four panes of the window, one per calculator, and what choosing each one changes.
#pragma once

#include <array>

namespace belvik::ui {

struct PaneRow {
  const char* menu;      // the menu command that chooses the pane
  const char* frame;     // shown; the other three frames are hidden
  bool inflationRow;     // Label2 and txtJE(0) are shown with this pane
  bool resetsInflation;  // txtJE(0) goes back to its default whenever the pane is chosen
  bool explainsItself;   // Label15 receives the two-line help text
  float resultTop;       // the result box's top edge, twips down the client area
};

// In menu-bar order; the first is the pane the window opens on.
inline constexpr std::array<PaneRow, 4> kPanes = {{
    {"mnuDT", "frmDT", false, false, false, 1600},
    {"mnuYLJ", "frmYLJ", true, true, false, 1900},
    {"mnuPVIF", "frmPVIF", true, false, true, 1900},
    {"munFVIF", "frmFVIF", false, false, false, 1300},
}};

// What a pane switch puts into the result box (no line end, unlike the design-time text).
inline constexpr char kResultPlaceholder[] = "计算结果";

// The inflation rate the pension pane restores.
inline constexpr char kDefaultInflation[] = "4";

// Shown under the present-value question: how the same pane answers the reverse question.
inline constexpr char kPresentValueHelp[] =
    "　　本功能也可以用来计算未来需用资金，当前所需投资的本金数额。"
    "可在通货膨胀率一栏中填入预期年平均收益率，\r\n"
    "“年”前的输入框中填入投资年限，“元”前输入框填入需用资金数额。";

}  // namespace belvik::ui
