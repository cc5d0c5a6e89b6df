// The program's one window: a menu bar of four commands, one pane per calculator, the
// inflation row above the panes and the shared result box.
#pragma once

#include <QMainWindow>
#include <string>

#include "belvik/failure.h"
#include "message_box.h"

class QPlainTextEdit;

namespace belvik::ui {
struct PaneRow;
}

class frmbelvik : public QMainWindow {
  Q_OBJECT

 public:
  // The window's outer width at every pixel density; start-up refuses narrower screens.
  static constexpr int kOuterWidthPixels = 800;

  // Creates every control, then loads: caption from the version record, fixed 800-pixel
  // width and 8000-twip height, frames on one rectangle, the periodic-investment pane.
  explicit frmbelvik(belvik::ui::MessageBoxFn messageBox = belvik::ui::ShowMessageBox,
                     QWidget* parent = nullptr);

  // Moves all four frames onto the pane rectangle of a client area of `client` pixels. The
  // result box follows on the next pane switch, which reads the frames' size back.
  void layOutFrames(QSize client);

 private:
  void createControls();
  void nameForScreenReaders();
  void setTabOrderFromTable();
  void connectCommands();
  void load();
  void choosePane(const belvik::ui::PaneRow& pane);

  void calculateInvestment();
  void calculatePension();
  void calculatePresentValue();
  void calculateLumpSum();
  void present(const belvik::Outcome& outcome);

  std::string boxText(const char* name) const;
  std::string resultText() const;

  belvik::ui::MessageBoxFn messageBox_;
  float twipsPerPixel_;
  QPlainTextEdit* resultBox_ = nullptr;
};
