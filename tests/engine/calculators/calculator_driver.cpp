// Runs calculators on cases read from standard input, one per line: a letter naming the
// calculator (I, P, V, L) and its box texts, tab-separated. Writes the failure number and the
// result box's text afterwards (计算结果 where the calculator left the box as it was) with CR
// and LF escaped, so an independent model can be compared digit by digit.
#include <iostream>
#include <string>
#include <vector>

#include "belvik/calculators.h"
#include "binary_streams.h"

namespace {

constexpr std::string_view kPrevious = "计算结果";

std::vector<std::string> SplitTabs(const std::string& line) {
  std::vector<std::string> fields(1);
  for (const char c : line) {
    if (c == '\t') {
      fields.emplace_back();
    } else {
      fields.back() += c;
    }
  }
  fields.resize(6);
  return fields;
}

belvik::Result Run(const std::vector<std::string>& f) {
  switch (f[0].empty() ? ' ' : f[0][0]) {
    case 'I':
      return belvik::CalculateInvestment({f[1], f[2], f[3], f[4]});
    case 'P':
      return belvik::CalculatePension({f[1], f[2], f[3], f[4], f[5]});
    case 'V':
      return belvik::CalculatePresentValue({f[1], f[2], f[3]});
    default:
      return belvik::CalculateLumpSum({f[1], f[2], f[3]});
  }
}

}  // namespace

int main() {
  UseBinaryStandardStreams();
  std::string line;
  while (std::getline(std::cin, line)) {
    const belvik::Result result = Run(SplitTabs(line));
    std::string escaped;
    for (const char c : result.text.value_or(std::string(kPrevious))) {
      if (c == '\r') {
        escaped += "\\r";
      } else if (c == '\n') {
        escaped += "\\n";
      } else {
        escaped += c;
      }
    }
    std::cout << static_cast<int>(result.failure) << '\t' << escaped << '\n';
  }
}
