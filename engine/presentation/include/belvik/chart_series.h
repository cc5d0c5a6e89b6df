// A result as curves, one point per year: the schedule's own figures, and the running sums and
// values that the result text states only for the last year.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "belvik/result.h"

namespace belvik {

// The most points a present-value curve samples, however far off the sum is due: the present
// value has no years cap, and a billion years must still draw at once.
inline constexpr std::size_t kMaxPresentValuePoints = 32768;

struct ChartSeries {
  std::string name{};       // the legend's
  std::vector<double> y{};  // one per point; NaN where the point has no figure
  bool rightAxis = false;   // against the right-hand axis, on a scale of its own
  bool plainForm = false;   // read out in PlainForm, else StrForm, as the result text writes it
  bool paidToday = false;   // a sum paid today, so already today's money in every year
};

struct Chart {
  std::vector<double> x;   // years, ascending
  std::string xTitle;      // what x counts
  std::string yearPrefix;  // the read-out's words before and after a year: 第 … 年
  std::string yearSuffix;
  // x plus this is how many years from today a point lies: the power of 按今天的钱.
  double yearsFromTodayAtZero = 0;
  std::vector<ChartSeries> series;
  std::optional<std::size_t> answer;  // the point whose figure is the result itself
  std::optional<double> inflation;  // 按今天的钱's yearly rate as a fraction; none: not offered
  std::string todaysMoneyNote;      // the rate 按今天的钱 uses, or why it is not offered
};

// The chart of `result`, made as its calculator's description says from its figures and the
// inputs it read, with the inflation box's text at the time for 按今天的钱. Every point's
// figure is exact: a schedule line's figure as the text prints it, or a sum added in the order
// the calculator adds, so the last year's sum equals the summary.
Chart ChartOf(const Result& result, std::string_view inflationText);

// `chart` with each figure divided by (1 + inflation)^(years from today) through PresentValue,
// NaN where that faults; series paid today stay. Unchanged when 按今天的钱 is not offered.
Chart InTodaysMoney(const Chart& chart);

// The point whose year is nearest to `x`; 0 for a chart without points.
std::size_t NearestPoint(const Chart& chart, double x);

// What point `k` shows: its year, then each series' name and figure in yuan; empty past the
// last point.
std::string ReadOut(const Chart& chart, std::size_t k);

}  // namespace belvik
