// The 计算 buttons: the box texts go to the calculators, their text comes back into the result
// box character for character, and a failure becomes a message.
#include <QAccessible>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "belvik/calculators.h"
#include "exact_text.h"
#include "fonts.h"
#include "frmbelvik.h"
#include "window_probe.h"

using probe::Control;

namespace {

using BoxTexts = QList<QPair<QString, QString>>;

void Fill(const frmbelvik& window, const BoxTexts& texts) {
  for (const auto& [box, text] : texts) Control<QLineEdit>(window, box.toUtf8())->setText(text);
}

QString Text(const frmbelvik& window, const char* box) {
  return Control<QLineEdit>(window, box)->text();
}

// What the calculator behind `button` makes of the window's boxes and result box right now.
belvik::Outcome EngineOutcome(const frmbelvik& window, const QString& button) {
  const auto text = [&](const char* box) { return Text(window, box).toStdString(); };
  const std::string box = Control<QPlainTextEdit>(window, "txtJG")->toPlainText().toStdString();
  if (button == "Command1") {
    return belvik::CalculateInvestment(
        {text("txtJE(3)"), text("txtJE(4)"), text("txtJE(5)"), text("txtYear(4)")}, box);
  }
  if (button == "cmdYLJ") {
    return belvik::CalculatePension({text("txtJE(0)"), text("txtJE(1)"), text("txtYear(0)"),
                                     text("txtYear(1)"), text("txtYear(2)")},
                                    box);
  }
  if (button == "cmdPVIF") {
    return belvik::CalculatePresentValue({text("txtJE(0)"), text("txtJE(2)"), text("txtYear(3)")},
                                         box);
  }
  return belvik::LumpSumSchedule({text("txtJE(6)"), text("txtJE(7)"), text("txtYear(5)")}, box);
}

}  // namespace

Q_DECLARE_METATYPE(BoxTexts)

class CalculateTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { belvik::ui::UseInterfaceFonts(); }

  void workedExamples_data() {
    QTest::addColumn<QString>("menu");
    QTest::addColumn<BoxTexts>("texts");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QByteArray>("result");
    QTest::newRow("periodic investment, 300 a month for 3 years")
        << "mnuDT"
        << BoxTexts{{"txtJE(3)", "300"}, {"txtJE(4)", "0"}, {"txtJE(5)", "10"}, {"txtYear(4)", "3"}}
        << "Command1"
        << QByteArray(
               "总投入本金10800元，本利合计13107.6元。\r\n"
               "第1年投入3600元，每月投入300\r\n"
               "第2年投入3600元，每月投入300\r\n"
               "第3年投入3600元，每月投入300\r\n");
    QTest::newRow("pension, 3 years from 55")
        << "mnuYLJ"
        << BoxTexts{{"txtJE(0)", "3"},
                    {"txtJE(1)", "2000"},
                    {"txtYear(0)", "3"},
                    {"txtYear(1)", "50"},
                    {"txtYear(2)", "55"}}
        << "cmdYLJ"
        << QByteArray(
               "总计需要养老金：88576.7099元。\r\n"
               "退休第1年需要生活费28657.2551元，平均每月2388.1046元。\r\n"
               "退休第2年需要生活费29516.9728元，平均每月2459.7477元。\r\n"
               "退休第3年需要生活费30402.482元，平均每月2533.5402元。\r\n");
    QTest::newRow("present value, no line end")
        << "mnuPVIF" << BoxTexts{{"txtJE(0)", "4"}, {"txtJE(2)", "10000"}, {"txtYear(3)", "10"}}
        << "cmdPVIF" << QByteArray("6755.6417");
    QTest::newRow("lump sum over 2 years")
        << "munFVIF" << BoxTexts{{"txtJE(6)", "10000"}, {"txtJE(7)", "10"}, {"txtYear(5)", "2"}}
        << "cmdFVIF"
        << QByteArray(
               "2年后本利合计：12100元。\r\n"
               "第1年累计收益1000，累计收益率10%，本利和11000元。\r\n"
               "第2年累计收益2100，累计收益率21%，本利和12100元。\r\n");
  }
  void workedExamples() {
    QFETCH(QString, menu);
    QFETCH(BoxTexts, texts);
    QFETCH(QString, button);
    QFETCH(QByteArray, result);
    probe::MessageLog messages;
    frmbelvik window(messages.seam());
    window.show();
    probe::Choose(window, menu.toUtf8());
    Fill(window, texts);
    QTest::mouseClick(Control(window, button.toUtf8()), Qt::LeftButton);
    QCOMPARE(Control<QPlainTextEdit>(window, "txtJG")->toPlainText().toUtf8(), result);
    QVERIFY(messages.shown.empty());
  }

  void failuresAreShownAndTheBoxKeepsWhatTheCalculatorLeft_data() {
    QTest::addColumn<QString>("menu");
    QTest::addColumn<BoxTexts>("texts");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<int>("style");
    QTest::newRow("empty years box, plain message, box unchanged")
        << "mnuDT" << BoxTexts{{"txtYear(4)", ""}} << "Command1"
        << QStringLiteral("输入数值不能为空！") << 0;
    QTest::newRow("lump sum overflows after some years, lines so far kept")
        << "munFVIF"
        << BoxTexts{{"txtJE(6)", "10000"}, {"txtJE(7)", "10000"}, {"txtYear(5)", "200"}}
        << "cmdFVIF" << QStringLiteral("计算溢出或出现无效运算，计算已停止。") << 48;
    QTest::newRow("lone point as a monthly cost is a type mismatch")
        << "mnuYLJ" << BoxTexts{{"txtJE(1)", "."}, {"txtYear(0)", "3"}, {"txtYear(1)", "50"}}
        << "cmdYLJ" << QStringLiteral("输入的数值格式不正确。") << 48;
    QTest::newRow("age beyond 16 bits overflows")
        << "mnuYLJ" << BoxTexts{{"txtYear(0)", "3"}, {"txtYear(1)", "40000"}} << "cmdYLJ"
        << QStringLiteral("输入的数值超出允许的范围。") << 48;
    QTest::newRow("schedule longer than 32767 years refused")
        << "mnuDT" << BoxTexts{{"txtYear(4)", "40000"}} << "Command1"
        << QStringLiteral("投资年限不能超过32767年。") << 48;
  }
  void failuresAreShownAndTheBoxKeepsWhatTheCalculatorLeft() {
    QFETCH(QString, menu);
    QFETCH(BoxTexts, texts);
    QFETCH(QString, button);
    QFETCH(QString, prompt);
    QFETCH(int, style);
    probe::MessageLog messages;
    frmbelvik window(messages.seam());
    window.show();
    probe::Choose(window, menu.toUtf8());
    Fill(window, texts);
    const belvik::Outcome expected = EngineOutcome(window, button);
    QVERIFY(expected.failure != belvik::Failure::None);

    QTest::mouseClick(Control(window, button.toUtf8()), Qt::LeftButton);

    QCOMPARE(messages.shown.size(), std::size_t{1});
    QCOMPARE(messages.shown.front().prompt, prompt);
    QCOMPARE(messages.shown.front().style, style);
    QCOMPARE(messages.shown.front().title, QStringLiteral("提示"));
    QCOMPARE(Control<QPlainTextEdit>(window, "txtJG")->toPlainText().toStdString(), expected.box);
    QVERIFY(window.isVisible());
  }

  void emptyBoxLeavesTheEarlierResultOnScreen() {
    probe::MessageLog messages;
    frmbelvik window(messages.seam());
    window.show();
    Fill(window, {{"txtYear(4)", "3"}});
    QTest::mouseClick(Control(window, "Command1"), Qt::LeftButton);
    const QString earlier = Control<QPlainTextEdit>(window, "txtJG")->toPlainText();
    QVERIFY(earlier.startsWith(QStringLiteral("总投入本金10800元")));

    Fill(window, {{"txtJE(5)", ""}});
    QTest::mouseClick(Control(window, "Command1"), Qt::LeftButton);

    QCOMPARE(messages.shown.size(), std::size_t{1});
    QCOMPARE(Control<QPlainTextEdit>(window, "txtJG")->toPlainText(), earlier);
  }

  // Whatever reads the box back, the text and every position in it are the calculator's.
  void resultBoxReadsBackExactly_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("schedule lines ending in CR LF")
        << QStringLiteral("2年后本利合计：12100元。\r\n第1年累计收益1000\r\n");
    QTest::newRow("one number without a line end") << QStringLiteral("6755.6417");
    QTest::newRow("empty") << QString();
    QTest::newRow("summary with no number") << QStringLiteral("总计需要养老金：元。\r\n");
    QTest::newRow("blank line between lines") << QStringLiteral("a\r\n\r\nb\r\n");
    QTest::newRow("bare line feed and bare return") << QStringLiteral("a\nb\rc");
  }
  void resultBoxReadsBackExactly() {
    QFETCH(QString, text);
    frmbelvik window;
    auto* box = Control<QPlainTextEdit>(window, "txtJG");
    belvik::ui::SetExactText(box, text);
    QCOMPARE(box->toPlainText(), text);
    QCOMPARE(box->property("plainText").toString(), text);

    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(box);
    QVERIFY(accessible);
    QCOMPARE(accessible->text(QAccessible::Value), text);
    QAccessibleTextInterface* readable = accessible->textInterface();
    QVERIFY(readable);
    QCOMPARE(readable->characterCount(), text.size());
    QCOMPARE(readable->text(0, readable->characterCount()), text);
  }

  void longScheduleStaysExact() {
    frmbelvik window;
    window.show();
    Fill(window, {{"txtYear(4)", "2000"}, {"txtJE(5)", "0"}});
    const belvik::Outcome expected = EngineOutcome(window, "Command1");
    QTest::mouseClick(Control(window, "Command1"), Qt::LeftButton);
    QCOMPARE(Control<QPlainTextEdit>(window, "txtJG")->toPlainText().toStdString(), expected.box);
  }
};

QTEST_MAIN(CalculateTest)
#include "calculate_test.moc"
