// 反推每月定投: typing a target gives the answer in words at once, and 填入定投计算 then 计算
// prints a schedule whose value is not below the target; from the pension pane the targets
// come from its result.
#include <QAccessible>
#include <QDialog>
#include <QLabel>
#include <QPointer>
#include <QRadioButton>
#include <QRegularExpression>

#include "window_test.h"

namespace {

const QStringList kSpokenNames = {"退休后年收益率(%)", "目标金额", "投资年限", "每年增加投入(%)",
                                  "年平均收益率(%)"};

}  // namespace

class GoalWindowTest : public WindowTest {
  Q_OBJECT

 private:
  QDialog* Open(const QString& menu, const QStringList& texts, bool calculate) {
    Choose(Pane(menu));
    Fill(Pane(menu), texts);
    if (calculate) Calculate(Pane(menu));
    ChooseResultCommand(QStringLiteral("反推每月定投…"));
    return window().findChild<QDialog*>("goalWindow");
  }

  template <typename T = QLineEdit>
  static T* Named(QDialog* goal, const QString& spokenName) {
    for (T* each : goal->findChildren<T*>()) {
      if (QAccessible::queryAccessibleInterface(each)->text(QAccessible::Name) == spokenName) {
        return each;
      }
    }
    return nullptr;
  }

 private slots:
  void answersAsTheUserTypes_data() {
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QStringList>("texts");  // the pane's; the pension pane's are calculated
    QTest::addColumn<QString>("box");        // typed into
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("target");  // the target box then
    QTest::addColumn<QString>("years");   // and the years box
    QTest::addColumn<QString>("answer");  // how the answer starts
    // The periodic-investment pane's worked schedules, typed back as targets.
    QTest::newRow("rising contribution")
        << "mnuDT" << QStringList{"300", "7", "10", "5"} << "目标金额"
        << "27450.4915"
        << "27450.4915"
        << "5"
        << "每月需投入300元（以后每年增加7%），5年后本利合计27450.4915元，";
    QTest::newRow("level contribution, no bracket")
        << "mnuDT" << QStringList{"300", "0", "10", "3"} << "目标金额"
        << "13107.6"
        << "13107.6"
        << "3"
        << "每月需投入300元，3年后本利合计13107.6元，";
    // The pension calculator's worked example: 88576.7099 in all, 85971.7654 at 3 % after
    // retirement; five years until retirement.
    QTest::newRow("pension total, years from the ages")
        << "mnuYLJ" << QStringList{"3", "2000", "3", "50", "55"} << "投资年限"
        << ""
        << "88576.7099"
        << "5"
        << "每月需投入";
    QTest::newRow("pension needs at a return after retirement")
        << "mnuYLJ" << QStringList{"3", "2000", "3", "50", "55"} << "退休后年收益率(%)"
        << "3"
        << "85971.7654"
        << "5"
        << "每月需投入";
  }
  void answersAsTheUserTypes() {
    QFETCH(QString, menu);
    QFETCH(QStringList, texts);
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, target);
    QFETCH(QString, years);
    QFETCH(QString, answer);
    QPointer<QDialog> goal = Open(menu, texts, menu == "mnuYLJ");
    QVERIFY(goal);
    QCOMPARE(goal->windowTitle(), QStringLiteral("反推每月定投"));
    probe::Press(Named(goal, box), probe::Typed(typed.toLatin1().constData()));
    QCOMPARE(Named(goal, "目标金额")->text(), target);
    QCOMPARE(Named(goal, "投资年限")->text(), years);
    const QString words = Named<QLabel>(goal, "反推结果")->text();
    QVERIFY2(words.startsWith(answer) && words.endsWith("不少于目标" + target + "元。"),
             qPrintable(words));
    QVERIFY(messages.shown.empty());

    QTest::mouseClick(goal->findChild<QPushButton*>("cmdFillIn"), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!goal);
    QVERIFY(!Control(Pane("mnuDT").frame)->isHidden());
    Calculate(Pane("mnuDT"));
    const QRegularExpressionMatch value =
        QRegularExpression("本利合计(.+)元。").match(ResultBox()->text());
    QVERIFY(value.hasMatch());
    QVERIFY2(value.captured(1).toDouble() >= target.toDouble(), qPrintable(value.captured(1)));
    QVERIFY(words.contains("本利合计" + value.captured(1) + "元"));
  }

  void failuresInWords_data() {
    QTest::addColumn<QStringList>("texts");  // the periodic-investment pane's
    QTest::addColumn<QString>("typed");      // into 目标金额
    QTest::addColumn<QString>("words");
    QTest::newRow("nothing typed yet") << QStringList{"300", "0", "10", "30"} << ""
                                       << "请填写目标金额、投资年限、每年增加投入和年平均收益率。";
    QTest::newRow("target of 0") << QStringList{"300", "0", "10", "30"} << "0"
                                 << "目标金额必须大于0。";
    QTest::newRow("no years") << QStringList{"300", "0", "10", "0"} << "1000"
                              << "投资年限必须在1到32767年之间。";
  }
  void failuresInWords() {
    QFETCH(QStringList, texts);
    QFETCH(QString, typed);
    QFETCH(QString, words);
    QDialog* goal = Open("mnuDT", texts, false);
    probe::Press(Named(goal, "目标金额"), probe::Typed(typed.toLatin1().constData()));
    QCOMPARE(Named<QLabel>(goal, "反推结果")->text(), words);
    QVERIFY(!goal->findChild<QPushButton*>("cmdFillIn")->isEnabled());
    QVERIFY(messages.shown.empty());
  }

  // Every box by its caption, the pension's only from the pension pane; the answer as 反推结果.
  void boxesAndAnswerAreNamed() {
    QDialog* goal = Open("mnuYLJ", {"3", "2000", "3", "50", "55"}, true);
    for (const QString& name : kSpokenNames) QVERIFY2(Named(goal, name), qPrintable(name));
    QVERIFY(Named<QLabel>(goal, "反推结果"));
    QVERIFY(Named<QRadioButton>(goal, "总计需要养老金：88576.7099元")->isChecked());
    delete goal;
    goal = Open("mnuDT", {"300", "0", "10", "30"}, false);
    QVERIFY(!Named(goal, kSpokenNames.front()));
    QCOMPARE(Named(goal, "投资年限")->text(), QStringLiteral("30"));
  }
};

QTEST_MAIN(GoalWindowTest)
#include "goal_window_test.moc"
