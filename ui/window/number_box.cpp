#include "number_box.h"

#include <QLineEdit>
#include <limits>

namespace belvik::ui {

QLineEdit* CreateNumberBox(const QString& text, KeystrokeFilter* rule, QWidget* parent) {
  auto* edit = new QLineEdit(text, parent);
  // An 18-pixel box leaves the CJK face less height than its line; one pixel of top margin
  // centres the digits instead of letting them ride up against the border.
  edit->setTextMargins(0, 1, 0, 0);
  // No box has a length limit: Qt's default of 32767 would cut a pasted number short and the
  // calculator would read a different value than the one pasted.
  edit->setMaxLength(std::numeric_limits<int>::max());
  edit->installEventFilter(rule);
  return edit;
}

}  // namespace belvik::ui
