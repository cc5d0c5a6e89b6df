// The window as it stands right after loading, before the user has done anything.
#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QTest>

#include "belvik/version.h"
#include "window_test.h"

namespace {

// Where a control puts ink: a label's text reaches less far than its box, whose last
// full-width colon is mostly blank. The design lets a few such boxes reach under the next
// control, so only the ink may not.
QRect Drawn(const QWidget* control) {
  const auto* label = qobject_cast<const QLabel*>(control);
  if (!label) return control->geometry();
  int right = 0;
  for (const QString& line : label->text().split(QStringLiteral("\r\n"))) {
    right = qMax(right, label->fontMetrics().tightBoundingRect(line).right() + 1);
  }
  return {label->pos(), QSize(right, label->height())};
}

}  // namespace

class StartupStateTest : public WindowTest {
  Q_OBJECT

 private slots:
  void captionComesFromTheVersionRecord() {
    QCOMPARE(window().windowTitle(), QStringLiteral("Fenmoor beta 1.0.6 by ") +
                                         QString::fromUtf8(belvik::version::kLegalCopyright));
  }

  void iconHoldsTheProgramImages() {
    const QList<QSize> sizes = window().windowIcon().availableSizes();
    for (const QSize size : {QSize(16, 16), QSize(32, 32), QSize(48, 48)}) {
      QVERIFY2(sizes.contains(size), qPrintable(QString::number(size.width())));
    }
  }

  void opensOnThePeriodicInvestmentPane_data() { AddRows(cases::kShownAtStart); }
  void opensOnThePeriodicInvestmentPane() {
    const cases::ShownCase& row = CurrentRow(cases::kShownAtStart);
    window().show();
    QCOMPARE(Control(row.control)->isVisible(), row.shown);
  }

  void inputBoxesHoldTheirDefaults_data() { AddRows(cases::kDefaults); }
  void inputBoxesHoldTheirDefaults() {
    const cases::DefaultCase& row = CurrentRow(cases::kDefaults);
    QCOMPARE(Control<QLineEdit>(row.box)->text(), Text(row.text));
  }

  void resultBoxHoldsThePlaceholderBelowTheFirstRows() {
    const auto* box = ResultBox();
    QCOMPARE(box->toPlainText(), QStringLiteral("计算结果"));
    QVERIFY(box->parentWidget() == window().centralWidget());
    const belvik::ui::TwipsRect at = probe::InTwips(box);
    QVERIFY2(probe::WithinAPixel(at.left, 200, box), qPrintable(QString::number(at.left)));
    QVERIFY2(probe::WithinAPixel(at.top, 1600, box), qPrintable(QString::number(at.top)));
  }

  // The box takes its face for its first paint. A sans face drawn instead still reads, so only
  // the family the font database settles on shows that the machine lacks a Song face (or that
  // the stand-ins put a sans face first).
  void resultBoxDrawsItsSerifFaceInChinese() {
    window().show();
    QVERIFY(QTest::qWaitForWindowExposed(&window()));
    const QFont font = Control("txtJG")->font();
    QCOMPARE(font.family(), QStringLiteral("宋体"));
    QCOMPARE(font.pointSizeF(), 14.25);
    const QString drawnWith = QFontInfo(font).family();
    const QStringList songFaces = {
        "SimSun", "NSimSun", "Noto Serif CJK SC", "Source Han Serif SC", "AR PL UMing CN",
    };
    QVERIFY2(songFaces.contains(drawnWith), qPrintable(drawnWith));
    QVERIFY2(QFontDatabase::writingSystems(drawnWith).contains(QFontDatabase::SimplifiedChinese),
             qPrintable(drawnWith));
  }

  void interfaceFontDrawsChinese() {
    const QString drawnWith = QFontInfo(Control("Label4")->font()).family();
    QVERIFY2(QFontDatabase::writingSystems(drawnWith).contains(QFontDatabase::SimplifiedChinese),
             qPrintable(drawnWith));
  }

  // A face wider than the design allows would slide captions under the boxes beside them.
  void noCaptionRunsIntoItsNeighbour() {
    Choose(Pane("mnuPVIF"));  // the longest caption, the two-line help text
    std::vector<const QWidget*> rows = {Control("Label2"), Control("txtJE(0)")};
    QList<std::vector<const QWidget*>> groups = {rows};
    for (const QGroupBox* frame : window().findChildren<QGroupBox*>()) {
      std::vector<const QWidget*> inside;
      for (const QWidget* child : frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        QVERIFY2(frame->rect().contains(child->geometry()),
                 qPrintable(child->objectName() + " sticks out of " + frame->objectName()));
        inside.push_back(child);
      }
      groups.append(inside);
    }
    for (const auto& group : groups) {
      for (std::size_t a = 0; a < group.size(); ++a) {
        for (std::size_t b = a + 1; b < group.size(); ++b) {
          QVERIFY2(!Drawn(group[a]).intersects(Drawn(group[b])),
                   qPrintable(group[a]->objectName() + " overlaps " + group[b]->objectName()));
        }
      }
    }
  }

