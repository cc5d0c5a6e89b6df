// Lump-sum growth: one sum compounded yearly, with the gain and the percentage for every year.
#include "belvik/calculators.h"
#include "belvik/compounding.h"
#include "belvik/number_text.h"
#include "calculation.h"

namespace belvik {

Result CalculateLumpSum(const LumpSumTexts& texts) {
  return RunCalculator(
      Calculator::LumpSum, BoxWrite::ClearedFirst, {texts.amount, texts.rate, texts.years},
      [&texts](Run& run) {
        const double years = run.Number(texts.years);
        Run::CapYears(years);
        double fv = 0;
        if (1 <= years) {
          // The amount and rate boxes cannot change during a run, so one reading before the
          // first year gives every year the same numbers; skipping it when no year runs keeps
          // an unreadable amount from stopping a zero-year run.
          const double amount = run.Number(texts.amount);
          // A percentage divided by 100, or a year counter below 32768 plus one, cannot fault.
          const double rate = run.Number(texts.rate) / 100;
          run.text().ReserveLines(years, FiguresPerLine(Calculator::LumpSum));
          for (double year = 1; year <= years; year = year + 1) {
            fv = run.Take(FutureValue(amount, rate, year));
            const double gain = run.Check(fv - amount);
            const double percent = run.Check(run.Watch(gain / amount) * 100);
            run.text().AppendLine({"第", Str(year), "年累计收益", Str(gain), "，累计收益率",
                                   Str(RoundTo(percent, 4)), "%，本利和", Str(fv), "元。"});
          }
        }
        run.text().PutInFront({std::string_view(texts.years), "年后本利合计：", Str(fv), "元。"});
      });
}

}  // namespace belvik
