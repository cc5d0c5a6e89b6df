// The chart itself, a control drawn with GDI+ (antialiased curves, marks and dashes; GDI text):
// a Chart's curves over a year axis and one or two amount axes, a legend, the result's own figure
// marked, and the year whose figures are read out, chosen by pointing at it or with the arrow
// keys, Home and End. Long schedules are reduced to the pixel columns they cover once per size,
// scale or chart, so painting costs the width of the plot, not the length of the schedule.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>

#include "belvik/chart_layout.h"
#include "belvik/chart_series.h"
#include "windows_api.h"

namespace belvik::win32 {

class ChartView {
 public:
  static constexpr wchar_t kClassName[] = L"BelvikChart";

  // A child of `parent` with control ID `id`, its font `font`; `readOutChanged` hears each new
  // read-out. GDI+ must be running while it lives.
  ChartView(HWND parent, int id, HFONT font,
            std::function<void(const std::string&)> readOutChanged);
  ChartView(const ChartView&) = delete;
  ChartView& operator=(const ChartView&) = delete;

  HWND handle() const { return window_; }

  // Shows `chart`, keeping the year read out where the new chart has it.
  void SetChart(Chart chart);
  void SetLogarithmic(bool logarithmic);
  void SetFont(HFONT font);

  // The figures of the year read out: the result's own point, or the last year, until the user
  // points elsewhere.
  std::string ReadOut() const;
  // Where the year of `point` lies across the plot, at the plot's middle height.
  POINT PositionOf(std::size_t point) const;

  // Draws the whole chart on `context` as `width` by `height` pixels.
  void Render(HDC context, int width, int height) const;

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  const ChartLayout& layout(int width, int height) const;
  const ChartLayout& layout() const;
  void choose(std::size_t point);
  void changed();
  void paint();
  bool key(WPARAM key);

  HWND window_ = nullptr;
  HFONT font_;
  std::function<void(const std::string&)> readOutChanged_;
  Chart chart_;
  bool logarithmic_ = false;
  std::size_t chosen_ = 0;
  // Made once for many paints; dropped on a change of size, scale, font or chart.
  mutable std::optional<ChartLayout> layout_;
  mutable SIZE laidOut_{};
};

}  // namespace belvik::win32
