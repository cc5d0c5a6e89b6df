// The table every calculator test fills: box texts in, the result box's text and the failure
// out, with every row also checked for figures that say what its text says.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "belvik/calculators.h"

namespace belvik {

struct CalculatorCase {
  const char* name;
  Calculator calculator;
  std::vector<std::string> texts;  // in the order of the calculator's *Texts fields
  Failure failure;
  std::optional<std::string> text;  // none: the result box keeps what it showed
};

class CalculatorTest : public testing::TestWithParam<CalculatorCase> {};

// Every schedule line of the text prints its figures, in order and in StrForm, and the summary
// line (or the lone number) prints the summary figures in the calculator's form.
void ExpectFiguresMatchText(const Result& result);

}  // namespace belvik
