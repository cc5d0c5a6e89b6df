// Which table rows each printed page holds: a page exactly full, one row over, a first page with
// room for its header row alone, and pages too short for a single row.
#include "belvik/page_layout.h"

#include <gtest/gtest.h>

#include "row_name.h"

namespace belvik {
namespace {

struct PagesCase {
  const char* name;
  std::size_t rows;
  double firstPageRoom;
  double pageRoom;  // every later page; rows are 10 high
  std::size_t pageCount;
  PageRows firstPage;
  PageRows lastPage;
};

class PageLayoutTest : public testing::TestWithParam<PagesCase> {};

TEST_P(PageLayoutTest, EveryRowOnceInOrder) {
  const PagesCase& c = GetParam();
  const PageLayout layout = LayOutPages(c.rows, c.firstPageRoom, c.pageRoom, 10);
  ASSERT_EQ(layout.PageCount(), c.pageCount);
  EXPECT_EQ(layout.RowsOn(0), c.firstPage);
  EXPECT_EQ(layout.RowsOn(c.pageCount - 1), c.lastPage);
  for (std::size_t page = 1; page < c.pageCount; ++page) {
    EXPECT_EQ(layout.RowsOn(page).begin, layout.RowsOn(page - 1).end) << "page " << page;
    EXPECT_LT(layout.RowsOn(page).begin, layout.RowsOn(page).end) << "page " << page;
  }
}

// First page: 100 high holds the header row and 9 rows; later pages: 500 high, header and 49.
INSTANTIATE_TEST_SUITE_P(
    Pages, PageLayoutTest,
    testing::Values(
        PagesCase{"no_rows_one_page", 0, 100, 500, 1, {0, 0}, {0, 0}},
        PagesCase{"first_page_exactly_full", 9, 100, 500, 1, {0, 9}, {0, 9}},
        PagesCase{"one_row_over_the_first_page", 10, 100, 500, 2, {0, 9}, {9, 10}},
        PagesCase{"second_page_exactly_full", 58, 100, 500, 2, {0, 9}, {9, 58}},
        PagesCase{"one_row_over_a_full_second_page", 59, 100, 500, 3, {0, 9}, {58, 59}},
        PagesCase{"row_short_of_a_line_left_for_the_next_page", 9, 99.9, 500, 2, {0, 8}, {8, 9}},
        PagesCase{"first_page_holds_the_header_alone_so_the_table_starts_on_page_2",
                  3,
                  19.9,
                  500,
                  2,
                  {0, 0},
                  {0, 3}},
        PagesCase{"later_pages_too_short_still_take_one_row", 3, 0, 5, 4, {0, 0}, {2, 3}},
        // 40 rows, then 45 a page: 1 + ceil(32727 / 45) = 729 pages, 12 on the last.
        PagesCase{"longest_schedule", 32767, 410, 460, 729, {0, 40}, {32755, 32767}}),
    RowName());

}  // namespace
}  // namespace belvik
