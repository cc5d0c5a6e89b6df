// The result box's commands, toolkit-free: the Qt window's suite and the Windows window's run
// these same rows, each against its own window. The tables and the CSV bytes come from one
// engine, the pages from one layout, the chart's words and the answers from one engine call.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "belvik/window_design.h"

namespace cases {

using belvik::design::Control;
using Texts = std::vector<std::string_view>;

// Which commands the menu offers once the pane of `menu` has calculated `texts` (none: nothing
// calculated), then shows another pane's first if `switchPane`: the commands that take figures
// further, and 反推每月定投… (on the investment pane, and with a pension total).
struct OfferCase {
  const char* name;
  Control menu;
  Texts texts;
  bool switchPane;
  bool figures;
  bool findsMonthly;
};

inline const std::vector<OfferCase> kOffers = {
    {"start-up placeholder", Control::mnuDT, {}, false, false, true},
    {"a schedule", Control::mnuDT, {"300", "0", "10", "3"}, false, true, true},
    {"a present value", Control::mnuPVIF, {"4", "100", "1"}, false, true, false},
    {"a run stopped after its first line",
     Control::munFVIF,
     {"1e300", "1e10", "3"},
     false,
     true,
     false},
    {"a box emptied by an empty input", Control::munFVIF, {"", "10", "3"}, false, false, false},
    {"a schedule, then a pane switch", Control::mnuDT, {"300", "0", "10", "3"}, true, false, true},
    {"pension pane, nothing calculated", Control::mnuYLJ, {}, true, false, false},
    {"a pension total", Control::mnuYLJ, {"4", "1000", "2", "60", "60"}, false, true, true},
    {"a pension without a year, so no total",
     Control::mnuYLJ,
     {"4", "1000", "0", "60", "60"},
     false,
     false,
     false},
};

// 复制为表格's clipboard text and 导出为 CSV 文件…'s bytes of a result.
struct TableCase {
  const char* name;
  Control menu;
  Texts texts;
  std::string_view tabSeparated;
  std::string_view csv;
};

inline const std::vector<TableCase> kTables = {
    {"pension: a 合计 row, its monthly column empty",
     Control::mnuYLJ,
     {"4", "1000", "2", "60", "60"},
     "退休年份\t年需要生活费(元)\t平均每月(元)\r\n1\t12480\t1040\r\n2\t12979.2\t1081.6\r\n"
     "合计\t25459.2\t\r\n",
     "\xEF\xBB\xBF退休年份,年需要生活费(元),平均每月(元)\r\n1,12480,1040\r\n2,12979.2,1081.6\r\n"
     "合计,25459.2,\r\n"},
    {"investment: the value in the 合计 row alone",
     Control::mnuDT,
     {"300", "0", "10", "1"},
     "年份\t年投入(元)\t每月投入(元)\t本利合计(元)\r\n1\t3600\t300\t\r\n合计\t3600\t\t3960\r\n",
     "\xEF\xBB\xBF年份,年投入(元),每月投入(元),本利合计(元)\r\n1,3600,300,\r\n合计,3600,,3960\r\n"},
    {"present value: one heading, one figure",
     Control::mnuPVIF,
     {"4", "10000", "10"},
     "现值(元)\r\n6755.6417\r\n",
     "\xEF\xBB\xBF现值(元)\r\n6755.6417\r\n"},
    {"lump sum stopped after a line: no 合计 row",
     Control::munFVIF,
     {"1e300", "1e10", "3"},
     "年份\t累计收益(元)\t累计收益率(%)\t本利和(元)\r\n1\t1E+308\t10000000000\t1.00000001E+308\r\n",
     "\xEF\xBB\xBF年份,累计收益(元),累计收益率(%),本利和(元)\r\n1,1E+308,10000000000,"
     "1.00000001E+308\r\n"},
};

// Where an export lands, chosen in a fresh folder that holds a folder named "taken": the file
// saved, or nothing left behind and, for a failure, a message titled 提示 naming the file.
struct SaveCase {
  const char* name;
  std::string_view file;  // empty: the user cancels the file dialog
  bool saved;
  bool told;
};

inline const std::vector<SaveCase> kSaves = {
    {"saved", "定投.csv", true, false},
    {"cancelled, nothing written", "", false, false},
    {"folder missing, a message", "gone/定投.csv", false, true},
    {"name taken by a folder, a message", "taken", false, true},
};

// A print-out of one page, its lines top to bottom, each line's pieces joined by one space.
struct PageCase {
  const char* name;
  Control menu;
  Texts texts;
  Texts lines;
};

inline const std::vector<PageCase> kOnePagers = {
    {"present value, a sentence on screen",
     Control::mnuPVIF,
     {"4", "100", "1"},
     {"这些钱将来值多少", "年平均通货膨胀率(%)：4", "将来的金额(元)：100", "距今年数：1",
      "现值(元)：96.1538", "第 1 页，共 1 页"}},
    {"lump sum stopped after a line, no summary or total",
     Control::munFVIF,
     {"1e300", "1e10", "3"},
     {"单笔投资计算", "投资金额：1e300", "预计年平均收益率(%)：1e10", "投资年限：3",
      "年份 累计收益(元) 累计收益率(%) 本利和(元)", "1 1E+308 10000000000 1.00000001E+308",
      "第 1 页，共 1 页"}},
};

// The long schedule whose pages kLongSchedulePages checks: 300 a month for 2000 years at 0 %.
inline const Texts kLongSchedule = {"300", "0", "0", "2000"};

using Pages = std::vector<std::vector<std::string>>;

// What is wrong with the pages of kLongSchedule, or nothing: 30 to 60 rows a page, the pane's
// name atop every page, the inputs and the summary on the first, the header row on every page,
// every year once and in order, the 合计 row last, and each page numbered of the whole.
inline std::string LongSchedulePagesFault(const Pages& pages) {
  if (pages.size() <= 2000 / 60 || pages.size() > 2000 / 30) {
    return std::to_string(pages.size()) + " pages";
  }
  const std::string header = "年份 年投入(元) 每月投入(元) 本利合计(元)";
  const std::vector<std::string> first = {"定投计算",
                                          "每月投入金额：300",
                                          "每年增加投入(%)：0",
                                          "年平均收益率(%)：0",
                                          "投资年限：2000",
                                          "总投入本金7200000元，本利合计7200000元。",
                                          header};
  if (pages[0].size() < first.size() || !std::equal(first.begin(), first.end(), pages[0].begin())) {
    return "the first page starts " + pages[0][0];
  }
  int year = 0;
  for (std::size_t k = 0; k < pages.size(); ++k) {
    const std::vector<std::string>& page = pages[k];
    const std::string where = "page " + std::to_string(k + 1) + ": ";
    if (page.size() < 3 || page[0] != "定投计算") return where + "no title";
    if (k > 0 && page[1] != header) return where + "no header row";
    if (page.back() !=
        "第 " + std::to_string(k + 1) + " 页，共 " + std::to_string(pages.size()) + " 页") {
      return where + "numbered " + page.back();
    }
    for (const std::string& line : page) {
      if (line == std::to_string(year + 1) + " 3600 300") ++year;
    }
  }
  if (year != 2000) return "years up to " + std::to_string(year);
  if (pages.back().end()[-2] != "合计 7200000 7200000") return "last row " + pages.back().end()[-2];
  return {};
}

// The chart window of a calculation, pointed at `point`: its read-out, and with 按今天的钱 (empty:
// not offered for this chart). The investment and lump-sum panes hide the inflation box, which
// keeps its 4.
struct ReadOutCase {
  const char* name;
  Control menu;
  Texts texts;
  std::size_t point;
  std::string_view readOut;
  std::string_view todaysMoney;
};

inline const std::vector<ReadOutCase> kReadOuts = {
    {"investment, last year with the summary's digits",
     Control::mnuDT,
     {"300", "0", "10", "3"},
     2,
     "第3年：累计投入本金 10800 元，本利合计 13107.6 元",
     "第3年：累计投入本金 9601.1607 元，本利合计 11652.6087 元"},
    {"pension, first retirement year",
     Control::mnuYLJ,
     {"4", "1000", "2", "60", "60"},
     0,
     "退休第1年：当年需要生活费 12480 元，累计需要 12480 元",
     "退休第1年：当年需要生活费 12000 元，累计需要 12000 元"},
    {"present value, the answer",
     Control::mnuPVIF,
     {"4", "10000", "10"},
     10,
     "10年后：现值 6755.6417 元（计算结果）",
     ""},
    {"lump sum, over the principal",
     Control::munFVIF,
     {"10000", "5", "3"},
     2,
     "第3年：本利和 11576.25 元，本金 10000 元",
     "第3年：本利和 10291.2441 元，本金 10000 元"},
};

// 反推每月定投 opened over the pane of `menu` holding `texts` (calculated on the pension pane),
// `typed` into the box a screen reader calls `box`: the target and years boxes then, and how the
// answer starts. The periodic-investment pane's worked schedules typed back as targets; the
// pension calculator's worked example, 88576.7099 in all and 85971.7654 at 3 % after retirement,
// five years before it; then targets that cannot be answered.
struct GoalCase {
  const char* name;
  Control menu;
  Texts texts;
  std::string_view box;
  std::u16string_view typed;
  std::string_view target;
  std::string_view years;
  std::string_view answer;
};

inline const std::vector<GoalCase> kGoals = {
    {"rising contribution",
     Control::mnuDT,
     {"300", "7", "10", "5"},
     "目标金额",
     u"27450.4915",
     "27450.4915",
     "5",
     "每月需投入300元（以后每年增加7%），5年后本利合计27450.4915元，"},
    {"level contribution, no bracket",
     Control::mnuDT,
     {"300", "0", "10", "3"},
     "目标金额",
     u"13107.6",
     "13107.6",
     "3",
     "每月需投入300元，3年后本利合计13107.6元，"},
    {"pension total",
     Control::mnuYLJ,
     {"3", "2000", "3", "50", "55"},
     "投资年限",
     u"",
     "88576.7099",
     "5",
     "每月需投入"},
    {"pension needs at a return after retirement",
     Control::mnuYLJ,
     {"3", "2000", "3", "50", "55"},
     "退休后年收益率(%)",
     u"3",
     "85971.7654",
     "5",
     "每月需投入"},
    {"nothing typed yet",
     Control::mnuDT,
     {"300", "0", "10", "3"},
     "目标金额",
     u"",
     "",
     "3",
     "请填写目标金额、投资年限、每年增加投入和年平均收益率。"},
    {"target of 0",
     Control::mnuDT,
     {"300", "0", "10", "3"},
     "目标金额",
     u"0",
     "0",
     "3",
     "目标金额必须大于0。"},
    {"no years",
     Control::mnuDT,
     {"300", "0", "10", "0"},
     "目标金额",
     u"1",
     "1",
     "0",
     "投资年限必须在1到32767年之间。"},
};

}  // namespace cases
