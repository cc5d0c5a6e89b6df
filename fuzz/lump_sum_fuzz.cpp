// Lump-sum growth over arbitrary box texts. The box is emptied first; the summary line starts
// with the years text exactly as typed, whatever it holds, and the figures are the numbers the
// box shows.
#include <string>

#include "belvik/calculators.h"
#include "belvik/number_text.h"
#include "fuzz_checks.h"
#include "result_checks.h"
#include "schedule_input.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
  using namespace belvik;
  using namespace belvik::fuzz;
  const Boxes in = ReadScheduleBoxes(data, size, 3, 2, NumberFromText);
  const LumpSumTexts texts{in.texts[0], in.texts[1], in.texts[2]};
  const Result result = CalculateLumpSum(texts);
  // What the result box holds afterwards, had it held `in.previous` before.
  const std::string box = result.text.value_or(in.previous);
  RequireNoFiguresWithoutText(result);
  RequireTableRows(result);

  if (AnyEmpty(in.texts)) {
    BELVIK_REQUIRE(result.failure == Failure::EmptyInput && box.empty());
    return 0;
  }
  const Checked<double> years = NumberFromText(texts.years);
  if (!years.ok()) {
    BELVIK_REQUIRE(result.failure == Failure::FloatingPoint && box.empty());
    return 0;
  }
  if (years.value > 32767) {
    BELVIK_REQUIRE(result.failure == Failure::YearsCap && box.empty());
    return 0;
  }
  BELVIK_REQUIRE(result.failure == Failure::None || result.failure == Failure::FloatingPoint);

  std::string_view rest = box;
  const bool summary = result.failure == Failure::None;
  BELVIK_REQUIRE(result.Summary().size() == (summary ? 1 : 0));  // the final value
  if (summary) {
    const std::string head = texts.years + "年后本利合计：";
    BELVIK_REQUIRE(StartsWith(rest, head));
    rest.remove_prefix(head.size());
    const std::size_t end = rest.find("元。\r\n");
    BELVIK_REQUIRE(end != std::string_view::npos);
    BELVIK_REQUIRE(rest.substr(0, end) == StrForm(result.Summary()[0]));
    BELVIK_REQUIRE(NumberFromText(rest.substr(0, end)).ok());
    rest.remove_prefix(end + std::string_view("元。\r\n").size());
  }
  const auto lines = CrLfLines(rest);
  const std::size_t expected = YearCount(years.value);
  BELVIK_REQUIRE(summary ? lines.size() == expected : lines.size() <= expected);
  for (std::size_t k = 0; k < lines.size(); ++k) {
    BELVIK_REQUIRE(StartsWithYear(lines[k], "第", k + 1, "年累计收益"));
    BELVIK_REQUIRE(EndsWith(lines[k], "元。"));
  }
  RequireLineFigures(result, lines);
  return 0;
}
