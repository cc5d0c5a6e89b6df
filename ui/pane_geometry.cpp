#include "pane_geometry.h"

namespace belvik::ui {

TwipsRect PaneRect(TwipsSize client) { return {100, 500, client.width - 200, client.height - 700}; }

TwipsRect ResultBoxRect(TwipsSize pane, float top) {
  return {200, top, pane.width - 200, pane.height - (top - 400)};
}

}  // namespace belvik::ui
