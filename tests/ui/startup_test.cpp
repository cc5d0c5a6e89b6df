// Start-up: the window opens on a screen at least 800 pixels wide and is refused otherwise.
#include <QApplication>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <memory>

#include "modbelvik.h"
#include "qt_translations.h"
#include "window_probe.h"
#include "window_test.h"

class StartupTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { belvik::ui::Modbelvik::PrepareApplication(); }

  void qtTranslationIsFound_data() {
    QTest::addColumn<QString>("directory");
    QTest::addColumn<QString>("ok");
    QTest::newRow("where Qt keeps its translations")
        << QLibraryInfo::path(QLibraryInfo::TranslationsPath) << "确定";
    QTest::newRow("a directory without them, Qt's English kept") << QString() << "OK";
  }
  void qtTranslationIsFound() {
    QFETCH(QString, directory);
    QFETCH(QString, ok);
    const QTemporaryDir empty;
    const std::unique_ptr<QTranslator> translator =
        belvik::ui::LoadQtChinese(directory.isEmpty() ? empty.path() : directory);
    QCOMPARE(translator ? translator->translate("QPlatformTheme", "OK") : QStringLiteral("OK"), ok);
  }

  void qtOwnTextsAreChinese() {
    QMessageBox box(QMessageBox::Warning, QString(), QString(), QMessageBox::Ok);
    QCOMPARE(box.button(QMessageBox::Ok)->text(), QStringLiteral("确定"));
    QLineEdit edit;
    const std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
    QStringList captions;
    for (const QAction* action : menu->actions()) {
      if (!action->isSeparator()) captions << action->text().section(u'\t', 0, 0);
    }
    QCOMPARE(captions, (QStringList{"撤消(&U)", "重做(&R)", "剪切(&T)", "复制(&C)", "粘贴(&P)",
                                    "删除", "全选"}));
  }

  // Task bars group the window under the desktop entry of this name, with its icon.
  void launcherKnowsTheWindowByItsDesktopEntry() {
    QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("org.fenmoor.Belvik"));
  }

  void screenWidth_data() { AddRows(cases::kScreens); }
  void screenWidth() {
    const cases::ScreenCase& row = CurrentRow(cases::kScreens);
    const int width = row.width;
    const bool opens = row.opens;
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
    QCOMPARE(messages.shown.front().prompt, Text(cases::kRefusalPrompt));
    QCOMPARE(messages.shown.front().style, 48);
    QCOMPARE(messages.shown.front().title, Text(cases::kRefusalTitle));
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
  }
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
