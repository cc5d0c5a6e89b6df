#include "print_out.h"

#include <string_view>

#include "control_table.h"
#include "saving.h"

namespace belvik::ui {
namespace {

constexpr QChar kColon(u'：');

// The caption without its colon, which a print-out puts between every label and its text.
QString LabelOf(const PaneBox& box) {
  QString label = QString::fromUtf8(box.printLabel ? box.printLabel : CaptionOf(box.label));
  if (label.endsWith(kColon)) label.chop(1);
  return label;
}

}  // namespace

PrintOut PrintOutOf(const ShownResult& shown) {
  PrintOut out;
  out.title = PaneCaption(*shown.pane);
  const std::span<const PaneBox> boxes = shown.pane->boxes();
  for (std::size_t k = 0; k < boxes.size() && k < shown.inputs.size(); ++k) {
    out.inputs.append(LabelOf(boxes[k]) + kColon + QString::fromStdString(shown.inputs[k]));
  }
  ResultTable table = TableOf(shown.result);
  if (shown.result.calculator == Calculator::PresentValue) {
    // One figure and no schedule: the table's one heading names the figure.
    if (table.RowCount() == 2) {
      out.summary = QString::fromStdString(table.Row(0)[0]) + kColon +
                    QString::fromStdString(table.Row(1)[0]);
    }
    return out;
  }
  // The summary line comes first in the text, and only once the run got that far.
  out.endsInTotal = !shown.result.Summary().empty();
  if (out.endsInTotal && shown.result.text) {
    const std::string_view text = *shown.result.text;
    out.summary = QString::fromUtf8(text.substr(0, text.find("\r\n")));
  }
  out.table = std::move(table);
  return out;
}

}  // namespace belvik::ui
