// The result box's context menu: its commands, when they can be chosen, and what copying as a
// table and exporting a CSV file put on the clipboard and the disk (the shared rows of
// result_cases.h).
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "result_cases.h"
#include "window_test.h"

namespace {

const QStringList kCaptions = {
    "复制",  "全选",        "",          "复制为表格", "导出为 CSV 文件…",
    "打印…", "导出为 PDF…", "显示图表…", "",           "反推每月定投…"};
const QStringList kFiguresCaptions = kCaptions.mid(3, 5);

}  // namespace

class ResultMenuTest : public WindowTest {
  Q_OBJECT

 private:
  std::unique_ptr<QMenu> Menu() { return std::unique_ptr<QMenu>(window().createResultMenu()); }

  QAction* Command(QMenu& menu, const QString& caption) {
    for (QAction* action : menu.actions()) {
      if (action->text() == caption) return action;
    }
    return nullptr;
  }

  void Run(belvik::design::Control menu, const cases::Texts& texts) {
    Choose(Pane(menu));
    Fill(Pane(menu), Texts(texts));
    Calculate(Pane(menu));
  }

  // Exports the CSV of `texts` on the pane of `menu` to `path` (empty: the user cancels);
  // returns the suggested path.
  QString ExportCsv(belvik::design::Control menu, const cases::Texts& texts, const QString& path) {
    QString suggested;
    window().setFileChooser([&](const QString&, const QString& suggestion, const QString&) {
      suggested = suggestion;
      return path;
    });
    Run(menu, texts);
    ChooseResultCommand("导出为 CSV 文件…");
    return suggested;
  }

 private slots:
  void offersTheStandardCommandsThenTheFiguresOnes() {
    const std::unique_ptr<QMenu> menu = Menu();
    QStringList captions;
    for (const QAction* action : menu->actions()) captions.append(action->text());
    QCOMPARE(captions, kCaptions);
  }

  void figuresCommandsOnlyWithFiguresOnScreen_data() { AddRows(cases::kOffers); }
  void figuresCommandsOnlyWithFiguresOnScreen() {
    const cases::OfferCase& row = CurrentRow(cases::kOffers);
    if (!row.texts.empty()) Run(row.menu, row.texts);
    if (row.switchPane) Choose(Pane(row.menu));
    const std::unique_ptr<QMenu> shown = Menu();
    for (const QString& caption : kFiguresCaptions) {
      QVERIFY2(Command(*shown, caption)->isEnabled() == row.figures, qPrintable(caption));
    }
    QVERIFY(Command(*shown, "全选")->isEnabled());
    QCOMPARE(Command(*shown, "反推每月定投…")->isEnabled(), row.findsMonthly);
  }

  void tableAsClipboardTextAndCsv_data() { AddRows(cases::kTables); }
  void tableAsClipboardTextAndCsv() {
    const cases::TableCase& row = CurrentRow(cases::kTables);
    QTemporaryDir folder;
    ExportCsv(row.menu, row.texts, folder.filePath("a.csv"));
    ChooseResultCommand("复制为表格");
    QCOMPARE(QApplication::clipboard()->text(), Text(row.tabSeparated));
    QFile file(folder.filePath("a.csv"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray(row.csv.data(), static_cast<qsizetype>(row.csv.size())));
  }

  void csvExport_data() { AddRows(cases::kSaves); }
  void csvExport() {
    const cases::SaveCase& row = CurrentRow(cases::kSaves);
    QTemporaryDir folder;
    QVERIFY(QDir(folder.path()).mkdir("taken"));
    const QString path = folder.filePath(Text(row.file));
    const QString suggested = ExportCsv(belvik::design::Control::mnuDT, {"300", "0", "10", "1"},
                                        row.file.empty() ? QString() : path);

    QVERIFY2(suggested.endsWith(QDate::currentDate().toString("定投计算-yyyyMMdd.csv")),
             qPrintable(suggested));
    // Nothing but the chosen file, if saved: no partial or temporary file stays behind.
    const QStringList left = QDir(folder.path()).entryList(QDir::Files | QDir::NoDotAndDotDot);
    QCOMPARE(left, row.saved ? QStringList{Text(row.file)} : QStringList());
    QCOMPARE(messages.shown.size(), std::size_t{row.told ? 1u : 0u});
    if (row.told) {
      QCOMPARE(messages.shown.front().title, QStringLiteral("提示"));
      QVERIFY(messages.shown.front().prompt.contains(QDir::toNativeSeparators(path)));
    }
  }
};

QTEST_MAIN(ResultMenuTest)
#include "result_menu_test.moc"
