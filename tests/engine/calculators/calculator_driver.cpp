// Runs calculators on cases read from standard input, one per line: a letter naming the
// calculator (I, P, V, L) and its box texts, tab-separated. Writes the failure number and the
// result box's text afterwards (计算结果 where the calculator left the box as it was) with CR
// and LF escaped, so an independent model can be compared digit by digit. A line led by G
// holds the texts of a target, years, increase and return: for it the search's failure number,
// its amounts as the window writes them and its values as the shortest round-trip text, and the
// count of schedules it ran.
#include <array>
#include <charconv>
#include <iostream>
#include <string>
#include <vector>

#include "belvik/calculators.h"
#include "belvik/number_text.h"
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

std::string Exact(double x) {
  std::array<char, 32> text{};
  return {text.data(), std::to_chars(text.data(), text.data() + text.size(), x).ptr};
}

void Seek(const std::vector<std::string>& f) {
  const belvik::GoalAnswer a = belvik::SeekMonthlyAmount({f[1], f[2], f[3], f[4]});
  std::cout << static_cast<int>(a.failure) << '\t' << belvik::PlainForm(a.monthlyAmount) << '\t'
            << Exact(a.value) << '\t' << belvik::PlainForm(a.amountBelow) << '\t'
            << Exact(a.valueBelow) << '\t' << a.schedules << '\n';
}

}  // namespace

int main() {
  UseBinaryStandardStreams();
  std::string line;
  while (std::getline(std::cin, line)) {
    if (line.starts_with('G')) {
      Seek(SplitTabs(line));
      continue;
    }
    const belvik::Result result = Run(SplitTabs(line));
    std::cout << Answer(static_cast<int>(result.failure),
                        result.text.value_or(std::string(kPrevious)));
  }
}
