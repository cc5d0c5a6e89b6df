// The program's one window: a menu bar of four commands, one pane per calculator, the
// inflation row above the panes and the shared result box, built from the window's design.
#pragma once

#include <QMainWindow>
#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "belvik/shown_result.h"
#include "belvik/window_design.h"
#include "message_box.h"
#include "saving.h"

class QAction;
class QLineEdit;
class QMenu;

namespace belvik::ui {

class ResultBox;

class frmbelvik : public QMainWindow {
  Q_OBJECT

 public:
  static constexpr int kOuterWidthPixels = design::kOuterWidthPixels;

  // Creates every control, then loads: caption from the version record, an outer size of 800
  // pixels by 8000 twips centred on the screen, frames on one rectangle, the
  // periodic-investment pane.
  explicit frmbelvik(MessageBoxFn messageBox = ShowMessageBox, QWidget* parent = nullptr);

  // The control `control`: a QAction for a menu command, a widget for every other.
  template <typename T>
  T* control(design::Control control) const {
    return qobject_cast<T*>(controls_[design::IndexOf(control)]);
  }

  // Moves all four frames onto the pane rectangle of a client area of `client` pixels, and the
  // result box into the shown one.
  void layOutFrames(QSize client);

  // The calculation whose text the result box shows; none at start-up and after a pane switch.
  const std::optional<design::ShownResult>& shownResult() const { return shown_; }

  // The result box's context menu as it stands now: 复制 and 全选, then the commands that take
  // the result's figures further, enabled only while the box shows a result that has some, and
  // 反推每月定投…, enabled on the periodic-investment pane and with a pension total. The caller
  // owns it.
  QMenu* createResultMenu();

  // Where export commands ask for a file name; the platform's save dialog unless replaced.
  void setFileChooser(FileChooserFn chooseFile) { chooseFile_ = std::move(chooseFile); }

 private:
  void createControls();
  void nameForScreenReaders();
  void setTabOrderFromDesign();
  void connectCommands();
  void load();
  void choosePane(const design::PaneDescription& pane);
  void placeResultBox(const design::PaneDescription& pane);
  void calculate(const design::PaneDescription& pane);
  void present(const design::PaneDescription& pane, design::ShownResult shown);
  void runResultCommand(design::ResultCommand command);
  // Opens 反推每月定投 from the pane shown, which it fills in when the user asks.
  void findMonthlyAmount();
  // The pane's box texts in the order its calculator reads them.
  std::vector<std::string> boxTexts(const design::PaneDescription& pane) const;

  QLineEdit* box(design::Control control) const;
  ResultBox* resultBox() const;

  MessageBoxFn messageBox_;
  FileChooserFn chooseFile_ = AskSaveFileName;
  float twipsPerPixel_;
  std::array<QObject*, design::kControlCount> controls_{};
  const design::PaneDescription* pane_ = nullptr;  // the one shown
  std::optional<design::ShownResult> shown_;
};

}  // namespace belvik::ui
