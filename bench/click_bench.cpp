// Click to text on the real window under the offscreen platform: each pane's 计算 button on a
// 32767-year schedule at a rate of 0, timed from the click until the handler has put the text
// into the result box, and until the window has painted it. Prints the median of the runs.
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <cstdio>
#include <vector>

#include "belvik/window_design.h"
#include "fonts.h"
#include "frmbelvik.h"
#include "median.h"

namespace {

// Each pane's box texts, in the order its calculator reads them, for the longest schedule.
struct Run {
  const char* name;
  belvik::Calculator calculator;
  QStringList texts;
};

const std::vector<Run> kRuns = {
    {"investment", belvik::Calculator::Investment, {"300", "0", "0", "32767"}},
    // Retiring now keeps every exponent in 16 bits; 32767 years then stop with the 16-bit
    // year counter's overflow after the last line.
    {"pension", belvik::Calculator::Pension, {"0", "1000", "32767", "60", "60"}},
    {"present_value", belvik::Calculator::PresentValue, {"0", "10000", "32767"}},
    {"lump_sum", belvik::Calculator::LumpSum, {"10000", "0", "32767"}},
};

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  belvik::ui::UseInterfaceFonts();
  int messages = 0;
  belvik::ui::frmbelvik window([&messages](const QString&, int, const QString&) { ++messages; });
  window.show();
  if (!QTest::qWaitForWindowExposed(&window)) return 1;
  auto* result = window.findChild<QPlainTextEdit*>(QStringLiteral("txtJG"));
  constexpr int kRepeats = 9;

  std::printf("%-14s %12s %14s %14s\n", "pane", "result lines", "to text (ms)", "to paint (ms)");
  for (const Run& run : kRuns) {
    const belvik::design::PaneDescription& pane = belvik::design::PaneOf(run.calculator);
    window.control<QAction>(pane.menu)->trigger();
    for (std::size_t k = 0; k < pane.boxes().size(); ++k) {
      window.control<QLineEdit>(pane.boxes()[k].box)->setText(run.texts[static_cast<qsizetype>(k)]);
    }
    auto* button = window.control<QPushButton>(pane.button);
    std::vector<double> toText;
    std::vector<double> toPaint;
    for (int repeat = 0; repeat < kRepeats; ++repeat) {
      QElapsedTimer timer;
      timer.start();
      QTest::mouseClick(button, Qt::LeftButton);
      toText.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
      result->viewport()->repaint();
      toPaint.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    // A text ending in a line break leaves one empty block after its last line.
    std::printf("%-14s %12d %14.1f %14.1f\n", run.name, result->document()->blockCount() - 1,
                Median(toText), Median(toPaint));
  }
  std::printf("messages shown: %d (the pension's 16-bit overflow, once per run)\n", messages);
  return 0;
}
