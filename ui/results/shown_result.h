// A result on screen together with what produced it, for the commands that take it further:
// copy as a table, export, print and chart.
#pragma once

#include <string>

#include "belvik/print_out.h"
#include "belvik/result.h"
#include "belvik/window_design.h"

namespace belvik::ui {

struct ShownResult {
  Result result;          // with the inputs it read
  std::string inflation;  // the inflation box's text at the click, for 按今天的钱

  const design::PaneDescription& pane() const { return design::PaneOf(result.calculator); }
  // Whether the result has numbers to tabulate, print or draw.
  bool HasFigures() const { return !result.figures.empty(); }
  // What its print-out says, under the pane's name with each box's label.
  PrintOut ToPrintOut() const {
    const auto labels = design::PrintLabelsOf(pane());
    return PrintOutOf(result, design::PaneCaption(pane()), labels);
  }
};

}  // namespace belvik::ui
