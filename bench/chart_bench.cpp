// One paint of the chart of each calculator's longest schedule, 32767 years (the present value
// sampled over a billion years), under the offscreen platform at a typical window's plot size:
// the first paint after a change, which reduces the curves to the plot's pixel columns, and a
// repaint from those columns. Prints the median of the runs in milliseconds.
#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <cstdio>
#include <string>
#include <vector>

#include "belvik/calculators.h"
#include "belvik/chart_series.h"
#include "chart_runs.h"
#include "chart_widget.h"
#include "fonts.h"
#include "median.h"

namespace {

double Milliseconds(const QElapsedTimer& timer) {
  return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  belvik::ui::UseInterfaceFonts();
  constexpr int kRepeats = 15;
  belvik::ui::ChartWidget widget;
  widget.resize(740, 420);
  QImage image(widget.size(), QImage::Format_ARGB32_Premultiplied);

  std::printf("%-14s %-6s %7s %18s %16s\n", "chart", "scale", "points", "first paint (ms)",
              "repaint (ms)");
  for (const ChartRun& run : kChartRuns) {
    const belvik::Result result = belvik::Calculate(run.calculator, run.texts);
    widget.setChart(belvik::ChartOf(result, "4"));
    for (const bool logarithmic : {false, true}) {
      std::vector<double> first;
      std::vector<double> again;
      for (int repeat = 0; repeat < kRepeats; ++repeat) {
        widget.setLogarithmic(logarithmic);  // drops the reduced columns
        QElapsedTimer timer;
        timer.start();
        widget.render(&image);
        first.push_back(Milliseconds(timer));
        timer.restart();
        widget.render(&image);
        again.push_back(Milliseconds(timer));
      }
      std::printf("%-14s %-6s %7zu %18.2f %16.2f\n", run.name, logarithmic ? "log" : "linear",
                  belvik::ChartOf(result, "4").x.size(), Median(first), Median(again));
    }
  }
  return 0;
}
