#include "page_painter.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>

#include "belvik/page_layout.h"

namespace belvik::ui {
namespace {

const QMarginsF kMarginsMillimetres(20, 15, 20, 15);

constexpr double kTitlePoints = 16;
constexpr double kTextPoints = 10.5;
constexpr double kTablePoints = 9;

// Spacing in lines of each font: room to breathe between the title and the text, between
// lines of text, between table rows, and above the page number.
constexpr double kTitleLines = 1.8;
constexpr double kTextLines = 1.35;
constexpr double kRowLines = 1.45;
constexpr double kFooterLines = 2;

// The gap before the last character of a right-aligned cell, in table lines.
constexpr double kCellPadding = 0.35;

const QColor kHeaderFill(232, 232, 232);
const QColor kRuleColour(150, 150, 150);
const QColor kFooterColour(90, 90, 90);

// A PDF's text layer maps each glyph back to the first character that the font's table gives
// it. Noto Sans CJK shares its ideographs' glyphs with the Kangxi radicals, so text copied from
// the page would read ⽉ for 月 and ⻚ for 页; this face has no shared glyphs. The interface's
// face stands in where it is missing.
QFont Face(double points, bool bold = false) {
  QFont font;
  font.setFamilies({QStringLiteral("WenQuanYi Micro Hei"), QApplication::font().family()});
  font.setPointSizeF(points);
  font.setBold(bold);
  // Shaping gives digits next to Latin letters alternate glyphs that map back to no character
  // at all: 1e300 would copy as 1e.
  font.setStyleStrategy(QFont::PreferNoShaping);
  return font;
}

// Sizes on one device, in its units.
struct Metrics {
  double width;
  double height;
  double title;    // the title line and the gap under it
  double text;     // one input or summary line
  double row;      // one table row
  double padding;  // right of each cell's text
  double footer;   // the page number line and the gap above it
};

class PagePainter {
 public:
  PagePainter(QPagedPaintDevice& device, const PrintOut& out) : device_(device), out_(out) {}

  bool Paint(const PageProgressFn& progress) {
    if (!painter_.begin(&device_)) return false;
    MeasureOnDevice();
    const std::size_t pageCount = layout_.PageCount();
    for (std::size_t page = 0; page < pageCount; ++page) {
      if (!progress(page + 1, pageCount)) return false;
      if (page > 0 && !device_.newPage()) return false;
      PaintPage(page, pageCount);
    }
    return painter_.end();
  }

 private:
  void MeasureOnDevice() {
    const QFontMetricsF title(Face(kTitlePoints, true), &device_);
    const QFontMetricsF text(Face(kTextPoints), &device_);
    const QFontMetricsF table(Face(kTablePoints), &device_);
    m_ = {static_cast<double>(device_.width()), static_cast<double>(device_.height()),
          title.lineSpacing() * kTitleLines,    text.lineSpacing() * kTextLines,
          table.lineSpacing() * kRowLines,      table.lineSpacing() * kCellPadding,
          table.lineSpacing() * kFooterLines};
    // The inputs, the summary and an empty line before the table.
    const double lines = static_cast<double>(out_.inputs.size()) + (out_.summary.isEmpty() ? 1 : 2);
    const double pageRoom = m_.height - m_.title - m_.footer;
    const std::size_t rows = out_.table.RowCount() == 0 ? 0 : out_.table.RowCount() - 1;
    layout_ = LayOutPages(rows, pageRoom - lines * m_.text, pageRoom, m_.row);
  }

  void PaintPage(std::size_t page, std::size_t pageCount) {
    painter_.setPen(Qt::black);
    painter_.setFont(Face(kTitlePoints, true));
    painter_.drawText(QRectF(0, 0, m_.width, m_.title), Qt::AlignLeft | Qt::AlignTop, out_.title);
    double top = m_.title;
    if (page == 0) top = PaintPreamble(top);
    PaintRows(layout_.RowsOn(page), top);

    painter_.setPen(kFooterColour);
    painter_.setFont(Face(kTablePoints));
    painter_.drawText(QRectF(0, m_.height - m_.footer, m_.width, m_.footer),
                      Qt::AlignHCenter | Qt::AlignBottom,
                      QString::fromStdString(PageNumberText(page + 1, pageCount)));
  }

  // The inputs, then the summary in bold; returns where the table starts. A box's text can be
  // longer than the page is wide, so each line ends in an ellipsis where it would run off.
  double PaintPreamble(double top) {
    const QFont text = Face(kTextPoints);
    const QFont bold = Face(kTextPoints, true);
    painter_.setFont(text);
    for (const QString& input : out_.inputs) top = PaintLine(input, top);
    if (!out_.summary.isEmpty()) {
      painter_.setFont(bold);
      top = PaintLine(out_.summary, top);
    }
    return top + m_.text;
  }

  double PaintLine(const QString& line, double top) {
    const QString shown =
        painter_.fontMetrics().elidedText(line, Qt::ElideRight, static_cast<int>(m_.width));
    painter_.drawText(QRectF(0, top, m_.width, m_.text), Qt::AlignLeft | Qt::AlignVCenter, shown);
    return top + m_.text;
  }

  // The header row, then the body rows of the page (body row k is table row k + 1), with a rule
  // under them and one over the 合计 row.
  void PaintRows(PageRows rows, double top) {
    if (rows.begin == rows.end) return;
    painter_.fillRect(QRectF(0, top, m_.width, m_.row), kHeaderFill);
    painter_.setFont(Face(kTablePoints, true));
    PaintCells(0, top);
    painter_.setFont(Face(kTablePoints));
    const std::size_t total = out_.endsInTotal ? layout_.rows - 1 : layout_.rows;
    for (std::size_t row = rows.begin; row < rows.end; ++row) {
      top += m_.row;
      if (row == total) PaintRule(top);
      PaintCells(row + 1, top);
    }
    PaintRule(top + m_.row);
  }

  void PaintRule(double y) {
    painter_.setPen(kRuleColour);
    painter_.drawLine(QLineF(0, y, m_.width, y));
    painter_.setPen(Qt::black);
  }

  // Every column equally wide, every cell right-aligned so the digits line up.
  void PaintCells(std::size_t row, double top) {
    const std::span<const std::string> cells = out_.table.Row(row);
    const double width = m_.width / static_cast<double>(cells.size());
    for (std::size_t k = 0; k < cells.size(); ++k) {
      const QRectF cell(width * static_cast<double>(k), top, width - m_.padding, m_.row);
      painter_.drawText(cell, Qt::AlignRight | Qt::AlignVCenter, QString::fromStdString(cells[k]));
    }
  }

  QPagedPaintDevice& device_;
  const PrintOut& out_;
  QPainter painter_;
  Metrics m_{};
  PageLayout layout_;
};

}  // namespace

void UseA4(QPagedPaintDevice& device) {
  device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                   kMarginsMillimetres, QPageLayout::Millimeter));
}

bool PaintPrintOut(QPagedPaintDevice& device, const PrintOut& out, const PageProgressFn& progress) {
  return PagePainter(device, out).Paint(progress);
}

}  // namespace belvik::ui
