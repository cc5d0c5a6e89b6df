#include "belvik/chart_series.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "belvik/compounding.h"
#include "belvik/number_reading.h"
#include "belvik/number_writing.h"
#include "belvik/rounding.h"

namespace belvik {
namespace {

constexpr double kNoFigure = std::numeric_limits<double>::quiet_NaN();

// A number the chart needs beyond the result's figures, read from the inflation box as the
// calculators read a box; NaN for one beyond the double range.
double Number(std::string_view text) {
  const Checked<double> number = NumberFromText(text);
  return number.ok() ? number.value : kNoFigure;
}

double Rounded(double x) { return std::isfinite(x) ? RoundTo(x, 4) : kNoFigure; }

Chart Worded(const ChartRecipe& recipe) {
  Chart chart;
  chart.xTitle = recipe.xTitle;
  chart.yearPrefix = recipe.yearPrefix;
  chart.yearSuffix = recipe.yearSuffix;
  return chart;
}

ChartSeries Named(const SeriesRecipe& recipe) {
  return {.name = std::string(recipe.name),
          .rightAxis = recipe.rightAxis,
          .plainForm = recipe.form == NumberForm::Plain,
          .paidToday = recipe.paidToday};
}

// One figure per schedule line, made as `recipe` says.
ChartSeries ScheduleSeries(const Result& result, const SeriesRecipe& recipe) {
  ChartSeries series = Named(recipe);
  const double input = result.Value(recipe.input);
  const double growth = 1 + input / 100;
  double sum = 0;
  for (std::size_t k = 0; k < result.LineCount(); ++k) {
    const double figure = result.Line(k)[recipe.figure];
    switch (recipe.source) {
      case SeriesSource::LineFigure:
        series.y.push_back(figure);
        break;
      case SeriesSource::RunningSum:
        sum = sum + figure;  // as the calculator adds, so the last year's is the summary's
        series.y.push_back(sum);
        break;
      case SeriesSource::CompoundedBalance:
        // Every earlier figure grows one more year: O(n). The summary instead adds each
        // figure's own rounded value, which for every year would be O(n²).
        sum = (sum + figure) * growth;
        series.y.push_back(Rounded(sum));
        break;
      case SeriesSource::Input:
        series.y.push_back(input);
        break;
    }
  }
  // The balance misses the summary's roundings (at most 0.00005 a year), so the last year
  // shows the summary's own figure.
  const std::span<const double> summary = result.Summary();
  if (recipe.source == SeriesSource::CompoundedBalance && recipe.summaryFigure < summary.size() &&
      !series.y.empty()) {
    series.y.back() = summary[recipe.summaryFigure];
  }
  return series;
}

Chart ScheduleChart(const Result& result, const ChartRecipe& recipe) {
  Chart chart = Worded(recipe);
  for (std::size_t k = 0; k < result.LineCount(); ++k) chart.x.push_back(result.Line(k)[0]);
  for (const SeriesRecipe& series : recipe.series) {
    chart.series.push_back(ScheduleSeries(result, series));
  }
  if (recipe.earlierAge != kNoInput && recipe.laterAge != kNoInput) {
    const double years = result.Value(recipe.laterAge) - result.Value(recipe.earlierAge);
    if (!std::isnan(years)) chart.yearsFromTodayAtZero = years;
  }
  return chart;
}

// Today's value of the amount due in 0 … N years (N may be negative or fractional), whole years
// apart, as many apart as keeps the count within kMaxPresentValuePoints, and N itself last.
Chart PresentValueChart(const Result& result, const ChartRecipe& recipe) {
  Chart chart = Worded(recipe);
  chart.todaysMoneyNote = "现值已经是按今天的钱计算的金额";
  const double rate = result.Value(recipe.rate) / 100;
  const double amount = result.Value(recipe.amount);
  const double years = result.Value(recipe.years);
  ChartSeries value = Named(recipe.series.front());
  const double reach = std::abs(years);
  const double step =
      std::max(1.0, std::ceil(reach / static_cast<double>(kMaxPresentValuePoints - 1)));
  const auto add = [&](double y) {
    const Checked<double> pv = PresentValue(amount, rate, y);
    if (!pv.ok()) return false;
    chart.x.push_back(y);
    value.y.push_back(pv.value);
    return true;
  };
  bool faulted = false;
  for (double j = 0; j * step < reach && !faulted; j = j + 1) {
    const double ahead = j * step;
    faulted = !add(years < 0 && ahead != 0 ? -ahead : ahead);
  }
  if (!faulted && add(years)) chart.answer = chart.x.size() - 1;
  if (years < 0) {
    std::reverse(chart.x.begin(), chart.x.end());
    std::reverse(value.y.begin(), value.y.end());
    if (chart.answer) chart.answer = 0;
  }
  chart.series = {std::move(value)};
  return chart;
}

}  // namespace

Chart ChartOf(const Result& result, std::string_view inflationText) {
  const ChartRecipe& recipe = Describe(result.calculator).chart;
  if (recipe.kind == ChartKind::PresentValueCurve) return PresentValueChart(result, recipe);
  Chart chart = ScheduleChart(result, recipe);
  const double percent = Number(inflationText);
  if (std::isnan(percent)) {
    chart.todaysMoneyNote = "通货膨胀率一栏的数超出范围，无法折算";
  } else {
    chart.inflation = percent / 100;
    chart.todaysMoneyNote = "按年通货膨胀率 " + PlainForm(percent) + "% 把每年的金额折算成今天的钱";
  }
  return chart;
}

Chart InTodaysMoney(const Chart& chart) {
  Chart today = chart;
  if (!chart.inflation) return today;
  for (ChartSeries& series : today.series) {
    if (series.paidToday) continue;
    for (std::size_t k = 0; k < series.y.size(); ++k) {
      const Checked<double> value =
          PresentValue(series.y[k], *chart.inflation, chart.x[k] + chart.yearsFromTodayAtZero);
      series.y[k] = value.ok() ? value.value : kNoFigure;
    }
  }
  return today;
}

std::size_t NearestPoint(const Chart& chart, double x) {
  const auto after = std::lower_bound(chart.x.begin(), chart.x.end(), x);
  if (after == chart.x.begin()) return 0;
  if (after == chart.x.end() || x - *(after - 1) <= *after - x) {
    return static_cast<std::size_t>(after - chart.x.begin()) - 1;
  }
  return static_cast<std::size_t>(after - chart.x.begin());
}

std::string ReadOut(const Chart& chart, std::size_t k) {
  if (k >= chart.x.size()) return {};
  std::string text = chart.yearPrefix + PlainForm(chart.x[k]) + chart.yearSuffix + "：";
  for (std::size_t s = 0; s < chart.series.size(); ++s) {
    const ChartSeries& series = chart.series[s];
    const double y = series.y[k];
    if (s != 0) text += "，";
    text += series.name + " ";
    text += std::isnan(y) ? "超出范围" : series.plainForm ? PlainForm(y) : StrForm(y);
    text += " 元";
  }
  if (chart.answer == k) text += "（计算结果）";
  return text;
}

}  // namespace belvik
