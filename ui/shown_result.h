// A result on screen together with what produced it, for the commands that take it further:
// copy as a table, export, print and chart.
#pragma once

#include <string>
#include <vector>

#include "belvik/calculators.h"
#include "panes.h"

namespace belvik::ui {

struct ShownResult {
  const PaneRow* pane = nullptr;
  std::vector<std::string> inputs;  // the pane's box texts at the click, in reading order
  std::string inflation;            // the inflation box's text at the click
  Result result;

  // Whether the result has numbers to tabulate, print or draw.
  bool HasFigures() const { return !result.figures.empty(); }
};

}  // namespace belvik::ui
