// Present value: what a sum due some years from now is worth today.
#include "belvik/calculators.h"
#include "belvik/compounding.h"
#include "calculation.h"

namespace belvik {

Result CalculatePresentValue(const PresentValueTexts& texts) {
  return RunCalculator(
      Calculator::PresentValue, BoxWrite::OnlyWhenFinished, {texts.rate, texts.amount, texts.years},
      [&texts](Run& run) {
        const double amount = run.Number(texts.amount);
        const double ratePercent = run.Number(texts.rate);
        const double years = run.Number(texts.years);
        // A percentage divided by 100 cannot fault: every number read is finite.
        run.text().WriteAlone(Plain(run.Take(PresentValue(amount, ratePercent / 100, years))));
      });
}

}  // namespace belvik
