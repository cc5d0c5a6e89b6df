// A print-out drawn with GDI on the pages of any page device: the pane's name at the top of every
// page, the inputs and the summary under it on the first, then the table under a header row that
// repeats on every page, and the page number at the foot of each, within the print-out's margins
// of whatever paper the device has.
#pragma once

#include <cstddef>
#include <functional>

#include "belvik/print_out.h"
#include "page_device.h"

namespace belvik::win32 {

// Told before each page is drawn: that page (from 1) and how many there are. Returning false
// stops before the page.
using PageProgressFn = std::function<bool(std::size_t page, std::size_t pageCount)>;

enum class PaintOutcome { Painted, Stopped, Refused };

// Draws every page of `out` on `device`, whose document has started; Stopped when `progress`
// stopped it, Refused when the device refused a page.
PaintOutcome PaintPrintOut(PageDevice& device, const PrintOut& out, const PageProgressFn& progress);

}  // namespace belvik::win32
