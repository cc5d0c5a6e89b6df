#include "chart_view.h"

#include <windowsx.h>

#include <cmath>
#include <utility>
#include <vector>

#include "belvik/result_commands.h"
#include "gdiplus_session.h"
#include "text.h"
#include "window_class.h"

namespace belvik::win32 {
namespace {

namespace chart_window = design::chart_window;
using namespace chart_style;

COLORREF Gdi(Rgb rgb) { return RGB(rgb.red, rgb.green, rgb.blue); }
Gdiplus::Color Plus(Rgb rgb) {
  return {static_cast<BYTE>(rgb.red), static_cast<BYTE>(rgb.green), static_cast<BYTE>(rgb.blue)};
}
Gdiplus::PointF Plus(ChartPoint p) { return {static_cast<float>(p.x), static_cast<float>(p.y)}; }

RECT Box(double left, double top, double width, double height) {
  return {static_cast<LONG>(std::lround(left)), static_cast<LONG>(std::lround(top)),
          static_cast<LONG>(std::lround(left + width)),
          static_cast<LONG>(std::lround(top + height))};
}

void Text(HDC context, std::string_view text, RECT box, UINT flags) {
  const std::wstring wide = Wide(text);
  DrawTextW(context, wide.c_str(), static_cast<int>(wide.size()), &box,
            flags | DT_SINGLELINE | DT_NOPREFIX);
}

double TextWidth(HDC context, std::string_view text) {
  const std::wstring wide = Wide(text);
  SIZE size{};
  GetTextExtentPoint32W(context, wide.c_str(), static_cast<int>(wide.size()), &size);
  return size.cx;
}

int LineHeight(HDC context) {
  TEXTMETRICW metrics{};
  GetTextMetricsW(context, &metrics);
  return metrics.tmHeight;
}

void Line(HDC context, COLORREF colour, int width, ChartPoint from, ChartPoint to) {
  const HPEN pen = CreatePen(PS_SOLID, width, colour);
  const HGDIOBJ previous = SelectObject(context, pen);
  MoveToEx(context, static_cast<int>(from.x), static_cast<int>(from.y), nullptr);
  LineTo(context, static_cast<int>(to.x), static_cast<int>(to.y));
  SelectObject(context, previous);
  DeleteObject(pen);
}

void PaintAxes(HDC context, const ChartLayout& layout, const Chart& chart, int width) {
  const ChartBox& plot = layout.plot();
  const int line = LineHeight(context);
  const auto paintYTicks = [&](const ChartScale& scale, bool right) {
    const UINT flags = DT_VCENTER | (right ? DT_LEFT : DT_RIGHT);
    const double labelX = right ? plot.right() + kGap : 0;
    const double labelWidth = right ? width - labelX : plot.left - kGap;
    for (std::size_t k = 0; k < scale.labels.size(); ++k) {
      const double y = layout.At(0, scale.axis.Fraction(scale.axis.ticks()[k])).y;
      if (!right) Line(context, Gdi(kGrid), 1, {plot.left, y}, {plot.right(), y});
      Text(context, scale.labels[k], Box(labelX, y - line, labelWidth, 2 * line), flags);
    }
    // The unit over the labels: every tick label counts yuan, in 万 and 亿 where it says so.
    Text(context, chart_window::kAxisUnit,
         Box(labelX, plot.top - 1.5 * line - kGap / 2, labelWidth, line),
         DT_BOTTOM | (right ? DT_LEFT : DT_RIGHT));
  };
  paintYTicks(layout.left(), false);
  if (layout.right()) paintYTicks(*layout.right(), true);

  const ChartScale& years = layout.x();
  for (std::size_t k = 0; k < years.labels.size(); ++k) {
    const double x = layout.At(years.axis.Fraction(years.axis.ticks()[k]), 0).x;
    Line(context, Gdi(kGrid), 1, {x, plot.top}, {x, plot.bottom()});
    Text(context, years.labels[k],
         Box(x - kPixelsPerXTick / 2, plot.bottom() + kGap, kPixelsPerXTick, line),
         DT_CENTER | DT_TOP);
  }
  Text(context, chart.xTitle, Box(plot.left, plot.bottom() + kGap + line, plot.width, line + kGap),
       DT_CENTER | DT_BOTTOM);
  const HPEN frame = CreatePen(PS_SOLID, 1, Gdi(kFrame));
  const HGDIOBJ pen = SelectObject(context, frame);
  const HGDIOBJ brush = SelectObject(context, GetStockObject(NULL_BRUSH));
  const RECT around = Box(plot.left, plot.top, plot.width + 1, plot.height + 1);
  Rectangle(context, around.left, around.top, around.right, around.bottom);
  SelectObject(context, brush);
  SelectObject(context, pen);
  DeleteObject(frame);
}

void PaintLegend(HDC context, const ChartLayout& layout, const Chart& chart) {
  double x = layout.plot().left;
  const double y = kGap + LineHeight(context) / 2.0;
  for (std::size_t k = 0; k < chart.series.size(); ++k) {
    std::string name = chart.series[k].name;
    if (chart.series[k].rightAxis) name += chart_window::kRightAxis;
    Line(context, Gdi(ColourOf(k)), static_cast<int>(kCurveWidth), {x, y}, {x + kSwatch, y});
    x += kSwatch + kGap;
    const std::wstring wide = Wide(name);
    TextOutW(context, static_cast<int>(x), static_cast<int>(kGap), wide.c_str(),
             static_cast<int>(wide.size()));
    x += TextWidth(context, name) + 3 * kGap;
  }
}

void PaintCurves(Gdiplus::Graphics& graphics, const ChartLayout& layout) {
  const ChartBox& plot = layout.plot();
  graphics.SetClip(
      Gdiplus::RectF(static_cast<float>(plot.left - 1), static_cast<float>(plot.top - 1),
                     static_cast<float>(plot.width + 2), static_cast<float>(plot.height + 2)));
  std::vector<Gdiplus::PointF> points;
  for (std::size_t k = 0; k < layout.strokes().size(); ++k) {
    Gdiplus::Pen pen(Plus(ColourOf(k)), static_cast<float>(kCurveWidth));
    pen.SetLineCap(Gdiplus::LineCapRound, Gdiplus::LineCapRound, Gdiplus::DashCapRound);
    pen.SetLineJoin(Gdiplus::LineJoinRound);
    Gdiplus::SolidBrush dot(Plus(ColourOf(k)));
    for (const std::vector<ChartPoint>& stroke : layout.strokes()[k]) {
      points.clear();
      for (const ChartPoint& point : stroke) points.push_back(Plus(point));
      if (points.size() == 1) {
        // A lone point between two gaps is still a figure: a dot shows it.
        constexpr float kRadius = kCurveWidth / 2;
        graphics.FillEllipse(&dot, points[0].X - kRadius, points[0].Y - kRadius, 2 * kRadius,
                             2 * kRadius);
      } else if (points.size() > 1) {
        graphics.DrawLines(&pen, points.data(), static_cast<INT>(points.size()));
      }
    }
  }
  graphics.ResetClip();
}

void Circle(Gdiplus::Graphics& graphics, const Gdiplus::Pen& pen, const Gdiplus::Brush& fill,
            ChartPoint centre, double radius) {
  const auto x = static_cast<float>(centre.x - radius);
  const auto y = static_cast<float>(centre.y - radius);
  const auto size = static_cast<float>(2 * radius);
  graphics.FillEllipse(&fill, x, y, size, size);
  graphics.DrawEllipse(&pen, x, y, size, size);
}

void PaintAnswer(Gdiplus::Graphics& graphics, const ChartLayout& layout, const Chart& chart,
                 HFONT font) {
  if (!chart.answer) return;
  HDC context = graphics.GetHDC();
  SelectObject(context, font);
  const double labelWidth = TextWidth(context, chart_window::kAnswerMark) + 4;
  const double labelHeight = LineHeight(context);
  graphics.ReleaseHDC(context);
  const Gdiplus::Pen ring(Gdiplus::Color(255, 255, 255), 1.5F);
  for (std::size_t s = 0; s < chart.series.size(); ++s) {
    const std::optional<ChartPoint> mark = layout.PointOf(s, *chart.answer);
    if (!mark) continue;
    const Gdiplus::SolidBrush fill(Plus(ColourOf(s)));
    Circle(graphics, ring, fill, *mark, kMarkRadius + 1);
    // On white, over the grid.
    const ChartBox label = layout.AnswerLabel(s, *mark, labelWidth, labelHeight);
    context = graphics.GetHDC();
    const RECT box = Box(label.left, label.top, label.width, label.height);
    FillRect(context, &box, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    Text(context, chart_window::kAnswerMark, box, DT_CENTER | DT_VCENTER);
    graphics.ReleaseHDC(context);
  }
}

void PaintChosen(Gdiplus::Graphics& graphics, const ChartLayout& layout, const Chart& chart,
                 std::size_t chosen) {
  const ChartBox& plot = layout.plot();
  const auto x = static_cast<float>(layout.YearAt(chosen).x);
  Gdiplus::Pen dashed(Plus(kChosen), 1);
  dashed.SetDashStyle(Gdiplus::DashStyleDash);
  graphics.DrawLine(&dashed, x, static_cast<float>(plot.top), x, static_cast<float>(plot.bottom()));
  const Gdiplus::SolidBrush white(Gdiplus::Color(255, 255, 255));
  for (std::size_t s = 0; s < chart.series.size(); ++s) {
    const std::optional<ChartPoint> point = layout.PointOf(s, chosen);
    if (!point) continue;
    const Gdiplus::Pen pen(Plus(ColourOf(s)), static_cast<float>(kCurveWidth));
    Circle(graphics, pen, white, *point, kMarkRadius);
  }
}

}  // namespace

ChartView::ChartView(HWND parent, int id, HFONT font,
                     std::function<void(const std::string&)> readOutChanged)
    : font_(font), readOutChanged_(std::move(readOutChanged)) {
  const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE));
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = Procedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_CROSS);
  windowClass.lpszClassName = kClassName;
  RegisterClassExW(&windowClass);  // fails harmlessly for a second chart
  CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 0, 0, 0, parent,
                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, this);
}

