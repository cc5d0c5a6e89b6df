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
#include "result_cases.h"
#include "window_test.h"

class ChartWindowTest : public WindowTest {
  Q_OBJECT

 private:
  QDialog* OpenChart(const belvik::design::PaneDescription& pane, const QStringList& texts) {
    Choose(pane);
    Fill(pane, texts);
    Calculate(pane);
    ChooseResultCommand(QStringLiteral("显示图表…"));
    return window().findChild<QDialog*>("chartWindow");
  }

  template <typename T>
  static T* In(QDialog* chart, const char* name) {
    return chart->findChild<T*>(QString::fromUtf8(name));
  }

 private slots:
  void readOut_data() { AddRows(cases::kReadOuts); }
  void readOut() {
    const cases::ReadOutCase& row = CurrentRow(cases::kReadOuts);
    const QString readOut = Text(row.readOut);
    QDialog* chart = OpenChart(Pane(row.menu), Texts(row.texts));
    QVERIFY(chart);
    QVERIFY(QTest::qWaitForWindowExposed(chart));
    QVERIFY(chart->windowTitle().endsWith(QStringLiteral(" — 图表")));
    auto* curves = In<belvik::ui::ChartWidget>(chart, "chart");
    auto* label = In<QLabel>(chart, "readOut");
    QTest::mouseMove(curves, curves->positionOf(row.point == 0 ? 1 : 0));
    QVERIFY(label->text() != readOut);
    QTest::mouseMove(curves, curves->positionOf(row.point));
    QCOMPARE(label->text(), readOut);
    QCOMPARE(QAccessible::queryAccessibleInterface(curves)->role(), QAccessible::Chart);
    QCOMPARE(label->accessibleName(), "读数：" + readOut);

    In<QCheckBox>(chart, "logScale")->click();
    QCOMPARE(label->text(), readOut);
    auto* today = In<QCheckBox>(chart, "todaysMoney");
    QCOMPARE(today->isEnabled(), !row.todaysMoney.empty());
    QVERIFY(!today->toolTip().isEmpty());
    if (!today->isEnabled()) return;
    today->click();
    QCOMPARE(label->text(), Text(row.todaysMoney));
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
    QDialog* chart = OpenChart(Pane("munFVIF"), {"10000", "5", "30"});
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
