// Periodic investment over arbitrary box texts: the failure and the box tell the same story,
// and the figures are the numbers the box shows.
#include <span>
#include <string>

#include "belvik/calculators.h"
#include "belvik/number_text.h"
#include "fuzz_checks.h"
#include "result_checks.h"
#include "schedule_input.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
  using namespace belvik;
  using namespace belvik::fuzz;
  const Boxes in = ReadScheduleBoxes(data, size, 4, 3, NumberFromText);
  const InvestmentTexts texts{in.texts[0], in.texts[1], in.texts[2], in.texts[3]};
  const Result result = CalculateInvestment(texts);
  // What the result box holds afterwards, had it held `in.previous` before.
  const std::string box = result.text.value_or(in.previous);
  RequireNoFiguresWithoutText(result);
  RequireTableRows(result);

  if (AnyEmpty(in.texts)) {
    BELVIK_REQUIRE(result.failure == Failure::EmptyInput && box == in.previous);
    return 0;
  }
  bool unreadable = false;
  for (const std::string& text : in.texts) unreadable = unreadable || !NumberFromText(text).ok();
  const Checked<double> years = NumberFromText(texts.years);
  if (unreadable) {
    BELVIK_REQUIRE(result.failure == Failure::FloatingPoint && box.empty());
    return 0;
  }
  if (years.value > 32767) {
    BELVIK_REQUIRE(result.failure == Failure::YearsCap && box.empty());
    return 0;
  }
  BELVIK_REQUIRE(result.failure == Failure::None || result.failure == Failure::FloatingPoint);

  const auto lines = CrLfLines(box);
  const bool summary = result.failure == Failure::None;
  BELVIK_REQUIRE(!summary || !lines.empty());
  const std::size_t yearLines = lines.size() - (summary ? 1 : 0);
  const std::size_t expected = YearCount(years.value);
  BELVIK_REQUIRE(summary ? yearLines == expected : yearLines <= expected);
  BELVIK_REQUIRE(result.Summary().size() == (summary ? 2 : 0));  // principal, value
  if (summary) {
    BELVIK_REQUIRE(StartsWith(lines[0], "总投入本金") && EndsWith(lines[0], "元。"));
    RequireFiguresInOrder(lines[0], result.Summary(), PlainForm);
  }
  RequireLineFigures(result, std::span(lines).subspan(summary ? 1 : 0));
  for (std::size_t k = 0; k < yearLines; ++k) {
    const std::string_view line = lines[k + (summary ? 1 : 0)];
    BELVIK_REQUIRE(StartsWithYear(line, "第", k + 1, "年投入"));
    BELVIK_REQUIRE(!EndsWith(line, "元。"));
  }
  return 0;
}
