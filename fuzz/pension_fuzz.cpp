// Pension need over arbitrary box texts: strict conversions in their order, then a schedule
// whose failure and box agree and whose figures are the numbers the box shows.
#include <cstdint>
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
  const Boxes in = ReadScheduleBoxes(data, size, 5, 2, StrictNumberFromText);
  const PensionTexts texts{in.texts[0], in.texts[1], in.texts[2], in.texts[3], in.texts[4]};
  const Result result = CalculatePension(texts);
  // What the result box holds afterwards, had it held `in.previous` before.
  const std::string box = result.text.value_or(in.previous);
  RequireNoFiguresWithoutText(result);
  RequireTableRows(result);

  if (AnyEmpty(in.texts)) {
    BELVIK_REQUIRE(result.failure == Failure::EmptyInput && box == in.previous);
    return 0;
  }
  // The first conversion that fails, in the order retirement age, current age, years,
  // inflation, monthly cost, is the failure, and the box stays empty.
  Failure conversion = Failure::None;
  const Checked<std::int16_t> pensionYears = StrictInt16FromText(texts.pensionYears);
  for (const Failure failure : {StrictInt16FromText(texts.retirementAge).failure,
                                StrictInt16FromText(texts.currentAge).failure, pensionYears.failure,
                                StrictNumberFromText(texts.inflation).failure,
                                StrictNumberFromText(texts.monthlyCost).failure}) {
    if (conversion == Failure::None) conversion = failure;
  }
  if (conversion != Failure::None) {
    BELVIK_REQUIRE(result.failure == conversion && box.empty());
    return 0;
  }
  BELVIK_REQUIRE(result.failure == Failure::None || result.failure == Failure::FloatingPoint ||
                 result.failure == Failure::Overflow);

  const auto lines = CrLfLines(box);
  const bool summary = result.failure == Failure::None;
  BELVIK_REQUIRE(!summary || !lines.empty());
  const std::size_t yearLines = lines.size() - (summary ? 1 : 0);
  const std::size_t expected = pensionYears.value > 0 ? pensionYears.value : 0;
  BELVIK_REQUIRE(summary ? yearLines == expected : yearLines <= expected);
  // The 16-bit year counter cannot step past 32767, so that many years never finish.
  if (expected == 32767) BELVIK_REQUIRE(!summary);
  // The total, none when no year ran.
  BELVIK_REQUIRE(result.Summary().size() == (summary && expected != 0 ? 1 : 0));
  if (summary) {
    BELVIK_REQUIRE(StartsWith(lines[0], "总计需要养老金：") && EndsWith(lines[0], "元。"));
    BELVIK_REQUIRE((lines[0] == "总计需要养老金：元。") == (expected == 0));
    RequireFiguresInOrder(lines[0], result.Summary(), PlainForm);
  }
  RequireLineFigures(result, std::span(lines).subspan(summary ? 1 : 0));
  for (std::size_t k = 0; k < yearLines; ++k) {
    const std::string_view line = lines[k + (summary ? 1 : 0)];
    BELVIK_REQUIRE(StartsWithYear(line, "退休第", k + 1, "年需要生活费"));
    BELVIK_REQUIRE(EndsWith(line, "元。"));
  }
  return 0;
}
