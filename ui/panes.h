// The four panes of the window, one per calculator: the only place that says which box feeds
// which calculator, which button runs it, what a screen reader calls them, and what choosing
// the pane changes. Plain data, so tools without a window can read it too.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

#include "belvik/calculators.h"

namespace belvik::ui {

struct PaneBox {
  const char* name;   // the box's objectName
  const char* label;  // the label whose caption names the box for a screen reader
  const char* hint;   // its tooltip: the unit and what the number means
  // What a print-out calls the box where the label's caption is part of a sentence; otherwise
  // the print-out uses that caption.
  const char* printLabel = nullptr;
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

inline constexpr PaneBox kInflationBox{"txtJE(0)", "Label2",
                                       "年平均通货膨胀率，单位：%。养老金的生活费按此比例逐年上涨；"
                                       "计算现值时用作每年的折现率，也可填入预期年平均收益率。"};

// In menu-bar order; the first is the pane the window opens on.
inline constexpr std::array<PaneRow, 4> kPanes = {{
    {.menu = "mnuDT",
     .frame = "frmDT",
     .boxArray =
         {{{"txtJE(3)", "Label4",
            "每月投入的金额，单位：元。每年的12次投入按年初一次投入、按年复利计算。"},
           {"txtJE(4)", "Label9",
            "每年把投入提高的百分比，单位：%。从第2年起，"
            "每年的投入等于上一年的投入乘以（1 + 此百分比），保留4位小数；填0则每年投入相同。"},
           {"txtJE(5)", "Label10",
            "预期的年平均收益率，单位：%。每年的投入按此收益率按年复利计算到最后一年年末。"},
           {"txtYear(4)", "Label11", "投入的年数，最多32767年。"}}},
     .boxCount = 4,
     .button = "Command1",
     .buttonName = "计算定投",
     .calculator = Calculator::Investment,
     .resultTop = 1600},
    {.menu = "mnuYLJ",
     .frame = "frmYLJ",
     .boxArray = {{kInflationBox,
                   {"txtJE(1)", "Label1", "按今天的物价，每月需要的生活费，单位：元。"},
                   {"txtYear(0)", "Label3", "退休后依靠养老金生活的年数。"},
                   {"txtYear(1)", "Label5", "您现在的年龄（周岁）。"},
                   {"txtYear(2)", "Label6", "计划退休的年龄（周岁）。"}}},
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
     .boxArray = {{kInflationBox,
                   {"txtJE(2)", "Label7", "将来得到（或需要）的金额，单位：元。", "将来的金额(元)"},
                   {"txtYear(3)", "Label8", "这笔钱在多少年后得到（或需要）。", "距今年数"}}},
     .boxCount = 3,
     .button = "cmdPVIF",
     .buttonName = "计算现值",
     .calculator = Calculator::PresentValue,
     .inflationRow = true,
     .explainsItself = true,
     .resultTop = 1900},
    {.menu = "munFVIF",
     .frame = "frmFVIF",
     .boxArray = {{{"txtJE(6)", "Label12", "一次投入的本金，单位：元。"},
                   {"txtJE(7)", "Label14", "预计的年平均收益率，单位：%。按年复利计算。"},
                   {"txtYear(5)", "Label13", "投资的年数，最多32767年。"}}},
     .boxCount = 3,
     .button = "cmdFVIF",
     .buttonName = "计算单笔投资",
     .calculator = Calculator::LumpSum,
     .resultTop = 1300},
}};

// The pane that the menu command `menu` chooses, or nullptr.
constexpr const PaneRow* PaneChosenBy(std::string_view menu) {
  for (const PaneRow& pane : kPanes) {
    if (pane.menu == menu) return &pane;
  }
  return nullptr;
}

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
