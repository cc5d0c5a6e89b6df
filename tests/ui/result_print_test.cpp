// 导出为 PDF… read back as text: the chosen file or nothing at all, every input with its label,
// and a long schedule on numbered pages, each under the table's header row.
#include <QDate>
#include <QDir>
#include <QProcess>
#include <QProgressDialog>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>

#include "result_cases.h"
#include "window_test.h"

class ResultPrintTest : public WindowTest {
  Q_OBJECT

 private:
  // Calculates on the pane of `menu` and exports to `path` (empty: the user cancels the file
  // dialog); returns the suggested path.
  QString Export(belvik::design::Control menu, const cases::Texts& texts, const QString& path,
                 bool cancelProgress = false) {
    Choose(Pane(menu));
    Fill(Pane(menu), Texts(texts));
    Calculate(Pane(menu));
    QString suggested;
    window().setFileChooser([&](const QString&, const QString& suggestion, const QString&) {
      suggested = suggestion;
      const auto cancel = [this] { window().findChild<QProgressDialog*>()->cancel(); };
      if (cancelProgress) QTimer::singleShot(0, this, cancel);
      return path;
    });
    ChooseResultCommand(QStringLiteral("导出为 PDF…"));
    return suggested;
  }

  // The lines of each page, every run of blanks made one space.
  static cases::Pages Read(const QString& pdf) {
    QProcess text;
    text.start("pdftotext", {"-layout", pdf, "-"});
    text.waitForFinished();
    cases::Pages pages;
    const QString all = QString::fromUtf8(text.readAllStandardOutput());
    for (const QString& page : all.split(u'\f', Qt::SkipEmptyParts)) {
      pages.emplace_back();
      for (const QString& line : page.split(u'\n')) {
        if (!line.simplified().isEmpty()) pages.back().push_back(line.simplified().toStdString());
      }
    }
    return pages;
  }

 private slots:
  void leavesTheChosenFileOrNothing_data() {
    QTest::addColumn<QString>("name");  // chosen in a fresh folder; empty: the user cancels
    QTest::addColumn<bool>("cancelProgress");
    QTest::addColumn<bool>("told");
    QTest::newRow("saved") << "定投.pdf" << false << false;
    QTest::newRow("file dialog cancelled") << "" << false << false;
    QTest::newRow("progress cancelled") << "定投.pdf" << true << false;
    QTest::newRow("folder missing, a message") << "gone/定投.pdf" << false << true;
    QTest::newRow("name taken by a folder, a message") << "taken" << false << true;
  }
  void leavesTheChosenFileOrNothing() {
    QFETCH(QString, name);
    QFETCH(bool, cancelProgress);
    QFETCH(bool, told);
    QTemporaryDir folder;
    QVERIFY(QDir(folder.path()).mkdir("taken"));
    const QString path = name.isEmpty() ? QString() : folder.filePath(name);
    const QString suggested =
        Export(belvik::design::Control::mnuDT, {"300", "0", "10", "2000"}, path, cancelProgress);
    QVERIFY(suggested.endsWith(QDate::currentDate().toString("定投计算-yyyyMMdd") + ".pdf"));
    const bool saved = !name.isEmpty() && !cancelProgress && !told;
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), saved ? QStringList{name} : QStringList());
    QCOMPARE(messages.shown.size(), std::size_t{told ? 1u : 0u});
    if (told) QCOMPARE(messages.shown.front().title, QStringLiteral("提示"));
  }

  void longScheduleOnNumberedPagesUnderTheHeaderRow() {
    QTemporaryDir folder;
    Export(belvik::design::Control::mnuDT, cases::kLongSchedule, folder.filePath("a.pdf"));
    const std::string fault = cases::LongSchedulePagesFault(Read(folder.filePath("a.pdf")));
    QVERIFY2(fault.empty(), fault.c_str());
  }

  void onePageNamesEveryInput_data() { AddRows(cases::kOnePagers); }
  void onePageNamesEveryInput() {
    const cases::PageCase& row = CurrentRow(cases::kOnePagers);
    QTemporaryDir folder;
    Export(row.menu, row.texts, folder.filePath("a.pdf"));
    const cases::Pages pages = Read(folder.filePath("a.pdf"));
    QCOMPARE(pages.size(), std::size_t{1});
    QCOMPARE(pages[0], std::vector<std::string>(row.lines.begin(), row.lines.end()));
  }
};

QTEST_MAIN(ResultPrintTest)
#include "result_print_test.moc"
