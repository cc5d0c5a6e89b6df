// The menu commands: which pane each one shows, what it resets, where the result box goes,
// and which controls Tab then visits.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "window_test.h"

using belvik::design::kPanes;
using belvik::design::PaneDescription;
using belvik::design::TwipsRect;

Q_DECLARE_METATYPE(belvik::design::TwipsRect)

namespace {

// Every input box but the inflation box, which the pension pane resets.
QStringList OwnInputBoxes() {
  QStringList boxes;
  for (const PaneDescription& pane : kPanes) {
    for (const belvik::design::PaneBox& box : pane.boxes()) {
      if (box.box != belvik::design::kInflationBox.box) boxes.append(Name(box.box));
    }
  }
  return boxes;
}

// The client area of the example, 11880 by 7200 twips, in this screen's pixels.
QSize ExampleClientArea(const QWidget& window) {
  const float perPixel = belvik::ui::TwipsPerPixel(window.screen());
  return {qRound(11880 / perPixel), qRound(7200 / perPixel)};
}

}  // namespace

class PaneSwitchTest : public WindowTest {
  Q_OBJECT

 private slots:

  void exampleClientAreaGeometry_data() { AddRows(cases::kExamplePlacements); }
  void exampleClientAreaGeometry() {
    const cases::PlacementCase& row = CurrentRow(cases::kExamplePlacements);
    const TwipsRect pane = belvik::design::PaneRect({11880, 7200});
    QCOMPARE(pane, cases::kExamplePane);
    QCOMPARE(belvik::design::ResultBoxRect({pane.width, pane.height}, row.resultBox.top),
             row.resultBox);
  }

  void windowLaysOutTheExampleClientArea_data() { AddRows(cases::kExamplePlacements); }
  void windowLaysOutTheExampleClientArea() {
    const cases::PlacementCase& row = CurrentRow(cases::kExamplePlacements);
    window().layOutFrames(ExampleClientArea(window()));
    Choose(Pane(row.menu));
    for (const PaneDescription& pane : kPanes) ExpectNear(Control(pane.frame), cases::kExamplePane);
    ExpectNear(ResultBox(), row.resultBox);
  }

  void switchFromEveryPaneToEveryPane_data() {
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    for (const PaneDescription& from : kPanes) {
      for (const PaneDescription& to : kPanes) {
        const QString row = &from == &to
                                ? QStringLiteral("%1 chosen again").arg(Name(to.menu))
                                : QStringLiteral("%1 to %2").arg(Name(from.menu), Name(to.menu));
        QTest::newRow(qPrintable(row)) << Name(from.menu) << Name(to.menu);
      }
    }
  }
  void switchFromEveryPaneToEveryPane() {
    QFETCH(QString, from);
    QFETCH(QString, to);
    window().show();
    Choose(Pane(from));
    for (const QString& name : OwnInputBoxes()) Control<QLineEdit>(name)->setText("7");
    Control<QLineEdit>("txtJE(0)")->setText("6");
    const QString helpBefore = Control<QLabel>("Label15")->text();
    Calculate(Pane(from));
    QVERIFY(window().shownResult());

    Choose(Pane(to));

    for (const PaneDescription& pane : kPanes) {
      QCOMPARE(Control(pane.frame)->isVisible(), pane.menu == Pane(to).menu);
    }
    const bool inflationRow = to == "mnuYLJ" || to == "mnuPVIF";
    QCOMPARE(Control("Label2")->isVisible(), inflationRow);
    QCOMPARE(Control("txtJE(0)")->isVisible(), inflationRow);
    QCOMPARE(Control<QLineEdit>("txtJE(0)")->text(), QString(to == "mnuYLJ" ? "4" : "6"));
    for (const QString& name : OwnInputBoxes()) {
      QCOMPARE(Control<QLineEdit>(name)->text(), QStringLiteral("7"));
    }
    QCOMPARE(ResultBox()->toPlainText(), QStringLiteral("计算结果"));
    QVERIFY(!window().shownResult());
    if (to == "mnuPVIF") {
      QCOMPARE(Control<QLabel>("Label15")->text(),
               QStringLiteral("　　本功能也可以用来计算未来需用资金，当前所需投资的本金数额。"
                              "可在通货膨胀率一栏中填入预期年平均收益率，\r\n"
                              "“年”前的输入框中填入投资年限，“元”前输入框填入需用资金数额。"));
    } else {
      QCOMPARE(Control<QLabel>("Label15")->text(), helpBefore);
    }
  }

