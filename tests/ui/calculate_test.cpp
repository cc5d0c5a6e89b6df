// The 计算 buttons: the box texts go to the calculators, their text comes back into the result
// box, a copy of it keeps every line end, and a failure becomes a message.
#include <QApplication>
#include <QClipboard>
#include <QTest>

#include "window_test.h"

class CalculateTest : public WindowTest {
  Q_OBJECT

 private:
  // What the box displays of a text: a text document ends every line with "\n".
  static QString Displayed(QString text) { return text.replace(QStringLiteral("\r\n"), "\n"); }

  QString CopiedWhole() const {
    QApplication::clipboard()->clear();
    ResultBox()->selectAll();
    ResultBox()->copy();
    return QApplication::clipboard()->text();
  }

 private slots:
  void workedExamples_data() { AddRows(cases::kWorkedExamples); }
  void workedExamples() {
    const cases::CalculationCase& row = CurrentRow(cases::kWorkedExamples);
    const QString result = Text(row.result);
    window().show();
    Choose(Pane(row.menu));
    Fill(Pane(row.menu), Texts(row.texts));
    Calculate(Pane(row.menu));
    QCOMPARE(ResultBox()->toPlainText(), Displayed(result));
    QCOMPARE(CopiedWhole(), result);
    QVERIFY(window().shownResult());
    QVERIFY(messages.shown.empty());
  }

  // Desktop users press the focused button with Enter as well as with Space.
  void keyOnTheFocusedButtonCalculates_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("Enter") << static_cast<int>(Qt::Key_Return);
    QTest::newRow("Enter on the keypad") << static_cast<int>(Qt::Key_Enter);
    QTest::newRow("Space") << static_cast<int>(Qt::Key_Space);
  }
  void keyOnTheFocusedButtonCalculates() {
    QFETCH(int, key);
    window().show();
    Choose(Pane("munFVIF"));
    Fill(Pane("munFVIF"), {"10000", "10", "1"});
    QWidget* button = Control(Pane("munFVIF").button);
    button->setFocus();
    QTest::keyClick(button, static_cast<Qt::Key>(key));
    QCOMPARE(ResultBox()->toPlainText(),
             QStringLiteral(
                 "1年后本利合计：11000元。\n第1年累计收益1000，累计收益率10%，本利和11000元。\n"));
  }

  void failuresAreShownAndTheBoxKeepsWhatTheCalculatorLeft_data() { AddRows(cases::kFailures); }
  void failuresAreShownAndTheBoxKeepsWhatTheCalculatorLeft() {
    const cases::CalculationCase& row = CurrentRow(cases::kFailures);
    window().show();
    Choose(Pane(row.menu));
    Fill(Pane(row.menu), Texts(row.texts));

    Calculate(Pane(row.menu));

    QCOMPARE(messages.shown.size(), std::size_t{1});
    QCOMPARE(messages.shown.front().prompt, Text(row.prompt));
    QCOMPARE(messages.shown.front().style, row.style);
    QCOMPARE(messages.shown.front().title, QStringLiteral("提示"));
    QCOMPARE(ResultBox()->text(), Text(row.result));
    QVERIFY(window().isVisible());
  }

  void emptyBoxLeavesTheEarlierResultOnScreen() {
    window().show();
    Fill(Pane("mnuDT"), {"300", "0", "10", "3"});
    Calculate(Pane("mnuDT"));
    const QString earlier = ResultBox()->text();
    QVERIFY(earlier.startsWith(QStringLiteral("总投入本金10800元")));
    const belvik::Result kept = window().shownResult()->result;

    Fill(Pane("mnuDT"), {"300", "0", ""});
    Calculate(Pane("mnuDT"));

    QCOMPARE(messages.shown.size(), std::size_t{1});
    QCOMPARE(ResultBox()->text(), earlier);
    QVERIFY(window().shownResult()->result == kept);
  }

  void emptyBoxMessageLeavesTheCursorInTheFirstEmptyBox() {
    window().show();
    window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window()));
    Choose(Pane("mnuYLJ"));
    Fill(Pane("mnuYLJ"), {"4", "1000", "", "", "60"});
    Calculate(Pane("mnuYLJ"));
    QCOMPARE(messages.shown.size(), std::size_t{1});
    QCOMPARE(QApplication::focusWidget(), Control("txtYear(0)"));
  }

  // Whatever part of the box is copied comes with the characters the calculator wrote.
  void copiesKeepTheWrittenCharacters_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("from");  // in the displayed text
    QTest::addColumn<int>("to");    // -1: to the end
    QTest::addColumn<QString>("copied");
    const QString schedule = QStringLiteral("2年后本利合计：12100元。\r\n第1年累计收益1000\r\n");
    QTest::newRow("schedule lines ending in CR LF, whole") << schedule << 0 << -1 << schedule;
    QTest::newRow("one number without a line end") << "6755.6417" << 0 << -1 << "6755.6417";
    QTest::newRow("across one line end") << schedule << 13 << 19 << QStringLiteral("元。\r\n第1年");
    QTest::newRow("within the second line") << schedule << 17 << 20 << QStringLiteral("1年累");
    QTest::newRow("blank line between lines")
        << QStringLiteral("a\r\n\r\nb\r\n") << 0 << -1 << QStringLiteral("a\r\n\r\nb\r\n");
    QTest::newRow("bare line feed and bare return")
        << QStringLiteral("a\nb\rc") << 0 << -1 << QStringLiteral("a\nb\rc");
  }
  void copiesKeepTheWrittenCharacters() {
    QFETCH(QString, text);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QString, copied);
    ResultBox()->showText(text);
    QTextCursor cursor = ResultBox()->textCursor();
    cursor.setPosition(from);
    cursor.setPosition(to < 0 ? ResultBox()->document()->characterCount() - 1 : to,
                       QTextCursor::KeepAnchor);
    ResultBox()->setTextCursor(cursor);
    QApplication::clipboard()->clear();
    ResultBox()->copy();
    QCOMPARE(QApplication::clipboard()->text(), copied);
  }

  void longScheduleShowsAndCopiesEveryLine() {
    window().show();
    Fill(Pane("mnuDT"), {"300", "0", "0", "2000"});
    Calculate(Pane("mnuDT"));
    QString expected = QStringLiteral("总投入本金7200000元，本利合计7200000元。\r\n");
    for (int year = 1; year <= 2000; ++year) {
      expected += QStringLiteral("第%1年投入3600元，每月投入300\r\n").arg(year);
    }
    QCOMPARE(ResultBox()->toPlainText(), Displayed(expected));
    QCOMPARE(CopiedWhole(), expected);
    QCOMPARE(window().shownResult()->result.LineCount(), std::size_t{2000});
  }

  void paneSwitchForgetsTheResult() {
    Fill(Pane("mnuDT"), {"300", "0", "10", "3"});
    Calculate(Pane("mnuDT"));
    QVERIFY(window().shownResult());
    Choose(Pane("mnuDT"));
    QVERIFY(!window().shownResult());
    QCOMPARE(ResultBox()->text(), QStringLiteral("计算结果"));
  }
};

QTEST_MAIN(CalculateTest)
#include "calculate_test.moc"
