// The window as designed, toolkit-free: every control with its caption or default text, its
// rectangle in twips, its place in the tab order; the four panes with the boxes that feed each
// calculator; what a pane switch does; the texts the window shows. The Qt and the Windows
// front-ends build their controls from these tables and decide nothing the other could decide
// differently. Checked at compile time below.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "belvik/calculator_description.h"
#include "belvik/failure.h"

namespace belvik::design {

// Twips (1/1440 inch) are the unit of the design, computed in single precision.
struct TwipsSize {
  float width = 0;
  float height = 0;
};

struct TwipsRect {
  float left = 0;
  float top = 0;
  float width = 0;
  float height = 0;

  friend bool operator==(const TwipsRect&, const TwipsRect&) = default;
};

enum class Kind : std::uint8_t {
  MenuCommand,  // a command standing directly on the menu bar
  Frame,        // a captioned group box holding one pane
  Label,        // static text that sizes itself to its caption
  AmountBox,    // a member of txtJE: digits and one decimal point
  YearsBox,     // a member of txtYear: digits only
  ResultBox,    // txtJG: multi-line, read-only, takes no typing
  Button,
};

// Which typed characters a control lets through.
enum class KeystrokeRule : std::uint8_t {
  Any,     // controls that take no typing of their own
  Amount,  // digits, backspace, and a point while the box holds none
  Years,   // digits and backspace
  Result,  // nothing
};

constexpr KeystrokeRule RuleOf(Kind kind) {
  switch (kind) {
    case Kind::AmountBox:
      return KeystrokeRule::Amount;
    case Kind::YearsBox:
      return KeystrokeRule::Years;
    case Kind::ResultBox:
      return KeystrokeRule::Result;
    default:
      return KeystrokeRule::Any;
  }
}

// Whether a control of `rule` takes the typed character `c` (a UTF-16 code unit) while its text
// holds a point or not. Backspace is a typed character too; keys that type none never come here.
constexpr bool Accepts(KeystrokeRule rule, char16_t c, bool holdsPoint) {
  switch (rule) {
    case KeystrokeRule::Any:
      return true;
    case KeystrokeRule::Result:
      return false;
    case KeystrokeRule::Amount:
    case KeystrokeRule::Years:
      break;
  }
  if ((c >= u'0' && c <= u'9') || c == u'\b') return true;
  return rule == KeystrokeRule::Amount && c == u'.' && !holdsPoint;
}

constexpr bool TakesFocus(Kind kind) {
  return kind == Kind::AmountBox || kind == Kind::YearsBox || kind == Kind::ResultBox ||
         kind == Kind::Button;
}

constexpr bool IsInputBox(Kind kind) { return kind == Kind::AmountBox || kind == Kind::YearsBox; }

// The face a control draws in: the result box has a font of its own, everything else the
// platform's interface font.
enum class Face : std::uint8_t { Interface, Result };

constexpr Face FaceOf(Kind kind) {
  return kind == Kind::ResultBox ? Face::Result : Face::Interface;
}

// A typed handle of every control, in the order of kControls.
// clang-format off
enum class Control : std::uint8_t {
  mnuDT, mnuYLJ, mnuPVIF, munFVIF,
  Label2,
  frmYLJ, Label1, txtJE1, Label3, txtYear0, Label5, txtYear1, Label6, txtYear2, cmdYLJ,
  frmPVIF, txtYear3, Label8, txtJE2, Label7, cmdPVIF, Label15,
  frmDT, Label4, txtJE3, Label9, txtJE4, Label10, txtJE5, Label11, txtYear4, Command1,
  txtJE0,
  frmFVIF, Label12, txtJE6, Label13, txtYear5, Label14, txtJE7, cmdFVIF,
  txtJG,
};
// clang-format on

inline constexpr std::size_t kControlCount = 42;

constexpr std::size_t IndexOf(Control control) { return static_cast<std::size_t>(control); }

struct ControlRow {
  Control id;
  std::string_view name;  // the control's name; the Qt front-end's objectName
  Kind kind;
  std::optional<Control> parent;  // its frame; none for the client area (and the menu bar)
  std::string_view caption;       // caption or default text
  TwipsRect rect;                 // in the parent's coordinates; unused for menu commands
  int tabIndex;                   // place in the window's one flat tab order; -1 for menu commands
};

// Menu commands in menu-bar order. Controls on the client area are listed back to front, each
// one drawn over those before it; inside a frame no two controls overlap, so order is free.
// clang-format off
inline constexpr std::array<ControlRow, kControlCount> kControls = {{
    {Control::mnuDT, "mnuDT", Kind::MenuCommand, {}, "定投计算", {}, -1},
    {Control::mnuYLJ, "mnuYLJ", Kind::MenuCommand, {}, "我需要多少养老金", {}, -1},
    {Control::mnuPVIF, "mnuPVIF", Kind::MenuCommand, {}, "这些钱将来值多少", {}, -1},
    {Control::munFVIF, "munFVIF", Kind::MenuCommand, {}, "单笔投资计算", {}, -1},

    {Control::Label2, "Label2", Kind::Label, {}, "年平均通货膨胀率(%)：", {240, 165, 1890, 180}, 28},

    {Control::frmYLJ, "frmYLJ", Kind::Frame, {}, "我需要多少养老金", {120, 600, 9615, 1455}, 0},
    {Control::Label1, "Label1", Kind::Label, Control::frmYLJ, "我每月需要生活费（按现值）：", {360, 360, 2520, 180}, 1},
    {Control::txtJE1, "txtJE(1)", Kind::AmountBox, Control::frmYLJ, "1000", {2880, 315, 1815, 270}, 10},
    {Control::Label3, "Label3", Kind::Label, Control::frmYLJ, "依靠养老金生活多少年：", {360, 720, 1980, 180}, 2},
    {Control::txtYear0, "txtYear(0)", Kind::YearsBox, Control::frmYLJ, "", {2400, 675, 855, 270}, 7},
    {Control::Label5, "Label5", Kind::Label, Control::frmYLJ, "我现在的年龄：", {360, 1080, 1260, 180}, 5},
    {Control::txtYear1, "txtYear(1)", Kind::YearsBox, Control::frmYLJ, "", {1560, 1035, 855, 270}, 8},
    {Control::Label6, "Label6", Kind::Label, Control::frmYLJ, "退休年龄：", {2520, 1080, 900, 180}, 6},
    {Control::txtYear2, "txtYear(2)", Kind::YearsBox, Control::frmYLJ, "60", {3360, 1035, 855, 270}, 9},
    {Control::cmdYLJ, "cmdYLJ", Kind::Button, Control::frmYLJ, "计算", {7080, 600, 1215, 375}, 3},

    {Control::frmPVIF, "frmPVIF", Kind::Frame, {}, "这些钱将来值多少", {120, 2160, 9495, 1215}, 4},
    {Control::txtYear3, "txtYear(3)", Kind::YearsBox, Control::frmPVIF, "", {360, 315, 495, 270}, 15},
    {Control::Label8, "Label8", Kind::Label, Control::frmPVIF, "年后", {960, 360, 360, 180}, 16},
    {Control::txtJE2, "txtJE(2)", Kind::AmountBox, Control::frmPVIF, "", {1440, 315, 1095, 270}, 11},
    {Control::Label7, "Label7", Kind::Label, Control::frmPVIF, "元，相当于现在的多少钱？", {2640, 360, 2160, 180}, 14},
    {Control::cmdPVIF, "cmdPVIF", Kind::Button, Control::frmPVIF, "计算", {5160, 263, 1215, 375}, 13},
    {Control::Label15, "Label15", Kind::Label, Control::frmPVIF, "本功能也可以", {360, 840, 1080, 180}, 37},

    {Control::frmDT, "frmDT", Kind::Frame, {}, "定投计算", {120, 3720, 8415, 1215}, 17},
    {Control::Label4, "Label4", Kind::Label, Control::frmDT, "每月投入金额：", {360, 360, 1260, 180}, 18},
    {Control::txtJE3, "txtJE(3)", Kind::AmountBox, Control::frmDT, "300", {1560, 315, 1815, 270}, 20},
    {Control::Label9, "Label9", Kind::Label, Control::frmDT, "每年增加投入(%)：", {3600, 360, 1530, 180}, 19},
    {Control::txtJE4, "txtJE(4)", Kind::AmountBox, Control::frmDT, "0", {5160, 315, 1455, 270}, 21},
    {Control::Label10, "Label10", Kind::Label, Control::frmDT, "年平均收益率(%)：", {360, 720, 1530, 180}, 22},
    {Control::txtJE5, "txtJE(5)", Kind::AmountBox, Control::frmDT, "10", {1920, 675, 1455, 270}, 23},
    {Control::Label11, "Label11", Kind::Label, Control::frmDT, "投资年限：", {3600, 720, 900, 180}, 25},
    {Control::txtYear4, "txtYear(4)", Kind::YearsBox, Control::frmDT, "", {4560, 675, 855, 270}, 26},
    {Control::Command1, "Command1", Kind::Button, Control::frmDT, "计算", {7320, 480, 975, 375}, 24},

    {Control::txtJE0, "txtJE(0)", Kind::AmountBox, {}, "4", {2160, 120, 1695, 270}, 27},

    {Control::frmFVIF, "frmFVIF", Kind::Frame, {}, "单笔投资计算", {120, 5040, 9975, 735}, 29},
    {Control::Label12, "Label12", Kind::Label, Control::frmFVIF, "投资金额：", {360, 360, 900, 180}, 30},
    {Control::txtJE6, "txtJE(6)", Kind::AmountBox, Control::frmFVIF, "", {1200, 315, 1695, 270}, 31},
    {Control::Label13, "Label13", Kind::Label, Control::frmFVIF, "投资年限：", {3000, 360, 900, 180}, 32},
    {Control::txtYear5, "txtYear(5)", Kind::YearsBox, Control::frmFVIF, "", {3840, 315, 615, 270}, 34},
    {Control::Label14, "Label14", Kind::Label, Control::frmFVIF, "预计年平均收益率(%)", {4560, 360, 1710, 180}, 33},
    {Control::txtJE7, "txtJE(7)", Kind::AmountBox, Control::frmFVIF, "", {6360, 315, 975, 270}, 35},
    {Control::cmdFVIF, "cmdFVIF", Kind::Button, Control::frmFVIF, "计算", {7440, 263, 1095, 375}, 36},

    {Control::txtJG, "txtJG", Kind::ResultBox, {}, "计算结果\r\n", {8280, 240, 2055, 855}, 12},
}};
// clang-format on

constexpr const ControlRow& RowOf(Control control) { return kControls[IndexOf(control)]; }

// The control named `name`, or none.
constexpr std::optional<Control> ControlNamed(std::string_view name) {
  for (const ControlRow& row : kControls) {
    if (row.name == name) return row.id;
  }
  return std::nullopt;
}

// ---- The panes ----------------------------------------------------------------------------

struct PaneBox {
  Control box;
  Control label;          // whose caption names the box for a screen reader
  std::string_view hint;  // its tooltip: the unit and what the number means
  // What a print-out calls the box where the label's caption is part of a sentence; empty:
  // the label's caption.
  std::string_view printLabel = {};
};

struct PaneDescription {
  Control menu;                 // the menu command that chooses the pane
  Control frame;                // shown; the other three frames are hidden
  Control button;               // the pane's 计算 button
  std::string_view buttonName;  // its spoken name: "计算" alone says nothing on four panes
  Calculator calculator;
  // The input boxes, one per input of the calculator, in the order it reads them.
  std::array<PaneBox, 5> boxArray;
  std::size_t boxCount;
  bool inflationRow = false;     // Label2 and txtJE(0) are shown with this pane
  bool resetsInflation = false;  // txtJE(0) goes back to kDefaultInflation whenever it is chosen
  bool explainsItself = false;   // Label15 receives kPresentValueHelp
  float resultTop = 0;           // the result box's top edge, twips down the client area

