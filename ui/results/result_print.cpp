#include "result_print.h"

#include <QCoreApplication>
#include <QIODevice>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressDialog>

#include "belvik/page_layout.h"
#include "belvik/print_out.h"
#include "belvik/result_commands.h"
#include "page_painter.h"
#include "utf8.h"

namespace belvik::ui {
namespace {

enum class Outcome { Painted, Cancelled, Failed };

// Paints `out` page by page, letting the window repaint between pages and, once painting takes
// a while, showing a dialog whose 取消 runs `cancel` and stops before the next page.
Outcome PaintShowingProgress(QWidget* parent, const QString& title, QPagedPaintDevice& device,
                             const PrintOut& out, const std::function<void()>& cancel) {
  QProgressDialog progress(parent);
  progress.setWindowTitle(title);
  progress.setCancelButtonText(Utf8(design::kCancel));
  // Nothing else may run meanwhile: another command or calculation would start over the pages.
  progress.setWindowModality(Qt::ApplicationModal);
  progress.setMinimumDuration(design::kProgressDelayMilliseconds);
  progress.setAutoReset(false);
  progress.setAutoClose(false);
  const bool painted = PaintPrintOut(device, out, [&](std::size_t page, std::size_t pageCount) {
    progress.setMaximum(static_cast<int>(pageCount));
    progress.setLabelText(Utf8(design::kPreparing) +
                          QString::fromStdString(PageNumberText(page, pageCount)));
    progress.setValue(static_cast<int>(page - 1));
    // Before the dialog shows, nothing blocks the user's input to the window: hold it back.
    QCoreApplication::processEvents(progress.isVisible() ? QEventLoop::AllEvents
                                                         : QEventLoop::ExcludeUserInputEvents);
    if (progress.wasCanceled()) cancel();
    return !progress.wasCanceled();
  });
  if (progress.wasCanceled()) return Outcome::Cancelled;
  return painted ? Outcome::Painted : Outcome::Failed;
}

}  // namespace

void PrintResult(QWidget* parent, const design::ShownResult& shown,
                 const MessageBoxFn& messageBox) {
  const PrintOut out = shown.ToPrintOut();
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(Utf8(out.title));
  UseA4(printer);
  QPrintDialog dialog(&printer, parent);
  dialog.setWindowTitle(Utf8(design::kPrintCaption));
  if (dialog.exec() != QDialog::Accepted) return;
  // Where the print engine cannot abort (Qt's PDF and CUPS engines), the pages painted before
  // 取消 are still printed; painting stops there all the same.
  const Outcome outcome = PaintShowingProgress(parent, Utf8(design::kPrintCaption), printer, out,
                                               [&printer] { printer.abort(); });
  if (outcome == Outcome::Failed) {
    Tell(messageBox, {design::kPrintFailed, kWarningMessage});
  }
}

void ExportPdf(QWidget* parent, const design::ShownResult& shown, const FileChooserFn& chooseFile,
               const MessageBoxFn& messageBox) {
  const QString path = ChooseFile(chooseFile, design::kPdfFile, shown.pane());
  if (path.isEmpty()) return;
  const PrintOut out = shown.ToPrintOut();
  // A cancelled export returns false, which discards the file; a write the disk refused fails
  // at the commit, which says why.
  SaveAtomically(
      path,
      [&](QIODevice& file) {
        QPdfWriter writer(&file);
        writer.setTitle(Utf8(out.title));
        UseA4(writer);
        return PaintShowingProgress(parent, Utf8(design::kPdfFile.dialogCaption), writer, out,
                                    [] {}) == Outcome::Painted;
      },
      messageBox);
}

}  // namespace belvik::ui
