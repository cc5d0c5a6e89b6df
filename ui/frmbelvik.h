// The program's one window: a menu bar of four commands, one pane per calculator, the
// inflation row above the panes and the shared result box.
#pragma once

#include <QMainWindow>
#include <array>
#include <optional>
#include <utility>
#include <vector>

#include "belvik/calculators.h"
#include "message_box.h"
#include "panes.h"
#include "saving.h"
#include "shown_result.h"

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

namespace belvik::ui {

class ResultBox;

class frmbelvik : public QMainWindow {
  Q_OBJECT

 public:
  // The window's outer width at every pixel density; start-up refuses narrower screens.
  static constexpr int kOuterWidthPixels = 800;

  // Creates every control, then loads: caption from the version record, an outer size of 800
  // pixels by 8000 twips centred on the screen, frames on one rectangle, the
  // periodic-investment pane.
  explicit frmbelvik(MessageBoxFn messageBox = ShowMessageBox, QWidget* parent = nullptr);

  // Moves all four frames onto the pane rectangle of a client area of `client` pixels, and the
  // result box into the shown one.
  void layOutFrames(QSize client);

  // The calculation whose text the result box shows; none at start-up and after a pane switch.
  const std::optional<ShownResult>& shownResult() const { return shown_; }

  // The result box's context menu as it stands now: 复制 and 全选, then the commands that take
  // the result's figures further, enabled only while the box shows a result that has some.
  // The caller owns it.
  QMenu* createResultMenu();

  // Where export commands ask for a file name; the platform's save dialog unless replaced.
  void setFileChooser(FileChooserFn chooseFile) { chooseFile_ = std::move(chooseFile); }

 private:
  // The widgets of one pane, found once after they are made.
  struct Pane {
    const PaneRow* row = nullptr;
    QAction* menu = nullptr;
    QGroupBox* frame = nullptr;
    std::vector<QLineEdit*> boxes;  // in the order the calculator reads them
    QPushButton* button = nullptr;
  };

  void createControls();
  void findPanes();
  void nameForScreenReaders();
  void setTabOrderFromTable();
  void connectCommands();
  void load();
  void choosePane(const Pane& pane);
  void placeResultBox(const Pane& pane);
  void calculate(const Pane& pane);
  void present(const Pane& pane, ShownResult shown);

  MessageBoxFn messageBox_;
  FileChooserFn chooseFile_ = AskSaveFileName;
  float twipsPerPixel_;
  ResultBox* resultBox_ = nullptr;
  QLabel* inflationLabel_ = nullptr;
  QLineEdit* inflationBox_ = nullptr;
  QLabel* help_ = nullptr;
  std::array<Pane, kPanes.size()> panes_;
  std::optional<ShownResult> shown_;
};

}  // namespace belvik::ui
