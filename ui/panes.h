// The four panes of the window, one per calculator: the only place that says which box feeds
// which calculator, which button runs it, what a screen reader calls them, and what choosing
// the pane changes. Plain data, so tools without a window can read it too.
#pragma once

#include <array>
#include <cstddef>
#include <span>

#include "belvik/calculators.h"

namespace belvik::ui {

struct PaneBox {
  const char* name;   // the box's objectName
  const char* label;  // the label whose caption names the box for a screen reader
};

struct PaneRow {
  const char* menu = nullptr;   // the menu command that chooses the pane
  const char* frame = nullptr;  // shown; the other three frames are hidden
  // The input boxes in the order the calculator reads them (its *Texts fields); boxCount used.
  std::array<PaneBox, 5> boxArray{};
  std::size_t boxCount = 0;
  const char* button = nullptr;      // the pane's 计算 button
  const char* buttonName = nullptr;  // its spoken name: "计算" alone says nothing on four panes
  Calculator calculator = Calculator::Investment;
  bool inflationRow = false;     // Label2 and txtJE(0) are shown with this pane
  bool resetsInflation = false;  // txtJE(0) goes back to its default whenever the pane is chosen
  bool explainsItself = false;   // Label15 receives the two-line help text
  float resultTop = 0;           // the result box's top edge, twips down the client area

  constexpr std::span<const PaneBox> boxes() const { return {boxArray.data(), boxCount}; }
};

inline constexpr PaneBox kInflationBox{"txtJE(0)", "Label2"};

// In menu-bar order; the first is the pane the window opens on.
inline constexpr std::array<PaneRow, 4> kPanes = {{
    {.menu = "mnuDT",
     .frame = "frmDT",
     .boxArray = {{{"txtJE(3)", "Label4"},
                   {"txtJE(4)", "Label9"},
                   {"txtJE(5)", "Label10"},
                   {"txtYear(4)", "Label11"}}},
     .boxCount = 4,
     .button = "Command1",
     .buttonName = "计算定投",
     .calculator = Calculator::Investment,
     .resultTop = 1600},
    {.menu = "mnuYLJ",
     .frame = "frmYLJ",
     .boxArray = {{kInflationBox,
                   {"txtJE(1)", "Label1"},
                   {"txtYear(0)", "Label3"},
                   {"txtYear(1)", "Label5"},
                   {"txtYear(2)", "Label6"}}},
     .boxCount = 5,
     .button = "cmdYLJ",
     .buttonName = "计算养老金",
     .calculator = Calculator::Pension,
     .inflationRow = true,
     .resetsInflation = true,
     .resultTop = 1900},
    // The present-value pane reads as one sentence; each box is named by the words after it.
    {.menu = "mnuPVIF",
     .frame = "frmPVIF",
     .boxArray = {{kInflationBox, {"txtJE(2)", "Label7"}, {"txtYear(3)", "Label8"}}},
     .boxCount = 3,
     .button = "cmdPVIF",
     .buttonName = "计算现值",
     .calculator = Calculator::PresentValue,
     .inflationRow = true,
     .explainsItself = true,
     .resultTop = 1900},
    {.menu = "munFVIF",
     .frame = "frmFVIF",
     .boxArray = {{{"txtJE(6)", "Label12"}, {"txtJE(7)", "Label14"}, {"txtYear(5)", "Label13"}}},
     .boxCount = 3,
     .button = "cmdFVIF",
     .buttonName = "计算单笔投资",
     .calculator = Calculator::LumpSum,
     .resultTop = 1300},
}};

// What a screen reader calls the result box.
inline constexpr char kResultBoxName[] = "计算结果";

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