  void resultBoxSitsBelowThePaneRows_data() { AddRows(cases::kExamplePlacements); }
  void resultBoxSitsBelowThePaneRows() {
    const cases::PlacementCase& row = CurrentRow(cases::kExamplePlacements);
    const QString menu = Name(row.menu);
    const float top = row.resultBox.top;
    window().show();
    Choose(Pane(menu));
    const QWidget* box = ResultBox();
    const QWidget* frame = Control(Pane(menu).frame);
    QVERIFY(probe::WithinAPixel(probe::InTwips(box).top, top, box));
    for (const QWidget* child : frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      const QRect inWindow(child->mapTo(&window(), QPoint(0, 0)), child->size());
      QVERIFY2(inWindow.bottom() < box->mapTo(&window(), QPoint(0, 0)).y(),
               qPrintable(child->objectName()));
    }
    // 100 twips inside the frame's left, right and bottom edges, and drawn over the frame.
    const QRect boxInWindow(box->mapTo(&window(), QPoint(0, 0)), box->size());
    const QRect frameInWindow(frame->mapTo(&window(), QPoint(0, 0)), frame->size());
    QVERIFY(frameInWindow.contains(boxInWindow));
    QVERIFY(box->isAncestorOf(window().childAt(boxInWindow.center())));
  }

  void resultBoxKeepsItsBottomEdgeWhenItMovesDown() {
    Choose(Pane("munFVIF"));
    const QRect before = ResultBox()->geometry();
    Choose(Pane("mnuPVIF"));
    const QRect after = ResultBox()->geometry();
    const float perPixel = belvik::ui::TwipsPerPixel(window().screen());
    QVERIFY(qAbs((after.top() - before.top()) * perPixel - 600) <= perPixel);
    QCOMPARE(after.bottom(), before.bottom());
    QCOMPARE(after.left(), before.left());
    QCOMPARE(after.width(), before.width());
  }

  void tabVisitsOnlyTheVisiblePane_data() { AddRows(cases::kTabOrder); }
  void tabVisitsOnlyTheVisiblePane() {
    const cases::TabCase& row = CurrentRow(cases::kTabOrder);
    const QString menu = Name(row.menu);
    QStringList visits;
    for (const belvik::design::Control control : row.visits) visits.append(Name(control));
    window().show();
    window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window()));
    Choose(Pane(menu));
    Control(visits.front())->setFocus();
    QStringList visited = {QApplication::focusWidget()->objectName()};
    while (visited.size() < visits.size()) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      visited.append(QApplication::focusWidget()->objectName());
    }
    QCOMPARE(visited, visits);
  }

  void focusStartsInTheResultBox() {
    window().show();
    window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window()));
    QCOMPARE(QApplication::focusWidget(), ResultBox());
  }

 private:
  static void ExpectNear(const QWidget* control, const TwipsRect& expected) {
    const TwipsRect at = probe::InTwips(control);
    const QString where = QStringLiteral("%1 at %2,%3 %4x%5")
                              .arg(control->objectName())
                              .arg(at.left)
                              .arg(at.top)
                              .arg(at.width)
                              .arg(at.height);
    QVERIFY2(probe::WithinAPixel(at.left, expected.left, control), qPrintable(where));
    QVERIFY2(probe::WithinAPixel(at.top, expected.top, control), qPrintable(where));
    QVERIFY2(probe::WithinAPixel(at.width, expected.width, control), qPrintable(where));
    QVERIFY2(probe::WithinAPixel(at.height, expected.height, control), qPrintable(where));
  }
};

QTEST_MAIN(PaneSwitchTest)
#include "pane_switch_test.moc"
