// Raises each pair read from standard input with the engine's power: one pair a line, x and y
// as 16-digit hexadecimal bit patterns. Writes the result's bit pattern a line, so that
// power_check.py can hold every bit against an arbitrary-precision reference. With the
// argument "wide" the power skips its fast path.
#include <bit>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <iostream>
#include <string>

#include "belvik/power.h"
#include "binary_streams.h"

namespace {

std::uint64_t ReadBits(const char* first, const char* last) {
  std::uint64_t bits = 0;
  std::from_chars(first, last, bits, 16);
  return bits;
}

}  // namespace

int main(int argc, char** argv) {
  const bool wide = argc > 1 && std::string(argv[1]) == "wide";
  UseBinaryStandardStreams();
  std::string line;
  while (std::getline(std::cin, line)) {
    if (line.size() < 33) continue;
    const double x = std::bit_cast<double>(ReadBits(line.data(), line.data() + 16));
    const double y = std::bit_cast<double>(ReadBits(line.data() + 17, line.data() + 33));
    const double power = wide ? belvik::power::PowerWithoutFastPath(x, y) : belvik::Power(x, y);
    const auto result = std::bit_cast<std::uint64_t>(power);
    std::printf("%016llx\n", static_cast<unsigned long long>(result));
  }
}
