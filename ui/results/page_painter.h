// A print-out drawn on the pages of a printer or a PDF writer alike: the pane's name at the top
// of every page, the inputs and the summary under it on the first, then the table under a header
// row that repeats on every page, and the page number at the foot of each.
#pragma once

#include <cstddef>
#include <functional>

#include "belvik/print_out.h"

class QPagedPaintDevice;

namespace belvik::ui {

// Told before each page is drawn: that page (from 1) and how many there are. Returning false
// stops before the page.
using PageProgressFn = std::function<bool(std::size_t page, std::size_t pageCount)>;

// A4 portrait with the print-out's margins.
void UseA4(QPagedPaintDevice& device);

// Draws every page of `out`; false when `progress` stopped it or the device refused a page.
bool PaintPrintOut(QPagedPaintDevice& device, const PrintOut& out, const PageProgressFn& progress);

}  // namespace belvik::ui
