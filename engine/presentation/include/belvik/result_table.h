// A result's figures as a table for spreadsheets and print-outs: a header row, one row per
// schedule line and a 合计 row with the summary, every number written with exactly the digits
// the result text shows.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <vector>

#include "belvik/result.h"

namespace belvik {

struct ResultTable {
  std::size_t columns = 0;
  std::vector<std::string> cells;  // row after row, the header row first

  std::size_t RowCount() const { return columns == 0 ? 0 : cells.size() / columns; }
  std::span<const std::string> Row(std::size_t k) const {
    return std::span<const std::string>(cells).subspan(k * columns, columns);
  }
};

// The table of `result`: Chinese column headings, a row per schedule line written, and a 合计
// row when the result has a summary figure (a present value is one row of one cell).
ResultTable TableOf(const Result& result);

// Cells separated by tabs, every row ending in CR LF: pastes as columns into a spreadsheet.
std::string TabSeparated(const ResultTable& table);

// RFC 4180: UTF-8 with a byte-order mark, commas, a cell quoted when it holds a comma, a quote
// or a line break (its quotes doubled), every row ending in CR LF.
std::string Csv(const ResultTable& table);

}  // namespace belvik
