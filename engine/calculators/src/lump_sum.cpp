// Lump-sum growth: one sum compounded yearly, with the gain and the percentage for every year.
#include "belvik/lump_sum.h"

#include "belvik/compounding.h"
#include "belvik/rounding.h"
#include "calculation.h"
#include "input_texts.h"

namespace belvik {
namespace {

constexpr Calculator kCalculator = Calculator::LumpSum;
constexpr std::size_t kAmount = InputIndex(kCalculator, "amount");
constexpr std::size_t kRate = InputIndex(kCalculator, "rate");
constexpr std::size_t kYears = InputIndex(kCalculator, "years");

}  // namespace

Result CalculateLumpSum(const LumpSumTexts& texts) {
  return CalculateFrom<kCalculator>(ViewsOf<kCalculator>(texts));
}

template <>
Result CalculateFrom<kCalculator>(std::span<const std::string_view> texts) {
  return RunCalculator(kCalculator, texts, [](Run& run) {
    const double years = run.Read(kYears);
    Run::CapYears(years);
    double fv = 0;
    if (1 <= years) {
      // The amount and rate boxes cannot change during a run, so one reading before the first
      // year gives every year the same numbers; skipping it when no year runs keeps an
      // unreadable amount from stopping a zero-year run.
      const double amount = run.Read(kAmount);
      // A percentage divided by 100, or a year counter below 32768 plus one, cannot fault.
      const double rate = run.Read(kRate) / 100;
      run.text().ReserveLines(years, FiguresPerLine(kCalculator));
      for (double year = 1; year <= years; year = year + 1) {
        fv = run.Take(FutureValue(amount, rate, year));
        const double gain = run.Check(fv - amount);
        const double percent = run.Check(run.Watch(gain / amount) * 100);
        run.text().AppendLine("第", Str(year), "年累计收益", Str(gain), "，累计收益率",
                              Str(RoundTo(percent, 4)), "%，本利和", Str(fv), "元。");
      }
    }
    // The years as typed, not as read.
    run.text().PutInFront(run.Text(kYears), "年后本利合计：", Str(fv), "元。");
  });
}

}  // namespace belvik
