// Texts that typing cannot produce, put into the boxes the ways that skip the keystroke
// filters (setText and a clipboard paste): every box of every pane in turn, then its button.
// Each click must end within a second with a result or one of the calculators' messages, and
// the window must still calculate correctly afterwards.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSet>
#include <QTest>
#include <vector>

#include "failure_message.h"
#include "fonts.h"
#include "frmbelvik.h"
#include "window_probe.h"

using probe::Control;

namespace {

struct Box {
  const char* name;
  const char* usual;  // the worked example's text
};

// Each pane with the worked example its boxes hold between hostile texts.
struct Pane {
  const char* menu;
  const char* button;
  std::vector<Box> boxes;
  const char* firstLine;  // of the worked example's result
};

const std::vector<Pane> kPanes = {
    {"mnuDT",
     "Command1",
     {{"txtJE(3)", "300"}, {"txtJE(4)", "0"}, {"txtJE(5)", "10"}, {"txtYear(4)", "3"}},
     "总投入本金10800元，本利合计13107.6元。"},
    {"mnuYLJ",
     "cmdYLJ",
     {{"txtJE(0)", "3"},
      {"txtJE(1)", "2000"},
      {"txtYear(0)", "3"},
      {"txtYear(1)", "50"},
      {"txtYear(2)", "55"}},
     "总计需要养老金：88576.7099元。"},
    {"mnuPVIF",
     "cmdPVIF",
     {{"txtJE(0)", "4"}, {"txtJE(2)", "10000"}, {"txtYear(3)", "10"}},
     "6755.6417"},
    {"munFVIF",
     "cmdFVIF",
     {{"txtJE(6)", "10000"}, {"txtJE(7)", "10"}, {"txtYear(5)", "2"}},
     "2年后本利合计：12100元。"},
};

QSet<QString> KnownPrompts() {
  QSet<QString> prompts;
  using belvik::Failure;
  for (const Failure failure : {Failure::EmptyInput, Failure::FloatingPoint, Failure::TypeMismatch,
                                Failure::Overflow, Failure::YearsCap}) {
    prompts.insert(belvik::ui::MessageFor(failure)->prompt);
  }
  return prompts;
}

void Put(QLineEdit* edit, const QString& text, const QString& way) {
  if (way == "setText") {
    edit->setText(text);
    return;
  }
  QApplication::clipboard()->setText(text);
  edit->selectAll();
  edit->paste();
}

QString Repeated(const QString& piece, int times) {
  QString text;
  for (int k = 0; k < times; ++k) text += piece;
  return text;
}

}  // namespace

class HostileInputTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { belvik::ui::UseInterfaceFonts(); }

  void everyBoxEndsInAResultOrAKnownMessage_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("way");
    const QList<QPair<const char*, QString>> texts = {
        {"100 000 digits", Repeated(QStringLiteral("1234567890"), 10000)},
        {"beyond the double range", QStringLiteral("1e999")},
        {"negative zero", QStringLiteral("-0")},
        {"lone point between blanks", QStringLiteral(" . ")},
        {"radix prefix", QStringLiteral("&H10")},
        {"nan", QStringLiteral("nan")},
        {"inf", QStringLiteral("inf")},
        {"full-width digits", QStringLiteral("１２３")},
        {"emoji", QStringLiteral("💰5")},
        {"NUL inside", QStringLiteral("1") + QChar(u'\0') + QStringLiteral("2")},
        {"lone surrogate", QString(QChar(0xD800)) + QStringLiteral("7")},
        {"long run of points", QString(50000, u'.')},
        {"line breaks", QStringLiteral("1\r\n2\n")},
    };
    for (const char* way : {"setText", "paste"}) {
      for (const auto& [name, text] : texts) {
        QTest::addRow("%s, %s", name, way) << text << QString::fromLatin1(way);
      }
    }
  }

  void everyBoxEndsInAResultOrAKnownMessage() {
    QFETCH(QString, text);
    QFETCH(QString, way);
    const QSet<QString> known = KnownPrompts();
    probe::MessageLog messages;
    frmbelvik window(messages.seam());
    window.show();
    auto* result = Control<QPlainTextEdit>(window, "txtJG");

    for (const Pane& pane : kPanes) {
      probe::Choose(window, pane.menu);
      for (const Box& box : pane.boxes) {
        Control<QLineEdit>(window, box.name)->setText(QString::fromUtf8(box.usual));
      }
      for (const Box& hostile : pane.boxes) {
        auto* edit = Control<QLineEdit>(window, hostile.name);
        Put(edit, text, way);
        // No box has a length limit: a long paste must reach the calculator whole.
        if (text.size() > 32767) QCOMPARE(edit->text(), text);
        messages.shown.clear();

        QElapsedTimer timer;
        timer.start();
        QTest::mouseClick(Control(window, pane.button), Qt::LeftButton);
        const qint64 elapsed = timer.elapsed();

        const QByteArray where = QByteArray(pane.button) + " with " + hostile.name;
        QVERIFY2(elapsed < 1000, where + " took " + QByteArray::number(elapsed) + " ms");
        if (messages.shown.empty()) {
          QVERIFY2(!result->toPlainText().isEmpty(), where + ": neither result nor message");
        } else {
          QVERIFY2(messages.shown.size() == 1, where + ": more than one message");
          QVERIFY2(known.contains(messages.shown.front().prompt),
                   where + ": unknown message " + messages.shown.front().prompt.toUtf8());
          QCOMPARE(messages.shown.front().title, QStringLiteral("提示"));
        }

        // Back to the worked example: the window still calculates, and correctly.
        edit->setText(QString::fromUtf8(hostile.usual));
        messages.shown.clear();
        QTest::mouseClick(Control(window, pane.button), Qt::LeftButton);
        QVERIFY2(messages.shown.empty(), where + ": the next calculation failed");
        QVERIFY2(result->toPlainText().startsWith(QString::fromUtf8(pane.firstLine)),
                 where + ": the next calculation went wrong");
      }
    }
    QVERIFY(window.isVisible());
  }
};

QTEST_MAIN(HostileInputTest)
#include "hostile_input_test.moc"
