#include "frmbelvik.h"

#include <QAction>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <algorithm>
#include <limits>
#include <utility>
#include <vector>

#include "belvik/calculators.h"
#include "accessible_names.h"
#include "belvik/version.h"
#include "control_table.h"
#include "exact_text.h"
#include "failure_message.h"
#include "fonts.h"
#include "keystroke_filter.h"
#include "pane_geometry.h"
#include "panes.h"

using namespace belvik;
using namespace belvik::ui;

namespace {

constexpr float kOuterHeightTwips = 8000;

// Border and title bar of a typical desktop. Qt learns the real ones only once the window is
// on screen, but the frames must be laid out from the client area before that.
constexpr QMargins kEstimatedFrameMargins(4, 23, 4, 4);

QString Caption() {
  return QString::fromUtf8(version::kProductName) + u' ' +
         QString::fromUtf8(version::kVersionText) + QStringLiteral(" by ") +
         QString::fromUtf8(version::kLegalCopyright);
}

QPlainTextEdit* CreateResultBox(QWidget* parent) {
  auto* box = new QPlainTextEdit(parent);
  box->setReadOnly(true);
  box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  box->setUndoRedoEnabled(false);
  box->setTabChangesFocus(true);
  box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  QFont font(QString::fromUtf8(kResultFontFamily));
  font.setPointSizeF(kResultFontPointSize);
  box->setFont(font);
  return box;
}

QGroupBox* CreateFrame(const QString& caption, QWidget* parent) {
  auto* frame = new QGroupBox(caption, parent);
  // The caption sits on the frame's top line, as the pane rows expect: a style that puts the
  // caption above the line moves the line down onto the first row of boxes.
  frame->setStyleSheet(QStringLiteral(
      "QGroupBox { border: 1px solid palette(mid); border-radius: 2px; margin-top: 8px; }"
      "QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0 2px; }"));
  return frame;
}

QLabel* CreateLabel(QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setTextFormat(Qt::PlainText);
  return label;
}

bool TakesFocus(Kind kind) {
  return kind == Kind::AmountBox || kind == Kind::YearsBox || kind == Kind::ResultBox ||
         kind == Kind::Button;
}

}  // namespace

frmbelvik::frmbelvik(MessageBoxFn messageBox, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint),
      messageBox_(std::move(messageBox)),
      twipsPerPixel_(TwipsPerPixel(screen())) {
  setObjectName(QStringLiteral("frmbelvik"));
  setWindowIcon(QIcon(QStringLiteral(":/belvik.ico")));
  createControls();
  nameForScreenReaders();
  setTabOrderFromTable();
  connectCommands();
  load();
}

void frmbelvik::createControls() {
  menuBar()->setNativeMenuBar(false);  // a global menu would take the row the client area lacks
  auto* client = new QWidget(this);
  setCentralWidget(client);

  auto* amountRule = new KeystrokeFilter(KeystrokeRule::Amount, this);
  auto* yearsRule = new KeystrokeFilter(KeystrokeRule::Years, this);
  auto* resultRule = new KeystrokeFilter(KeystrokeRule::Result, this);

  for (const ControlRow& row : kControls) {
    const QString caption = QString::fromUtf8(row.caption);
    if (row.kind == Kind::MenuCommand) {
      QAction* command = menuBar()->addAction(caption);
      command->setObjectName(QString::fromUtf8(row.name));
      continue;
    }
    QWidget* parentWidget =
        row.parent ? client->findChild<QGroupBox*>(QString::fromUtf8(row.parent)) : client;
    QWidget* widget = nullptr;
    switch (row.kind) {
      case Kind::Frame:
        widget = CreateFrame(caption, parentWidget);
        break;
      case Kind::Label: {
        QLabel* label = CreateLabel(parentWidget);
        label->setText(caption);
        widget = label;
        break;
      }
      case Kind::AmountBox:
      case Kind::YearsBox: {
        auto* box = new QLineEdit(caption, parentWidget);
        // An 18-pixel box leaves the CJK face less height than its line; one pixel of top
        // margin centres the digits instead of letting them ride up against the border.
        box->setTextMargins(0, 1, 0, 0);
        // No box has a length limit: Qt's default of 32767 would cut a pasted number short
        // and the calculator would read a different value than the one pasted.
        box->setMaxLength(std::numeric_limits<int>::max());
        box->installEventFilter(row.kind == Kind::AmountBox ? amountRule : yearsRule);
        widget = box;
        break;
      }
      case Kind::ResultBox:
        resultBox_ = CreateResultBox(parentWidget);
        resultBox_->installEventFilter(resultRule);
        SetExactText(resultBox_, caption);
        widget = resultBox_;
        break;
      case Kind::Button:
        widget = new QPushButton(caption, parentWidget);
        break;
      case Kind::MenuCommand:
        break;
    }
    widget->setObjectName(QString::fromUtf8(row.name));
    widget->setGeometry(ToPixels(row.rect, twipsPerPixel_));
    if (row.kind == Kind::Label) widget->adjustSize();
  }
}

void frmbelvik::nameForScreenReaders() {
  for (const SpokenName& spoken : kSpokenNames) {
    auto* control = findChild<QWidget*>(QString::fromUtf8(spoken.control));
    if (spoken.label) {
      auto* label = findChild<QLabel*>(QString::fromUtf8(spoken.label));
      label->setBuddy(control);
      control->setAccessibleName(label->text());
    } else {
      control->setAccessibleName(QString::fromUtf8(spoken.name));
    }
  }
}

