// The table commands on the longest schedule: its tab-separated text for the clipboard, its
// CSV text, and the CSV export as the window writes it (through a temporary file that replaces
// the target once complete).
#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <string>

#include "belvik/calculators.h"
#include "belvik/result_table.h"
#include "saving.h"

namespace {

// 32767 lines of four figures each, the widest table a calculator writes.
const belvik::Result& LongestSchedule() {
  static const belvik::Result result = belvik::CalculateLumpSum({"10000", "7", "32767"});
  return result;
}

void TableText(benchmark::State& state) {
  for (auto _ : state) {
    std::string text = belvik::TabSeparated(belvik::TableOf(LongestSchedule()));
    benchmark::DoNotOptimize(text.data());
  }
}

void CsvText(benchmark::State& state) {
  for (auto _ : state) {
    std::string text = belvik::Csv(belvik::TableOf(LongestSchedule()));
    benchmark::DoNotOptimize(text.data());
  }
}

void CsvExport(benchmark::State& state) {
  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("schedule.csv"));
  for (auto _ : state) {
    const std::string csv = belvik::Csv(belvik::TableOf(LongestSchedule()));
    const bool saved = belvik::ui::SaveBytes(path, csv, [](const QString&, int, const QString&) {});
    if (!saved) state.SkipWithError("the CSV file was not written");
  }
}

BENCHMARK(TableText)->Unit(benchmark::kMillisecond);
BENCHMARK(CsvText)->Unit(benchmark::kMillisecond);
BENCHMARK(CsvExport)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
