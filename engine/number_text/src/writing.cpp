#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>

#include "belvik/number_writing.h"
#include "decimal_scaling.h"

namespace belvik {
namespace {

using number_text::RoundToWhole;

// to_chars' scientific text written at `first`: "d.ddde±XX", "de±XXX" and so on. The mantissa
// is [first, mantissaEnd): its first digit and, from two digits on, a point and the rest.
struct Scientific {
  char* mantissaEnd;
  char* mark;  // the 'e', followed by the exponent's sign and its two or three digits
  char* end;
  int exponent;  // of the first digit
};

// Reads the scientific text [first, end) and drops the mantissa's trailing zeros (a fixed count
// of digits can end in some; the point goes with the last of them).
Scientific ReadScientific(char* first, char* end) {
  const bool threeDigits = end[-4] != 'e';
  char* const mark = end - (threeDigits ? 5 : 4);
  int exponent = (mark[2] - '0') * 10 + (mark[3] - '0');
  if (threeDigits) exponent = exponent * 10 + (mark[4] - '0');
  if (mark[1] == '-') exponent = -exponent;
  char* mantissaEnd = mark;
  while (mantissaEnd - first > 2 && mantissaEnd[-1] == '0') --mantissaEnd;
  if (mantissaEnd - first == 2) --mantissaEnd;
  return {mantissaEnd, mark, end, exponent};
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
// digits, so it would have been the shortest text. The lone 5 is left to the exact rounding,
// and so are fifteen nines rounding up, whose exponent changes.
bool RoundShortestTo15(char* first, Scientific& s) {
  // Digit k (from 0) stands at first[k + 1] from the second on, after the point.
  char* const cut = first + 16;
  const char next = *cut;
  if (next == '5' && s.mantissaEnd == cut + 1) return false;  // no zeros trail a shortest text
  char* end = cut;
  if (next >= '5') {
    char* c = cut - 1;
    for (; c != first + 1 && *c == '9'; --c) end = c;
    if (c == first + 1) {  // every digit after the point was a 9
      if (*first == '9') return false;
      c = first;
    }
    ++*c;
  }
  while (end - first > 2 && end[-1] == '0') --end;
  if (end - first == 2) --end;
  s.mantissaEnd = end;
  return true;
}

// The 15-digit form of a finite, nonzero magnitude written at `first`, straight from the
// digits of to_chars' scientific text written there first. Needs room for 24 characters.
char* WriteSignificant(char* first, double magnitude, bool zeroBeforePoint) {
  char* const last = first + 24;
  Scientific s{};
  // The shortest text that reads back as the double is several times cheaper to find than a
  // fixed count of digits. For a normal double it lies within half an ulp, which is less than
  // half a unit of the 15th digit, so when it has at most 15 digits it is the rounding to 15.
  // Subnormals have fewer bits than that and go the long way.
  bool rounded = false;
  if (magnitude >= std::numeric_limits<double>::min()) {
    s = ReadScientific(first,
                       std::to_chars(first, last, magnitude, std::chars_format::scientific).ptr);
    rounded = s.mantissaEnd - first <= 16 || RoundShortestTo15(first, s);
  }
  if (!rounded) {
    // d.dddddddddddddde±XXX: 15 digits, correctly rounded from the exact value, ties to even.
    s = ReadScientific(
        first, std::to_chars(first, last, magnitude, std::chars_format::scientific, 14).ptr);
  }
  const int e = s.exponent;
  if (e > 14 || e < -4) {  // the exponent form: the mantissa and to_chars' exponent, as "E±XX"
    // Sign and two or three digits, read before they are moved up to the mantissa's end.
    const bool threeDigits = s.end - s.mark == 5;
    const char sign = s.mark[1];
    const std::array<char, 3> digits = {s.mark[2], s.mark[3], threeDigits ? s.mark[4] : '\0'};
    char* out = s.mantissaEnd;
    *out++ = 'E';
    *out++ = sign;
    *out++ = digits[0];
    *out++ = digits[1];
    if (threeDigits) *out++ = digits[2];
    return out;
  }
  const int digits = static_cast<int>(s.mantissaEnd - first) - (s.mantissaEnd - first > 1 ? 1 : 0);
  if (e >= 0) {
    // The digits before the point move over it; the ones after stay where they are.
    const int whole = std::min(e, digits - 1);
    std::memmove(first + 1, first + 2, static_cast<std::size_t>(whole));
    char* const out = first + 1 + whole;
    if (digits - 1 > e) {
      *out = '.';
      return s.mantissaEnd;
    }
    return std::fill_n(out, e + 1 - digits, '0');
  }
  // Below 1: "0.", or "." alone, and -e - 1 zeros in front of the digits.
  std::array<char, 15> held{};
  held[0] = *first;
  if (digits > 1) std::memcpy(held.data() + 1, first + 2, static_cast<std::size_t>(digits - 1));
  char* out = first;
  if (zeroBeforePoint) *out++ = '0';
  *out++ = '.';
  out = std::fill_n(out, -e - 1, '0');
  return std::copy_n(held.data(), digits, out);
}

}  // namespace

char* WriteForm(char* out, double x, bool zeroBeforePoint) {
  constexpr std::string_view kZero = "0";
  // No calculation writes one, but a fragment of to_chars' spelling would be worse than it.
  constexpr std::string_view kNan = "nan";
  constexpr std::string_view kInfinity = "inf";
  constexpr std::string_view kMinusInfinity = "-inf";
  const auto put = [out](std::string_view text) {
    return std::copy(text.begin(), text.end(), out);
  };
  const double magnitude = std::fabs(x);
  // One test for the three rare cases: false for NaN too.
  if (!(magnitude > 0 && magnitude <= std::numeric_limits<double>::max())) {
    if (magnitude == 0) return put(kZero);  // negative zero too
    if (std::isnan(x)) return put(kNan);
    return put(x < 0 ? kMinusInfinity : kInfinity);
  }
  if (std::signbit(x)) *out++ = '-';
  std::uint64_t tenThousandths = 0;
  if (IsTenThousandths(magnitude, tenThousandths)) {
    return WriteTenThousandths(out, out + kFormRoom - 1, tenThousandths, zeroBeforePoint);
  }
  return WriteSignificant(out, magnitude, zeroBeforePoint);
}

std::string StrForm(double x) {
  std::array<char, kFormRoom> text{};
  return {text.data(), WriteForm(text.data(), x, false)};
}

std::string PlainForm(double x) {
  std::array<char, kFormRoom> text{};
  return {text.data(), WriteForm(text.data(), x, true)};
}

}  // namespace belvik
