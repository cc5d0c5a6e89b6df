// Prints the window's pane table for the end-to-end check, one pane a line, tab-separated: the
// menu command's name and caption, what a screen reader calls the 计算 button, and what it calls
// each box, in the order the calculator reads them.
#include <cstdio>
#include <cstring>

#include "control_table.h"
#include "panes.h"

namespace {

const char* Caption(const char* name) {
  for (const belvik::ui::ControlRow& row : belvik::ui::kControls) {
    if (std::strcmp(row.name, name) == 0) return row.caption;
  }
  return "";
}

}  // namespace

int main() {
  for (const belvik::ui::PaneRow& pane : belvik::ui::kPanes) {
    std::printf("%s\t%s\t%s", pane.menu, Caption(pane.menu), pane.buttonName);
    for (const belvik::ui::PaneBox& box : pane.boxes()) std::printf("\t%s", Caption(box.label));
    std::printf("\n");
  }
}
