#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

#include "belvik/number_writing.h"
#include "decimal_scaling.h"

namespace belvik {
namespace {

using number_text::RoundToWhole;

// 15 significant digits of |x| at most (trailing zeros dropped) and the decimal exponent of
// the first.
struct Significant {
  std::array<char, 17> digits{};  // 17: a shortest form may hold that many before it is judged
  int count = 0;
  int exponent = 0;
};

// Digits and exponent of to_chars' scientific text: "d.ddde±XX" or "de±XX".
void FromScientific(const char* first, const char* last, Significant& s) {
  // One digit, then the point and the rest (at most 16 more) if there are any.
  const char* c =
      static_cast<const char*>(std::memchr(first, 'e', static_cast<std::size_t>(last - first)));
  s.digits[0] = *first;
  s.count = 1;
  if (c - first > 2) {
    std::memcpy(s.digits.data() + 1, first + 2, static_cast<std::size_t>(c - first - 2));
    s.count += static_cast<int>(c - first - 2);
  }
  s.exponent = 0;
  while (s.count > 1 && s.digits[static_cast<std::size_t>(s.count - 1)] == '0') --s.count;
  const bool negative = c[1] == '-';
  for (c += 2; c != last; ++c) s.exponent = s.exponent * 10 + (*c - '0');
  if (negative) s.exponent = -s.exponent;
}

// Most numbers a calculator writes are whole ten-thousandths (everything that went through
// RoundTo, and the year counters). Such a double is the one nearest to n / 10^4; below 10^15
// that decimal has at most 15 digits and lies within half an ulp, less than half a unit of the
// 15th digit, so it is the rounding to 15 digits. It lies from 1E-04 to below 1E+11, always
// inside the plain form, which can then be written straight from the integer n.
bool IsTenThousandths(double magnitude, std::uint64_t& n) {
  const double scaled = magnitude * 10000;
  if (!(scaled >= 1 && scaled < 1e15)) return false;
  const double whole = RoundToWhole(scaled);
  if (whole / 10000 != magnitude) return false;
  n = static_cast<std::uint64_t>(whole);
  return true;
}

char* WriteTenThousandths(char* out, char* end, std::uint64_t n, bool zeroBeforePoint) {
  const std::uint64_t units = n / 10000;
  auto fraction = static_cast<unsigned>(n % 10000);
  if (units != 0) {
    out = std::to_chars(out, end, units).ptr;
  } else if (zeroBeforePoint) {
    *out++ = '0';
  }
  if (fraction == 0) return out;
  *out++ = '.';
  for (unsigned unit = 1000; fraction != 0; unit /= 10) {
    *out++ = static_cast<char>('0' + fraction / unit);
    fraction %= unit;
  }
  return out;
}

// Rounds the shortest text's 16 or 17 digits to 15, which is the exact value's rounding unless
// the digits after the 15th are a lone 5. Were the exact value on the other side of any other
// half-way point, that point would lie closer to it than the shortest text and have no more
// digits, so it would have been the shortest text. The lone 5 is left to the exact rounding.
bool RoundShortestTo15(Significant& s) {
  const char next = s.digits[15];
  if (next == '5' && s.count == 16) return false;  // trailing zeros are already dropped
  s.count = 15;
  if (next >= '5') {
    int k = 14;
    for (; k >= 0 && s.digits[static_cast<std::size_t>(k)] == '9'; --k) s.count = k;
    if (k < 0) {
      s.digits[0] = '1';
      s.count = 1;
      ++s.exponent;
      return true;
    }
    ++s.digits[static_cast<std::size_t>(k)];
  }
  while (s.count > 1 && s.digits[static_cast<std::size_t>(s.count - 1)] == '0') --s.count;
  return true;
}

// Filled in place: returning the digits just written byte by byte as a copy stalls on store
// forwarding, which showed as a third of the time of writing a number.
void SignificantDigits(double magnitude, Significant& s) {
  std::array<char, 32> buffer{};
  char* const first = buffer.data();
  char* const last = first + buffer.size();
  // The shortest text that reads back as the double is several times cheaper to find than a
  // fixed count of digits. For a normal double it lies within half an ulp, which is less than
  // half a unit of the 15th digit, so when it has at most 15 digits it is the rounding to 15.
  // Subnormals have fewer bits than that and go the long way.
  if (magnitude >= std::numeric_limits<double>::min()) {
    const auto shortest = std::to_chars(first, last, magnitude, std::chars_format::scientific);
    FromScientific(first, shortest.ptr, s);
    if (s.count <= 15 || RoundShortestTo15(s)) return;
  }
  // d.dddddddddddddde±XXX: 15 digits, correctly rounded from the exact value, ties to even.
  const auto fixed15 = std::to_chars(first, last, magnitude, std::chars_format::scientific, 14);
  FromScientific(first, fixed15.ptr, s);
}

// The digits placed by their exponent: plain from 1E-04 to below 1E+15, else the exponent form.
char* WriteSignificant(char* out, const Significant& s, bool zeroBeforePoint) {
  const char* const digits = s.digits.data();
  const int count = s.count;
  const auto copy = [&out](const char* from, int n) {
    for (int k = 0; k < n; ++k) *out++ = from[k];
  };
  const auto fill = [&out](char c, int n) {
    for (int k = 0; k < n; ++k) *out++ = c;
  };
  if (s.exponent >= -4 && s.exponent <= 14) {
    if (s.exponent < 0) {
      if (zeroBeforePoint) *out++ = '0';
      *out++ = '.';
      fill('0', -s.exponent - 1);
      copy(digits, count);
    } else if (count <= s.exponent + 1) {
      copy(digits, count);
      fill('0', s.exponent + 1 - count);
    } else {
      copy(digits, s.exponent + 1);
      *out++ = '.';
      copy(digits + s.exponent + 1, count - s.exponent - 1);
    }
    return out;
  }
  *out++ = digits[0];
  if (count > 1) {
    *out++ = '.';
    copy(digits + 1, count - 1);
  }
  *out++ = 'E';
  *out++ = s.exponent < 0 ? '-' : '+';
  const int e = std::abs(s.exponent);
  if (e >= 100) *out++ = static_cast<char>('0' + e / 100);
  *out++ = static_cast<char>('0' + e / 10 % 10);
  *out++ = static_cast<char>('0' + e % 10);
  return out;
}

}  // namespace

void AppendForm(std::string& out, double x, bool zeroBeforePoint) {
  if (x == 0) {  // negative zero too
    out += '0';
    return;
  }
  // No calculation writes one, but a fragment of to_chars' spelling would be worse than it.
  if (std::isnan(x)) {
    out += "nan";
    return;
  }
  if (std::isinf(x)) {
    out += x < 0 ? "-inf" : "inf";
    return;
  }
  // Sign, "0.", four zeros and 15 digits, or sign, 15 digits, point and "E-308", fit in 24.
  std::array<char, 24> buffer{};
  char* end = buffer.data();
  if (std::signbit(x)) *end++ = '-';
  const double magnitude = std::fabs(x);
  std::uint64_t tenThousandths = 0;
  if (IsTenThousandths(magnitude, tenThousandths)) {
    end = WriteTenThousandths(end, buffer.data() + buffer.size(), tenThousandths, zeroBeforePoint);
  } else {
    Significant s;
    SignificantDigits(magnitude, s);
    end = WriteSignificant(end, s, zeroBeforePoint);
  }
  out.append(buffer.data(), end);
}

std::string StrForm(double x) {
  std::string text;
  AppendForm(text, x, false);
  return text;
}

std::string PlainForm(double x) {
  std::string text;
  AppendForm(text, x, true);
  return text;
}

}  // namespace belvik
