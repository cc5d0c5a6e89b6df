// The result box's context menu: its commands, when they can be chosen, and what copying as a
// table and exporting a CSV file put on the clipboard and the disk.
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

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

  void Run(const QString& menu, const QStringList& texts) {
    Choose(Pane(menu));
    Fill(Pane(menu), texts);
    Calculate(Pane(menu));
  }

 private slots:
  void offersTheStandardCommandsThenTheFiguresOnes() {
    const std::unique_ptr<QMenu> menu = Menu();
    QStringList captions;
    for (const QAction* action : menu->actions()) captions.append(action->text());
    QCOMPARE(captions, kCaptions);
  }

  void figuresCommandsOnlyWithFiguresOnScreen_data() {
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<bool>("switchPane");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("findsMonthly");  // 反推每月定投…: the investment pane, a pension total
    QTest::newRow("start-up placeholder") << "mnuDT" << QStringList() << false << false << true;
    QTest::newRow("a schedule") << "mnuDT" << QStringList{"300", "0", "10", "3"} << false << true
                                << true;
    QTest::newRow("a present value")
        << "mnuPVIF" << QStringList{"4", "100", "1"} << false << true << false;
    QTest::newRow("a run stopped after its first line")
        << "munFVIF" << QStringList{"1e300", "1e10", "3"} << false << true << false;
    QTest::newRow("a box emptied by an empty input")
        << "munFVIF" << QStringList{"", "10", "3"} << false << false << false;
    QTest::newRow("a schedule, then a pane switch")
        << "mnuDT" << QStringList{"300", "0", "10", "3"} << true << false << true;
    QTest::newRow("pension pane, nothing calculated")
        << "mnuYLJ" << QStringList() << true << false << false;
    QTest::newRow("a pension total")
        << "mnuYLJ" << QStringList{"4", "1000", "2", "60", "60"} << false << true << true;
    QTest::newRow("a pension without a year, so no total")
        << "mnuYLJ" << QStringList{"4", "1000", "0", "60", "60"} << false << false << false;
  }
  void figuresCommandsOnlyWithFiguresOnScreen() {
    QFETCH(QString, menu);
    QFETCH(QStringList, texts);
    QFETCH(bool, switchPane);
    QFETCH(bool, enabled);
    QFETCH(bool, findsMonthly);
    if (!texts.isEmpty()) Run(menu, texts);
    if (switchPane) Choose(Pane(menu));
    const std::unique_ptr<QMenu> shown = Menu();
    for (const QString& caption : kFiguresCaptions) {
      QVERIFY2(Command(*shown, caption)->isEnabled() == enabled, qPrintable(caption));
    }
    QVERIFY(Command(*shown, "全选")->isEnabled());
    QCOMPARE(Command(*shown, "反推每月定投…")->isEnabled(), findsMonthly);
  }

  void copyAsTablePastesAsColumns() {
    Run("mnuYLJ", {"4", "1000", "2", "60", "60"});
    ChooseResultCommand("复制为表格");
    QCOMPARE(QApplication::clipboard()->text(),
             QStringLiteral("退休年份\t年需要生活费(元)\t平均每月(元)\r\n"
                            "1\t12480\t1040\r\n2\t12979.2\t1081.6\r\n合计\t25459.2\t\r\n"));
  }

  void csvExport_data() {
    QTest::addColumn<QString>("name");  // chosen in a fresh folder; empty: the user cancels
    QTest::addColumn<bool>("saved");
    QTest::addColumn<bool>("told");
    QTest::newRow("saved with a byte-order mark") << "定投.csv" << true << false;
    QTest::newRow("cancelled, nothing written") << "" << false << false;
    QTest::newRow("folder missing, a message") << "gone/定投.csv" << false << true;
    QTest::newRow("name taken by a folder, a message") << "taken" << false << true;
  }
  void csvExport() {
    QFETCH(QString, name);
    QFETCH(bool, saved);
    QFETCH(bool, told);
    QTemporaryDir folder;
    QVERIFY(QDir(folder.path()).mkdir("taken"));
    const QString path = folder.filePath(name);
    QString suggested;
    window().setFileChooser([&](const QString&, const QString& suggestion, const QString&) {
      suggested = suggestion;
      return name.isEmpty() ? QString() : path;
    });
    Run("mnuDT", {"300", "0", "10", "1"});

    ChooseResultCommand("导出为 CSV 文件…");

    QVERIFY2(suggested.endsWith(QDate::currentDate().toString("定投计算-yyyyMMdd.csv")),
             qPrintable(suggested));
    // Nothing but the chosen file, if saved: no partial or temporary file stays behind.
    const QStringList left = QDir(folder.path()).entryList(QDir::Files | QDir::NoDotAndDotDot);
    QCOMPARE(left, saved ? QStringList{name} : QStringList());
    QCOMPARE(messages.shown.size(), std::size_t{told ? 1u : 0u});
    if (told) {
      QCOMPARE(messages.shown.front().title, QStringLiteral("提示"));
      QVERIFY(messages.shown.front().prompt.contains(QDir::toNativeSeparators(path)));
    }
    if (saved) {
      QFile file(path);
      QVERIFY(file.open(QIODevice::ReadOnly));
      QCOMPARE(file.readAll(), QByteArray("\xEF\xBB\xBF"
                                          "年份,年投入(元),每月投入(元),本利合计(元)\r\n"
                                          "1,3600,300,\r\n合计,3600,,3960\r\n"));
    }
  }
};

QTEST_MAIN(ResultMenuTest)
#include "result_menu_test.moc"
