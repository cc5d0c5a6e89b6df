// The chart window opened from the result box's menu: the read-out of the year pointed at with
// the result text's digits, both toggles, and saving the chart as PNG or SVG.
#include <QAccessible>
#include <QCheckBox>
#include <QDialog>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QTemporaryDir>

#include "chart_widget.h"
#include "window_test.h"

class ChartWindowTest : public WindowTest {
  Q_OBJECT

 private:
  QDialog* OpenChart(const QString& menu, const QStringList& texts) {
    Choose(Pane(menu));
    Fill(Pane(menu), texts);
    Calculate(Pane(menu));
    ChooseResultCommand(QStringLiteral("显示图表…"));
    return window().findChild<QDialog*>("chartWindow");
  }

  template <typename T>
  static T* In(QDialog* chart, const char* name) {
    return chart->findChild<T*>(QString::fromUtf8(name));
  }

 private slots:
  void readOut_data() {
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<int>("point");  // pointed at with the mouse
    QTest::addColumn<QString>("readOut");
    QTest::addColumn<QString>("todaysMoney");  // empty: 按今天的钱 is off for this chart
    // The investment and lump-sum panes hide the inflation box, which keeps its 4.
    QTest::newRow("investment, last year with the summary's digits")
        << "mnuDT" << QStringList{"300", "0", "10", "3"} << 2
        << "第3年：累计投入本金 10800 元，本利合计 13107.6 元"
        << "第3年：累计投入本金 9601.1607 元，本利合计 11652.6087 元";
    QTest::newRow("pension, first retirement year")
        << "mnuYLJ" << QStringList{"4", "1000", "2", "60", "60"} << 0
        << "退休第1年：当年需要生活费 12480 元，累计需要 12480 元"
        << "退休第1年：当年需要生活费 12000 元，累计需要 12000 元";
    QTest::newRow("present value, the answer") << "mnuPVIF" << QStringList{"4", "10000", "10"} << 10
                                               << "10年后：现值 6755.6417 元（计算结果）"
                                               << "";
    QTest::newRow("lump sum, over the principal") << "munFVIF" << QStringList{"10000", "5", "3"}
                                                  << 2 << "第3年：本利和 11576.25 元，本金 10000 元"
                                                  << "第3年：本利和 10291.2441 元，本金 10000 元";
  }
  void readOut() {
    QFETCH(QString, menu);
    QFETCH(QStringList, texts);
    QFETCH(int, point);
    QFETCH(QString, readOut);
    QFETCH(QString, todaysMoney);
    QDialog* chart = OpenChart(menu, texts);
    QVERIFY(chart);
    QVERIFY(QTest::qWaitForWindowExposed(chart));
    QVERIFY(chart->windowTitle().endsWith(QStringLiteral(" — 图表")));
    auto* curves = In<belvik::ui::ChartWidget>(chart, "chart");
    auto* label = In<QLabel>(chart, "readOut");
    QTest::mouseMove(curves, curves->positionOf(point == 0 ? 1 : 0));
    QVERIFY(label->text() != readOut);
    QTest::mouseMove(curves, curves->positionOf(static_cast<std::size_t>(point)));
    QCOMPARE(label->text(), readOut);
    QCOMPARE(QAccessible::queryAccessibleInterface(curves)->role(), QAccessible::Chart);
    QCOMPARE(label->accessibleName(), "读数：" + readOut);

    In<QCheckBox>(chart, "logScale")->click();
    QCOMPARE(label->text(), readOut);
    auto* today = In<QCheckBox>(chart, "todaysMoney");
    QCOMPARE(today->isEnabled(), !todaysMoney.isEmpty());
    QVERIFY(!today->toolTip().isEmpty());
    if (!today->isEnabled()) return;
    today->click();
    QCOMPARE(label->text(), todaysMoney);
    today->click();
    QCOMPARE(label->text(), readOut);
  }

  void save_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("start");  // of a saved file; empty: nothing saved, a message
    QTest::newRow("PNG") << "图表.png" << QByteArray("\x89PNG");
    QTest::newRow("SVG") << "图表.svg" << QByteArray("<?xml");
    QTest::newRow("folder missing") << "gone/图表.svg" << QByteArray();
  }
  void save() {
    QFETCH(QString, name);
    QFETCH(QByteArray, start);
    QTemporaryDir folder;
    const QString path = folder.filePath(name);
    window().setFileChooser([&](const QString&, const QString&, const QString&) { return path; });
    QDialog* chart = OpenChart("munFVIF", {"10000", "5", "30"});
    QVERIFY(chart);

    In<QPushButton>(chart, "saveChart")->click();

    QCOMPARE(QDir(folder.path()).entryList(QDir::Files).size(), start.isEmpty() ? 0 : 1);
    QCOMPARE(messages.shown.size(), std::size_t{start.isEmpty() ? 1u : 0u});
    if (start.isEmpty()) {
      QCOMPARE(messages.shown.front().title, QStringLiteral("提示"));
      return;
    }
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().startsWith(start));
    if (name.endsWith(".png")) QVERIFY(!QImage(path).isNull());
  }
};

QTEST_MAIN(ChartWindowTest)
#include "chart_window_test.moc"
