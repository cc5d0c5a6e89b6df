// What a screen reader finds: every box, button and the result box by a name that says what it
// is for, with the role of its kind, and the result box's text as the calculator wrote it.
#include <QAccessible>
#include <QAccessibleInterface>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSet>
#include <QTest>

#include "window_test.h"

class AccessibilityTest : public WindowTest {
  Q_OBJECT

 private:
  QAccessibleInterface* Accessible(const QString& name) const {
    return QAccessible::queryAccessibleInterface(Control(name));
  }

 private slots:
  void controlsAreNamedForWhatTheyDo_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("role");
    const int edit = QAccessible::EditableText;
    const int button = QAccessible::Button;
    QTest::newRow("inflation box by its label") << "txtJE(0)"
                                                << "年平均通货膨胀率(%)：" << edit;
    QTest::newRow("living cost box by its label") << "txtJE(1)"
                                                  << "我每月需要生活费（按现值）：" << edit;
    QTest::newRow("retirement age box by its label") << "txtYear(2)"
                                                     << "退休年龄：" << edit;
    QTest::newRow("sentence years box by the words after it") << "txtYear(3)"
                                                              << "年后" << edit;
    QTest::newRow("sentence amount box by the words after it")
        << "txtJE(2)"
        << "元，相当于现在的多少钱？" << edit;
    QTest::newRow("return box without a colon") << "txtJE(7)"
                                                << "预计年平均收益率(%)" << edit;
    QTest::newRow("investment button") << "Command1"
                                       << "计算定投" << button;
    QTest::newRow("pension button") << "cmdYLJ"
                                    << "计算养老金" << button;
    QTest::newRow("present value button") << "cmdPVIF"
                                          << "计算现值" << button;
    QTest::newRow("lump sum button") << "cmdFVIF"
                                     << "计算单笔投资" << button;
  }

  void controlsAreNamedForWhatTheyDo() {
    QFETCH(QString, control);
    QFETCH(QString, name);
    QFETCH(int, role);
    QAccessibleInterface* accessible = Accessible(control);
    QVERIFY(accessible);
    QCOMPARE(accessible->text(QAccessible::Name), name);
    QCOMPARE(static_cast<int>(accessible->role()), role);
  }

  // Every focusable control, the hidden panes' too, has a name of its own: four "计算"
  // buttons or fourteen nameless boxes would be indistinguishable when read aloud.
  void everyFocusableControlHasItsOwnName() {
    QSet<QString> names;
    int controls = 0;
    for (QWidget* widget : window().findChildren<QWidget*>()) {
      if (!qobject_cast<QLineEdit*>(widget) && !qobject_cast<QPushButton*>(widget) &&
          !qobject_cast<QPlainTextEdit*>(widget)) {
        continue;
      }
      const QString name = QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
      QVERIFY2(!name.isEmpty(), qPrintable(widget->objectName()));
      // Every input box says in its tooltip what it takes and in which unit.
      if (qobject_cast<QLineEdit*>(widget)) {
        QVERIFY2(!widget->toolTip().isEmpty(), qPrintable(widget->objectName()));
      }
      names.insert(name);
      ++controls;
    }
    QCOMPARE(controls, 19);
    QCOMPARE(names.size(), controls - 1);  // the two 投资年限 boxes share their label's words
  }

  // A screen reader reads the lines as the box shows them, one line break each.
  void resultBoxReadsItsLines() {
    Fill(Pane("mnuDT"), {"300", "0", "10", "2"});
    Calculate(Pane("mnuDT"));
    QAccessibleInterface* box = Accessible("txtJG");
    QCOMPARE(box->text(QAccessible::Name), QStringLiteral("计算结果"));
    const QString expected = QStringLiteral(
        "总投入本金7200元，本利合计8316元。\n"
        "第1年投入3600元，每月投入300\n"
        "第2年投入3600元，每月投入300\n");
    QAccessibleTextInterface* text = box->textInterface();
    QVERIFY(text);
    QCOMPARE(text->text(0, text->characterCount()), expected);
  }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
