// What every fuzz target shares: a check that stops the run with a readable reason, box texts
// taken from the fuzzer's bytes, and the line structure of a result box.
#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "belvik/failure.h"

namespace belvik::fuzz {

// libFuzzer saves the input that reached abort() as a crash, so a broken property is a finding.
#define BELVIK_REQUIRE(condition)                                                             \
  do {                                                                                        \
    if (!(condition)) {                                                                       \
      std::fprintf(stderr, "property broken at %s:%d: %s\n", __FILE__, __LINE__, #condition); \
      std::abort();                                                                           \
    }                                                                                         \
  } while (false)

// `count` box texts, each of any bytes (a backslash followed by another character ends one,
// a doubled backslash is a backslash), then the result box's previous text from what is left.
// Seeds are written by hand that way: each text followed by a backslash and a line feed.
struct Boxes {
  std::vector<std::string> texts;
  std::string previous;
};

inline Boxes ReadBoxes(const unsigned char* data, std::size_t size, std::size_t count) {
  FuzzedDataProvider in(data, size);
  Boxes boxes;
  for (std::size_t k = 0; k < count; ++k) boxes.texts.push_back(in.ConsumeRandomLengthString());
  boxes.previous = in.ConsumeRemainingBytesAsString();
  return boxes;
}

inline bool AnyEmpty(const std::vector<std::string>& texts) {
  for (const std::string& text : texts) {
    if (text.empty()) return true;
  }
  return false;
}

// The lines of a box whose every line must end in CR LF; a broken last line is a finding.
// memchr per line: a schedule holds millions of characters, and find_first_of with a set
// tests every one of them against each member of the set.
inline std::vector<std::string_view> CrLfLines(std::string_view box) {
  std::vector<std::string_view> lines;
  while (!box.empty()) {
    const auto* cr = static_cast<const char*>(std::memchr(box.data(), '\r', box.size()));
    BELVIK_REQUIRE(cr != nullptr);
    const auto length = static_cast<std::size_t>(cr - box.data());
    BELVIK_REQUIRE(length + 1 < box.size() && box[length + 1] == '\n');
    // A lone LF inside a line would show as a line break of its own.
    BELVIK_REQUIRE(std::memchr(box.data(), '\n', length) == nullptr);
    lines.push_back(box.substr(0, length));
    box.remove_prefix(length + 2);
  }
  return lines;
}

inline bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

inline bool EndsWith(std::string_view text, std::string_view suffix) {
  return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

// Whether `line` begins with `before`, the year's decimal digits, then `after`. The digits are
// written here rather than by the engine's formatter, so a fault there cannot hide itself, and
// into a stack buffer, as a string per line would cost an allocation each in a 32767-line box.
inline bool StartsWithYear(std::string_view line, std::string_view before, std::size_t year,
                           std::string_view after) {
  if (!StartsWith(line, before)) return false;
  line.remove_prefix(before.size());
  char digits[24];
  const auto written = std::to_chars(digits, digits + sizeof digits, year);
  const std::string_view number(digits, static_cast<std::size_t>(written.ptr - digits));
  if (!StartsWith(line, number)) return false;
  line.remove_prefix(number.size());
  return StartsWith(line, after);
}

// How many year lines a schedule over `years` writes: the years 1, 2, ... not above it.
inline std::size_t YearCount(double years) {
  return years >= 1 ? static_cast<std::size_t>(years) : 0;
}

}  // namespace belvik::fuzz
