// What typing does to the boxes: amounts take digits and one point, years digits only, and
// the result box takes nothing but Copy and Select All.
#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include "window_test.h"

using probe::Keystrokes;
using probe::Typed;

class KeystrokeFilterTest : public WindowTest {
  Q_OBJECT

 private slots:
  void typingIntoABox_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("before");
    QTest::addColumn<Keystrokes>("keys");
    QTest::addColumn<QString>("after");
    QTest::newRow("amount takes a decimal") << "txtJE(3)"
                                            << "" << Typed("12.5") << "12.5";
    QTest::newRow("second point at the end dropped") << "txtJE(3)"
                                                     << "" << Typed("12.5.") << "12.5";
    QTest::newRow("second point at the start dropped")
        << "txtJE(3)"
        << "12.5" << (Keystrokes{probe::kHome} + Typed(".")) << "12.5";
    QTest::newRow("leading point allowed") << "txtJE(6)"
                                           << "" << Typed(".5") << ".5";
    QTest::newRow("point dropped in a years box") << "txtYear(0)"
                                                  << "" << Typed("1.5") << "15";
    QTest::newRow("minus dropped in an amount box") << "txtJE(7)"
                                                    << "" << Typed("-3") << "3";
    QTest::newRow("minus dropped in a years box") << "txtYear(1)"
                                                  << "" << Typed("-3") << "3";
    QTest::newRow("plus, comma, blank and letters dropped") << "txtJE(1)"
                                                            << "" << Typed("+1,2 e3x") << "123";
    QTest::newRow("backspace deletes in an amount box")
        << "txtJE(4)"
        << "25" << Keystrokes{probe::kBackspace} << "2";
    QTest::newRow("backspace deletes in a years box")
        << "txtYear(2)"
        << "60" << Keystrokes{probe::kBackspace} << "6";
    QTest::newRow("point accepted again once backspace removed it")
        << "txtJE(5)"
        << "" << (Typed("1.") + probe::kBackspace + Typed(".5")) << "1.5";
    QTest::newRow("enter dropped") << "txtJE(2)"
                                   << "12" << Keystrokes{probe::kEnter} << "12";
    QTest::newRow("ctrl+v dropped") << "txtJE(2)"
                                    << "12" << Keystrokes{probe::kCtrlV} << "12";
    QTest::newRow("ctrl+a dropped, so typing appends")
        << "txtJE(2)"
        << "12" << (Keystrokes{probe::kCtrlA} + Typed("3")) << "123";
    QTest::newRow("full-width digit dropped")
        << "txtYear(3)"
        << "" << Keystrokes{{Qt::Key_1, QStringLiteral("１")}} << "";
    QTest::newRow("delete carries no character and deletes")
        << "txtYear(4)"
        << "30" << (Keystrokes{probe::kHome} + probe::kDelete) << "0";
  }
  void typingIntoABox() {
    QFETCH(QString, box);
    QFETCH(QString, before);
    QFETCH(Keystrokes, keys);
    QFETCH(QString, after);
    auto* edit = Control<QLineEdit>(box);
    edit->setText(before);
    probe::Press(edit, keys);
    QCOMPARE(edit->text(), after);
  }

  void enterTriggersNothing() {
    auto* edit = Control<QLineEdit>("txtYear(4)");
    QSignalSpy returns(edit, &QLineEdit::returnPressed);
    probe::Press(edit, {probe::kEnter});
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

  void inputMethodCommits_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("commit");
    QTest::addColumn<QString>("after");
    QTest::newRow("full-width digits dropped") << "txtJE(3)"
                                               << ""
                                               << "１２３"
                                               << "";
    QTest::newRow("ASCII digits kept, full-width ones dropped") << "txtJE(3)"
                                                                << ""
                                                                << "1２3"
                                                                << "13";
    QTest::newRow("only the first point of a commit kept") << "txtJE(6)"
                                                           << ""
                                                           << "1.2.3"
                                                           << "1.23";
    QTest::newRow("no point once the box holds one") << "txtJE(6)"
                                                     << "1.2"
                                                     << ".5"
                                                     << "1.25";
    QTest::newRow("years take no point") << "txtYear(5)"
                                         << ""
                                         << "1.5"
                                         << "15";
    QTest::newRow("plain digits pass untouched") << "txtYear(5)"
                                                 << ""
                                                 << "42"
                                                 << "42";
  }
  void inputMethodCommits() {
    QFETCH(QString, box);
    QFETCH(QString, before);
    QFETCH(QString, commit);
    QFETCH(QString, after);
    auto* edit = Control<QLineEdit>(box);
    edit->setText(before);
    QInputMethodEvent event;
    event.setCommitString(commit);
    QApplication::sendEvent(edit, &event);
    QCOMPARE(edit->text(), after);
  }

  void resultBoxTakesNoTyping_data() {
    QTest::addColumn<Keystrokes>("keys");
    QTest::newRow("digits") << Typed("123");
    QTest::newRow("letters and point") << Typed("ab.");
    QTest::newRow("backspace") << Keystrokes{probe::kBackspace, probe::kBackspace};
    QTest::newRow("delete") << Keystrokes{probe::kDelete};
    QTest::newRow("enter") << Keystrokes{probe::kEnter};
    QTest::newRow("ctrl+v") << Keystrokes{probe::kCtrlV};
  }
  void resultBoxTakesNoTyping() {
    QFETCH(Keystrokes, keys);
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
    probe::Press(box, {probe::kCtrlA, probe::kCtrlC});
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
