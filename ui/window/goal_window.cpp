#include "goal_window.h"

#include <QButtonGroup>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <array>
#include <utility>

#include "belvik/goal_window.h"
#include "fonts.h"
#include "number_box.h"
#include "twips.h"
#include "utf8.h"

namespace belvik::ui {
namespace {

namespace goal = design::goal_window;

class GoalWindow : public QDialog {
 public:
  GoalWindow(goal::Start start, FillInFn fillIn, QWidget* parent)
      : QDialog(parent),
        form_(std::move(start)),
        fillIn_(std::move(fillIn)),
        twipsPerPixel_(TwipsPerPixel(parent->screen())) {
    setObjectName(QStringLiteral("goalWindow"));
    setWindowTitle(Utf8(goal::kTitle));
    setAttribute(Qt::WA_DeleteOnClose);
    HoldInterfaceFont(this);
    const TwipsSize client = goal::ClientSize(form_.route());
    setFixedSize(ToPixels({0, 0, client.width, client.height}, twipsPerPixel_).size());
    createControls();
    for (std::size_t k = 0; k < goal::kBoxes.size(); ++k) {
      if (box(k)) box(k)->setText(QString::fromStdString(form_.StartText(k)));
    }
    if (form_.route() == goal::Route::Pension) showTargets(false);
    for (QLineEdit* each : boxes_) {
      if (each) connect(each, &QLineEdit::textChanged, this, &GoalWindow::answer);
    }
    answer();
  }

 private:
  QLineEdit* box(std::size_t k) const { return boxes_[k]; }
  std::string text(std::size_t k) const { return box(k)->text().toStdString(); }
  goal::BoxTexts texts() const {
    goal::BoxTexts all;
    for (std::size_t k = 0; k < all.size(); ++k) {
      if (box(k)) all[k] = text(k);
    }
    return all;
  }
  QRect place(const TwipsRect& rect) const {
    return ToPixels(goal::Placed(rect, form_.route()), twipsPerPixel_);
  }

  void createControls() {
    for (std::size_t k = 0; k < goal::kBoxes.size(); ++k) {
      const goal::Box& row = goal::kBoxes[k];
      if (!form_.Shows(row)) continue;
      QLineEdit* edit = CreateNumberBox(QString(), new KeystrokeFilter(row.rule, this), this);
      edit->setObjectName(Utf8(row.name));
      edit->setGeometry(place(row.rect));
      edit->setAccessibleName(Utf8(goal::SpokenName(row)));
      edit->setToolTip(Utf8(row.hint));
      auto* label = new QLabel(Utf8(row.caption), this);
      label->setTextFormat(Qt::PlainText);
      label->setBuddy(edit);
      label->setGeometry(place(goal::LabelRect(row)));
      label->adjustSize();
      boxes_[k] = edit;
    }
    std::vector<QWidget*> tabOrder(boxes_.begin(), boxes_.end());
    if (form_.route() == goal::Route::Pension) {
      total_ = createChoice(goal::kTotalTarget);
      discounted_ = createChoice(goal::kDiscountedTarget);
      auto* choices = new QButtonGroup(this);
      choices->addButton(total_);
      choices->addButton(discounted_);
      connect(choices, &QButtonGroup::buttonClicked, this, &GoalWindow::useChosenTarget);
      connect(box(goal::kRetiredReturn), &QLineEdit::textChanged, this,
              [this] { showTargets(true); });
      tabOrder.insert(tabOrder.begin() + 1, {total_, discounted_});
    }

    answer_ = new QLabel(this);
    answer_->setObjectName(Utf8(goal::kAnswerObjectName));
    answer_->setTextFormat(Qt::PlainText);
    answer_->setWordWrap(true);
    answer_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    answer_->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    answer_->setMargin(4);
    answer_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    answer_->setAccessibleName(Utf8(goal::kAnswerName));
    answer_->setGeometry(place(goal::kAnswerRect));

    fillInButton_ = new QPushButton(Utf8(goal::kFillIn), this);
    fillInButton_->setObjectName(Utf8(goal::kFillInObjectName));
    fillInButton_->setAutoDefault(true);
    fillInButton_->setGeometry(place(goal::kFillInRect));
    connect(fillInButton_, &QPushButton::clicked, this, &GoalWindow::fillIn);

    tabOrder.insert(tabOrder.end(), {answer_, fillInButton_});
    std::erase(tabOrder, nullptr);
    for (std::size_t k = 1; k < tabOrder.size(); ++k) setTabOrder(tabOrder[k - 1], tabOrder[k]);
  }

  QRadioButton* createChoice(const goal::TargetChoice& choice) {
    auto* button = new QRadioButton(this);
    button->setObjectName(Utf8(choice.name));
    button->setToolTip(Utf8(choice.hint));
    button->setGeometry(place(choice.rect));
    return button;
  }

  // The two targets of the pension result; typing a return after retirement means the
  // discounted one, which is chosen as soon as it can be worked out.
  void showTargets(bool chooseDiscounted) {
    const goal::TargetChoices choices = form_.WorkOutTargets(text(goal::kRetiredReturn));
    total_->setText(Utf8(choices.total));
    discounted_->setText(Utf8(choices.discounted));
    discounted_->setEnabled(choices.discountedAvailable);
    if (choices.discountedAvailable && chooseDiscounted) discounted_->setChecked(true);
    if (!choices.discountedAvailable) total_->setChecked(true);
    useChosenTarget();
  }

  void useChosenTarget() {
    box(goal::kTarget)->setText(Utf8(form_.TargetText(discounted_->isChecked())));
  }

  void answer() {
    const QString words = Utf8(form_.Answer(texts()));
    answer_->setText(words);
    answer_->setAccessibleDescription(words);
    fillInButton_->setEnabled(form_.Answered());
  }

  void fillIn() {
    fillIn_(form_.FillInTexts(texts()));
    close();
  }

  goal::Form form_;
  const FillInFn fillIn_;
  const float twipsPerPixel_;
  std::array<QLineEdit*, goal::kBoxes.size()> boxes_{};
  QRadioButton* total_ = nullptr;
  QRadioButton* discounted_ = nullptr;
  QLabel* answer_ = nullptr;
  QPushButton* fillInButton_ = nullptr;
};

}  // namespace

void ShowGoalWindow(QWidget* parent, goal::Start start, FillInFn fillIn) {
  auto* window = new GoalWindow(std::move(start), std::move(fillIn), parent);
  window->show();
}

}  // namespace belvik::ui
