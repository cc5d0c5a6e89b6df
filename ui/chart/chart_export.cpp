#include "chart_export.h"

#include <QBuffer>
#include <QIODevice>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <QWidget>

#include "belvik/result_commands.h"
#include "utf8.h"

namespace belvik::ui {
namespace {

// The picture is made in memory first, so a disk that refuses it fails in SaveAtomically, which
// tells the user, rather than inside an image writer, which would not.
QByteArray Png(QWidget* chart) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  chart->grab().toImage().save(&buffer, "PNG");
  return bytes;
}

QByteArray Svg(QWidget* chart, const QString& title) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator svg;
  svg.setOutputDevice(&buffer);
  svg.setSize(chart->size());
  svg.setViewBox(chart->rect());
  svg.setTitle(title);
  QPainter painter(&svg);
  chart->render(&painter);
  painter.end();
  return bytes;
}

}  // namespace

void SaveChart(QWidget* chart, const QString& title, const design::PaneDescription& pane,
               const FileChooserFn& chooseFile, const MessageBoxFn& messageBox) {
  using design::kPngChart;
  using design::kSvgChart;
  const QString path =
      chooseFile(Utf8(kPngChart.dialogCaption), SuggestedPath(pane, Utf8(kPngChart.extension)),
                 FileFilter(kPngChart) + QStringLiteral(";;") + FileFilter(kSvgChart));
  if (path.isEmpty()) return;
  const bool svg = path.endsWith(u'.' + Utf8(kSvgChart.extension), Qt::CaseInsensitive);
  const QByteArray picture = svg ? Svg(chart, title) : Png(chart);
  SaveBytes(path, picture, messageBox);
}

}  // namespace belvik::ui