void ChartView::SetChart(Chart chart) {
  const bool first = chart_.x.empty();
  chart_ = std::move(chart);
  if (first || chosen_ >= chart_.x.size()) {
    chosen_ = chart_.answer.value_or(chart_.x.empty() ? 0 : chart_.x.size() - 1);
  }
  changed();
  readOutChanged_(ReadOut());
}

void ChartView::SetLogarithmic(bool logarithmic) {
  logarithmic_ = logarithmic;
  changed();
}

void ChartView::SetFont(HFONT font) {
  font_ = font;
  changed();
}

void ChartView::changed() {
  layout_.reset();
  InvalidateRect(window_, nullptr, FALSE);
}

std::string ChartView::ReadOut() const {
  if (chart_.x.empty()) return std::string(design::chart_window::kNothingToDraw);
  return belvik::ReadOut(chart_, chosen_);
}

POINT ChartView::PositionOf(std::size_t point) const {
  const ChartPoint at = layout().YearAt(point);
  return {static_cast<LONG>(std::lround(at.x)), static_cast<LONG>(std::lround(at.y))};
}

const ChartLayout& ChartView::layout(int width, int height) const {
  if (!layout_ || laidOut_.cx != width || laidOut_.cy != height) {
    HDC measuring = CreateCompatibleDC(nullptr);
    const HGDIOBJ previous = SelectObject(measuring, font_);
    layout_.emplace(
        chart_, logarithmic_,
        ChartSurface{static_cast<double>(width), static_cast<double>(height),
                     static_cast<double>(LineHeight(measuring)),
                     [measuring](std::string_view text) { return TextWidth(measuring, text); }});
    SelectObject(measuring, previous);
    DeleteDC(measuring);
    laidOut_ = {width, height};
  }
  return *layout_;
}

