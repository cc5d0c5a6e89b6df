// The window's controls as Windows controls: each kind of the design as its window class and
// styles, the order they are stacked in, and the hints that pop up over the input boxes.
#pragma once

#include <vector>

#include "belvik/window_design.h"
#include "windows_api.h"

namespace belvik::win32 {

// A child of `window` for `row`, with its control ID and caption or default text, not yet
// placed. Boxes have no length limit.
HWND CreateControl(const design::ControlRow& row, HWND window);

// Front to back, which is also the order Tab visits them in: every control that takes the focus
// in tab-index order, each input box straight after the label that names it (a screen reader
// with no other name for the box reads that label); then the other labels; the frames last,
// behind the controls drawn over them.
std::vector<design::Control> StackingOrder();

// Each input box's hint, shown while the pointer rests on it: its unit and what it means.
void AddHints(HWND window);

// Sizes `label` to its text in its font: the width of its widest line, all lines high.
void FitToText(HWND label);

}  // namespace belvik::win32
