#include "page_painter.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <string>

#include "belvik/page_layout.h"
#include "colour.h"

namespace belvik::ui {
namespace {

using namespace print_style;

const QMarginsF kMarginsMillimetres(kMarginLeftRightMillimetres, kMarginTopBottomMillimetres,
                                    kMarginLeftRightMillimetres, kMarginTopBottomMillimetres);

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
    const QFontMetricsF table(Face(kTablePoints), &device_);
    width_ = device_.width();
    padding_ = table.lineSpacing() * kCellPadding;
    m_ = MeasurePrintOut(
        device_.height(), QFontMetricsF(Face(kTitlePoints, true), &device_).lineSpacing(),
        QFontMetricsF(Face(kTextPoints), &device_).lineSpacing(), table.lineSpacing());
    layout_ = LayOutPrintOut(out_, m_);
  }

  void PaintPage(std::size_t page, std::size_t pageCount) {
    painter_.setPen(Qt::black);
    painter_.setFont(Face(kTitlePoints, true));
    painter_.drawText(QRectF(0, 0, width_, m_.title), Qt::AlignLeft | Qt::AlignTop,
                      QString::fromStdString(out_.title));
    double top = m_.title;
    if (page == 0) top = PaintPreamble(top);
    PaintRows(layout_.RowsOn(page), top);

    painter_.setPen(Colour(kFooterColour));
    painter_.setFont(Face(kTablePoints));
    painter_.drawText(QRectF(0, m_.pageHeight - m_.footer, width_, m_.footer),
                      Qt::AlignHCenter | Qt::AlignBottom,
                      QString::fromStdString(PageNumberText(page + 1, pageCount)));
  }

  // The inputs, then the summary in bold; returns where the table starts. A box's text can be
  // longer than the page is wide, so each line ends in an ellipsis where it would run off.
  double PaintPreamble(double top) {
    const QFont text = Face(kTextPoints);
    const QFont bold = Face(kTextPoints, true);
    painter_.setFont(text);
    for (const std::string& input : out_.inputs)
      top = PaintLine(QString::fromStdString(input), top);
    if (!out_.summary.empty()) {
      painter_.setFont(bold);
      top = PaintLine(QString::fromStdString(out_.summary), top);
    }
    return top + m_.text;
  }

  double PaintLine(const QString& line, double top) {
    const QString shown =
        painter_.fontMetrics().elidedText(line, Qt::ElideRight, static_cast<int>(width_));
    painter_.drawText(QRectF(0, top, width_, m_.text), Qt::AlignLeft | Qt::AlignVCenter, shown);
    return top + m_.text;
  }

  // The header row, then the body rows of the page (body row k is table row k + 1), with a rule
  // under them and one over the 合计 row.
  void PaintRows(PageRows rows, double top) {
    if (rows.begin == rows.end) return;
    painter_.fillRect(QRectF(0, top, width_, m_.row), Colour(kHeaderFill));
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
    painter_.setPen(Colour(kRuleColour));
    painter_.drawLine(QLineF(0, y, width_, y));
    painter_.setPen(Qt::black);
  }

  // Every column equally wide, every cell right-aligned so the digits line up.
  void PaintCells(std::size_t row, double top) {
    const std::span<const std::string> cells = out_.table.Row(row);
    const double width = width_ / static_cast<double>(cells.size());
    for (std::size_t k = 0; k < cells.size(); ++k) {
      const QRectF cell(width * static_cast<double>(k), top, width - padding_, m_.row);
      painter_.drawText(cell, Qt::AlignRight | Qt::AlignVCenter, QString::fromStdString(cells[k]));
    }
  }

  QPagedPaintDevice& device_;
  const PrintOut& out_;
  QPainter painter_;
  double width_ = 0;
  double padding_ = 0;  // right of each cell's text
  PrintMetrics m_{};
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
