// Texts that typing cannot produce, put into the boxes the ways that skip the keystroke
// filters (setText and a clipboard paste): every box of every pane in turn, then its button.
// Each click must end within a second with a result or one of the calculators' messages, and
// the window must still calculate correctly afterwards.
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QSet>
#include <QTest>

#include "window_test.h"

namespace {

// Each pane's worked example, which its boxes hold between hostile texts, and the first line of
// the result it gives.
struct Example {
  const char* menu;
  QStringList texts;  // in the order the calculator reads them
  const char* firstLine;
};

const QList<Example> kExamples = {
    {"mnuDT", {"300", "0", "10", "3"}, "总投入本金10800元，本利合计13107.6元。"},
    {"mnuYLJ", {"3", "2000", "3", "50", "55"}, "总计需要养老金：88576.7099元。"},
    {"mnuPVIF", {"4", "10000", "10"}, "6755.6417"},
    {"munFVIF", {"10000", "10", "2"}, "2年后本利合计：12100元。"},
};

QSet<QString> KnownPrompts() {
  QSet<QString> prompts;
  using belvik::Failure;
  for (const Failure failure : {Failure::EmptyInput, Failure::FloatingPoint, Failure::TypeMismatch,
                                Failure::Overflow, Failure::YearsCap}) {
    const std::string_view prompt = belvik::design::MessageFor(failure)->prompt;
    prompts.insert(QString::fromUtf8(prompt.data(), static_cast<qsizetype>(prompt.size())));
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

class HostileInputTest : public WindowTest {
  Q_OBJECT

 private slots:
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
        // Not addRow("%s, %s", ...): GCC 12 at -O2 takes `name` for a null format argument.
        QTest::newRow(
            qPrintable(QStringLiteral("%1, %2").arg(QLatin1String(name), QLatin1String(way))))
            << text << QString::fromLatin1(way);
      }
    }
  }

  void everyBoxEndsInAResultOrAKnownMessage() {
    QFETCH(QString, text);
    QFETCH(QString, way);
    const QSet<QString> known = KnownPrompts();
    window().show();
    auto* result = ResultBox();

    for (const Example& example : kExamples) {
      const belvik::design::PaneDescription& pane = Pane(example.menu);
      Choose(pane);
      Fill(pane, example.texts);
      for (std::size_t k = 0; k < pane.boxes().size(); ++k) {
        const QByteArray hostile = Name(pane.boxes()[k].box).toUtf8();
        auto* edit = Control<QLineEdit>(pane.boxes()[k].box);
        Put(edit, text, way);
        // No box has a length limit: a long paste must reach the calculator whole.
        if (text.size() > 32767) QCOMPARE(edit->text(), text);
        messages.shown.clear();

        QElapsedTimer timer;
        timer.start();
        Calculate(pane);
        const qint64 elapsed = timer.elapsed();

        const QByteArray where = Name(pane.button).toUtf8() + " with " + hostile;
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
        edit->setText(example.texts[static_cast<qsizetype>(k)]);
        messages.shown.clear();
        Calculate(pane);
        QVERIFY2(messages.shown.empty(), where + ": the next calculation failed");
        QVERIFY2(result->toPlainText().startsWith(QString::fromUtf8(example.firstLine)),
                 where + ": the next calculation went wrong");
      }
    }
    QVERIFY(window().isVisible());
  }
};

QTEST_MAIN(HostileInputTest)
#include "hostile_input_test.moc"
