#include "frmbelvik.h"

#include <QAction>
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
#include <memory>
#include <utility>
#include <vector>

#include "belvik/calculators.h"
#include "belvik/result_commands.h"
#include "belvik/version.h"
#include "chart_window.h"
#include "first_paint_font.h"
#include "fonts.h"
#include "goal_window.h"
#include "keystroke_filter.h"
#include "number_box.h"
#include "outer_frame.h"
#include "pane_frame.h"
#include "result_box.h"
#include "result_print.h"
#include "table_export.h"
#include "twips.h"
#include "utf8.h"

namespace belvik::ui {
namespace {

using design::Control;
using design::ControlRow;
using design::Kind;
using design::PaneDescription;

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

ResultBox* CreateResultBox(QWidget* parent) {
  auto* box = new ResultBox(parent);
  box->setReadOnly(true);
  box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  box->setUndoRedoEnabled(false);
  box->setTabChangesFocus(true);
  box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // The serif face stands in for 宋体 in this box alone; reading it only for the first paint
  // lets the window map without waiting for a second CJK face.
  SetFontAtFirstPaint(box, box->viewport(), ResultFont());
  return box;
}

QLabel* CreateLabel(QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setTextFormat(Qt::PlainText);
  return label;
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
  nameForScreenReaders();
  setTabOrderFromDesign();
  connectCommands();
  load();
}

QLineEdit* frmbelvik::box(Control control) const { return this->control<QLineEdit>(control); }

ResultBox* frmbelvik::resultBox() const { return control<ResultBox>(Control::txtJG); }

void frmbelvik::createControls() {
  menuBar()->setNativeMenuBar(false);  // a global menu would take the row the client area lacks
  auto* client = new QWidget(this);
  setCentralWidget(client);

  auto* amountRule = new KeystrokeFilter(design::KeystrokeRule::Amount, this);
  auto* yearsRule = new KeystrokeFilter(design::KeystrokeRule::Years, this);
  auto* resultRule = new KeystrokeFilter(design::KeystrokeRule::Result, this);

  for (const ControlRow& row : design::kControls) {
    const QString caption = Utf8(row.caption);
    QObject*& made = controls_[design::IndexOf(row.id)];
    if (row.kind == Kind::MenuCommand) {
      made = menuBar()->addAction(caption);
      made->setObjectName(Utf8(row.name));
      continue;
    }
    // A frame comes before the controls it holds.
    QWidget* parentWidget = row.parent ? control<QWidget>(*row.parent) : client;
    QWidget* widget = nullptr;
    switch (row.kind) {
      case Kind::Frame:
        widget = new PaneFrame(caption, parentWidget);
        break;
      case Kind::Label: {
        QLabel* label = CreateLabel(parentWidget);
        label->setText(caption);
        widget = label;
        break;
      }
      case Kind::AmountBox:
      case Kind::YearsBox:
        widget = CreateNumberBox(caption, row.kind == Kind::AmountBox ? amountRule : yearsRule,
                                 parentWidget);
        break;
      case Kind::ResultBox: {
        ResultBox* result = CreateResultBox(parentWidget);
        result->installEventFilter(resultRule);
        result->showText(caption);
        widget = result;
        break;
      }
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
    widget->setObjectName(Utf8(row.name));
    widget->setGeometry(ToPixels(row.rect, twipsPerPixel_));
    made = widget;
  }
}

void frmbelvik::nameForScreenReaders() {
  for (const PaneDescription& pane : design::kPanes) {
    for (const design::PaneBox& each : pane.boxes()) {
      control<QLabel>(each.label)->setBuddy(box(each.box));
      box(each.box)->setAccessibleName(Utf8(design::AccessibleName(each.box)));
      box(each.box)->setToolTip(Utf8(each.hint));
    }
    control<QWidget>(pane.button)->setAccessibleName(Utf8(design::AccessibleName(pane.button)));
  }
  resultBox()->setAccessibleName(Utf8(design::AccessibleName(Control::txtJG)));
}

void frmbelvik::setTabOrderFromDesign() {
  std::vector<const ControlRow*> rows;
  for (const ControlRow& row : design::kControls) {
    if (design::TakesFocus(row.kind)) rows.push_back(&row);
  }
  std::sort(rows.begin(), rows.end(),
            [](const ControlRow* a, const ControlRow* b) { return a->tabIndex < b->tabIndex; });
  for (std::size_t k = 1; k < rows.size(); ++k) {
    QWidget::setTabOrder(control<QWidget>(rows[k - 1]->id), control<QWidget>(rows[k]->id));
  }
}

void frmbelvik::connectCommands() {
  for (const PaneDescription& pane : design::kPanes) {
    connect(control<QAction>(pane.menu), &QAction::triggered, this,
            [this, &pane] { choosePane(pane); });
    connect(control<QPushButton>(pane.button), &QPushButton::clicked, this,
            [this, &pane] { calculate(pane); });
  }
  ResultBox* result = resultBox();
  result->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(result, &QWidget::customContextMenuRequested, this, [this, result](const QPoint& at) {
    // Deleted only once exec() has returned: a command runs while the menu is still handling the
    // click or key that chose it, and the dialogs and progress of an export run event loops that
    // would delete a menu closed with WA_DeleteOnClose under it.
    const std::unique_ptr<QMenu> menu(createResultMenu());
    menu->exec(result->viewport()->mapToGlobal(at));
  });
}

QMenu* frmbelvik::createResultMenu() {
  ResultBox* result = resultBox();
  auto* menu = new QMenu(result);
  // A command chosen by a screen reader's action triggers it without the click or key that
  // would close the menu.
  connect(menu, &QMenu::triggered, menu, &QWidget::close);
  for (const design::ResultCommandRow& row : design::kResultCommands) {
    if (row.separatorBefore) menu->addSeparator();
    QAction* action = menu->addAction(Utf8(row.caption));
    switch (row.id) {
      case design::ResultCommand::Copy:
        connect(action, &QAction::triggered, result, &ResultBox::copy);
        action->setShortcut(QKeySequence::Copy);
        action->setEnabled(result->textCursor().hasSelection());
        continue;
      case design::ResultCommand::SelectAll:
        connect(action, &QAction::triggered, result, &ResultBox::selectAll);
        action->setShortcut(QKeySequence::SelectAll);
        continue;
      default:
        break;
    }
    // Each command works on the result as it is when the menu opens.
    action->setEnabled(design::Offers(row, *pane_, shown_ ? &*shown_ : nullptr));
    // Queued, so the command's dialogs open after the menu has closed, and whoever chose the
    // command (a click, a key, a screen reader's action) gets its answer first.
    connect(
        action, &QAction::triggered, this, [this, command = row.id] { runResultCommand(command); },
        Qt::QueuedConnection);
  }
  return menu;
}

void frmbelvik::runResultCommand(design::ResultCommand command) {
  if (command == design::ResultCommand::FindMonthlyAmount) {
    findMonthlyAmount();
    return;
  }
  if (!shown_) return;
  const design::ShownResult& shown = *shown_;
  switch (command) {
    case design::ResultCommand::CopyAsTable:
      CopyAsTable(shown);
      break;
    case design::ResultCommand::ExportCsv:
      ExportCsv(shown, chooseFile_, messageBox_);
      break;
    case design::ResultCommand::Print:
      PrintResult(this, shown, messageBox_);
      break;
    case design::ResultCommand::ExportPdf:
      ExportPdf(this, shown, chooseFile_, messageBox_);
      break;
    case design::ResultCommand::ShowChart:
      ShowChart(this, shown, chooseFile_, messageBox_);
      break;
    case design::ResultCommand::Copy:
    case design::ResultCommand::SelectAll:
    case design::ResultCommand::FindMonthlyAmount:
      break;
  }
}

void frmbelvik::findMonthlyAmount() {
  ShowGoalWindow(this,
                 design::goal_window::StartFrom(boxTexts(design::PaneOf(Calculator::Investment)),
                                                shown_ ? &*shown_ : nullptr),
                 [this](const std::vector<std::string>& texts) {
                   const PaneDescription& pane = design::PaneOf(Calculator::Investment);
                   choosePane(pane);
                   for (std::size_t k = 0; k < texts.size(); ++k) {
                     box(pane.boxes()[k].box)->setText(QString::fromStdString(texts[k]));
                   }
                   control<QWidget>(pane.button)->setFocus();
                 });
}

void frmbelvik::load() {
  setWindowTitle(QString::fromUtf8(version::kWindowCaption));

  const QSize outer(kOuterWidthPixels, ToPixels(design::kOuterHeightTwips, twipsPerPixel_));
  new OuterFrame(this, outer, [this] { layOutFrames(centralWidget()->size()); });
  choosePane(design::kPanes.front());
}

void frmbelvik::layOutFrames(QSize client) {
  const QRect rect = ToPixels(design::PaneRect(ToTwips(client, twipsPerPixel_)), twipsPerPixel_);
  for (const PaneDescription& pane : design::kPanes) {
    QWidget* frame = control<QWidget>(pane.frame);
    frame->setGeometry(rect);
    if (!frame->isHidden()) placeResultBox(pane);
  }
}

void frmbelvik::placeResultBox(const PaneDescription& pane) {
  // All four frames share the pane rectangle, so the chosen one's size is every frame's.
  const TwipsSize paneSize = ToTwips(control<QWidget>(pane.frame)->size(), twipsPerPixel_);
  resultBox()->setGeometry(
      ToPixels(design::ResultBoxRect(paneSize, pane.resultTop), twipsPerPixel_));
}

void frmbelvik::choosePane(const PaneDescription& pane) {
  QLineEdit* inflationBox = box(design::kInflationBox.box);
  auto* inflationLabel = control<QLabel>(design::kInflationBox.label);
  if (pane.resetsInflation) inflationBox->setText(Utf8(design::kDefaultInflation));
  inflationLabel->setVisible(pane.inflationRow);
  inflationBox->setVisible(pane.inflationRow);

  pane_ = &pane;
  shown_.reset();
  resultBox()->showText(Utf8(design::kResultPlaceholder));

  for (const PaneDescription& each : design::kPanes) {
    control<QWidget>(each.frame)->setVisible(&each == &pane);
  }

  QWidget* frame = control<QWidget>(pane.frame);
  if (pane.explainsItself)
    control<QLabel>(Control::Label15)->setText(Utf8(design::kPresentValueHelp));
  // Captions fit their text once their pane shows: sizing every pane's captions at start-up
  // would read the glyph data of text nobody sees yet.
  for (QLabel* label : frame->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
    label->adjustSize();
  }
  if (pane.inflationRow) inflationLabel->adjustSize();

  placeResultBox(pane);
}

std::vector<std::string> frmbelvik::boxTexts(const PaneDescription& pane) const {
  std::vector<std::string> texts;
  for (const design::PaneBox& each : pane.boxes()) {
    texts.push_back(box(each.box)->text().toStdString());
  }
  return texts;
}

void frmbelvik::calculate(const PaneDescription& pane) {
  present(pane, {Calculate(pane.calculator, boxTexts(pane)),
                 box(design::kInflationBox.box)->text().toStdString()});
}

void frmbelvik::present(const PaneDescription& pane, design::ShownResult shown) {
  const Failure failure = shown.result.failure;
  if (shown.result.text) {
    resultBox()->showText(QString::fromStdString(*shown.result.text));
    shown_ = std::move(shown);
  }
  if (const std::optional<design::Message> message = design::MessageFor(failure)) {
    Tell(messageBox_, *message);
  }
  // The message does not say which box is empty; the cursor then waits in the first one.
  if (failure == Failure::EmptyInput) {
    for (const design::PaneBox& each : pane.boxes()) {
      if (box(each.box)->text().isEmpty()) {
        box(each.box)->setFocus();
        break;
      }
    }
  }
}

}  // namespace belvik::ui
