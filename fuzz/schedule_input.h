// The box texts of a schedule target, with the years bounded in most runs. A schedule of
// thousands of lines costs as much as thousands of short runs, and the fuzzer's years texts
// read as anything up to 32767; bounding them lets every target reach its count of runs while
// a share of runs still writes long schedules (the pension's 16-bit counter after year 32767,
// powers that overflow only after many years at a modest rate).
#pragma once

#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "belvik/calculators.h"
#include "belvik/failure.h"
#include "fuzz_checks.h"

namespace belvik::fuzz {

// Years above this are passed on as their remainder by it, except in the runs that keep them.
inline constexpr double kBoundedYears = 400;
// One run in this many keeps a years text as it was typed.
inline constexpr std::uint32_t kLongScheduleShare = 64;

// Whether this input keeps its years as typed: a hash of every byte, so that any mutation
// draws again. A flag in one fixed byte would pass unchanged from an input to most of its
// mutations, and one corpus entry that keeps long years would make most of its offspring slow.
// A seed that must keep its years ends in a byte chosen to make the hash fit; it lands in the
// previous box text, which a finished schedule does not show.
inline bool KeepsLongSchedule(const unsigned char* data, std::size_t size) {
  std::uint32_t hash = 2166136261u;  // FNV-1a
  for (std::size_t k = 0; k < size; ++k) hash = (hash ^ data[k]) * 16777619u;
  return hash % kLongScheduleShare == 0;
}

// `years` as passed on: when the calculator would read it (with `read`) as more than
// kBoundedYears years but not so many that it refuses before the first line, the reading
// modulo kBoundedYears in fixed notation, unless `keep`. Years beyond the cap stay: their runs
// stop before writing anything.
inline std::string BoundedYears(const std::string& years, Checked<double> (*read)(std::string_view),
                                bool keep) {
  const Checked<double> reading = read(years);
  if (keep || !reading.ok() || reading.value <= kBoundedYears ||
      reading.value >= kMaxScheduleYears + 1) {
    return years;
  }
  // Below 32768 a double's fraction ends within 38 binary places, so the text stays short.
  char digits[64];
  const auto end = std::to_chars(digits, digits + sizeof digits,
                                 std::fmod(reading.value, kBoundedYears), std::chars_format::fixed);
  BELVIK_REQUIRE(end.ec == std::errc{});
  return std::string(digits, end.ptr);
}

// ReadBoxes, then the text at `yearsBox` bounded as BoundedYears does.
inline Boxes ReadScheduleBoxes(const unsigned char* data, std::size_t size, std::size_t count,
                               std::size_t yearsBox, Checked<double> (*read)(std::string_view)) {
  Boxes boxes = ReadBoxes(data, size, count);
  boxes.texts[yearsBox] = BoundedYears(boxes.texts[yearsBox], read, KeepsLongSchedule(data, size));
  return boxes;
}

}  // namespace belvik::fuzz
