// Where the frames and the result box go, from the size of the client area.
#pragma once

#include "twips.h"

namespace belvik::ui {

// The one rectangle all four frames share: 100 twips in from the left, 500 down (clear of the
// inflation row), 100 clear of the right and bottom edges.
TwipsRect PaneRect(TwipsSize client);

// The result box of a pane whose frames measure `pane`: its top edge at `top`, its other edges
// 100 twips inside the pane rectangle, which starts at (100, 500).
TwipsRect ResultBoxRect(TwipsSize pane, float top);

}  // namespace belvik::ui
