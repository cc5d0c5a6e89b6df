#include "frmbelvik.h"

#include <QAction>
#include <QGroupBox>
#include <QIcon>
#include <QImageReader>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <algorithm>
#include <limits>
#include <memory>
#include <utility>
#include <vector>

#include "belvik/version.h"
#include "chart_window.h"
#include "control_table.h"
#include "failure_message.h"
#include "first_paint_font.h"
#include "fonts.h"
#include "keystroke_filter.h"
#include "outer_frame.h"
#include "pane_geometry.h"
#include "panes.h"
#include "result_box.h"
#include "result_print.h"
#include "table_export.h"

namespace belvik::ui {
namespace {

constexpr float kOuterHeightTwips = 8000;

// The sizes a title bar and a task bar ask for, from the icon theme's images that the package
// installs; the five-image .ico is the Windows program file's. Read as PNG outright: a reader
// that may detect the format asks every image plugin first, and loads each to ask.
QIcon ProgramIcon() {
  QIcon icon;
  for (const int size : {16, 32, 48}) {
    QImageReader reader(QStringLiteral(":/icon/%1x%1/apps/belvik.png").arg(size), "png");
    reader.setAutoDetectImageFormat(false);
    icon.addPixmap(QPixmap::fromImage(reader.read()));
  }
  return icon;
}

QString Caption() {
  return QString::fromUtf8(version::kProductName) + u' ' +
         QString::fromUtf8(version::kVersionText) + QStringLiteral(" by ") +
         QString::fromUtf8(version::kLegalCopyright);
}

ResultBox* CreateResultBox(QWidget* parent) {
  auto* box = new ResultBox(parent);
  box->setReadOnly(true);
  box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  box->setUndoRedoEnabled(false);
  box->setTabChangesFocus(true);
  box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  QFont font(QString::fromUtf8(kResultFontFamily));
  font.setPointSizeF(kResultFontPointSize);
  // The serif face stands in for 宋体 in this box alone; reading it only for the first paint
  // lets the window map without waiting for a second CJK face.
  SetFontAtFirstPaint(box, box->viewport(), font);
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

template <typename T>
T* Find(const QObject* window, const char* name) {
  return window->findChild<T*>(QString::fromUtf8(name));
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
  setWindowIcon(ProgramIcon());
  HoldInterfaceFont(this);
  createControls();
  findPanes();
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
        resultBox_->showText(caption);
        widget = resultBox_;
        break;
      case Kind::Button: {
        auto* button = new QPushButton(caption, parentWidget);
        // Only a dialog's buttons take Enter in Qt; desktop users expect it of any focused one.
        button->setAutoDefault(true);
        widget = button;
        break;
      }
      case Kind::MenuCommand:
        break;
    }
    widget->setObjectName(QString::fromUtf8(row.name));
    widget->setGeometry(ToPixels(row.rect, twipsPerPixel_));
  }
}

void frmbelvik::findPanes() {
  for (std::size_t k = 0; k < kPanes.size(); ++k) {
    const PaneRow& row = kPanes[k];
    Pane& pane = panes_[k];
    pane.row = &row;
    pane.menu = Find<QAction>(this, row.menu);
    pane.frame = Find<QGroupBox>(this, row.frame);
    for (const PaneBox& box : row.boxes()) pane.boxes.push_back(Find<QLineEdit>(this, box.name));
    pane.button = Find<QPushButton>(this, row.button);
  }
  inflationLabel_ = Find<QLabel>(this, kInflationBox.label);
  inflationBox_ = Find<QLineEdit>(this, kInflationBox.name);
  help_ = Find<QLabel>(this, "Label15");
}

void frmbelvik::nameForScreenReaders() {
  for (const Pane& pane : panes_) {
    for (std::size_t k = 0; k < pane.boxes.size(); ++k) {
      const PaneBox& box = pane.row->boxes()[k];
      auto* label = Find<QLabel>(this, box.label);
      label->setBuddy(pane.boxes[k]);
      pane.boxes[k]->setAccessibleName(label->text());
      pane.boxes[k]->setToolTip(QString::fromUtf8(box.hint));
    }
    pane.button->setAccessibleName(QString::fromUtf8(pane.row->buttonName));
  }
  resultBox_->setAccessibleName(QString::fromUtf8(kResultBoxName));
}

void frmbelvik::setTabOrderFromTable() {
  std::vector<const ControlRow*> rows;
  for (const ControlRow& row : kControls) {
    if (TakesFocus(row.kind)) rows.push_back(&row);
  }
  std::sort(rows.begin(), rows.end(),
            [](const ControlRow* a, const ControlRow* b) { return a->tabIndex < b->tabIndex; });
  for (std::size_t k = 1; k < rows.size(); ++k) {
    QWidget::setTabOrder(Find<QWidget>(this, rows[k - 1]->name),
                         Find<QWidget>(this, rows[k]->name));
  }
}

void frmbelvik::connectCommands() {
  for (const Pane& pane : panes_) {
    connect(pane.menu, &QAction::triggered, this, [this, &pane] { choosePane(pane); });
    connect(pane.button, &QPushButton::clicked, this, [this, &pane] { calculate(pane); });
  }
  resultBox_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(resultBox_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
    // Deleted only once exec() has returned: a command runs while the menu is still handling the
    // click or key that chose it, and the dialogs and progress of an export run event loops that
    // would delete a menu closed with WA_DeleteOnClose under it.
    const std::unique_ptr<QMenu> menu(createResultMenu());
    menu->exec(resultBox_->viewport()->mapToGlobal(at));
  });
}

