#include "belvik/print_out.h"

namespace belvik {

PrintOut PrintOutOf(const Result& result, std::string_view title,
                    std::span<const std::string_view> labels) {
  PrintOut out;
  out.title = title;
  const std::span<const std::string> inputs = result.Inputs();
  for (std::size_t k = 0; k < labels.size() && k < inputs.size(); ++k) {
    out.inputs.push_back(std::string(labels[k]) + "：" + inputs[k]);
  }
  ResultTable table = TableOf(result);
  if (result.LineCount() == 0 && FiguresPerLine(result.calculator) == 0) {
    // One figure and no schedule: the table's one heading names the figure.
    if (table.RowCount() == 2) out.summary = table.Row(0)[0] + "：" + table.Row(1)[0];
    return out;
  }
  // The summary line comes first in the text, and only once the run got that far.
  out.endsInTotal = !result.Summary().empty();
  if (out.endsInTotal && result.text) {
    const std::string_view text = *result.text;
    out.summary = text.substr(0, text.find("\r\n"));
  }
  out.table = std::move(table);
  return out;
}

PrintMetrics MeasurePrintOut(double pageHeight, double titleSpacing, double textSpacing,
                             double tableSpacing) {
  using namespace print_style;
  return {pageHeight, titleSpacing * kTitleLines, textSpacing * kTextLines,
          tableSpacing * kRowLines, tableSpacing * kFooterLines};
}

PageLayout LayOutPrintOut(const PrintOut& out, const PrintMetrics& m) {
  // The inputs, the summary and an empty line before the table.
  const double lines = static_cast<double>(out.inputs.size()) + (out.summary.empty() ? 1 : 2);
  const double pageRoom = m.pageHeight - m.title - m.footer;
  const std::size_t rows = out.table.RowCount() == 0 ? 0 : out.table.RowCount() - 1;
  return LayOutPages(rows, pageRoom - lines * m.text, pageRoom, m.row);
}

}  // namespace belvik
