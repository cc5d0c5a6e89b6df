// Properties of a Result's figures against its text and its table, shared by the calculator
// targets. A schedule can hold 32767 lines: nothing here costs more per line than a few
// comparisons, except on the few lines FormsChecked picks.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "belvik/calculators.h"
#include "belvik/number_text.h"
#include "belvik/result_table.h"
#include "fuzz_checks.h"

namespace belvik::fuzz {

// A result that writes nothing has nothing to show in a table or to copy either.
inline void RequireNoFiguresWithoutText(const Result& result) {
  if (!result.text || result.text->empty()) {
    BELVIK_REQUIRE(result.figures.empty() && result.summaryCount == 0);
  }
}

// `figures` written by `form` appear in `line` one after the other, none overlapping.
inline void RequireFiguresInOrder(std::string_view line, std::span<const double> figures,
                                  std::string (*form)(double)) {
  std::size_t at = 0;
  for (const double figure : figures) {
    const std::string written = form(figure);
    at = line.find(written, at);
    BELVIK_REQUIRE(at != std::string_view::npos);
    at += written.size();
  }
}

// Writing a line's figures again, or building a table, costs about as much as the run that
// wrote the line: checking them on every line would halve the runs a target makes. So they are
// checked on the first lines (a fault in how a line is formed shows there), then every 64th
// line and the last (a fault in where a line's figures start shows there).
inline constexpr std::size_t kFullyCheckedLines = 16;

inline bool FormsChecked(std::size_t k, std::size_t count) {
  return k < kFullyCheckedLines || k % 64 == 0 || k + 1 == count;
}

// The schedule lines of the text and the line figures match: as many lines as LineCount(), no
// figure left over beside the summary's, each line's year its place, and its figures in it.
inline void RequireLineFigures(const Result& result, std::span<const std::string_view> lines) {
  BELVIK_REQUIRE(result.summaryCount <= result.figures.size());
  BELVIK_REQUIRE(result.LineCount() == lines.size());
  BELVIK_REQUIRE(result.figures.size() ==
                 lines.size() * FiguresPerLine(result.calculator) + result.summaryCount);
  for (std::size_t k = 0; k < lines.size(); ++k) {
    const std::span<const double> figures = result.Line(k);
    BELVIK_REQUIRE(figures[0] == static_cast<double>(k + 1));
    if (FormsChecked(k, lines.size())) RequireFiguresInOrder(lines[k], figures, StrForm);
  }
}

// The table has a heading row, a row per schedule line and a 合计 row exactly when the result
// has summary figures. Only for short schedules: every cell is a string of its own.
inline void RequireTableRows(const Result& result) {
  if (result.LineCount() > kFullyCheckedLines) return;
  const ResultTable table = TableOf(result);
  const bool total = !result.Summary().empty();
  BELVIK_REQUIRE(table.columns != 0 && table.cells.size() % table.columns == 0);
  BELVIK_REQUIRE(table.RowCount() == result.LineCount() + 1 + (total ? 1 : 0));
  if (total && result.calculator != Calculator::PresentValue) {
    BELVIK_REQUIRE(table.Row(table.RowCount() - 1)[0] == "合计");
  }
}

}  // namespace belvik::fuzz
