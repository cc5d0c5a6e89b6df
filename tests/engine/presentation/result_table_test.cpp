// The table a spreadsheet receives: the digits of the result text, a column per figure, a 合计
// row only under a finished summary, and CSV quoting where a cell needs it.
#include "belvik/result_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "belvik/calculators.h"
#include "row_name.h"

namespace belvik {
namespace {

struct TableCase {
  const char* name;
  Calculator calculator;
  std::vector<std::string> texts;
  std::string tabSeparated;
};

class ResultTableTest : public testing::TestWithParam<TableCase> {};

TEST_P(ResultTableTest, HoldsTheDigitsOfTheText) {
  const TableCase& c = GetParam();
  EXPECT_EQ(TabSeparated(TableOf(Calculate(c.calculator, c.texts))), c.tabSeparated);
}

INSTANTIATE_TEST_SUITE_P(
    Tables, ResultTableTest,
    testing::Values(TableCase{"investment_value_only_in_the_total_row",
                              Calculator::Investment,
                              {"300", "0", "10", "2"},
                              "年份\t年投入(元)\t每月投入(元)\t本利合计(元)\r\n"
                              "1\t3600\t300\t\r\n2\t3600\t300\t\r\n合计\t7200\t\t8316\r\n"},
                    TableCase{"lump_sum_keeps_the_forms_without_leading_zero",
                              Calculator::LumpSum,
                              {"100", "0.5", "1"},
                              "年份\t累计收益(元)\t累计收益率(%)\t本利和(元)\r\n"
                              "1\t.5\t.5\t100.5\r\n合计\t\t\t100.5\r\n"},
                    TableCase{"pension_total_in_plain_form",
                              Calculator::Pension,
                              {"4", "1000", "2", "60", "60"},
                              "退休年份\t年需要生活费(元)\t平均每月(元)\r\n"
                              "1\t12480\t1040\r\n2\t12979.2\t1081.6\r\n合计\t25459.2\t\r\n"},
                    TableCase{"pension_without_years_has_no_total_row",
                              Calculator::Pension,
                              {"4", "1000", "0", "30", "60"},
                              "退休年份\t年需要生活费(元)\t平均每月(元)\r\n"},
                    TableCase{"present_value_one_cell_with_leading_zero",
                              Calculator::PresentValue,
                              {"4", "1", "20"},
                              "现值(元)\r\n0.4564\r\n"},
                    TableCase{"stopped_run_has_the_lines_written_and_no_total",
                              Calculator::LumpSum,
                              {"1e300", "1e10", "3"},
                              "年份\t累计收益(元)\t累计收益率(%)\t本利和(元)\r\n"
                              "1\t1E+308\t10000000000\t1.00000001E+308\r\n"}),
    RowName());

TEST(Csv, StartsWithAByteOrderMarkAndQuotesOnlyWhatNeedsIt) {
  const ResultTable table{3, {"年份", "a,b", "say \"hi\"", "1", "two\r\nlines", ".5"}};
  EXPECT_EQ(Csv(table),
            "\xEF\xBB\xBF"
            "年份,\"a,b\",\"say \"\"hi\"\"\"\r\n"
            "1,\"two\r\nlines\",.5\r\n");
}

}  // namespace
}  // namespace belvik
