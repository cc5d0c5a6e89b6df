// Start-up: the window opens on a screen at least 800 pixels wide and is refused otherwise.
#include <QApplication>
#include <QTest>

#include "fonts.h"
#include "modbelvik.h"
#include "window_probe.h"

class StartupTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { belvik::ui::UseInterfaceFonts(); }

  void screenWidth_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<bool>("opens");
    QTest::newRow("one pixel too narrow") << 799 << false;
    QTest::newRow("exactly 800 pixels, though the message says wider") << 800 << true;
    QTest::newRow("1024 pixels, whatever the height") << 1024 << true;
    QTest::newRow("640 pixels") << 640 << false;
  }
  void screenWidth() {
    QFETCH(int, width);
    QFETCH(bool, opens);
    probe::MessageLog messages;
    const std::unique_ptr<belvik::ui::frmbelvik> window =
        belvik::ui::Modbelvik::Main(width, messages.seam());
    QCOMPARE(window != nullptr, opens);
    if (opens) {
      QVERIFY(window->isVisible());
      QVERIFY(messages.shown.empty());
      return;
    }
    QCOMPARE(messages.shown.size(), std::size_t{1});
    QCOMPARE(messages.shown.front().prompt, QStringLiteral("此程序要求显示分辨率大于800×600。"));
    QCOMPARE(messages.shown.front().style, 48);
    QCOMPARE(messages.shown.front().title, QStringLiteral("Fenmoor beta"));
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
  }
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
