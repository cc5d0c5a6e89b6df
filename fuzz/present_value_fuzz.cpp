// Present value over arbitrary box texts: one number alone, written from its one figure, or the
// box left as it was.
#include <cmath>
#include <string>

#include "belvik/calculators.h"
#include "belvik/number_text.h"
#include "fuzz_checks.h"
#include "result_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
  using namespace belvik;
  using namespace belvik::fuzz;
  const Boxes in = ReadBoxes(data, size, 3);
  const PresentValueTexts texts{in.texts[0], in.texts[1], in.texts[2]};
  const Result result = CalculatePresentValue(texts);
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
  if (unreadable) BELVIK_REQUIRE(result.failure == Failure::FloatingPoint);
  if (result.failure != Failure::None) {
    BELVIK_REQUIRE(result.failure == Failure::FloatingPoint && box == in.previous);
    return 0;
  }
  // No line end, and a number whose own plain form it is: 4 decimals at most, never subnormal.
  BELVIK_REQUIRE(!box.empty() && box.find_first_of("\r\n") == std::string::npos);
  BELVIK_REQUIRE(result.figures.size() == 1 && result.Summary().size() == 1);
  BELVIK_REQUIRE(box == PlainForm(result.figures[0]));
  const Checked<double> value = NumberFromText(box);
  if (!value.ok()) {  // only the 15-digit form of a value next to the largest double
    BELVIK_REQUIRE(StartsWith(box, "1.79769313486232E+308") ||
                   StartsWith(box, "-1.79769313486232E+308"));
    return 0;
  }
  BELVIK_REQUIRE(PlainForm(value.value) == box);
  BELVIK_REQUIRE(RoundTo(value.value, 4) == value.value || std::fabs(value.value) >= 1e11);
  return 0;
}
