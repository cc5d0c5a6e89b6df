// The base of the window tests: a fresh window for every test function and data row, its
// messages recorded instead of shown, and its controls found by name or through the pane table.
#pragma once

#include <QAction>
#include <QCoreApplication>
#include <QLineEdit>
#include <QMenu>
#include <QObject>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <memory>
#include <string_view>
#include <vector>

#include "belvik/window_design.h"
#include "fonts.h"
#include "frmbelvik.h"
#include "result_box.h"
#include "window_probe.h"

// The name of a control of the design, as a screen reader's check would look it up.
inline QString Name(belvik::design::Control control) {
  const std::string_view name = belvik::design::RowOf(control).name;
  return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

inline QString Text(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}
inline QString Text(std::u16string_view utf16) {
  return QString::fromUtf16(utf16.data(), static_cast<qsizetype>(utf16.size()));
}

inline QStringList Texts(const std::vector<std::string_view>& texts) {
  QStringList list;
  for (const std::string_view text : texts) list.append(Text(text));
  return list;
}

// One data row per case of a shared table, named after it and carrying its place.
template <typename Case>
void AddRows(const std::vector<Case>& table) {
  QTest::addColumn<int>("row");
  for (std::size_t k = 0; k < table.size(); ++k) {
    QTest::newRow(table[k].name) << static_cast<int>(k);
  }
}

// The case of the data row being run.
template <typename Case>
const Case& CurrentRow(const std::vector<Case>& table) {
  QFETCH(int, row);
  return table[static_cast<std::size_t>(row)];
}

class WindowTest : public QObject {
  Q_OBJECT

 protected:
  belvik::ui::frmbelvik& window() { return *window_; }

  template <typename T = QWidget>
  T* Control(const char* name) const {
    return window_->findChild<T*>(QString::fromUtf8(name));
  }
  template <typename T = QWidget>
  T* Control(const QString& name) const {
    return window_->findChild<T*>(name);
  }
  belvik::ui::ResultBox* ResultBox() const { return Control<belvik::ui::ResultBox>("txtJG"); }

  template <typename T = QWidget>
  T* Control(belvik::design::Control control) const {
    return window_->control<T>(control);
  }

  // The pane of the menu command `menu` ("mnuDT", ...).
  static const belvik::design::PaneDescription& Pane(const QString& menu) {
    for (const belvik::design::PaneDescription& pane : belvik::design::kPanes) {
      if (Name(pane.menu) == menu) return pane;
    }
    qFatal("no pane chosen by %s", qPrintable(menu));
  }
  static const belvik::design::PaneDescription& Pane(belvik::design::Control menu) {
    return Pane(Name(menu));
  }

  void Choose(const belvik::design::PaneDescription& pane) const {
    Control<QAction>(pane.menu)->trigger();
  }

  // Puts `texts` into the pane's boxes in the order its calculator reads them.
  void Fill(const belvik::design::PaneDescription& pane, const QStringList& texts) const {
    for (qsizetype k = 0; k < texts.size(); ++k) {
      Control<QLineEdit>(pane.boxes()[static_cast<std::size_t>(k)].box)->setText(texts[k]);
    }
  }

  // Clicks the pane's 计算 button.
  void Calculate(const belvik::design::PaneDescription& pane) const {
    QTest::mouseClick(Control(pane.button), Qt::LeftButton);
  }

  // Chooses `caption` from the result box's context menu and lets the command run.
  void ChooseResultCommand(const QString& caption) {
    const std::unique_ptr<QMenu> menu(window_->createResultMenu());
    for (QAction* action : menu->actions()) {
      if (action->text() == caption) action->trigger();
    }
    QCoreApplication::sendPostedEvents();  // the commands run queued, after the menu
  }

  probe::MessageLog messages;

 private slots:
  void initTestCase() { belvik::ui::UseInterfaceFonts(); }
  void init() {
    messages.shown.clear();
    window_ = std::make_unique<belvik::ui::frmbelvik>(messages.seam());
  }
  void cleanup() { window_.reset(); }

 private:
  std::unique_ptr<belvik::ui::frmbelvik> window_;
};
