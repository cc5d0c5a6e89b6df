// The result's commands on Windows over the longest schedules, as the window runs them: one
// paint of a 32767-point chart with GDI+ (the first after a change, which reduces the curves to
// the plot's pixel columns, and a repaint from those columns), 复制为表格 onto the clipboard,
// 导出为 CSV 文件… through a temporary file that replaces the target, and 打印… of 1000 and of
// 32767 lines into enhanced metafiles, and 反推每月定投's answer to a saver's target over 30 and
// 32767 years (as bench/goal_bench.cpp asks it). Prints the median of the runs in milliseconds.
#include "windows_api.h"
// After windows_api.h, which brings the Windows API the common controls' header needs.
#include <commctrl.h>

#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "belvik/calculators.h"
#include "belvik/chart_series.h"
#include "belvik/shown_result.h"
#include "chart_runs.h"
#include "chart_view.h"
#include "emf_pages.h"
#include "fonts.h"
#include "gdiplus_session.h"
#include "median.h"
#include "result_print.h"
#include "table_export.h"

namespace {

using Clock = std::chrono::steady_clock;

template <typename Work>
double MedianMilliseconds(int repeats, Work work) {
  std::vector<double> times;
  for (int repeat = 0; repeat < repeats; ++repeat) {
    const Clock::time_point start = Clock::now();
    work();
    times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
  }
  return Median(times);
}

belvik::design::ShownResult Shown(belvik::Calculator calculator,
                                  std::vector<std::string> texts) {
  return {belvik::Calculate(calculator, texts), "4"};
}

void Charts(HWND parent) {
  constexpr int kWidth = 740;
  constexpr int kHeight = 420;
  const belvik::win32::WindowFonts fonts(USER_DEFAULT_SCREEN_DPI);
  belvik::win32::ChartView view(parent, 1, fonts.interfaceFont(), [](const std::string&) {});
  HDC screen = GetDC(nullptr);
  HDC context = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, kWidth, kHeight);
  const HGDIOBJ previous = SelectObject(context, bitmap);
  std::printf("%-14s %-6s %7s %18s %16s\n", "chart", "scale", "points", "first paint (ms)",
              "repaint (ms)");
  for (const ChartRun& run : kChartRuns) {
    const belvik::design::ShownResult shown = Shown(run.calculator, run.texts);
    const belvik::Chart chart = belvik::ChartOf(shown.result, shown.inflation);
    view.SetChart(chart);
    for (const bool logarithmic : {false, true}) {
      const double first = MedianMilliseconds(15, [&] {
        view.SetLogarithmic(logarithmic);  // drops the reduced columns
        view.Render(context, kWidth, kHeight);
      });
      const double again =
          MedianMilliseconds(15, [&] { view.Render(context, kWidth, kHeight); });
      std::printf("%-14s %-6s %7zu %18.2f %16.2f\n", run.name, logarithmic ? "log" : "linear",
                  chart.x.size(), first, again);
    }
  }
  SelectObject(context, previous);
  DeleteObject(bitmap);
  DeleteDC(context);
  ReleaseDC(nullptr, screen);
}

void Tables(HWND owner, const belvik::win32::MessageBoxFn& messageBox) {
  // 32767 lines of four figures each, the widest table a calculator writes.
  const belvik::design::ShownResult shown =
      Shown(belvik::Calculator::LumpSum, {"10000", "1", "32767"});
  wchar_t folder[MAX_PATH];
  GetTempPathW(MAX_PATH, folder);
  const std::wstring path = std::wstring(folder) + L"belvik-bench.csv";
  const belvik::win32::FileChooserFn chooseFile =
      [&path](HWND, const belvik::design::FileKind&, const std::wstring&) { return path; };
  std::printf("复制为表格 of %zu lines: %.1f ms\n", shown.result.LineCount(),
              MedianMilliseconds(15, [&] { belvik::win32::CopyAsTable(owner, shown); }));
  std::printf("导出为 CSV 文件… of %zu lines: %.1f ms\n", shown.result.LineCount(),
              MedianMilliseconds(15, [&] {
                belvik::win32::ExportCsv(owner, shown, chooseFile, messageBox);
              }));
  DeleteFileW(path.c_str());
}

void Printing(HWND owner, const belvik::win32::MessageBoxFn& messageBox) {
  std::printf("%14s %6s %12s\n", "schedule lines", "pages", "print (ms)");
  for (const char* years : {"1000", "32767"}) {
    const belvik::design::ShownResult shown =
        Shown(belvik::Calculator::Investment, {"300", "0", "0", years});
    // Kept to count the pages of one run, dropped while timing.
    probe::EmfPages counted;
    counted.DropPages();
    std::size_t pages = 0;
    const double time = MedianMilliseconds(years[1] == '0' ? 9 : 3, [&] {
      belvik::win32::PrintResult(
          owner, shown,
          [&counted](HWND) {
            counted.drawn = 0;
            return std::unique_ptr<belvik::win32::PageDevice>(new probe::LentPages(counted));
          },
          messageBox);
      pages = counted.drawn;
    });
    std::printf("%14zu %6zu %12.1f\n", shown.result.LineCount(), pages, time);
  }
}

void Goals() {
  for (const belvik::GoalTexts& texts : {belvik::GoalTexts{"1000000", "30", "7", "10"},
                                         belvik::GoalTexts{"1000000", "32767", "0", "1"}}) {
    int schedules = 0;
    const double time = MedianMilliseconds(15, [&] {
      schedules = belvik::SeekMonthlyAmount(texts).schedules;
    });
    std::printf("反推每月定投 over %s years: %.3f ms, %d schedules\n", texts.years.c_str(), time,
                schedules);
  }
}

}  // namespace

int main() {
  SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_PROGRESS_CLASS};
  InitCommonControlsEx(&controls);
  const belvik::win32::GdiplusSession gdiplus;
  HWND owner = CreateWindowExW(0, WC_STATICW, L"", WS_POPUP, 0, 0, 800, 600, nullptr, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
  int messages = 0;
  const belvik::win32::MessageBoxFn messageBox = [&messages](HWND, std::string_view, int,
                                                             std::string_view) { ++messages; };
  Charts(owner);
  Tables(owner, messageBox);
  Printing(owner, messageBox);
  Goals();
  DestroyWindow(owner);
  std::printf("messages shown: %d\n", messages);
  return messages == 0 ? 0 : 1;
}
