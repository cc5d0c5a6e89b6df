// Present value: what a sum due some years from now is worth today.
#include "belvik/present_value.h"

#include "belvik/compounding.h"
#include "calculation.h"
#include "input_texts.h"

namespace belvik {
namespace {

constexpr Calculator kCalculator = Calculator::PresentValue;
constexpr std::size_t kRate = InputIndex(kCalculator, "rate");
constexpr std::size_t kAmount = InputIndex(kCalculator, "amount");
constexpr std::size_t kYears = InputIndex(kCalculator, "years");

}  // namespace

Result CalculatePresentValue(const PresentValueTexts& texts) {
  return CalculateFrom<kCalculator>(ViewsOf<kCalculator>(texts));
}

template <>
Result CalculateFrom<kCalculator>(std::span<const std::string_view> texts) {
  return RunCalculator(kCalculator, texts, [](Run& run) {
    const double amount = run.Read(kAmount);
    const double ratePercent = run.Read(kRate);
    const double years = run.Read(kYears);
    // A percentage divided by 100 cannot fault: every number read is finite.
    run.text().WriteAlone(Plain(run.Take(PresentValue(amount, ratePercent / 100, years))));
  });
}

}  // namespace belvik
