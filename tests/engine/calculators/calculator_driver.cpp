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
