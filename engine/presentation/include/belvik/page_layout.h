// How a table falls onto printed pages: under a header row that repeats at the top of every
// page, as many rows as fit, fewer on the first page, whose top holds what precedes the table.
// Plain arithmetic on heights in any one unit, so it can be checked without a printer.
#pragma once

#include <cstddef>
#include <string>

namespace belvik {

// The body rows on one page: from `begin` up to but not including `end`.
struct PageRows {
  std::size_t begin = 0;
  std::size_t end = 0;

  friend bool operator==(const PageRows&, const PageRows&) = default;
};

struct PageLayout {
  std::size_t rows = 0;           // body rows of the table; the header row is not one of them
  std::size_t firstPageRows = 0;  // under the first page's header row; 0 starts the table on page 2
  std::size_t pageRows = 1;       // under every later page's header row; never 0

  std::size_t PageCount() const;
  // The body rows on `page` (from 0); none on a first page the table does not start on.
  PageRows RowsOn(std::size_t page) const;
};

// Fits `rows` body rows of `rowHeight` each, and a header row of the same height, into the room
// left for the table on the first page and on each later page. A later page too short for a
// header row and one row still takes one, so every row is printed and the page count stays
// finite.
PageLayout LayOutPages(std::size_t rows, double firstPageRoom, double pageRoom, double rowHeight);

// The footer of `page` (from 1) of `pageCount`: 第 3 页，共 730 页.
std::string PageNumberText(std::size_t page, std::size_t pageCount);

}  // namespace belvik
