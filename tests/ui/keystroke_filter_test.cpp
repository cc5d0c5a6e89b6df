// What typing does to the boxes: amounts take digits and one point, years digits only, and
// the result box takes nothing but Copy and Select All.
#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include "window_test.h"

class KeystrokeFilterTest : public WindowTest {
  Q_OBJECT

 private slots:
  void typingIntoABox_data() { AddRows(cases::kTyping); }
  void typingIntoABox() {
    const cases::TypingCase& row = CurrentRow(cases::kTyping);
    auto* edit = Control<QLineEdit>(row.box);
    edit->setText(Text(row.before));
    probe::Press(edit, row.keys);
    QCOMPARE(edit->text(), Text(row.after));
  }

  void enterTriggersNothing() {
    auto* edit = Control<QLineEdit>("txtYear(4)");
    QSignalSpy returns(edit, &QLineEdit::returnPressed);
    probe::Press(edit, cases::kEnter);
    QCOMPARE(returns.count(), 0);
    QVERIFY(messages.shown.empty());
    QCOMPARE(ResultBox()->toPlainText(), QStringLiteral("计算结果"));
  }

  void pasteFromTheContextMenuIsTakenAsIs() {
    auto* edit = Control<QLineEdit>("txtJE(3)");
    edit->clear();
    QApplication::clipboard()->setText(QStringLiteral("-1,5"));
    edit->paste();
    QCOMPARE(edit->text(), QStringLiteral("-1,5"));
  }

  void inputMethodCommits_data() { AddRows(cases::kCommits); }
  void inputMethodCommits() {
    const cases::CommitCase& row = CurrentRow(cases::kCommits);
    auto* edit = Control<QLineEdit>(row.box);
    edit->setText(Text(row.before));
    QInputMethodEvent event;
    event.setCommitString(Text(row.commit));
    QApplication::sendEvent(edit, &event);
    QCOMPARE(edit->text(), Text(row.after));
  }

  void resultBoxTakesNoTyping_data() { AddRows(cases::kResultBoxKeys); }
  void resultBoxTakesNoTyping() {
    const cases::Strokes& keys = CurrentRow(cases::kResultBoxKeys).keys;
    auto* box = ResultBox();
    const QString schedule = QStringLiteral("2年后本利合计：12100元。\r\n第1年\r\n");
    box->showText(schedule);
    QApplication::clipboard()->setText(QStringLiteral("999"));
    box->moveCursor(QTextCursor::End);
    const QString shown = box->toPlainText();
    probe::Press(box, keys);
    QCOMPARE(box->toPlainText(), shown);
    QCOMPARE(box->text(), schedule);
  }

  void resultBoxCopiesItsScheduleWithLineEnds() {
    auto* box = ResultBox();
    const QString schedule = QStringLiteral("2年后本利合计：12100元。\r\n第1年\r\n");
    box->showText(schedule);
    QApplication::clipboard()->clear();
    probe::Press(box, {cases::kCtrlA, cases::kCtrlC});
    QCOMPARE(QApplication::clipboard()->text(), schedule);
    QCOMPARE(box->text(), schedule);
  }

  void resultBoxDropsInputMethodCommits() {
    auto* box = ResultBox();
    QInputMethodEvent event;
    event.setCommitString(QStringLiteral("12"));
    QApplication::sendEvent(box, &event);
    QCOMPARE(box->toPlainText(), QStringLiteral("计算结果"));
  }
};

QTEST_MAIN(KeystrokeFilterTest)
#include "keystroke_filter_test.moc"
