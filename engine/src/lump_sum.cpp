// Lump-sum growth: one sum compounded yearly, with the gain and the percentage for every year.
#include "belvik/calculators.h"
#include "belvik/compounding.h"
#include "belvik/number_text.h"
#include "calculator_steps.h"
#include "fault_watch.h"
#include "result_text.h"

namespace belvik {
namespace {

Failure WriteLumpSumLines(const LumpSumTexts& texts, ResultText& box) {
  const Checked<double> years = NumberFromText(texts.years);
  if (!years.ok()) return years.failure;
  if (years.value > kMaxScheduleYears) return Failure::YearsCap;
  FaultWatch watch;
  double fv = 0;
  if (1 <= years.value) {
    // The amount and rate boxes cannot change during a run, so one reading before the first
    // year gives every year the same numbers; skipping it when no year runs keeps an
    // unreadable amount from stopping a zero-year run.
    const auto numbers = NumbersFromTexts<2>({texts.amount, texts.rate});
    if (!numbers.ok()) return numbers.failure;
    // A percentage divided by 100, or a year counter below 32768 plus one, cannot fault.
    const double amount = numbers.value[0];
    const double rate = numbers.value[1] / 100;
    box.ReserveLines(years.value);
    for (double year = 1; year <= years.value; year = year + 1) {
      const Checked<double> grown = FutureValue(amount, rate, year);
      if (!grown.ok()) return grown.failure;
      fv = grown.value;
      const double gain = watch(fv - amount);
      if (watch.Faulted()) return Failure::FloatingPoint;
      const double percent = watch(watch(gain / amount) * 100);
      if (watch.Faulted()) return Failure::FloatingPoint;
      box.AppendLine({"第", StrForm(year), "年累计收益", StrForm(gain), "，累计收益率",
                      StrForm(RoundTo(percent, 4)), "%，本利和", StrForm(fv), "元。"});
    }
  }
  box.PutInFront({texts.years, "年后本利合计：", StrForm(fv), "元。"});
  return Failure::None;
}

}  // namespace

Outcome LumpSumSchedule(const LumpSumTexts& texts, std::string_view /*box*/) {
  // Unlike the other calculators this one empties the box before it looks at any input.
  ResultText result;
  if (AnyEmpty({texts.amount, texts.rate, texts.years})) return {"", Failure::EmptyInput};
  const Failure failure = WriteLumpSumLines(texts, result);
  return {result.Take(), failure};
}

}  // namespace belvik
