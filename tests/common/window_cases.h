// The window's cases, toolkit-free: each front-end's suite runs these same rows against its own
// window, so the Qt and the Windows windows are held to one behaviour.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "belvik/window_design.h"

namespace cases {

using belvik::design::Control;
using belvik::design::TwipsRect;

// A key the user presses: one that types a character, or one of the two that type none.
enum class Key : std::uint8_t { Types, Home, Delete };

struct Stroke {
  Key key = Key::Types;
  char16_t character = 0;  // what a key of Key::Types types
};
using Strokes = std::vector<Stroke>;

// Characters typed one by one.
inline Strokes Typed(std::u16string_view characters) {
  Strokes strokes;
  for (const char16_t c : characters) strokes.push_back({Key::Types, c});
  return strokes;
}

inline constexpr Stroke kBackspace{Key::Types, u'\b'};
inline constexpr Stroke kEnter{Key::Types, u'\r'};
inline constexpr Stroke kCtrlA{Key::Types, 1};
inline constexpr Stroke kCtrlC{Key::Types, 3};
inline constexpr Stroke kCtrlV{Key::Types, 22};
inline constexpr Stroke kHome{Key::Home};
inline constexpr Stroke kDelete{Key::Delete};

inline Strokes operator+(Strokes strokes, const Strokes& more) {
  strokes.insert(strokes.end(), more.begin(), more.end());
  return strokes;
}
inline Strokes operator+(Strokes strokes, Stroke more) { return strokes + Strokes{more}; }

// Typing into a box that holds `before`, with the cursor at its end.
struct TypingCase {
  const char* name;
  Control box;
  std::u16string_view before;
  Strokes keys;
  std::u16string_view after;
};

inline const std::vector<TypingCase> kTyping = {
    {"amount takes a decimal", Control::txtJE3, u"", Typed(u"12.5"), u"12.5"},
    {"second point at the end dropped", Control::txtJE3, u"", Typed(u"12.5."), u"12.5"},
    {"second point at the start dropped", Control::txtJE3, u"12.5", Strokes{kHome} + Typed(u"."),
     u"12.5"},
    {"leading point allowed", Control::txtJE6, u"", Typed(u".5"), u".5"},
    {"point dropped in a years box", Control::txtYear0, u"", Typed(u"1.5"), u"15"},
    {"minus dropped in an amount box", Control::txtJE7, u"", Typed(u"-3"), u"3"},
    {"minus dropped in a years box", Control::txtYear1, u"", Typed(u"-3"), u"3"},
    {"plus, comma, blank and letters dropped", Control::txtJE1, u"", Typed(u"+1,2 e3x"), u"123"},
    {"backspace deletes in an amount box", Control::txtJE4, u"25", {kBackspace}, u"2"},
    {"backspace deletes in a years box", Control::txtYear2, u"60", {kBackspace}, u"6"},
    {"point accepted again once backspace removed it", Control::txtJE5, u"",
     Typed(u"1.") + kBackspace + Typed(u".5"), u"1.5"},
    {"enter dropped", Control::txtJE2, u"12", {kEnter}, u"12"},
    {"ctrl+v dropped", Control::txtJE2, u"12", {kCtrlV}, u"12"},
    {"ctrl+a dropped, so typing appends", Control::txtJE2, u"12", Strokes{kCtrlA} + Typed(u"3"),
     u"123"},
    {"full-width digit dropped", Control::txtYear3, u"", Typed(u"１"), u""},
    {"delete carries no character and deletes", Control::txtYear4, u"30", Strokes{kHome} + kDelete,
     u"0"},
};

// An input method's commit into a box that holds `before`.
struct CommitCase {
  const char* name;
  Control box;
  std::u16string_view before;
  std::u16string_view commit;
  std::u16string_view after;
};

inline const std::vector<CommitCase> kCommits = {
    {"full-width digits dropped", Control::txtJE3, u"", u"１２３", u""},
    {"ASCII digits kept, full-width ones dropped", Control::txtJE3, u"", u"1２3", u"13"},
    {"only the first point of a commit kept", Control::txtJE6, u"", u"1.2.3", u"1.23"},
    {"no point once the box holds one", Control::txtJE6, u"1.2", u".5", u"1.25"},
    {"years take no point", Control::txtYear5, u"", u"1.5", u"15"},
    {"plain digits pass untouched", Control::txtYear5, u"", u"42", u"42"},
};

// Keys that change nothing in the result box.
struct ResultKeysCase {
  const char* name;
  Strokes keys;
};

inline const std::vector<ResultKeysCase> kResultBoxKeys = {
    {"digits", Typed(u"123")},
    {"letters and point", Typed(u"ab.")},
    {"backspace", {kBackspace, kBackspace}},
    {"delete", {kDelete}},
    {"enter", {kEnter}},
    {"ctrl+v", {kCtrlV}},
};

// A pane's boxes filled in the order its calculator reads them, its button clicked: the result
// box's text afterwards, line ends as written; and the message shown, if any (titled 提示).
struct CalculationCase {
  const char* name;
  Control menu;
  std::vector<std::string_view> texts;
  std::string_view result;
  std::string_view prompt = {};  // none: no message
  int style = 0;
};

inline const std::vector<CalculationCase> kWorkedExamples = {
    {"periodic investment, 300 a month for 3 years",
     Control::mnuDT,
     {"300", "0", "10", "3"},
     "总投入本金10800元，本利合计13107.6元。\r\n"
     "第1年投入3600元，每月投入300\r\n"
     "第2年投入3600元，每月投入300\r\n"
     "第3年投入3600元，每月投入300\r\n"},
    {"pension, 3 years from 55",
     Control::mnuYLJ,
     {"3", "2000", "3", "50", "55"},
     "总计需要养老金：88576.7099元。\r\n"
     "退休第1年需要生活费28657.2551元，平均每月2388.1046元。\r\n"
     "退休第2年需要生活费29516.9728元，平均每月2459.7477元。\r\n"
     "退休第3年需要生活费30402.482元，平均每月2533.5402元。\r\n"},
    {"present value, no line end", Control::mnuPVIF, {"4", "10000", "10"}, "6755.6417"},
    {"lump sum over 2 years",
     Control::munFVIF,
     {"10000", "10", "2"},
     "2年后本利合计：12100元。\r\n"
     "第1年累计收益1000，累计收益率10%，本利和11000元。\r\n"
     "第2年累计收益2100，累计收益率21%，本利和12100元。\r\n"},
};

// The program keeps running and the result box keeps what the calculator left in it.
inline const std::vector<CalculationCase> kFailures = {
    {"empty years box, plain message, box unchanged",
     Control::mnuDT,
     {"300", "0", "10", ""},
     "计算结果",
     "输入数值不能为空！",
     0},
    {"lump sum overflows after a year, the line so far kept",
     Control::munFVIF,
     {"1e300", "1e10", "3"},
     "第1年累计收益1E+308，累计收益率10000000000%，本利和1.00000001E+308元。\r\n",
     "计算溢出或出现无效运算，计算已停止。",
     48},
    {"lone point as a monthly cost is a type mismatch",
     Control::mnuYLJ,
     {"4", ".", "3", "50", "60"},
     "",
     "输入的数值格式不正确。",
     48},
    {"age beyond 16 bits overflows",
     Control::mnuYLJ,
     {"4", "1000", "3", "40000", "60"},
     "",
     "输入的数值超出允许的范围。",
     48},
    {"schedule longer than 32767 years refused",
     Control::mnuDT,
     {"300", "0", "10", "40000"},
     "",
     "投资年限不能超过32767年。",
     48},
};

// Where each pane puts the result box in a client area of 11880 × 7200 twips, whose pane
// rectangle is (100, 500) 11680 × 6500.
struct PlacementCase {
  const char* name;
  Control menu;
  TwipsRect resultBox;
};

inline constexpr TwipsRect kExamplePane{100, 500, 11680, 6500};

inline const std::vector<PlacementCase> kExamplePlacements = {
    {"periodic investment, below two rows", Control::mnuDT, {200, 1600, 11480, 5300}},
    {"pension, below three rows", Control::mnuYLJ, {200, 1900, 11480, 5000}},
    {"present value, below the help text", Control::mnuPVIF, {200, 1900, 11480, 5000}},
    {"lump sum, below one row", Control::munFVIF, {200, 1300, 11480, 5600}},
};

// Tab from the first control on: the controls it visits, back round to the first.
struct TabCase {
  const char* name;
  Control menu;
  std::vector<Control> visits;
};

inline const std::vector<TabCase> kTabOrder = {
    {"periodic investment from the result box",
     Control::mnuDT,
     {Control::txtJG, Control::txtJE3, Control::txtJE4, Control::txtJE5, Control::Command1,
      Control::txtYear4, Control::txtJG}},
    {"pension, button before its boxes",
     Control::mnuYLJ,
     {Control::cmdYLJ, Control::txtYear0, Control::txtYear1, Control::txtYear2, Control::txtJE1,
      Control::txtJG, Control::txtJE0, Control::cmdYLJ}},
    {"present value, inflation box last",
     Control::mnuPVIF,
     {Control::txtJE2, Control::txtJG, Control::cmdPVIF, Control::txtYear3, Control::txtJE0,
      Control::txtJE2}},
    {"lump sum",
     Control::munFVIF,
     {Control::txtJG, Control::txtJE6, Control::txtYear5, Control::txtJE7, Control::cmdFVIF,
      Control::txtJG}},
};

// Right after start-up: what shows and what each box holds.
struct ShownCase {
  const char* name;
  Control control;
  bool shown;
};

inline const std::vector<ShownCase> kShownAtStart = {
    {"periodic-investment frame shown", Control::frmDT, true},
    {"pension frame hidden", Control::frmYLJ, false},
    {"present-value frame hidden", Control::frmPVIF, false},
    {"lump-sum frame hidden", Control::frmFVIF, false},
    {"inflation label hidden", Control::Label2, false},
    {"inflation box hidden", Control::txtJE0, false},
    {"result box shown", Control::txtJG, true},
};

struct DefaultCase {
  const char* name;
  Control box;
  std::string_view text;
};

inline const std::vector<DefaultCase> kDefaults = {
    {"inflation rate", Control::txtJE0, "4"},
    {"monthly living cost", Control::txtJE1, "1000"},
    {"future sum", Control::txtJE2, ""},
    {"monthly contribution", Control::txtJE3, "300"},
    {"yearly increase", Control::txtJE4, "0"},
    {"annual return", Control::txtJE5, "10"},
    {"lump sum", Control::txtJE6, ""},
    {"lump-sum return", Control::txtJE7, ""},
    {"years on the pension", Control::txtYear0, ""},
    {"current age", Control::txtYear1, ""},
    {"retirement age", Control::txtYear2, "60"},
    {"years until the sum is due", Control::txtYear3, ""},
    {"years of contributions", Control::txtYear4, ""},
    {"lump-sum years", Control::txtYear5, ""},
};

// What a screen reader calls a box or a button.
struct NameCase {
  const char* name;
  Control control;
  std::string_view spoken;
};

inline const std::vector<NameCase> kSpokenNames = {
    {"inflation box by its label", Control::txtJE0, "年平均通货膨胀率(%)："},
    {"living cost box by its label", Control::txtJE1, "我每月需要生活费（按现值）："},
    {"retirement age box by its label", Control::txtYear2, "退休年龄："},
    {"sentence years box by the words after it", Control::txtYear3, "年后"},
    {"sentence amount box by the words after it", Control::txtJE2, "元，相当于现在的多少钱？"},
    {"return box without a colon", Control::txtJE7, "预计年平均收益率(%)"},
    {"investment button", Control::Command1, "计算定投"},
    {"pension button", Control::cmdYLJ, "计算养老金"},
    {"present value button", Control::cmdPVIF, "计算现值"},
    {"lump sum button", Control::cmdFVIF, "计算单笔投资"},
};

// Start-up on a screen this many pixels wide.
struct ScreenCase {
  const char* name;
  int width;
  bool opens;
};

inline const std::vector<ScreenCase> kScreens = {
    {"one pixel too narrow", 799, false},
    {"exactly 800 pixels, though the message says wider", 800, true},
    {"1024 pixels, whatever the height", 1024, true},
    {"640 pixels", 640, false},
};

inline constexpr std::string_view kRefusalPrompt = "此程序要求显示分辨率大于800×600。";
inline constexpr std::string_view kRefusalTitle = "Fenmoor beta";

}  // namespace cases
