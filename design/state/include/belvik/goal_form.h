// What the 反推每月定投 window works out from its boxes, whatever draws it: the texts its boxes
// start with, the pension's two targets, the answer to the texts as typed, and the texts that
// 填入定投计算 puts into the periodic-investment pane. A front-end shows these and reports every
// change of a box.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "belvik/goal_answer.h"
#include "belvik/goal_window.h"
#include "belvik/result.h"
#include "belvik/shown_result.h"

namespace belvik::design::goal_window {

struct Start {
  // The periodic-investment pane's box texts as they stand, in the order its calculator reads
  // them: the yearly increase and return (and, from that pane, the years) start from these.
  std::vector<std::string> investmentTexts;
  // The pension pane's result, when the window is opened there: its total and its needs give
  // the targets, its ages the years.
  std::optional<Result> pension;
};

// The start from the periodic-investment pane's texts and the result on screen, which gives
// the targets when it is a pension total.
Start StartFrom(std::vector<std::string> investmentTexts, const ShownResult* shown);

// Every box's text in the order of kBoxes; empty for a box the route does not show.
using BoxTexts = std::array<std::string, kBoxes.size()>;

// The two target choices' texts, and whether the discounted one can be chosen.
struct TargetChoices {
  std::string total;
  std::string discounted;
  bool discountedAvailable = false;
};

class Form {
 public:
  explicit Form(Start start);

  Route route() const { return pension_ ? Route::Pension : Route::Investment; }
  bool Shows(const Box& box) const { return !box.pensionOnly || pension_; }
  // What box `k` starts with: the pane's text for a box it lends, the years until retirement
  // on the pension route, nothing else.
  std::string StartText(std::size_t k) const;

  // The pension route's targets with `retiredReturn` typed after retirement.
  TargetChoices WorkOutTargets(std::string_view retiredReturn);
  // The target box's text for the total or for the discounted target last worked out.
  std::string TargetText(bool discounted) const;

  // Answers the boxes as they stand; the answer in words, or why there is none.
  std::string Answer(const BoxTexts& texts);
  // Whether the last answer can be filled in.
  bool Answered() const { return latest_.failure == GoalFailure::None; }
  // The periodic-investment pane's texts, in the order its calculator reads them: the answer's
  // monthly amount and the boxes the pane lent, as typed.
  std::vector<std::string> FillInTexts(const BoxTexts& texts) const;

 private:
  double Total() const;

  std::vector<std::string> investmentTexts_;
  std::optional<Result> pension_;
  GoalTarget discounted_;
  GoalAnswer latest_;
};

}  // namespace belvik::design::goal_window
