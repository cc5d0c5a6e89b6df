// 反推每月定投: typing gives the answer in words at once, and 填入定投计算 then 计算 prints a
// schedule whose value is not below the target; from the pension pane the target and the years
// come from its result. What cannot be answered is said in the window, never in a message box.
#include <QAccessible>
#include <QDialog>
#include <QLabel>
#include <QPointer>
#include <QRadioButton>
#include <QRegularExpression>

#include "result_cases.h"
#include "window_test.h"

class GoalWindowTest : public WindowTest {
  Q_OBJECT

 private:
  // The window opened over `menu`'s pane holding `texts`, calculated on the pension pane.
  QDialog* Open(belvik::design::Control menu, const cases::Texts& texts) {
    Choose(Pane(menu));
    Fill(Pane(menu), Texts(texts));
    if (menu == belvik::design::Control::mnuYLJ) Calculate(Pane(menu));
    ChooseResultCommand(QStringLiteral("反推每月定投…"));
    return window().findChild<QDialog*>("goalWindow");
  }

  // The goal window's control a screen reader calls `name`.
  template <typename T = QLineEdit>
  static T* Named(QDialog* goal, const QString& name) {
    for (T* each : goal->findChildren<T*>()) {
      if (QAccessible::queryAccessibleInterface(each)->text(QAccessible::Name) == name) return each;
    }
    return nullptr;
  }

 private slots:
  void answersAsTheUserTypes_data() { AddRows(cases::kGoals); }
  void answersAsTheUserTypes() {
    const cases::GoalCase& c = CurrentRow(cases::kGoals);
    QPointer<QDialog> goal = Open(c.menu, c.texts);
    QVERIFY(goal);
    probe::Press(Named(goal, Text(c.box)), cases::Typed(c.typed));
    QCOMPARE(Named(goal, "目标金额")->text(), Text(c.target));
    QCOMPARE(Named(goal, "投资年限")->text(), Text(c.years));
    const QString words = Named<QLabel>(goal, "反推结果")->text();
    QVERIFY2(words.startsWith(Text(c.answer)), qPrintable(words));
    QVERIFY(messages.shown.empty());
    auto* fillIn = goal->findChild<QPushButton*>("cmdFillIn");
    QCOMPARE(fillIn->isEnabled(), words.endsWith(QString("不少于目标%1元。").arg(Text(c.target))));
    if (!fillIn->isEnabled()) return;

    QTest::mouseClick(fillIn, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!goal && !Control(Pane("mnuDT").frame)->isHidden());
    Calculate(Pane("mnuDT"));
    const QString value =
        QRegularExpression("本利合计(.+)元。").match(ResultBox()->text()).captured(1);
    QVERIFY2(value.toDouble() >= Text(c.target).toDouble(), qPrintable(value));
    QVERIFY(words.contains("本利合计" + value + "元"));
  }

  // Every box by its caption, the return after retirement only from the pension pane.
  void boxesAndAnswerAreNamed() {
    const QStringList names = {"退休后年收益率(%)", "目标金额", "投资年限", "每年增加投入(%)",
                               "年平均收益率(%)"};
    QDialog* goal = Open(belvik::design::Control::mnuYLJ, {"3", "2000", "3", "50", "55"});
    for (const QString& name : names) QVERIFY2(Named(goal, name), qPrintable(name));
    QVERIFY(Named<QLabel>(goal, "反推结果"));
    QVERIFY(Named<QRadioButton>(goal, "总计需要养老金：88576.7099元")->isChecked());
    delete goal;
    QVERIFY(!Named(Open(belvik::design::Control::mnuDT, {"300", "0", "10", "30"}), names.front()));
  }
};

QTEST_MAIN(GoalWindowTest)
#include "goal_window_test.moc"
