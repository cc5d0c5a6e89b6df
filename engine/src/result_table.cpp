#include "belvik/result_table.h"

#include <string_view>

#include "belvik/number_text.h"

namespace belvik {
namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kTotal = "合计";

// The headings of the line figures, the year's first, and where the summary's figures go.
struct Layout {
  std::span<const std::string_view> headings;
  std::span<const std::size_t> summaryColumns;  // one per summary figure, in order
  bool summaryPlain;  // the summary's figures in PlainForm, as the summary line writes them
};

Layout LayoutOf(Calculator calculator) {
  // The investment's value has no column in the year lines; it shows in the 合计 row only.
  static constexpr std::string_view kInvestment[] = {"年份", "年投入(元)", "每月投入(元)",
                                                     "本利合计(元)"};
  static constexpr std::size_t kInvestmentSummary[] = {1, 3};
  static constexpr std::string_view kPension[] = {"退休年份", "年需要生活费(元)", "平均每月(元)"};
  static constexpr std::size_t kPensionSummary[] = {1};
  static constexpr std::string_view kLumpSum[] = {"年份", "累计收益(元)", "累计收益率(%)",
                                                  "本利和(元)"};
  static constexpr std::size_t kLumpSumSummary[] = {3};
  static constexpr std::string_view kPresentValue[] = {"现值(元)"};
  static constexpr std::size_t kPresentValueSummary[] = {0};
  switch (calculator) {
    case Calculator::Investment:
      return {kInvestment, kInvestmentSummary, true};
    case Calculator::Pension:
      return {kPension, kPensionSummary, true};
    case Calculator::LumpSum:
      return {kLumpSum, kLumpSumSummary, false};
    case Calculator::PresentValue:
      break;
  }
  return {kPresentValue, kPresentValueSummary, true};
}

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
  const Layout layout = LayoutOf(result.calculator);
  ResultTable table;
  table.columns = layout.headings.size();
  const std::size_t lines = result.LineCount();
  table.cells.reserve((lines + 2) * table.columns);
  table.cells.assign(layout.headings.begin(), layout.headings.end());
  for (std::size_t k = 0; k < lines; ++k) {
    for (const double figure : result.Line(k)) table.cells.push_back(StrForm(figure));
    table.cells.resize(table.cells.size() + table.columns - result.Line(k).size());
  }
  const std::span<const double> summary = result.Summary();
  if (summary.empty()) return table;
  const std::size_t row = table.cells.size();
  table.cells.resize(row + table.columns);
  if (result.calculator != Calculator::PresentValue) table.cells[row] = kTotal;
  auto column = layout.summaryColumns.begin();
  for (const double figure : summary) {
    table.cells[row + *column++] = layout.summaryPlain ? PlainForm(figure) : StrForm(figure);
  }
  return table;
}

std::string TabSeparated(const ResultTable& table) { return Join(table, '\t', false, {}); }

std::string Csv(const ResultTable& table) { return Join(table, ',', true, "\xEF\xBB\xBF"); }

}  // namespace belvik