const ChartLayout& ChartView::layout() const {
  RECT client{};
  GetClientRect(window_, &client);
  return layout(client.right, client.bottom);
}

void ChartView::Render(HDC context, int width, int height) const {
  const RECT all{0, 0, width, height};
  FillRect(context, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  const HGDIOBJ previous = SelectObject(context, font_);
  SetBkMode(context, TRANSPARENT);
  SetTextColor(context, RGB(0, 0, 0));
  if (chart_.x.empty()) {
    Text(context, ReadOut(), all, DT_CENTER | DT_VCENTER);
  } else {
    const ChartLayout& shown = layout(width, height);
    PaintAxes(context, shown, chart_, width);
    PaintLegend(context, shown, chart_);
    Gdiplus::Graphics graphics(context);
    graphics.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    graphics.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
    PaintCurves(graphics, shown);
    PaintAnswer(graphics, shown, chart_, font_);
    PaintChosen(graphics, shown, chart_, chosen_);
  }
  SelectObject(context, previous);
}

void ChartView::paint() {
  PAINTSTRUCT paint{};
  HDC screen = BeginPaint(window_, &paint);
  RECT client{};
  GetClientRect(window_, &client);
  // Drawn off screen first, so a repaint never shows a half-drawn chart.
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, client.right, client.bottom);
  const HGDIOBJ previous = SelectObject(memory, bitmap);
  Render(memory, client.right, client.bottom);
  BitBlt(screen, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
  SelectObject(memory, previous);
  DeleteObject(bitmap);
  DeleteDC(memory);
  EndPaint(window_, &paint);
}

void ChartView::choose(std::size_t point) {
  if (point == chosen_ || point >= chart_.x.size()) return;
  chosen_ = point;
  InvalidateRect(window_, nullptr, FALSE);
  readOutChanged_(ReadOut());
}

bool ChartView::key(WPARAM key) {
  const std::size_t last = chart_.x.empty() ? 0 : chart_.x.size() - 1;
  switch (key) {
    case VK_LEFT:
      if (chosen_ > 0) choose(chosen_ - 1);
      return true;
    case VK_RIGHT:
      choose(std::min(chosen_ + 1, last));
      return true;
    case VK_HOME:
      choose(0);
      return true;
    case VK_END:
      choose(last);
      return true;
    default:
      return false;
  }
}

LRESULT CALLBACK ChartView::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = ObjectOf(window, message, lParam, &ChartView::window_);
  if (!self) return DefWindowProcW(window, message, wParam, lParam);
  return self->handleMessage(message, wParam, lParam);
}

LRESULT ChartView::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      paint();
      return 0;
    case WM_ERASEBKGND:
      return 1;  // the paint covers every pixel
    case WM_SIZE:
      changed();
      return 0;
    case WM_MOUSEMOVE:
      if (const std::optional<std::size_t> point =
              layout().PointUnder({static_cast<double>(GET_X_LPARAM(lParam)),
                                   static_cast<double>(GET_Y_LPARAM(lParam))})) {
        choose(*point);
      }
      return 0;
    case WM_LBUTTONDOWN:
      SetFocus(window_);
      return 0;
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS;
    case WM_KEYDOWN:
      if (key(wParam)) return 0;
      break;
    default:
      break;
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

}  // namespace belvik::win32
