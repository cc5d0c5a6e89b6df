// 反推每月定投: typing gives the answer in words at once, and 填入定投计算 then 计算 prints a
// schedule whose value is not below the target; from the pension pane the target and the years
// come from its result. What cannot be answered is said in the window, never in a message box.
#include <QAccessible>
#include <QDialog>
#include <QLabel>
#include <QPointer>
#include <QRadioButton>
#include <QRegularExpression>

#include "window_test.h"

namespace {

struct Typing {
  const char* name;
  const char* menu;
  const char* texts;  // the pane's, blank-separated
  const char* box;    // typed into
  const char* typed;
  const char* target;  // the target box then, and the years box
  const char* years;
  const char* answer;  // how the answer starts
};

// The periodic-investment pane's worked schedules typed back as targets; the pension
// calculator's worked example, 88576.7099 in all and 85971.7654 at 3 % after retirement, five
// years before it; then targets that cannot be answered.
const QList<Typing> kTyping = {
    {"rising contribution", "mnuDT", "300 7 10 5", "目标金额", "27450.4915", "27450.4915", "5",
     "每月需投入300元（以后每年增加7%），5年后本利合计27450.4915元，"},
    {"level contribution, no bracket", "mnuDT", "300 0 10 3", "目标金额", "13107.6", "13107.6", "3",
     "每月需投入300元，3年后本利合计13107.6元，"},
    {"pension total", "mnuYLJ", "3 2000 3 50 55", "投资年限", "", "88576.7099", "5", "每月需投入"},
    {"pension needs at a return after retirement", "mnuYLJ", "3 2000 3 50 55", "退休后年收益率(%)",
     "3", "85971.7654", "5", "每月需投入"},
    {"nothing typed yet", "mnuDT", "300 0 10 3", "目标金额", "", "", "3",
     "请填写目标金额、投资年限、每年增加投入和年平均收益率。"},
    {"target of 0", "mnuDT", "300 0 10 3", "目标金额", "0", "0", "3", "目标金额必须大于0。"},
    {"no years", "mnuDT", "300 0 10 0", "目标金额", "1", "1", "0",
     "投资年限必须在1到32767年之间。"},
};

}  // namespace

class GoalWindowTest : public WindowTest {
  Q_OBJECT

 private:
  // The window opened over `menu`'s pane holding `texts`, calculated on the pension pane.
  QDialog* Open(const QString& menu, const QString& texts) {
    Choose(Pane(menu));
    Fill(Pane(menu), texts.split(' '));
    if (menu == "mnuYLJ") Calculate(Pane(menu));
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
  void answersAsTheUserTypes_data() {
    QTest::addColumn<int>("row");
    for (int k = 0; k < kTyping.size(); ++k) QTest::newRow(kTyping[k].name) << k;
  }
  void answersAsTheUserTypes() {
    QFETCH(int, row);
    const Typing& c = kTyping[row];
    QPointer<QDialog> goal = Open(c.menu, c.texts);
    QVERIFY(goal);
    probe::Press(Named(goal, c.box), cases::Typed(QString(c.typed).toStdU16String()));
    QCOMPARE(Named(goal, "目标金额")->text(), QString(c.target));
    QCOMPARE(Named(goal, "投资年限")->text(), QString(c.years));
    const QString words = Named<QLabel>(goal, "反推结果")->text();
    QVERIFY2(words.startsWith(c.answer), qPrintable(words));
    QVERIFY(messages.shown.empty());
    auto* fillIn = goal->findChild<QPushButton*>("cmdFillIn");
    QCOMPARE(fillIn->isEnabled(), words.endsWith(QString("不少于目标%1元。").arg(c.target)));
    if (!fillIn->isEnabled()) return;

    QTest::mouseClick(fillIn, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!goal && !Control(Pane("mnuDT").frame)->isHidden());
    Calculate(Pane("mnuDT"));
    const QString value =
        QRegularExpression("本利合计(.+)元。").match(ResultBox()->text()).captured(1);
    QVERIFY2(value.toDouble() >= QString(c.target).toDouble(), qPrintable(value));
    QVERIFY(words.contains("本利合计" + value + "元"));
  }

  // Every box by its caption, the return after retirement only from the pension pane.
  void boxesAndAnswerAreNamed() {
    const QStringList names = {"退休后年收益率(%)", "目标金额", "投资年限", "每年增加投入(%)",
                               "年平均收益率(%)"};
    QDialog* goal = Open("mnuYLJ", "3 2000 3 50 55");
    for (const QString& name : names) QVERIFY2(Named(goal, name), qPrintable(name));
    QVERIFY(Named<QLabel>(goal, "反推结果"));
    QVERIFY(Named<QRadioButton>(goal, "总计需要养老金：88576.7099元")->isChecked());
    delete goal;
    QVERIFY(!Named(Open("mnuDT", "300 0 10 30"), names.front()));
  }
};

QTEST_MAIN(GoalWindowTest)
#include "goal_window_test.moc"
