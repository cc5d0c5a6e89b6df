#include "page_painter.h"

#include <algorithm>
#include <cmath>
#include <span>
#include <string>

#include "belvik/page_layout.h"
#include "text.h"

namespace belvik::win32 {
namespace {

using namespace print_style;

// 微软雅黑, which every Chinese edition of Windows has; a PDF printer keeps its text copyable
// as written.
constexpr wchar_t kFace[] = L"Microsoft YaHei";
constexpr double kPointsPerInch = 72;
constexpr double kMillimetresPerInch = 25.4;

COLORREF Colour(Rgb rgb) { return RGB(rgb.red, rgb.green, rgb.blue); }

int Rounded(double units) { return static_cast<int>(std::lround(units)); }

class Font {
 public:
  Font(double points, bool bold, int dotsPerInch)
      : font_(CreateFontW(-Rounded(points * dotsPerInch / kPointsPerInch), 0, 0, 0,
                          bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                          OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                          DEFAULT_PITCH | FF_SWISS, kFace)) {}
  ~Font() { DeleteObject(font_); }
  Font(const Font&) = delete;
  Font& operator=(const Font&) = delete;

  HFONT handle() const { return font_; }

 private:
  HFONT font_;
};

double LineSpacing(HDC context, const Font& font) {
  const HGDIOBJ previous = SelectObject(context, font.handle());
  TEXTMETRICW metrics{};
  GetTextMetricsW(context, &metrics);
  SelectObject(context, previous);
  return metrics.tmHeight + metrics.tmExternalLeading;
}

class PagePainter {
 public:
  PagePainter(PageDevice& device, const PrintOut& out)
      : device_(device),
        out_(out),
        geometry_(device.Geometry()),
        title_(kTitlePoints, true, geometry_.dotsPerInchY),
        text_(kTextPoints, false, geometry_.dotsPerInchY),
        bold_(kTextPoints, true, geometry_.dotsPerInchY),
        table_(kTablePoints, false, geometry_.dotsPerInchY),
        header_(kTablePoints, true, geometry_.dotsPerInchY) {
    const auto across = [this](double millimetres) {
      return millimetres * geometry_.dotsPerInchX / kMillimetresPerInch;
    };
    const auto down = [this](double millimetres) {
      return millimetres * geometry_.dotsPerInchY / kMillimetresPerInch;
    };
    const RECT& paper = geometry_.paper;
    left_ = paper.left + across(kMarginLeftRightMillimetres);
    top_ = paper.top + down(kMarginTopBottomMillimetres);
    width_ = paper.right - paper.left - 2 * across(kMarginLeftRightMillimetres);
    const HDC measuring = device.MeasuringContext();
    const double tableSpacing = LineSpacing(measuring, table_);
    padding_ = tableSpacing * kCellPadding;
    m_ = MeasurePrintOut(paper.bottom - paper.top - 2 * down(kMarginTopBottomMillimetres),
                         LineSpacing(measuring, title_), LineSpacing(measuring, text_),
                         tableSpacing);
    layout_ = LayOutPrintOut(out_, m_);
  }

  PaintOutcome Paint(const PageProgressFn& progress) {
    const std::size_t pageCount = layout_.PageCount();
    for (std::size_t page = 0; page < pageCount; ++page) {
      if (!progress(page + 1, pageCount)) return PaintOutcome::Stopped;
      dc_ = device_.StartPage();
      if (!dc_) return PaintOutcome::Refused;
      PaintPage(page, pageCount);
      if (!device_.EndPage()) return PaintOutcome::Refused;
    }
    return PaintOutcome::Painted;
  }

 private:
  // A line of `text` in `font` within the box at (left, top) of the content area, drawn with
  // DrawText's `flags`.
  void Text(std::string_view text, const Font& font, double left, double top, double width,
            double height, UINT flags) const {
    SelectObject(dc_, font.handle());
    RECT box{Rounded(left_ + left), Rounded(top_ + top), Rounded(left_ + left + width),
             Rounded(top_ + top + height)};
    const std::wstring wide = Wide(text);
    DrawTextW(dc_, wide.c_str(), static_cast<int>(wide.size()), &box,
              flags | DT_SINGLELINE | DT_NOPREFIX);
  }