  // The frame's top line runs through its caption, above the first row of boxes, and stops
  // short of the caption's text.
  void frameLineRunsThroughItsCaption() {
    window().show();
    auto* frame = Control<QGroupBox>("frmDT");
    const QImage drawn = frame->grab().toImage();
    const QRgb background = drawn.pixel(frame->width() / 2, frame->height() / 2);
    int line = 0;
    while (line < drawn.height() && drawn.pixel(frame->width() / 2, line) == background) ++line;
    QVERIFY2(line > 0 && line < frame->fontMetrics().height(), qPrintable(QString::number(line)));
    for (const QWidget* child : frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      QVERIFY2(child->y() > line, qPrintable(child->objectName()));
    }
    const int captionLeft = frame->fontMetrics().horizontalAdvance(frame->title()) / 2;
    QCOMPARE(drawn.pixel(captionLeft, line) == drawn.pixel(frame->width() / 2, line), false);
  }

  void labelsFitTheirCaptions_data() {
    QTest::addColumn<QString>("menu");
    QTest::newRow("periodic investment") << "mnuDT";
    QTest::newRow("pension, with the inflation row") << "mnuYLJ";
    QTest::newRow("present value, with the two-line help text") << "mnuPVIF";
    QTest::newRow("lump sum") << "munFVIF";
  }
  void labelsFitTheirCaptions() {
    QFETCH(QString, menu);
    window().show();
    Choose(Pane(menu));
    for (const QLabel* label : window().findChildren<QLabel*>()) {
      // Qt's own labels inside other widgets have no name; other panes' captions fit their
      // text when their pane shows.
      if (label->objectName().isEmpty() || !label->isVisible()) continue;
      const QStringList lines = label->text().split(QStringLiteral("\r\n"));
      const QFontMetrics metrics = label->fontMetrics();
      for (const QString& line : lines) {
        QVERIFY2(label->width() >= metrics.horizontalAdvance(line),
                 qPrintable(label->objectName()));
      }
      QVERIFY2(label->height() >= lines.size() * metrics.height(), qPrintable(label->objectName()));
    }
  }

  // Chinese characters 12 pixels wide at 96 DPI, whatever size the platform's font has.
  void interfaceFontHasTheDesignSize_data() {
    QTest::addColumn<QFont>("platform");
    QTest::addColumn<QString>("family");
    QTest::newRow("Chinese face at 11 points kept")
        << QFont("Noto Serif CJK SC", 11) << "Noto Serif CJK SC";
    QTest::newRow("Latin-only alias replaced") << QFont("Sans Serif", 9) << "Noto Sans CJK SC";
    QFont pixels("Noto Sans CJK SC");
    pixels.setPixelSize(16);
    QTest::newRow("size in pixels") << pixels << "Noto Sans CJK SC";
  }
  void interfaceFontHasTheDesignSize() {
    QFETCH(QFont, platform);
    QFETCH(QString, family);
    const QFont font = belvik::ui::InterfaceFont(platform);
    QCOMPARE(font.family(), family);
    QCOMPARE(QFontMetrics(font).horizontalAdvance(u'年'), 12);
  }

  // A desktop theme may set its font while the program runs (qt6ct does, after start-up).
  void captionsKeepTheDesignSizeUnderADesktopFont_data() {
    QTest::addColumn<QFont>("desktop");
    QTest::newRow("larger, in points") << QFont("Noto Sans CJK SC", 14);
    QFont pixels("Noto Sans CJK SC");
    pixels.setPixelSize(20);
    QTest::newRow("larger, in pixels") << pixels;
    QTest::newRow("smaller") << QFont("Noto Sans CJK SC", 7);
  }
  void captionsKeepTheDesignSizeUnderADesktopFont() {
    QFETCH(QFont, desktop);
    window().show();
    QVERIFY(QTest::qWaitForWindowExposed(&window()));
    const QFont designed = QApplication::font();
    QApplication::setFont(desktop);
    QCoreApplication::processEvents();  // the change reaches the widgets as posted events
    for (const QWidget* control :
         {Control("Label9"), Control("Label2"), static_cast<QWidget*>(window().menuBar())}) {
      QCOMPARE(QFontMetrics(control->font()).horizontalAdvance(u'年'), 12);
    }
    QCOMPARE(Control("txtJG")->font().pointSizeF(), 14.25);
    QApplication::setFont(designed);
    QCoreApplication::processEvents();
  }

  // 800 pixels by 8000 twips (533 pixels at 96 DPI) outside, frame included, and centred.
  void outerSizeIsTheDesignsCentred() {
    window().show();
    QVERIFY(QTest::qWaitForWindowExposed(&window()));
    const QRect outer = window().frameGeometry();
    QCOMPARE(outer.size(), QSize(800, 533));
    const QRect screen = window().screen()->geometry();
    QVERIFY(qAbs((outer.left() - screen.left()) - (screen.right() - outer.right())) <= 1);
    QVERIFY(qAbs((outer.top() - screen.top()) - (screen.bottom() - outer.bottom())) <= 1);
  }

  // Nothing follows a resize, so a resizable window would only show empty space.
  void windowKeepsItsSizeAndLayout() {
    window().show();
    QCOMPARE(window().minimumSize(), window().maximumSize());
    const QSize size = window().size();
    const QRect result = Control("txtJG")->geometry();
    window().resize(size + QSize(200, 100));
    QCOMPARE(window().size(), size);
    QCOMPARE(Control("txtJG")->geometry(), result);
  }
};

QTEST_MAIN(StartupStateTest)
#include "startup_state_test.moc"
