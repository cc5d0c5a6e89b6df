// The 反推每月定投 window, toolkit-free: its boxes with their captions, keystroke rules, hints and
// places, the pension's two targets, the answer in words and the button that carries the answer
// into the periodic-investment pane. Both front-ends build the window from this and put the
// engine's answer into these words; the answer follows every keystroke, so no button asks.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "belvik/goal_answer.h"
#include "belvik/window_design.h"

namespace belvik::design::goal_window {

inline constexpr std::string_view kTitle = "反推每月定投";

// Where the window was opened from, which decides what it starts with: the pension pane's
// result gives the targets and the years until retirement; the periodic-investment pane gives
// its boxes' texts and leaves the target to the user.
enum class Route : std::uint8_t { Investment, Pension };

// ---- Boxes --------------------------------------------------------------------------------

struct Box {
  std::string_view name;     // the Qt front-end's objectName
  std::string_view caption;  // its label's; the box's spoken name is the caption without colon
  KeystrokeRule rule;
  std::string_view hint;
  float labelLeft;
  TwipsRect rect;  // on the pension route, whose rows stand above the others
  bool pensionOnly;
  // The periodic-investment input it starts from and fills in; kNoInput for none.
  std::size_t paneInput = kNoInput;
};

// A box for what the periodic-investment pane's input `input` reads: that pane's box lends its
// caption, rule and hint, so the two cannot drift apart.
constexpr Box LikePaneBox(std::size_t input, std::string_view name, float labelLeft,
                          TwipsRect rect) {
  const PaneBox& box = PaneOf(Calculator::Investment).boxes()[input];
  return {
      name, RowOf(box.label).caption, RuleOf(RowOf(box.box).kind), box.hint, labelLeft, rect, false,
      input};
}

// Where a box's label stands: left of the box, its text centred on the box's height.
constexpr TwipsRect LabelRect(const Box& box) {
  constexpr float kLabelHeight = 180;
  return {box.labelLeft, box.rect.top + (box.rect.height - kLabelHeight) / 2,
          box.rect.left - box.labelLeft, kLabelHeight};
}

inline constexpr std::size_t kRetiredReturn = 0;
inline constexpr std::size_t kTarget = 1;
inline constexpr std::size_t kYears = 2;
inline constexpr std::size_t kYearlyIncrease = 3;
inline constexpr std::size_t kAnnualReturn = 4;

// In tab order; the pension's two targets come after the first box.
inline constexpr std::array<Box, 5> kBoxes = {{
    {"txtRetiredReturn",
     "退休后年收益率(%)：",
     KeystrokeRule::Amount,
     "退休后，还没用掉的钱每年的收益率，单位：%。用它把每年的生活费折现到退休那天。",
     240,
     {2160, 240, 1095, 270},
     true},
    {"txtTarget",
     "目标金额：",
     KeystrokeRule::Amount,
     "投资年限结束时要达到的本利合计，单位：元。",
     240,
     {1860, 960, 1815, 270},
     false},
    LikePaneBox(InputIndex(Calculator::Investment, "years"), "txtYears", 3960,
                {5400, 960, 855, 270}),
    LikePaneBox(InputIndex(Calculator::Investment, "yearlyIncrease"), "txtIncrease", 240,
                {1860, 1320, 1275, 270}),
    LikePaneBox(InputIndex(Calculator::Investment, "annualReturn"), "txtReturn", 3960,
                {5400, 1320, 1275, 270}),
}};

// What a screen reader calls a box: its label's caption without the colon.
constexpr std::string_view SpokenName(const Box& box) { return WithoutColon(box.caption); }

// ---- The pension's targets ----------------------------------------------------------------

struct TargetChoice {
  std::string_view name;
  std::string_view caption;  // then "：" and the amount in yuan, or why there is none
  std::string_view hint;
  TwipsRect rect;
};

// Side by side, the total first and chosen at the start.
inline constexpr TargetChoice kTotalTarget{"optTotal",
                                           "总计需要养老金",
                                           "每年的生活费按当年的钱相加，与“我需要多少养老金”的总计"
                                           "相同；没有计入退休后余下的钱继续取得的收益。",
                                           {240, 600, 3600, 270}};
inline constexpr TargetChoice kDiscountedTarget{
    "optDiscounted",
    "折现到退休时",
    "把每年的生活费按退休后年收益率折现到退休那天再相加，每年的生活费在当年年初取用："
    "退休时备足这笔钱，余下的钱按此收益率增值，正好逐年用完。",
    {3960, 600, 3600, 270}};

// Why a target cannot be worked out, after its caption.
constexpr std::string_view TargetWords(GoalFailure failure) {
  switch (failure) {
    case GoalFailure::EmptyInput:
      return "请填写退休后年收益率";
    case GoalFailure::RateBelowTotalLoss:
      return "收益率不能低于-100%";
    default:
      return "计算溢出或出现无效运算";
  }
}

// A target choice's text: "总计需要养老金：88576.7099元". `plain` writes a number as the result
// box's PlainForm does.
template <typename Plain>
std::string ChoiceText(const TargetChoice& choice, const GoalTarget& target, Plain plain) {
  std::string text(choice.caption);
  text += "：";
  if (target.failure != GoalFailure::None) return text += TargetWords(target.failure);
  return text += plain(target.value) + "元";
}

// ---- The answer ---------------------------------------------------------------------------

inline constexpr std::string_view kAnswerName = "反推结果";  // what a screen reader calls it
inline constexpr std::string_view kAnswerObjectName = "lblAnswer";
inline constexpr TwipsRect kAnswerRect{240, 1800, 7320, 900};

// Why there is no answer, in the window's own words while the user types: never a message box.
constexpr std::string_view FailureWords(GoalFailure failure) {
  switch (failure) {
    case GoalFailure::None:
      return "";
    case GoalFailure::EmptyInput:
      return "请填写目标金额、投资年限、每年增加投入和年平均收益率。";
    case GoalFailure::TargetNotPositive:
      return "目标金额必须大于0。";
    case GoalFailure::YearsOutOfRange:
      return "投资年限必须在1到32767年之间。";
    case GoalFailure::RateBelowTotalLoss:
      return "每年增加投入和年平均收益率都不能低于-100%。";
    case GoalFailure::Unreachable:
      return "每月投入多少都达不到这个目标金额。";
    case GoalFailure::FloatingPoint:
      return "计算溢出或出现无效运算，无法反推。";
  }
  return "";
}

// The answer as one sentence: "每月需投入1234.56元（以后每年增加7%），30年后本利合计1000000.12元，
// 不少于目标1000000元。", without the bracket when the contribution stays level; or why there is
// none. `plain` writes a number as the result box's PlainForm does.
template <typename Plain>
std::string AnswerText(const GoalAnswer& answer, Plain plain) {
  if (answer.failure != GoalFailure::None) return std::string(FailureWords(answer.failure));
  std::string text = "每月需投入" + plain(answer.monthlyAmount) + "元";
  if (answer.yearlyIncrease != 0) text += "（以后每年增加" + plain(answer.yearlyIncrease) + "%）";
  return text + "，" + plain(answer.years) + "年后本利合计" + plain(answer.value) +
         "元，不少于目标" + plain(answer.target) + "元。";
}

// ---- The button and the window ------------------------------------------------------------

// Puts the monthly amount, increase, return and years into the periodic-investment pane and
// shows it, where 计算 then prints the schedule that reaches the target. Only with an answer.
inline constexpr std::string_view kFillIn = "填入定投计算";
inline constexpr std::string_view kFillInObjectName = "cmdFillIn";
inline constexpr TwipsRect kFillInRect{5760, 2880, 1800, 375};

// The client area on the pension route; the investment route leaves out the pension's rows,
// and everything below them moves up by their height. Every edge keeps a margin.
inline constexpr TwipsSize kClientSize{7800, 3495};
inline constexpr float kMargin = 240;
inline constexpr float kPensionRowsHeight = 720;

constexpr float RouteShift(Route route) {
  return route == Route::Pension ? 0 : -kPensionRowsHeight;
}

// `rect` of a control on every route, placed for `route`.
constexpr TwipsRect Placed(TwipsRect rect, Route route) {
  return {rect.left, rect.top + RouteShift(route), rect.width, rect.height};
}

constexpr TwipsSize ClientSize(Route route) {
  return {kClientSize.width, kClientSize.height + RouteShift(route)};
}

namespace checks {

// Every control stands inside the margins, and the pension's rows above all the others.
constexpr bool EverythingInside() {
  const auto inside = [](TwipsRect r) {
    return r.left >= kMargin && r.left + r.width <= kClientSize.width - kMargin &&
           r.top >= kMargin && r.top + r.height <= kClientSize.height - kMargin;
  };
  constexpr float kFirstSharedRow = kMargin + kPensionRowsHeight;
  for (const Box& box : kBoxes) {
    if (!inside(box.rect) || box.pensionOnly != (box.rect.top < kFirstSharedRow)) return false;
  }
  return inside(kTotalTarget.rect) && inside(kDiscountedTarget.rect) && inside(kAnswerRect) &&
         inside(kFillInRect) && kTotalTarget.rect.top < kFirstSharedRow &&
         kAnswerRect.top >= kFirstSharedRow;
}
static_assert(EverythingInside(), "a control of the 反推每月定投 window stands outside it");

// The named places in kBoxes hold the boxes they name.
constexpr bool BoxesWhereNamed() {
  const auto lent = [](std::size_t k, std::string_view input) {
    return kBoxes[k].paneInput == InputIndex(Calculator::Investment, input);
  };
  return kBoxes[kRetiredReturn].pensionOnly && kBoxes[kTarget].paneInput == kNoInput &&
         lent(kYears, "years") && lent(kYearlyIncrease, "yearlyIncrease") &&
         lent(kAnnualReturn, "annualReturn");
}
static_assert(BoxesWhereNamed(), "kBoxes must hold each box at its named place");

}  // namespace checks

}  // namespace belvik::design::goal_window