  void PaintPage(std::size_t page, std::size_t pageCount) {
    // The page's own font goes back before the painter's fonts are deleted.
    const HGDIOBJ pageFont = GetCurrentObject(dc_, OBJ_FONT);
    SetBkMode(dc_, TRANSPARENT);
    SetTextColor(dc_, RGB(0, 0, 0));
    Text(out_.title, title_, 0, 0, width_, m_.title, DT_LEFT | DT_TOP);
    double top = m_.title;
    if (page == 0) top = PaintPreamble(top);
    PaintRows(layout_.RowsOn(page), top);

    SetTextColor(dc_, Colour(kFooterColour));
    Text(PageNumberText(page + 1, pageCount), table_, 0, m_.pageHeight - m_.footer, width_,
         m_.footer, DT_CENTER | DT_BOTTOM);
    SelectObject(dc_, pageFont);
  }

  // The inputs, then the summary in bold; returns where the table starts. A box's text can be
  // longer than the page is wide, so each line ends in an ellipsis where it would run off.
  double PaintPreamble(double top) const {
    for (const std::string& input : out_.inputs) top = PaintLine(input, text_, top);
    if (!out_.summary.empty()) top = PaintLine(out_.summary, bold_, top);
    return top + m_.text;
  }

  double PaintLine(std::string_view line, const Font& font, double top) const {
    Text(line, font, 0, top, width_, m_.text, DT_LEFT | DT_VCENTER | DT_END_ELLIPSIS);
    return top + m_.text;
  }

  // The header row, then the body rows of the page (body row k is table row k + 1), with a rule
  // under them and one over the 合计 row.
  void PaintRows(PageRows rows, double top) const {
    if (rows.begin == rows.end) return;
    const HBRUSH fill = CreateSolidBrush(Colour(kHeaderFill));
    const RECT header{Rounded(left_), Rounded(top_ + top), Rounded(left_ + width_),
                      Rounded(top_ + top + m_.row)};
    FillRect(dc_, &header, fill);
    DeleteObject(fill);
    PaintCells(0, top, header_);
    const std::size_t total = out_.endsInTotal ? layout_.rows - 1 : layout_.rows;
    for (std::size_t row = rows.begin; row < rows.end; ++row) {
      top += m_.row;
      if (row == total) PaintRule(top);
      PaintCells(row + 1, top, table_);
    }
    PaintRule(top + m_.row);
  }

  void PaintRule(double y) const {
    const int width = std::max(1, geometry_.dotsPerInchY / 150);
    const HPEN pen = CreatePen(PS_SOLID, width, Colour(kRuleColour));
    const HGDIOBJ previous = SelectObject(dc_, pen);
    MoveToEx(dc_, Rounded(left_), Rounded(top_ + y), nullptr);
    LineTo(dc_, Rounded(left_ + width_), Rounded(top_ + y));
    SelectObject(dc_, previous);
    DeleteObject(pen);
  }

  // Every column equally wide, every cell right-aligned so the digits line up. A figure is never
  // clipped: a printer or a scaled picture of the page that sets it a little wider than it was
  // measured lets it spill into the gutter rather than lose a digit.
  void PaintCells(std::size_t row, double top, const Font& font) const {
    const std::span<const std::string> cells = out_.table.Row(row);
    const double width = width_ / static_cast<double>(cells.size());
    for (std::size_t k = 0; k < cells.size(); ++k) {
      Text(cells[k], font, width * static_cast<double>(k), top, width - padding_, m_.row,
           DT_RIGHT | DT_VCENTER | DT_NOCLIP);
    }
  }

  PageDevice& device_;
  const PrintOut& out_;
  const PageGeometry geometry_;
  const Font title_;
  const Font text_;
  const Font bold_;
  const Font table_;
  const Font header_;
  // The content area within the margins, in device units.
  double left_ = 0;
  double top_ = 0;
  double width_ = 0;
  double padding_ = 0;  // right of each cell's text
  PrintMetrics m_{};
  PageLayout layout_;
  HDC dc_ = nullptr;  // the page being drawn
};

}  // namespace

PaintOutcome PaintPrintOut(PageDevice& device, const PrintOut& out,
                           const PageProgressFn& progress) {
  return PagePainter(device, out).Paint(progress);
}

}  // namespace belvik::win32
