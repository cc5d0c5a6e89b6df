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
  void controlsAreNamedForWhatTheyDo_data() { AddRows(cases::kSpokenNames); }
  void controlsAreNamedForWhatTheyDo() {
    const cases::NameCase& row = CurrentRow(cases::kSpokenNames);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(Control(row.control));
    QVERIFY(accessible);
    QCOMPARE(accessible->text(QAccessible::Name), Text(row.spoken));
    const bool button = belvik::design::RowOf(row.control).kind == belvik::design::Kind::Button;
    QCOMPARE(accessible->role(), button ? QAccessible::Button : QAccessible::EditableText);
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
