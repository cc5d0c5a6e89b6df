// Runs calculators on cases read from standard input, one per line: a letter naming the
// calculator (I, P, V, L) and its box texts, tab-separated. Writes the failure number and the
// result box's text afterwards (计算结果 where the calculator left the box as it was) with CR
// and LF escaped, so an independent model can be compared digit by digit.
#include <iostream>
#include <string>
#include <vector>

#include "belvik/calculators.h"
#include "binary_streams.h"
#include "case_lines.h"

namespace {

constexpr std::string_view kPrevious = "计算结果";

belvik::Result Run(const std::vector<std::string>& f) {
  switch (CalculatorOf(f[0])) {
    case belvik::Calculator::Investment:
      return belvik::CalculateInvestment({f[1], f[2], f[3], f[4]});
    case belvik::Calculator::Pension:
      return belvik::CalculatePension({f[1], f[2], f[3], f[4], f[5]});
    case belvik::Calculator::PresentValue:
      return belvik::CalculatePresentValue({f[1], f[2], f[3]});
    case belvik::Calculator::LumpSum:
      break;
  }
  return belvik::CalculateLumpSum({f[1], f[2], f[3]});
}

}  // namespace

int main() {
  UseBinaryStandardStreams();
  std::string line;
  while (std::getline(std::cin, line)) {
    const belvik::Result result = Run(SplitTabs(line));
    std::cout << Answer(static_cast<int>(result.failure),
                        result.text.value_or(std::string(kPrevious)));
  }
}
