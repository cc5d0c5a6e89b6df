// A result on paper, toolkit-free: what the pages say (the pane's name, each input with its
// label, the summary, the schedule as a table), how large each part is drawn, and how the
// table falls onto the pages. A front-end measures its fonts on the device and draws.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "belvik/page_layout.h"
#include "belvik/result.h"
#include "belvik/result_table.h"
#include "belvik/rgb.h"

namespace belvik {

struct PrintOut {
  std::string title;                // the pane's name
  std::vector<std::string> inputs;  // each input as label：text
  std::string summary;              // empty for a run stopped before its summary
  ResultTable table;                // the header row first; no rows without a schedule
  bool endsInTotal = false;         // the table's last row is the 合计 row
};

// The print-out of `result` under `title`, each input named by `labels` (in the order of the
// result's inputs).
PrintOut PrintOutOf(const Result& result, std::string_view title,
                    std::span<const std::string_view> labels);

// How a print-out is drawn, in points and in lines of each part's font.
namespace print_style {

inline constexpr double kMarginLeftRightMillimetres = 20;
inline constexpr double kMarginTopBottomMillimetres = 15;

inline constexpr double kTitlePoints = 16;   // bold
inline constexpr double kTextPoints = 10.5;  // the inputs; the summary in bold
inline constexpr double kTablePoints = 9;    // the header row in bold

// Spacing in lines of each font: room to breathe between the title and the text, between
// lines of text, between table rows, and above the page number.
inline constexpr double kTitleLines = 1.8;
inline constexpr double kTextLines = 1.35;
inline constexpr double kRowLines = 1.45;
inline constexpr double kFooterLines = 2;

// The gap before the last character of a right-aligned cell, in table lines.
inline constexpr double kCellPadding = 0.35;

inline constexpr Rgb kHeaderFill{232, 232, 232};
inline constexpr Rgb kRuleColour{150, 150, 150};
inline constexpr Rgb kFooterColour{90, 90, 90};

}  // namespace print_style

// Heights on one device, in its units, from its fonts' line spacings.
struct PrintMetrics {
  double pageHeight;
  double title;   // the title line and the gap under it
  double text;    // one input or summary line
  double row;     // one table row
  double footer;  // the page number line and the gap above it
};

// The metrics of a page `pageHeight` high whose title, text and table fonts have these line
// spacings.
PrintMetrics MeasurePrintOut(double pageHeight, double titleSpacing, double textSpacing,
                             double tableSpacing);

// Where `out`'s table rows fall: the first page holds the inputs, the summary and an empty line
// before the table under the title.
PageLayout LayOutPrintOut(const PrintOut& out, const PrintMetrics& metrics);

}  // namespace belvik