  constexpr std::span<const PaneBox> boxes() const { return {boxArray.data(), boxCount}; }
};

inline constexpr PaneBox kInflationBox{Control::txtJE0, Control::Label2,
                                       "年平均通货膨胀率，单位：%。养老金的生活费按此比例逐年上涨；"
                                       "计算现值时用作每年的折现率，也可填入预期年平均收益率。"};

// In menu-bar order; the first is the pane the window opens on.
inline constexpr std::array<PaneDescription, 4> kPanes = {{
    {.menu = Control::mnuDT,
     .frame = Control::frmDT,
     .button = Control::Command1,
     .buttonName = "计算定投",
     .calculator = Calculator::Investment,
     .boxArray =
         {{{Control::txtJE3, Control::Label4,
            "每月投入的金额，单位：元。每年的12次投入按年初一次投入、按年复利计算。"},
           {Control::txtJE4, Control::Label9,
            "每年把投入提高的百分比，单位：%。从第2年起，"
            "每年的投入等于上一年的投入乘以（1 + 此百分比），保留4位小数；"
            "填0则每年投入相同。"},
           {Control::txtJE5, Control::Label10,
            "预期的年平均收益率，单位：%。每年的投入按此收益率按年复利计算到最后一年年末。"},
           {Control::txtYear4, Control::Label11, "投入的年数，最多32767年。"}}},
     .boxCount = 4,
     .resultTop = 1600},
    {.menu = Control::mnuYLJ,
     .frame = Control::frmYLJ,
     .button = Control::cmdYLJ,
     .buttonName = "计算养老金",
     .calculator = Calculator::Pension,
     .boxArray = {{kInflationBox,
                   {Control::txtJE1, Control::Label1, "按今天的物价，每月需要的生活费，单位：元。"},
                   {Control::txtYear0, Control::Label3, "退休后依靠养老金生活的年数。"},
                   {Control::txtYear1, Control::Label5, "您现在的年龄（周岁）。"},
                   {Control::txtYear2, Control::Label6, "计划退休的年龄（周岁）。"}}},
     .boxCount = 5,
     .inflationRow = true,
     .resetsInflation = true,
     .resultTop = 1900},
    // The present-value pane reads as one sentence; each box is named by the words after it.
    {.menu = Control::mnuPVIF,
     .frame = Control::frmPVIF,
     .button = Control::cmdPVIF,
     .buttonName = "计算现值",
     .calculator = Calculator::PresentValue,
     .boxArray = {{kInflationBox,
                   {Control::txtJE2, Control::Label7, "将来得到（或需要）的金额，单位：元。",
                    "将来的金额(元)"},
                   {Control::txtYear3, Control::Label8, "这笔钱在多少年后得到（或需要）。",
                    "距今年数"}}},
     .boxCount = 3,
     .inflationRow = true,
     .explainsItself = true,
     .resultTop = 1900},
    {.menu = Control::munFVIF,
     .frame = Control::frmFVIF,
     .button = Control::cmdFVIF,
     .buttonName = "计算单笔投资",
     .calculator = Calculator::LumpSum,
     .boxArray = {{{Control::txtJE6, Control::Label12, "一次投入的本金，单位：元。"},
                   {Control::txtJE7, Control::Label14,
                    "预计的年平均收益率，单位：%。按年复利计算。"},
                   {Control::txtYear5, Control::Label13, "投资的年数，最多32767年。"}}},
     .boxCount = 3,
     .resultTop = 1300},
}};

// The pane of `calculator`.
constexpr const PaneDescription& PaneOf(Calculator calculator) {
  for (const PaneDescription& pane : kPanes) {
    if (pane.calculator == calculator) return pane;
  }
  return kPanes.front();
}

// The pane's name: the caption of the menu command that chooses it, 定投计算.
constexpr std::string_view PaneCaption(const PaneDescription& pane) {
  return RowOf(pane.menu).caption;
}

// A label's caption without the colon that ends it, where it stands alone.
constexpr std::string_view WithoutColon(std::string_view caption) {
  constexpr std::string_view kColon = "：";
  if (caption.ends_with(kColon)) caption.remove_suffix(kColon.size());
  return caption;
}

// What a print-out calls `box`: its print label, or its label's caption without the colon.
constexpr std::string_view PrintLabelOf(const PaneBox& box) {
  if (!box.printLabel.empty()) return box.printLabel;
  return WithoutColon(RowOf(box.label).caption);
}

// The name a saved result of `pane` is offered under: the pane's name and the date,
// 定投计算-20261208.csv.
inline std::string SuggestedFileName(const PaneDescription& pane, int year, int month, int day,
                                     std::string_view extension) {
  return std::string(PaneCaption(pane)) + "-" + std::to_string(year * 10000 + month * 100 + day) +
         "." + std::string(extension);
}

// What a print-out calls each of the pane's boxes, in the order its calculator reads them.
constexpr std::array<std::string_view, 5> PrintLabelsOf(const PaneDescription& pane) {
  std::array<std::string_view, 5> labels{};
  for (std::size_t k = 0; k < pane.boxes().size(); ++k) labels[k] = PrintLabelOf(pane.boxes()[k]);
  return labels;
}

// ---- Sizes and places ---------------------------------------------------------------------

inline constexpr float kTwipsPerInch = 1440;

// The window's outer width: 800 pixels of the 96 DPI the design was drawn at, which a denser
// screen's desktop counts as its logical pixels. On such a screen the window keeps its width in
// twips, as every control keeps its rectangle, so nothing reaches past the window's edge; start-up
// refuses a screen narrower than 800 of the same pixels.
inline constexpr int kOuterWidthPixels = 800;
inline constexpr float kDesignDotsPerInch = 96;
inline constexpr float kOuterWidthTwips = kOuterWidthPixels * kTwipsPerInch / kDesignDotsPerInch;
inline constexpr float kOuterHeightTwips = 8000;

// 1440 divided by the horizontal pixel density: 15 at 96 DPI, 12 at 120, 10 at 144.
constexpr float TwipsPerPixel(float dotsPerInch) { return kTwipsPerInch / dotsPerInch; }

// A length in twips on whole pixels, halves away from zero as the design's lengths are never
// negative: every front-end lands a control on the same pixels.
constexpr int RoundToPixels(float twips, float twipsPerPixel) {
  const float pixels = twips / twipsPerPixel;
  return static_cast<int>(pixels >= 0 ? pixels + 0.5f : pixels - 0.5f);
}

struct PixelRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;

  friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// Each edge and length rounded on its own, as the design states them.
constexpr PixelRect RoundToPixels(const TwipsRect& rect, float twipsPerPixel) {
  return {RoundToPixels(rect.left, twipsPerPixel), RoundToPixels(rect.top, twipsPerPixel),
          RoundToPixels(rect.width, twipsPerPixel), RoundToPixels(rect.height, twipsPerPixel)};
}

constexpr TwipsSize ToTwips(int width, int height, float twipsPerPixel) {
  return {static_cast<float>(width) * twipsPerPixel, static_cast<float>(height) * twipsPerPixel};
}

// The one rectangle all four frames share: 100 twips in from the left, 500 down (clear of the
// inflation row), 100 clear of the right and bottom edges.
constexpr TwipsRect PaneRect(TwipsSize client) {
  return {100, 500, client.width - 200, client.height - 700};
}

// The result box of a pane whose frames measure `pane`: its top edge at `top`, its other edges
// 100 twips inside the pane rectangle, which starts at (100, 500).
constexpr TwipsRect ResultBoxRect(TwipsSize pane, float top) {
  return {200, top, pane.width - 200, pane.height - (top - 400)};
}

// ---- Fonts --------------------------------------------------------------------------------

struct FontDescription {
  std::string_view family;
  double pointSize;
  int weight;
  int charset;  // the Windows character set
};

// The result box's font: 宋体 14.25 pt, normal weight, character set GB2312.
inline constexpr FontDescription kResultFont{"宋体", 14.25, 400, 134};

// The interface font's size: the design's 12-pixel Chinese characters at 96 DPI.
inline constexpr double kInterfacePointSize = 9;

// ---- Texts --------------------------------------------------------------------------------

// What a screen reader calls the result box.
inline constexpr std::string_view kResultBoxName = "计算结果";

// What a screen reader calls `control`: an input box by the caption of the label that names
// it, a pane's button by what it calculates, the result box by what it holds; anything else by
// its caption.
constexpr std::string_view AccessibleName(Control control) {
  if (control == Control::txtJG) return kResultBoxName;
  for (const PaneDescription& pane : kPanes) {
    if (pane.button == control) return pane.buttonName;
    for (const PaneBox& box : pane.boxes()) {
      if (box.box == control) return RowOf(box.label).caption;
    }
  }
  return RowOf(control).caption;
}

// What a pane switch puts into the result box (no line end, unlike the design-time text).
inline constexpr std::string_view kResultPlaceholder = "计算结果";

// The inflation rate the pension pane restores.
inline constexpr std::string_view kDefaultInflation = "4";

// Shown under the present-value question: how the same pane answers the reverse question.
inline constexpr std::string_view kPresentValueHelp =
    "　　本功能也可以用来计算未来需用资金，当前所需投资的本金数额。"
    "可在通货膨胀率一栏中填入预期年平均收益率，\r\n"
    "“年”前的输入框中填入投资年限，“元”前输入框填入需用资金数额。";

// ---- Messages -----------------------------------------------------------------------------

// Style values of a message: an OK button alone, without or with the warning icon.
inline constexpr int kPlainMessage = 0;
inline constexpr int kWarningMessage = 48;

struct Message {
  std::string_view prompt;
  int style;
};

// The title of every message about a calculation, a file or a print-out.
inline constexpr std::string_view kMessageTitle = "提示";

// Shown instead of the window on a screen narrower than it, titled with the product name.
inline constexpr Message kNarrowScreenRefusal{"此程序要求显示分辨率大于800×600。", kWarningMessage};

// The message for `failure`; none for Failure::None.
constexpr std::optional<Message> MessageFor(Failure failure) {
  switch (failure) {
    case Failure::None:
      return std::nullopt;
    case Failure::EmptyInput:
      return Message{"输入数值不能为空！", kPlainMessage};
    case Failure::FloatingPoint:
      return Message{"计算溢出或出现无效运算，计算已停止。", kWarningMessage};
    case Failure::TypeMismatch:
      return Message{"输入的数值格式不正确。", kWarningMessage};
    case Failure::Overflow:
      return Message{"输入的数值超出允许的范围。", kWarningMessage};
    case Failure::YearsCap:
      return Message{"投资年限不能超过32767年。", kWarningMessage};
  }
  return std::nullopt;
}

// ---- Compile-time checks ------------------------------------------------------------------

namespace checks {

constexpr bool RowsInHandleOrder() {
  for (std::size_t k = 0; k < kControls.size(); ++k) {
    if (IndexOf(kControls[k].id) != k) return false;
  }
  return true;
}

constexpr bool EveryNameOnce() {
  for (std::size_t a = 0; a < kControls.size(); ++a) {
    for (std::size_t b = a + 1; b < kControls.size(); ++b) {
      if (kControls[a].name == kControls[b].name) return false;
    }
  }
  return true;
}

constexpr bool ParentsAreFrames() {
  for (const ControlRow& row : kControls) {
    if (row.parent && RowOf(*row.parent).kind != Kind::Frame) return false;
    if (row.kind == Kind::MenuCommand && (row.parent || row.tabIndex != -1)) return false;
  }
  return true;
}

// Every control but the menu commands holds one tab index, 0 up to one less than their count,
// each once; so every box and button is reached by Tab.
constexpr bool TabOrderCoversEveryControl() {
  std::array<int, kControlCount> holders{};
  int controls = 0;
  for (const ControlRow& row : kControls) {
    if (row.kind == Kind::MenuCommand) continue;
    ++controls;
    if (row.tabIndex < 0 || row.tabIndex >= static_cast<int>(kControlCount)) return false;
    ++holders[static_cast<std::size_t>(row.tabIndex)];
  }
  for (int k = 0; k < controls; ++k) {
    if (holders[static_cast<std::size_t>(k)] != 1) return false;
  }
  return true;
}

// Each calculator has one pane, whose boxes are one per input, of the box kind the input's
// quantity needs, with their labels; its button and boxes stand in its frame (the inflation
// box above the panes excepted).
constexpr bool EveryFieldHasItsBox() {
  for (const CalculatorDescription& calculator : kCalculators) {
    int panes = 0;
    for (const PaneDescription& pane : kPanes) {
      if (pane.calculator != calculator.calculator) continue;
      ++panes;
      if (pane.boxes().size() != calculator.inputs.size()) return false;
      if (RowOf(pane.menu).kind != Kind::MenuCommand || RowOf(pane.frame).kind != Kind::Frame ||
          RowOf(pane.button).kind != Kind::Button || RowOf(pane.button).parent != pane.frame) {
        return false;
      }
      for (std::size_t k = 0; k < pane.boxes().size(); ++k) {
        const PaneBox& box = pane.boxes()[k];
        const Kind wanted =
            IsWholeNumber(calculator.inputs[k].quantity) ? Kind::YearsBox : Kind::AmountBox;
        if (RowOf(box.box).kind != wanted || RowOf(box.label).kind != Kind::Label) return false;
        if (RowOf(box.box).parent != pane.frame && box.box != kInflationBox.box) return false;
      }
    }
    if (panes != 1) return false;
  }
  return true;
}

// Every input box feeds some calculator.
constexpr bool EveryBoxFeedsACalculator() {
  for (const ControlRow& row : kControls) {
    if (!IsInputBox(row.kind)) continue;
    bool fed = false;
    for (const PaneDescription& pane : kPanes) {
      for (const PaneBox& box : pane.boxes()) fed = fed || box.box == row.id;
    }
    if (!fed) return false;
  }
  return true;
}

static_assert(RowsInHandleOrder(), "kControls must list the controls in the order of Control");
static_assert(EveryNameOnce(), "two controls share a name");
static_assert(ParentsAreFrames(), "a control's parent must be a frame");
static_assert(TabOrderCoversEveryControl(), "tab indexes must run 0..n-1, each once");
static_assert(EveryFieldHasItsBox(), "every calculator input needs a box of its kind");
static_assert(EveryBoxFeedsACalculator(), "an input box feeds no calculator");

}  // namespace checks

}  // namespace belvik::design
