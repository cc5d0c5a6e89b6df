// 导出为 PDF… read back as text: the chosen file or nothing at all, every input with its label,
// and a long schedule on numbered pages, each under the table's header row.
#include <QDate>
#include <QDir>
#include <QProcess>
#include <QProgressDialog>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>

#include "window_test.h"

using Pages = QList<QStringList>;

class ResultPrintTest : public WindowTest {
  Q_OBJECT

 private:
  // Calculates on the pane of `menu` and exports to `path` (empty: the user cancels the file
  // dialog); returns the suggested path.
  QString Export(const QString& menu, const QStringList& texts, const QString& path,
                 bool cancelProgress = false) {
    Choose(Pane(menu));
    Fill(Pane(menu), texts);
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
  static Pages Read(const QString& pdf) {
    QProcess text;
    text.start("pdftotext", {"-layout", pdf, "-"});
    text.waitForFinished();
    Pages pages;
    const QString all = QString::fromUtf8(text.readAllStandardOutput());
    for (const QString& page : all.split(u'\f', Qt::SkipEmptyParts)) {
      pages.append(QStringList());
      for (const QString& line : page.split(u'\n')) {
        if (!line.simplified().isEmpty()) pages.last().append(line.simplified());
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
    const QString suggested = Export("mnuDT", {"300", "0", "10", "2000"}, path, cancelProgress);
    QVERIFY(suggested.endsWith(QDate::currentDate().toString("定投计算-yyyyMMdd") + ".pdf"));
    const bool saved = !name.isEmpty() && !cancelProgress && !told;
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), saved ? QStringList{name} : QStringList());
    QCOMPARE(messages.shown.size(), std::size_t{told ? 1u : 0u});
    if (told) QCOMPARE(messages.shown.front().title, QStringLiteral("提示"));
  }

  void longScheduleOnNumberedPagesUnderTheHeaderRow() {
    QTemporaryDir folder;
    Export("mnuDT", {"300", "0", "0", "2000"}, folder.filePath("a.pdf"));
    const Pages pages = Read(folder.filePath("a.pdf"));
    // 9-point rows on A4 less its margins: between 30 and 60 a page.
    QVERIFY2(pages.size() > 2000 / 60 && pages.size() <= 2000 / 30,
             qPrintable(QString::number(pages.size())));
    const QString header = "年份 年投入(元) 每月投入(元) 本利合计(元)";
    QCOMPARE(pages[0].mid(0, 7), QStringList({"定投计算", "每月投入金额：300", "每年增加投入(%)：0",
                                              "年平均收益率(%)：0", "投资年限：2000",
                                              "总投入本金7200000元，本利合计7200000元。", header}));
    const QRegularExpression line(R"(^(\d+) 3600 300$)");
    int year = 0;
    for (qsizetype k = 0; k < pages.size(); ++k) {
      QCOMPARE(pages[k][0], QStringLiteral("定投计算"));
      if (k > 0) QCOMPARE(pages[k][1], header);
      QCOMPARE(pages[k].last(), QStringLiteral("第 %1 页，共 %2 页").arg(k + 1).arg(pages.size()));
      for (const QString& text : pages[k]) {
        if (const QRegularExpressionMatch row = line.match(text); row.hasMatch()) {
          QCOMPARE(row.captured(1).toInt(), ++year);
        }
      }
    }
    QCOMPARE(year, 2000);
    QCOMPARE(pages.last().end()[-2], QStringLiteral("合计 7200000 7200000"));
  }

  void onePageNamesEveryInput_data() {
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QStringList>("page");
    QTest::newRow("present value, a sentence on screen")
        << "mnuPVIF" << QStringList{"4", "100", "1"}
        << QStringList{"这些钱将来值多少", "年平均通货膨胀率(%)：4", "将来的金额(元)：100",
                       "距今年数：1",      "现值(元)：96.1538",      "第 1 页，共 1 页"};
    QTest::newRow("lump sum stopped after a line, no summary or total")
        << "munFVIF" << QStringList{"1e300", "1e10", "3"}
        << QStringList{"单笔投资计算",
                       "投资金额：1e300",
                       "预计年平均收益率(%)：1e10",
                       "投资年限：3",
                       "年份 累计收益(元) 累计收益率(%) 本利和(元)",
                       "1 1E+308 10000000000 1.00000001E+308",
                       "第 1 页，共 1 页"};
  }
  void onePageNamesEveryInput() {
    QFETCH(QString, menu);
    QFETCH(QStringList, texts);
    QFETCH(QStringList, page);
    QTemporaryDir folder;
    Export(menu, texts, folder.filePath("a.pdf"));
    QCOMPARE(Read(folder.filePath("a.pdf")), Pages{page});
  }
};

QTEST_MAIN(ResultPrintTest)
#include "result_print_test.moc"
