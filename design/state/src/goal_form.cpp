#include "belvik/goal_form.h"

#include <utility>

#include "belvik/calculators.h"
#include "belvik/number_text.h"

namespace belvik::design::goal_window {
namespace {

constexpr std::size_t kMonthlyAmount = InputIndex(Calculator::Investment, "monthlyAmount");

}  // namespace

Start StartFrom(std::vector<std::string> investmentTexts, const ShownResult* shown) {
  Start start{std::move(investmentTexts), std::nullopt};
  if (shown && PensionTotal(shown->result)) start.pension = shown->result;
  return start;
}

Form::Form(Start start)
    : investmentTexts_(std::move(start.investmentTexts)), pension_(std::move(start.pension)) {}

std::string Form::StartText(std::size_t k) const {
  if (pension_ && k == kYears) return PlainForm(YearsToRetirement(*pension_));
  const std::size_t input = kBoxes[k].paneInput;
  return input < investmentTexts_.size() ? investmentTexts_[input] : std::string();
}

double Form::Total() const { return *PensionTotal(*pension_); }

TargetChoices Form::WorkOutTargets(std::string_view retiredReturn) {
  discounted_ = DiscountedPensionTotal(*pension_, retiredReturn);
  return {ChoiceText(kTotalTarget, {.value = Total()}, PlainForm),
          ChoiceText(kDiscountedTarget, discounted_, PlainForm),
          discounted_.failure == GoalFailure::None};
}

std::string Form::TargetText(bool discounted) const {
  return PlainForm(discounted ? discounted_.value : Total());
}

std::string Form::Answer(const BoxTexts& texts) {
  latest_ = SeekMonthlyAmount(
      {texts[kTarget], texts[kYears], texts[kYearlyIncrease], texts[kAnnualReturn]});
  return AnswerText(latest_, PlainForm);
}

std::vector<std::string> Form::FillInTexts(const BoxTexts& texts) const {
  std::vector<std::string> filled(Describe(Calculator::Investment).inputs.size());
  filled[kMonthlyAmount] = PlainForm(latest_.monthlyAmount);
  for (std::size_t k = 0; k < kBoxes.size(); ++k) {
    const std::size_t input = kBoxes[k].paneInput;
    if (input != kNoInput) filled[input] = texts[k];
  }
  return filled;
}

}  // namespace belvik::design::goal_window
