// The lines the reference check exchanges with a driver: a case is a letter naming the
// calculator and its box texts, tab-separated; an answer is the failure number and the result
// box's text with CR and LF escaped.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "belvik/calculator_description.h"

// The letter and up to five texts; missing texts are empty.
inline std::vector<std::string> SplitTabs(const std::string& line) {
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

inline belvik::Calculator CalculatorOf(const std::string& letter) {
  switch (letter.empty() ? ' ' : letter[0]) {
    case 'I':
      return belvik::Calculator::Investment;
    case 'P':
      return belvik::Calculator::Pension;
    case 'V':
      return belvik::Calculator::PresentValue;
    default:
      return belvik::Calculator::LumpSum;
  }
}

inline std::string Answer(int failure, std::string_view text) {
  std::string answer = std::to_string(failure) + '\t';
  for (const char c : text) {
    if (c == '\r') {
      answer += "\\r";
    } else if (c == '\n') {
      answer += "\\n";
    } else {
      answer += c;
    }
  }
  return answer + '\n';
}
