// Prints the window's pane table for the end-to-end check, one pane a line, tab-separated: the
// menu command's name and caption, what a screen reader calls the 计算 button, and what it calls
// each box, in the order the calculator reads them.
#include <cstdio>
#include <string_view>

#include "belvik/window_design.h"

namespace {

using belvik::design::RowOf;

void Print(std::string_view text) { std::fwrite(text.data(), 1, text.size(), stdout); }

}  // namespace

int main() {
  for (const belvik::design::PaneDescription& pane : belvik::design::kPanes) {
    Print(RowOf(pane.menu).name);
    for (const std::string_view field : {RowOf(pane.menu).caption, pane.buttonName}) {
      Print("\t");
      Print(field);
    }
    for (const belvik::design::PaneBox& box : pane.boxes()) {
      Print("\t");
      Print(RowOf(box.label).caption);
    }
    Print("\n");
  }
}
