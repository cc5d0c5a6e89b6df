#!/usr/bin/env bash
# Builds the bench preset (Release) and measures: each calculator against the floor of its
# schedule lines, the time 反推每月定投 takes to an answer, the table text and CSV file of a
# 32767-line schedule, click to text on the window for 32767-line schedules, one paint of a
# 32767-point chart and the PDF of a schedule of 1000 and of 32767 lines (Qt's offscreen
# platform), and start-up to the mapped window and peak memory after the first paint on one Xvfb
# against an empty QMainWindow, one holding a single Latin or Chinese label, the least any text
# costs, and one painting Chinese in both of the program's faces.
# Timings follow the machine's load: run it when nothing else does.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh build bench

cmake --preset bench >/dev/null
cmake --build --preset bench
bin=build/bench/bench

# Repetitions interleaved at random, so that load from elsewhere falls on a calculator and its
# floor alike.
echo "== Engine: calculators and their floors (median of 9, interleaved)"
"$bin/engine_bench" --benchmark_repetitions=9 --benchmark_enable_random_interleaving=true \
  --benchmark_report_aggregates_only=true \
  --benchmark_out=build/bench/engine.json --benchmark_out_format=json >/dev/null
python3 bench/floor_ratio.py build/bench/engine.json

echo "== 反推每月定投: time to an answer, schedules per answer (median of 5)"
"$bin/goal_bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true 2>/dev/null |
  grep -E '^(Benchmark|-|.*_median)'

echo "== Table: 复制为表格 and the CSV export of a 32767-line schedule (median of 5)"
"$bin/table_bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true 2>/dev/null |
  grep -E '^(Benchmark|-|.*_median)'

echo "== Window: click to text, 32767-year schedules (median of 9)"
QT_QPA_PLATFORM=offscreen "$bin/click_bench" 2>/dev/null

echo "== Chart: one paint of a 32767-point chart (median of 15)"
QT_QPA_PLATFORM=offscreen "$bin/chart_bench" 2>/dev/null

echo "== Print: 导出为 PDF… of a schedule, chosen file to disk (median)"
QT_QPA_PLATFORM=offscreen "$bin/print_bench" 2>/dev/null

echo "== Start-up to the mapped window and peak memory (15 interleaved rounds)"
python3 bench/startup_compare.py build/bench 15
