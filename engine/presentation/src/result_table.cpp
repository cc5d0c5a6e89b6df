#include "belvik/result_table.h"

#include <string_view>

#include "belvik/number_writing.h"

namespace belvik {
namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kTotal = "合计";

void AppendCell(std::string& out, std::string_view cell, bool quoteWhenNeeded) {
  if (!quoteWhenNeeded || cell.find_first_of(",\"\r\n") == std::string_view::npos) {
    out += cell;
    return;
  }
  out += '"';
  for (const char c : cell) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

std::string Join(const ResultTable& table, char separator, bool quoteWhenNeeded, std::string out) {
  for (std::size_t row = 0; row < table.RowCount(); ++row) {
    const std::span<const std::string> cells = table.Row(row);
    for (std::size_t k = 0; k < cells.size(); ++k) {
      if (k != 0) out += separator;
      AppendCell(out, cells[k], quoteWhenNeeded);
    }
    out += kLineEnd;
  }
  return out;
}

}  // namespace

ResultTable TableOf(const Result& result) {
  const CalculatorDescription& calculator = Describe(result.calculator);
  ResultTable table;
  table.columns = calculator.columns.size();
  const std::size_t lines = result.LineCount();
  table.cells.reserve((lines + 2) * table.columns);
  table.cells.assign(calculator.columns.begin(), calculator.columns.end());
  for (std::size_t k = 0; k < lines; ++k) {
    for (const double figure : result.Line(k)) table.cells.push_back(StrForm(figure));
    table.cells.resize(table.cells.size() + table.columns - result.Line(k).size());
  }
  const std::span<const double> summary = result.Summary();
  if (summary.empty()) return table;
  const std::size_t row = table.cells.size();
  table.cells.resize(row + table.columns);
  if (calculator.totalRow) table.cells[row] = kTotal;
  auto column = calculator.summaryColumns.begin();
  for (const double figure : summary) {
    table.cells[row + *column++] =
        calculator.summaryForm == NumberForm::Plain ? PlainForm(figure) : StrForm(figure);
  }
  return table;
}

std::string TabSeparated(const ResultTable& table) { return Join(table, '\t', false, {}); }

std::string Csv(const ResultTable& table) { return Join(table, ',', true, "\xEF\xBB\xBF"); }

}  // namespace belvik
