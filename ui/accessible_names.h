// What a screen reader calls each control that takes focus. A box is named by the words beside
// it, a button by the calculation it runs ("计算" alone would say nothing on four panes).
#pragma once

#include <array>

namespace belvik::ui {

struct SpokenName {
  const char* control;  // objectName
  const char* label;    // the label whose caption names the control, or nullptr
  const char* name;     // the name itself when no label gives it
};

inline constexpr std::array<SpokenName, 19> kSpokenNames = {{
    {"txtJE(0)", "Label2", nullptr},
    {"txtJE(1)", "Label1", nullptr},
    {"txtYear(0)", "Label3", nullptr},
    {"txtYear(1)", "Label5", nullptr},
    {"txtYear(2)", "Label6", nullptr},
    // The present-value pane reads as one sentence; each box is named by the words after it.
    {"txtYear(3)", "Label8", nullptr},
    {"txtJE(2)", "Label7", nullptr},
    {"txtJE(3)", "Label4", nullptr},
    {"txtJE(4)", "Label9", nullptr},
    {"txtJE(5)", "Label10", nullptr},
    {"txtYear(4)", "Label11", nullptr},
    {"txtJE(6)", "Label12", nullptr},
    {"txtYear(5)", "Label13", nullptr},
    {"txtJE(7)", "Label14", nullptr},
    {"Command1", nullptr, "计算定投"},
    {"cmdYLJ", nullptr, "计算养老金"},
    {"cmdPVIF", nullptr, "计算现值"},
    {"cmdFVIF", nullptr, "计算单笔投资"},
    {"txtJG", nullptr, "计算结果"},
}};

}  // namespace belvik::ui