void frmbelvik::setTabOrderFromTable() {
  std::vector<const ControlRow*> rows;
  for (const ControlRow& row : kControls) {
    if (TakesFocus(row.kind)) rows.push_back(&row);
  }
  std::sort(rows.begin(), rows.end(),
            [](const ControlRow* a, const ControlRow* b) { return a->tabIndex < b->tabIndex; });
  for (std::size_t k = 1; k < rows.size(); ++k) {
    QWidget::setTabOrder(findChild<QWidget*>(QString::fromUtf8(rows[k - 1]->name)),
                         findChild<QWidget*>(QString::fromUtf8(rows[k]->name)));
  }
}

void frmbelvik::connectCommands() {
  for (const PaneRow& pane : kPanes) {
    connect(findChild<QAction*>(QString::fromUtf8(pane.menu)), &QAction::triggered, this,
            [this, &pane] { choosePane(pane); });
  }
  const auto button = [this](const char* name) {
    return findChild<QPushButton*>(QString::fromUtf8(name));
  };
  connect(button("Command1"), &QPushButton::clicked, this, &frmbelvik::calculateInvestment);
  connect(button("cmdYLJ"), &QPushButton::clicked, this, &frmbelvik::calculatePension);
  connect(button("cmdPVIF"), &QPushButton::clicked, this, &frmbelvik::calculatePresentValue);
  connect(button("cmdFVIF"), &QPushButton::clicked, this, &frmbelvik::calculateLumpSum);
}

void frmbelvik::load() {
  setWindowTitle(Caption());

  const int outerHeight = ToPixels(kOuterHeightTwips, twipsPerPixel_);
  setFixedSize(kOuterWidthPixels - kEstimatedFrameMargins.left() - kEstimatedFrameMargins.right(),
               outerHeight - kEstimatedFrameMargins.top() - kEstimatedFrameMargins.bottom());
  layout()->activate();  // so the client area has its final size before the window is shown
  layOutFrames(centralWidget()->size());
  choosePane(kPanes.front());

  if (const QScreen* shownOn = screen()) {
    const QPoint centre = shownOn->geometry().center();
    move(centre.x() - kOuterWidthPixels / 2, centre.y() - outerHeight / 2);
  }
}

void frmbelvik::layOutFrames(QSize client) {
  const QRect pane = ToPixels(PaneRect(ToTwips(client, twipsPerPixel_)), twipsPerPixel_);
  for (const char* frame : {"frmYLJ", "frmPVIF", "frmDT", "frmFVIF"}) {
    findChild<QGroupBox*>(QString::fromUtf8(frame))->setGeometry(pane);
  }
}

void frmbelvik::choosePane(const PaneRow& pane) {
  auto* inflation = findChild<QLineEdit*>(QStringLiteral("txtJE(0)"));
  if (pane.resetsInflation) inflation->setText(QString::fromUtf8(kDefaultInflation));
  findChild<QLabel*>(QStringLiteral("Label2"))->setVisible(pane.inflationRow);
  inflation->setVisible(pane.inflationRow);

  SetExactText(resultBox_, QString::fromUtf8(kResultPlaceholder));

  for (const char* frame : {"frmYLJ", "frmPVIF", "frmDT", "frmFVIF"}) {
    findChild<QGroupBox*>(QString::fromUtf8(frame))->setVisible(qstrcmp(frame, pane.frame) == 0);
  }

  if (pane.explainsItself) {
    auto* help = findChild<QLabel*>(QStringLiteral("Label15"));
    help->setText(QString::fromUtf8(kPresentValueHelp));
    help->adjustSize();
  }

  const TwipsSize paneSize =
      ToTwips(findChild<QGroupBox*>(QStringLiteral("frmYLJ"))->size(), twipsPerPixel_);
  resultBox_->setGeometry(ToPixels(ResultBoxRect(paneSize, pane.resultTop), twipsPerPixel_));
}

std::string frmbelvik::boxText(const char* name) const {
  return findChild<QLineEdit*>(QString::fromUtf8(name))->text().toStdString();
}

std::string frmbelvik::resultText() const { return resultBox_->toPlainText().toStdString(); }

void frmbelvik::calculateInvestment() {
  present(CalculateInvestment(
      {boxText("txtJE(3)"), boxText("txtJE(4)"), boxText("txtJE(5)"), boxText("txtYear(4)")},
      resultText()));
}

void frmbelvik::calculatePension() {
  present(CalculatePension({boxText("txtJE(0)"), boxText("txtJE(1)"), boxText("txtYear(0)"),
                            boxText("txtYear(1)"), boxText("txtYear(2)")},
                           resultText()));
}

void frmbelvik::calculatePresentValue() {
  present(CalculatePresentValue({boxText("txtJE(0)"), boxText("txtJE(2)"), boxText("txtYear(3)")},
                                resultText()));
}

void frmbelvik::calculateLumpSum() {
  present(LumpSumSchedule({boxText("txtJE(6)"), boxText("txtJE(7)"), boxText("txtYear(5)")},
                          resultText()));
}

void frmbelvik::present(const Outcome& outcome) {
  SetExactText(resultBox_, QString::fromStdString(outcome.box));
  if (const std::optional<FailureMessage> message = MessageFor(outcome.failure)) {
    messageBox_(message->prompt, message->style, QString::fromUtf8(kCalculationMessageTitle));
  }
}
