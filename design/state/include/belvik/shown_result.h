// A result on screen together with what produced it, for the commands that take it further:
// copy as a table, export, print, chart and 反推每月定投. Both front-ends keep one while their
// result box shows a calculation, and none after a pane switch.
#pragma once

#include <string>

#include "belvik/print_out.h"
#include "belvik/result.h"
#include "belvik/result_commands.h"
#include "belvik/window_design.h"

namespace belvik::design {

struct ShownResult {
  Result result;          // with the inputs it read
  std::string inflation;  // the inflation box's text at the click, for 按今天的钱

  const PaneDescription& pane() const { return PaneOf(result.calculator); }
  // Whether the result has numbers to tabulate, print or draw.
  bool HasFigures() const { return !result.figures.empty(); }
  // What its print-out says, under the pane's name with each box's label.
  PrintOut ToPrintOut() const {
    const auto labels = PrintLabelsOf(pane());
    return PrintOutOf(result, PaneCaption(pane()), labels);
  }
};

// Whether `row` can be chosen on `pane` while the box shows `shown` (none: the placeholder).
inline bool Offers(const ResultCommandRow& row, const PaneDescription& pane,
                   const ShownResult* shown) {
  return Offers(row, pane.calculator, shown && shown->HasFigures(),
                shown && !shown->result.Summary().empty());
}

}  // namespace belvik::design