QMenu* frmbelvik::createResultMenu() {
  auto* menu = new QMenu(resultBox_);
  // A command chosen by a screen reader's action triggers it without the click or key that
  // would close the menu.
  connect(menu, &QMenu::triggered, menu, &QWidget::close);
  QAction* copy = menu->addAction(QStringLiteral("复制"), resultBox_, &ResultBox::copy);
  copy->setShortcut(QKeySequence::Copy);
  copy->setEnabled(resultBox_->textCursor().hasSelection());
  menu->addAction(QStringLiteral("全选"), resultBox_, &ResultBox::selectAll)
      ->setShortcut(QKeySequence::SelectAll);
  menu->addSeparator();
  // Each command works on the result as it is when the menu opens.
  const auto add = [this, menu](const char* caption, auto command) {
    QAction* action = menu->addAction(QString::fromUtf8(caption));
    action->setEnabled(shown_ && shown_->HasFigures());
    // Queued, so the command's dialogs open after the menu has closed, and whoever chose the
    // command (a click, a key, a screen reader's action) gets its answer first.
    connect(
        action, &QAction::triggered, this,
        [this, command] {
          if (shown_) command(*shown_);
        },
        Qt::QueuedConnection);
  };
  add("复制为表格", [](const ShownResult& shown) { CopyAsTable(shown); });
  add("导出为 CSV 文件…",
      [this](const ShownResult& shown) { ExportCsv(shown, chooseFile_, messageBox_); });
  add("打印…", [this](const ShownResult& shown) { PrintResult(this, shown, messageBox_); });
  add("导出为 PDF…",
      [this](const ShownResult& shown) { ExportPdf(this, shown, chooseFile_, messageBox_); });
  add("显示图表…",
      [this](const ShownResult& shown) { ShowChart(this, shown, chooseFile_, messageBox_); });
  return menu;
}

void frmbelvik::load() {
  setWindowTitle(Caption());

  const QSize outer(kOuterWidthPixels, ToPixels(kOuterHeightTwips, twipsPerPixel_));
  new OuterFrame(this, outer, [this] { layOutFrames(centralWidget()->size()); });
  choosePane(panes_.front());
}

void frmbelvik::layOutFrames(QSize client) {
  const QRect pane = ToPixels(PaneRect(ToTwips(client, twipsPerPixel_)), twipsPerPixel_);
  for (const Pane& each : panes_) {
    each.frame->setGeometry(pane);
    if (!each.frame->isHidden()) placeResultBox(each);
  }
}

void frmbelvik::placeResultBox(const Pane& pane) {
  // All four frames share the pane rectangle, so the chosen one's size is every frame's.
  const TwipsSize paneSize = ToTwips(pane.frame->size(), twipsPerPixel_);
  resultBox_->setGeometry(ToPixels(ResultBoxRect(paneSize, pane.row->resultTop), twipsPerPixel_));
}

void frmbelvik::choosePane(const Pane& pane) {
  const PaneRow& row = *pane.row;
  if (row.resetsInflation) inflationBox_->setText(QString::fromUtf8(kDefaultInflation));
  inflationLabel_->setVisible(row.inflationRow);
  inflationBox_->setVisible(row.inflationRow);

  shown_.reset();
  resultBox_->showText(QString::fromUtf8(kResultPlaceholder));

  for (const Pane& each : panes_) each.frame->setVisible(&each == &pane);

  if (row.explainsItself) help_->setText(QString::fromUtf8(kPresentValueHelp));
  // Captions fit their text once their pane shows: sizing every pane's captions at start-up
  // would read the glyph data of text nobody sees yet.
  for (QLabel* label : pane.frame->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
    label->adjustSize();
  }
  if (row.inflationRow) inflationLabel_->adjustSize();

  placeResultBox(pane);
}

void frmbelvik::calculate(const Pane& pane) {
  ShownResult shown{pane.row, {}, inflationBox_->text().toStdString(), {}};
  for (const QLineEdit* box : pane.boxes) shown.inputs.push_back(box->text().toStdString());
  shown.result = Calculate(pane.row->calculator, shown.inputs);
  present(pane, std::move(shown));
}

void frmbelvik::present(const Pane& pane, ShownResult shown) {
  const Failure failure = shown.result.failure;
  if (shown.result.text) {
    resultBox_->showText(QString::fromStdString(*shown.result.text));
    shown_ = std::move(shown);
  }
  if (const std::optional<FailureMessage> message = MessageFor(failure)) {
    messageBox_(message->prompt, message->style, QString::fromUtf8(kCalculationMessageTitle));
  }
  // The message does not say which box is empty; the cursor then waits in the first one.
  if (failure == Failure::EmptyInput) {
    const auto empty = std::find_if(pane.boxes.begin(), pane.boxes.end(),
                                    [](const QLineEdit* box) { return box->text().isEmpty(); });
    if (empty != pane.boxes.end()) (*empty)->setFocus();
  }
}

}  // namespace belvik::ui
