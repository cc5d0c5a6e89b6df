// Every control of the window as designed: the only place a caption, default text, position or
// tab index lives.
#pragma once

#include <array>
#include <string_view>

#include "twips.h"

namespace belvik::ui {

enum class Kind {
  MenuCommand,  // a command standing directly on the menu bar
  Frame,        // a captioned group box holding one pane
  Label,        // static text that sizes itself to its caption
  AmountBox,    // a member of txtJE: digits and one decimal point
  YearsBox,     // a member of txtYear: digits only
  ResultBox,    // txtJG: multi-line, takes no typing
  Button,
};

struct ControlRow {
  const char* name;  // also the widget's objectName
  Kind kind;
  const char* parent;   // a frame's name, or nullptr for the client area (and the menu bar)
  const char* caption;  // caption or default text
  TwipsRect rect;       // in the parent's coordinates; unused for menu commands
  int tabIndex;         // place in the window's one flat tab order; -1 for menu commands
};

// Menu commands in menu-bar order. Controls on the client area are listed back to front, each
// one drawn over those before it; inside a frame no two controls overlap, so order is free.
inline constexpr std::array<ControlRow, 42> kControls = {{
    {"mnuDT", Kind::MenuCommand, nullptr, "定投计算", {}, -1},
    {"mnuYLJ", Kind::MenuCommand, nullptr, "我需要多少养老金", {}, -1},
    {"mnuPVIF", Kind::MenuCommand, nullptr, "这些钱将来值多少", {}, -1},
    {"munFVIF", Kind::MenuCommand, nullptr, "单笔投资计算", {}, -1},

    {"Label2", Kind::Label, nullptr, "年平均通货膨胀率(%)：", {240, 165, 1890, 180}, 28},

    {"frmYLJ", Kind::Frame, nullptr, "我需要多少养老金", {120, 600, 9615, 1455}, 0},
    {"Label1", Kind::Label, "frmYLJ", "我每月需要生活费（按现值）：", {360, 360, 2520, 180}, 1},
    {"txtJE(1)", Kind::AmountBox, "frmYLJ", "1000", {2880, 315, 1815, 270}, 10},
    {"Label3", Kind::Label, "frmYLJ", "依靠养老金生活多少年：", {360, 720, 1980, 180}, 2},
    {"txtYear(0)", Kind::YearsBox, "frmYLJ", "", {2400, 675, 855, 270}, 7},
    {"Label5", Kind::Label, "frmYLJ", "我现在的年龄：", {360, 1080, 1260, 180}, 5},
    {"txtYear(1)", Kind::YearsBox, "frmYLJ", "", {1560, 1035, 855, 270}, 8},
    {"Label6", Kind::Label, "frmYLJ", "退休年龄：", {2520, 1080, 900, 180}, 6},
    {"txtYear(2)", Kind::YearsBox, "frmYLJ", "60", {3360, 1035, 855, 270}, 9},
    {"cmdYLJ", Kind::Button, "frmYLJ", "计算", {7080, 600, 1215, 375}, 3},

    {"frmPVIF", Kind::Frame, nullptr, "这些钱将来值多少", {120, 2160, 9495, 1215}, 4},
    {"txtYear(3)", Kind::YearsBox, "frmPVIF", "", {360, 315, 495, 270}, 15},
    {"Label8", Kind::Label, "frmPVIF", "年后", {960, 360, 360, 180}, 16},
    {"txtJE(2)", Kind::AmountBox, "frmPVIF", "", {1440, 315, 1095, 270}, 11},
    {"Label7", Kind::Label, "frmPVIF", "元，相当于现在的多少钱？", {2640, 360, 2160, 180}, 14},
    {"cmdPVIF", Kind::Button, "frmPVIF", "计算", {5160, 263, 1215, 375}, 13},
    {"Label15", Kind::Label, "frmPVIF", "本功能也可以", {360, 840, 1080, 180}, 37},

    {"frmDT", Kind::Frame, nullptr, "定投计算", {120, 3720, 8415, 1215}, 17},
    {"Label4", Kind::Label, "frmDT", "每月投入金额：", {360, 360, 1260, 180}, 18},
    {"txtJE(3)", Kind::AmountBox, "frmDT", "300", {1560, 315, 1815, 270}, 20},
    {"Label9", Kind::Label, "frmDT", "每年增加投入(%)：", {3600, 360, 1530, 180}, 19},
    {"txtJE(4)", Kind::AmountBox, "frmDT", "0", {5160, 315, 1455, 270}, 21},
    {"Label10", Kind::Label, "frmDT", "年平均收益率(%)：", {360, 720, 1530, 180}, 22},
    {"txtJE(5)", Kind::AmountBox, "frmDT", "10", {1920, 675, 1455, 270}, 23},
    {"Label11", Kind::Label, "frmDT", "投资年限：", {3600, 720, 900, 180}, 25},
    {"txtYear(4)", Kind::YearsBox, "frmDT", "", {4560, 675, 855, 270}, 26},
    {"Command1", Kind::Button, "frmDT", "计算", {7320, 480, 975, 375}, 24},

    {"txtJE(0)", Kind::AmountBox, nullptr, "4", {2160, 120, 1695, 270}, 27},

    {"frmFVIF", Kind::Frame, nullptr, "单笔投资计算", {120, 5040, 9975, 735}, 29},
    {"Label12", Kind::Label, "frmFVIF", "投资金额：", {360, 360, 900, 180}, 30},
    {"txtJE(6)", Kind::AmountBox, "frmFVIF", "", {1200, 315, 1695, 270}, 31},
    {"Label13", Kind::Label, "frmFVIF", "投资年限：", {3000, 360, 900, 180}, 32},
    {"txtYear(5)", Kind::YearsBox, "frmFVIF", "", {3840, 315, 615, 270}, 34},
    {"Label14", Kind::Label, "frmFVIF", "预计年平均收益率(%)", {4560, 360, 1710, 180}, 33},
    {"txtJE(7)", Kind::AmountBox, "frmFVIF", "", {6360, 315, 975, 270}, 35},
    {"cmdFVIF", Kind::Button, "frmFVIF", "计算", {7440, 263, 1095, 375}, 36},

    {"txtJG", Kind::ResultBox, nullptr, "计算结果\r\n", {8280, 240, 2055, 855}, 12},
}};

// The caption of the control named `name` (a menu command's is its pane's name); empty when
// no control has that name.
constexpr const char* CaptionOf(std::string_view name) {
  for (const ControlRow& row : kControls) {
    if (row.name == name) return row.caption;
  }
  return "";
}

}  // namespace belvik::ui
