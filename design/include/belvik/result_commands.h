// What the result box's context menu offers beyond the designed window, toolkit-free: its
// commands, and the texts of their dialogs, progress, failures and the chart window. Both
// front-ends show these words; neither spells them itself.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "belvik/calculator_description.h"

namespace belvik::design {

enum class ResultCommand : std::uint8_t {
  Copy,
  SelectAll,
  CopyAsTable,
  ExportCsv,
  Print,
  ExportPdf,
  ShowChart,
  FindMonthlyAmount,  // opens the 反推每月定投 window
};

// When a command can be chosen on a pane. Where it cannot, it stands disabled: the menu keeps
// one shape on every pane, and a command is found where it was last seen.
enum class Offered : std::uint8_t {
  Never,
  Always,
  WithFigures,  // while the box shows a result that has some
  WithSummary,  // while the box shows a finished result whose summary holds a number
};

// A command's offer on each pane, in the order of the Calculator enum.
using PaneOffers = std::array<Offered, kCalculatorCount>;

constexpr PaneOffers OnEveryPane(Offered offered) { return {offered, offered, offered, offered}; }

struct ResultCommandRow {
  ResultCommand id;
  std::string_view caption;
  PaneOffers offered;
  bool separatorBefore;  // a line above it in the menu
  // The letter that chooses it in an open menu, where the menu shows access keys: marked in
  // the caption where the caption holds it, after the caption in brackets otherwise, as a
  // system's own menus do (复制(C)). No two rows share one.
  char accessKey;
};

// In menu order. 复制 is offered only while part of the text is selected, as everywhere.
inline constexpr std::array<ResultCommandRow, 8> kResultCommands = {{
    {ResultCommand::Copy, "复制", OnEveryPane(Offered::Always), false, 'C'},
    {ResultCommand::SelectAll, "全选", OnEveryPane(Offered::Always), false, 'A'},
    {ResultCommand::CopyAsTable, "复制为表格", OnEveryPane(Offered::WithFigures), true, 'T'},
    {ResultCommand::ExportCsv, "导出为 CSV 文件…", OnEveryPane(Offered::WithFigures), false, 'V'},
    {ResultCommand::Print, "打印…", OnEveryPane(Offered::WithFigures), false, 'P'},
    {ResultCommand::ExportPdf, "导出为 PDF…", OnEveryPane(Offered::WithFigures), false, 'D'},
    {ResultCommand::ShowChart, "显示图表…", OnEveryPane(Offered::WithFigures), false, 'G'},
    // The periodic-investment pane lends its boxes, the pension pane its result's total.
    {ResultCommand::FindMonthlyAmount,
     "反推每月定投…",
     {Offered::Always, Offered::WithSummary, Offered::Never, Offered::Never},
     true,
     'M'},
}};

constexpr const ResultCommandRow& RowOf(ResultCommand command) {
  return kResultCommands[static_cast<std::size_t>(command)];
}

// Whether `row` can be chosen on `pane` while its result box shows a result with `figures` and
// a `summary` (both false for the placeholder).
constexpr bool Offers(const ResultCommandRow& row, Calculator pane, bool figures, bool summary) {
  switch (row.offered[static_cast<std::size_t>(pane)]) {
    case Offered::Never:
      return false;
    case Offered::Always:
      return true;
    case Offered::WithFigures:
      return figures;
    case Offered::WithSummary:
      return summary;
  }
  return false;
}

// A kind of file the user saves: the save dialog's caption, the type's name in its list of
// types, and the name's extension.
struct FileKind {
  std::string_view dialogCaption;
  std::string_view typeName;
  std::string_view extension;
};

inline constexpr FileKind kCsvFile{"导出为 CSV 文件", "CSV 文件", "csv"};
inline constexpr FileKind kPdfFile{"导出为 PDF", "PDF 文件", "pdf"};
inline constexpr FileKind kPngChart{"保存图表", "PNG 图片", "png"};
inline constexpr FileKind kSvgChart{"保存图表", "SVG 图片", "svg"};

// A file that could not be saved: this, the file's path, a line break and the system's reason.
inline constexpr std::string_view kSaveFailed = "文件未能保存：";

inline std::string SaveFailure(std::string_view path, std::string_view reason) {
  return std::string(kSaveFailed).append(path).append("\n").append(reason);
}

inline constexpr std::string_view kPrintCaption = "打印";
inline constexpr std::string_view kPrintFailed = "打印未能完成，请检查打印机后再试。";
// A long print-out's progress: this and the page number text; its button cancels. It shows
// once the pages have taken this long; a short print-out never shows it.
inline constexpr std::string_view kPreparing = "正在生成";
inline constexpr std::string_view kCancel = "取消";
inline constexpr int kProgressDelayMilliseconds = 500;

// The chart window.
namespace chart_window {

inline constexpr std::string_view kTitleAfterPane = " — 图表";  // after the pane's name
inline constexpr std::string_view kLogarithmic = "对数刻度";
inline constexpr std::string_view kLogarithmicHint =
    "每一格是上一格的十倍，跨越许多个数量级的曲线也看得清；零和负数不画。";
inline constexpr std::string_view kTodaysMoney = "按今天的钱";
inline constexpr std::string_view kSave = "保存图表…";
inline constexpr std::string_view kReadOutName = "读数：";  // before what the read-out says
inline constexpr std::string_view kChartName = "图表：";    // before the series' names
inline constexpr std::string_view kNamesSeparator = "、";
inline constexpr std::string_view kNothingToDraw = "没有逐年的数可画";
inline constexpr std::string_view kRightAxis = "（右轴）";  // after a right-axis series' name
inline constexpr std::string_view kAxisUnit = "元";
inline constexpr std::string_view kAnswerMark = "计算结果";  // beside the result's own point

}  // namespace chart_window

namespace checks {

constexpr bool ResultCommandsInOrder() {
  for (std::size_t k = 0; k < kResultCommands.size(); ++k) {
    if (static_cast<std::size_t>(kResultCommands[k].id) != k) return false;
  }
  return true;
}
static_assert(ResultCommandsInOrder(), "kResultCommands must follow ResultCommand");

constexpr bool AccessKeysDiffer() {
  for (std::size_t a = 0; a < kResultCommands.size(); ++a) {
    for (std::size_t b = a + 1; b < kResultCommands.size(); ++b) {
      if (kResultCommands[a].accessKey == kResultCommands[b].accessKey) return false;
    }
  }
  return true;
}
static_assert(AccessKeysDiffer(), "two commands of the result box's menu share an access key");

}  // namespace checks

}  // namespace belvik::design
