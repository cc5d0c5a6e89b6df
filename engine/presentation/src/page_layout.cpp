#include "belvik/page_layout.h"

#include <algorithm>
#include <cmath>

namespace belvik {
namespace {

// Body rows under a header row in `room`; none when not even the header row and one row fit.
std::size_t RowsUnderHeader(double room, double rowHeight) {
  const double lines = std::floor(room / rowHeight);
  return lines >= 2 ? static_cast<std::size_t>(lines) - 1 : 0;
}

}  // namespace

std::size_t PageLayout::PageCount() const {
  if (rows <= firstPageRows) return 1;
  return 1 + (rows - firstPageRows + pageRows - 1) / pageRows;
}

PageRows PageLayout::RowsOn(std::size_t page) const {
  const std::size_t begin = page == 0 ? 0 : std::min(rows, firstPageRows + (page - 1) * pageRows);
  const std::size_t end = std::min(rows, page == 0 ? firstPageRows : begin + pageRows);
  return {begin, end};
}

PageLayout LayOutPages(std::size_t rows, double firstPageRoom, double pageRoom, double rowHeight) {
  return {rows, RowsUnderHeader(firstPageRoom, rowHeight),
          std::max<std::size_t>(1, RowsUnderHeader(pageRoom, rowHeight))};
}

std::string PageNumberText(std::size_t page, std::size_t pageCount) {
  return "第 " + std::to_string(page) + " 页，共 " + std::to_string(pageCount) + " 页";
}

}  // namespace belvik
