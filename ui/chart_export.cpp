#include "chart_export.h"

#include <QBuffer>
#include <QIODevice>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <QWidget>

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

void SaveChart(QWidget* chart, const QString& title, const PaneRow& pane,
               const FileChooserFn& chooseFile, const MessageBoxFn& messageBox) {
  const QString path =
      chooseFile(QStringLiteral("保存图表"), SuggestedPath(pane, QStringLiteral("png")),
                 QStringLiteral("PNG 图片 (*.png);;SVG 图片 (*.svg)"));
  if (path.isEmpty()) return;
  const QByteArray picture =
      path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive) ? Svg(chart, title) : Png(chart);
  SaveBytes(path, picture, messageBox);
}

}  // namespace belvik::ui
