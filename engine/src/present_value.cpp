// Present value: what a sum due some years from now is worth today.
#include "belvik/calculators.h"
#include "belvik/compounding.h"
#include "belvik/number_text.h"
#include "calculator_steps.h"

namespace belvik {

Outcome CalculatePresentValue(const PresentValueTexts& texts, std::string_view box) {
  const auto unchanged = [box](Failure failure) { return Outcome{std::string(box), failure}; };
  if (AnyEmpty({texts.rate, texts.amount, texts.years})) return unchanged(Failure::EmptyInput);
  const auto numbers = NumbersFromTexts<3>({texts.amount, texts.rate, texts.years});
  if (!numbers.ok()) return unchanged(numbers.failure);
  const auto [amount, ratePercent, years] = numbers.value;
  // A percentage divided by 100 cannot fault: every number read is finite.
  const Checked<double> pv = PresentValue(amount, ratePercent / 100, years);
  if (!pv.ok()) return unchanged(pv.failure);
  return {PlainForm(pv.value), Failure::None};
}

}  // namespace belvik
