// 导出为 PDF… once the user has chosen the file, on the offscreen platform: a periodic-investment
// schedule painted onto A4 pages into a temporary file that then replaces the chosen one, disk
// sync included. Prints the median of the runs for 1000 lines and for the longest schedule.
#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <string>
#include <vector>

#include "belvik/investment.h"
#include "belvik/shown_result.h"
#include "fonts.h"
#include "median.h"
#include "result_print.h"

namespace {

struct Run {
  const char* years;
  int repeats;
};

const std::vector<Run> kRuns = {{"1000", 9}, {"32767", 3}};

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  belvik::ui::UseInterfaceFonts();
  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("result.pdf"));
  const belvik::ui::FileChooserFn chooseFile = [&path](const QString&, const QString&,
                                                       const QString&) { return path; };
  int messages = 0;
  const belvik::ui::MessageBoxFn messageBox = [&messages](const QString&, int, const QString&) {
    ++messages;
  };

  std::printf("%14s %10s %12s\n", "schedule lines", "PDF (KiB)", "write (ms)");
  for (const Run& run : kRuns) {
    belvik::design::ShownResult shown;
    shown.result = belvik::CalculateInvestment({"300", "0", "0", run.years});
    std::vector<double> times;
    for (int repeat = 0; repeat < run.repeats; ++repeat) {
      QElapsedTimer timer;
      timer.start();
      belvik::ui::ExportPdf(nullptr, shown, chooseFile, messageBox);
      times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    std::printf("%14zu %10.0f %12.1f\n", shown.result.LineCount(),
                static_cast<double>(QFileInfo(path).size()) / 1024, Median(times));
  }
  std::printf("messages shown: %d\n", messages);
  return messages == 0 ? 0 : 1;
}
