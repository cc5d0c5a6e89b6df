// Click to text on the real window under the offscreen platform: each pane's 计算 button on a
// 32767-year schedule at a rate of 0, timed from the click until the handler has put the text
// into the result box, and until the window has painted it. Prints the median of the runs.
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <utility>
#include <vector>

#include "fonts.h"
#include "frmbelvik.h"

namespace {

struct Pane {
  const char* name;
  const char* menu;
  const char* button;
  std::vector<std::pair<const char*, const char*>> boxes;
};

const std::vector<Pane> kPanes = {
    {"investment",
     "mnuDT",
     "Command1",
     {{"txtJE(3)", "300"}, {"txtJE(4)", "0"}, {"txtJE(5)", "0"}, {"txtYear(4)", "32767"}}},
    // Retiring now keeps every exponent in 16 bits; 32767 years then stop with the 16-bit
    // year counter's overflow after the last line.
    {"pension",
     "mnuYLJ",
     "cmdYLJ",
     {{"txtJE(0)", "0"},
      {"txtJE(1)", "1000"},
      {"txtYear(0)", "32767"},
      {"txtYear(1)", "60"},
      {"txtYear(2)", "60"}}},
    {"present_value",
     "mnuPVIF",
     "cmdPVIF",
     {{"txtJE(0)", "0"}, {"txtJE(2)", "10000"}, {"txtYear(3)", "32767"}}},
    {"lump_sum",
     "munFVIF",
     "cmdFVIF",
     {{"txtJE(6)", "10000"}, {"txtJE(7)", "0"}, {"txtYear(5)", "32767"}}},
};

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  belvik::ui::UseInterfaceFonts();
  int messages = 0;
  frmbelvik window([&messages](const QString&, int, const QString&) { ++messages; });
  window.show();
  if (!QTest::qWaitForWindowExposed(&window)) return 1;
  auto* result = window.findChild<QPlainTextEdit*>(QStringLiteral("txtJG"));
  constexpr int kRuns = 9;

  std::printf("%-14s %12s %14s %14s\n", "pane", "result lines", "to text (ms)", "to paint (ms)");
  for (const Pane& pane : kPanes) {
    window.findChild<QAction*>(QString::fromUtf8(pane.menu))->trigger();
    for (const auto& [box, text] : pane.boxes) {
      window.findChild<QLineEdit*>(QString::fromUtf8(box))->setText(QString::fromUtf8(text));
    }
    auto* button = window.findChild<QPushButton*>(QString::fromUtf8(pane.button));
    std::vector<double> toText;
    std::vector<double> toPaint;
    for (int run = 0; run < kRuns; ++run) {
      QElapsedTimer timer;
      timer.start();
      QTest::mouseClick(button, Qt::LeftButton);
      toText.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
      result->viewport()->repaint();
      toPaint.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    // A text ending in a line break leaves one empty block after its last line.
    std::printf("%-14s %12d %14.1f %14.1f\n", pane.name, result->document()->blockCount() - 1,
                Median(toText), Median(toPaint));
  }
  std::printf("messages shown: %d (the pension's 16-bit overflow, once per run)\n", messages);
  return 0;
}
