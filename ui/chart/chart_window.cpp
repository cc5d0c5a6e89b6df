#include "chart_window.h"

#include <QCheckBox>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>

#include "belvik/chart_series.h"
#include "belvik/result_commands.h"
#include "chart_export.h"
#include "chart_widget.h"
#include "utf8.h"

namespace belvik::ui {
namespace {

namespace chart_window = design::chart_window;

class ChartWindow : public QDialog {
 public:
  ChartWindow(const design::ShownResult& shown, FileChooserFn chooseFile, MessageBoxFn messageBox,
              QWidget* parent)
      : QDialog(parent),
        pane_(shown.pane()),
        nominal_(ChartOf(shown.result, shown.inflation)),
        chooseFile_(std::move(chooseFile)),
        messageBox_(std::move(messageBox)) {
    setObjectName(QStringLiteral("chartWindow"));
    setWindowTitle(Utf8(design::PaneCaption(pane_)) + Utf8(chart_window::kTitleAfterPane));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(760, 520);
    createControls();
    chart_->setChart(nominal_);
    chart_->setFocus();
  }

 private:
  void createControls() {
    chart_ = new ChartWidget(this);
    chart_->setObjectName(QStringLiteral("chart"));

    auto* readOut = new QLabel(this);
    readOut->setObjectName(QStringLiteral("readOut"));
    readOut->setTextFormat(Qt::PlainText);
    readOut->setTextInteractionFlags(Qt::TextSelectableByMouse);
    connect(chart_, &ChartWidget::readOutChanged, readOut, [readOut](const QString& text) {
      readOut->setText(text);
      // Named for what it is and what it says, so a screen reader finds it either way.
      readOut->setAccessibleName(Utf8(chart_window::kReadOutName) + text);
    });

    auto* logarithmic = new QCheckBox(Utf8(chart_window::kLogarithmic), this);
    logarithmic->setObjectName(QStringLiteral("logScale"));
    logarithmic->setToolTip(Utf8(chart_window::kLogarithmicHint));
    connect(logarithmic, &QCheckBox::toggled, chart_, &ChartWidget::setLogarithmic);

    auto* todaysMoney = new QCheckBox(Utf8(chart_window::kTodaysMoney), this);
    todaysMoney->setObjectName(QStringLiteral("todaysMoney"));
    const QString note = QString::fromStdString(nominal_.todaysMoneyNote);
    todaysMoney->setToolTip(note);
    todaysMoney->setAccessibleDescription(note);
    todaysMoney->setEnabled(nominal_.inflation.has_value());
    connect(todaysMoney, &QCheckBox::toggled, this,
            [this](bool today) { chart_->setChart(today ? InTodaysMoney(nominal_) : nominal_); });

    auto* save = new QPushButton(Utf8(chart_window::kSave), this);
    save->setObjectName(QStringLiteral("saveChart"));
    save->setAutoDefault(false);
    connect(save, &QPushButton::clicked, this,
            [this] { SaveChart(chart_, windowTitle(), pane_, chooseFile_, messageBox_); });

    auto* controls = new QHBoxLayout;
    controls->addWidget(logarithmic);
    controls->addWidget(todaysMoney);
    controls->addStretch();
    controls->addWidget(save);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(chart_, 1);
    layout->addWidget(readOut);
    layout->addLayout(controls);
  }

  const design::PaneDescription& pane_;
  const Chart nominal_;
  FileChooserFn chooseFile_;
  MessageBoxFn messageBox_;
  ChartWidget* chart_ = nullptr;
};

}  // namespace

void ShowChart(QWidget* parent, const design::ShownResult& shown, FileChooserFn chooseFile,
               MessageBoxFn messageBox) {
  auto* window = new ChartWindow(shown, std::move(chooseFile), std::move(messageBox), parent);
  window->show();
}

}  // namespace belvik::ui
