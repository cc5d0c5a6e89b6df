// Number conversions on arbitrary bytes: the readers agree with each other and with
// std::from_chars, and the written forms read back to the number they came from.
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <system_error>

#include "belvik/number_text.h"
#include "fuzz_checks.h"

namespace belvik::fuzz {
namespace {

bool SameDouble(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// Whatever the text, the strict readers must agree with the lenient one and with each other.
void CheckReaders(std::string_view text) {
  const Checked<double> lenient = NumberFromText(text);
  BELVIK_REQUIRE(lenient.ok() || lenient.failure == Failure::FloatingPoint);
  if (lenient.ok()) BELVIK_REQUIRE(std::isfinite(lenient.value));

  // A strict number is a lenient number too: blanks, sign, digits and one point.
  const Checked<double> strict = StrictNumberFromText(text);
  switch (strict.failure) {
    case Failure::None:
      BELVIK_REQUIRE(lenient.ok() && SameDouble(lenient.value, strict.value));
      break;
    case Failure::Overflow:
      BELVIK_REQUIRE(lenient.failure == Failure::FloatingPoint);
      break;
    default:
      BELVIK_REQUIRE(strict.failure == Failure::TypeMismatch);
  }

  const Checked<std::int16_t> whole = StrictInt16FromText(text);
  if (!strict.ok()) {
    BELVIK_REQUIRE(whole.failure == strict.failure);
    return;
  }
  // Half-even rounding done independently of nearbyint: the floor, then the tie rule.
  const double below = std::floor(strict.value);
  const double fraction = strict.value - below;
  double rounded = below;
  if (fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2) != 0)) rounded = below + 1;
  if (rounded < -32768 || rounded > 32767) {
    BELVIK_REQUIRE(whole.failure == Failure::Overflow);
  } else {
    BELVIK_REQUIRE(whole.ok() && whole.value == rounded);
  }
}

// Digits with at most one point, as typing can put into an amount box: both readers give what
// std::from_chars gives for the same text.
void CheckPlainDecimal(const unsigned char* data, std::size_t size) {
  std::string text;
  bool point = false;
  bool wholeDigits = false;  // a non-zero digit before the point makes the number at least 1
  for (std::size_t k = 0; k < size; ++k) {
    const int c = data[k] % 11;
    if (c == 10) {
      if (!point) text += '.';
      point = true;
    } else {
      text += static_cast<char>('0' + c);
      wholeDigits = wholeDigits || (!point && c != 0);
    }
  }
  if (text.find_first_of("0123456789") == std::string::npos) {
    BELVIK_REQUIRE(NumberFromText(text).ok() && NumberFromText(text).value == 0);
    BELVIK_REQUIRE(StrictNumberFromText(text).failure == Failure::TypeMismatch);
    return;
  }
  double expected = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), expected);
  const Checked<double> lenient = NumberFromText(text);
  const Checked<double> strict = StrictNumberFromText(text);
  if (ec == std::errc::result_out_of_range) {
    if (wholeDigits) {
      BELVIK_REQUIRE(lenient.failure == Failure::FloatingPoint);
      BELVIK_REQUIRE(strict.failure == Failure::Overflow);
    } else {  // too small for any double: zero, as underflow gives
      BELVIK_REQUIRE(lenient.ok() && lenient.value == 0);
      BELVIK_REQUIRE(strict.ok() && strict.value == 0);
    }
    return;
  }
  BELVIK_REQUIRE(ec == std::errc{} && end == text.data() + text.size());
  BELVIK_REQUIRE(lenient.ok() && SameDouble(lenient.value, expected));
  BELVIK_REQUIRE(strict.ok() && SameDouble(strict.value, expected));
}

// The two written forms by the plain recipe: 15 digits from to_chars' scientific precision,
// then placed. The engine takes faster roads to the same text.
std::string ReferenceForm(double x, bool zeroBeforePoint) {
  if (x == 0) return "0";
  char buffer[64];
  const auto end =
      std::to_chars(buffer, buffer + sizeof buffer, std::fabs(x), std::chars_format::scientific, 14)
          .ptr;
  const std::string text(buffer, end);
  std::string digits = text.substr(0, 1) + text.substr(2, 14);
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  const int exponent = std::stoi(text.substr(17));
  const int count = static_cast<int>(digits.size());
  std::string out = std::signbit(x) ? "-" : "";
  if (exponent < -4 || exponent > 14) {
    out += digits.substr(0, 1);
    if (count > 1) out += "." + digits.substr(1);
    const int e = std::abs(exponent);
    out += exponent < 0 ? "E-" : "E+";
    out += (e < 10 ? "0" : "") + std::to_string(e);
  } else if (exponent < 0) {
    out += zeroBeforePoint ? "0." : ".";
    out += std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
  } else if (count <= exponent + 1) {
    out += digits + std::string(static_cast<std::size_t>(exponent + 1 - count), '0');
  } else {
    out += digits.substr(0, static_cast<std::size_t>(exponent + 1)) + "." +
           digits.substr(static_cast<std::size_t>(exponent + 1));
  }
  return out;
}

// RoundTo by text: fixed notation rounds the exact value half to even, reading it back gives
// the nearest double.
double ReferenceRoundTo(double x) {
  char buffer[400];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::fixed, 4);
  double rounded = x;
  std::from_chars(buffer, end.ptr, rounded);
  return rounded;
}

// Near the largest double the 15-digit form can round above it.
constexpr double kNextToLargest = 1.7976931348623e308;

void CheckForms(double x) {
  const std::string str = StrForm(x);
  const std::string plain = PlainForm(x);
  BELVIK_REQUIRE(!str.empty());

  // The forms differ only in a zero before a leading point.
  const std::size_t sign = str[0] == '-' ? 1 : 0;
  std::string expectedPlain = str;
  if (str.size() > sign && str[sign] == '.') expectedPlain.insert(sign, "0");
  BELVIK_REQUIRE(plain == expectedPlain);

  if (!std::isfinite(x)) {
    BELVIK_REQUIRE(str == (std::isnan(x) ? "nan" : x < 0 ? "-inf" : "inf"));
    return;
  }
  BELVIK_REQUIRE(str == ReferenceForm(x, false));
  BELVIK_REQUIRE(plain == ReferenceForm(x, true));
  const Checked<double> back = NumberFromText(str);
  if (!back.ok()) {
    // Only 15 digits rounded up past the largest double (1.79769313486232E+308) fail.
    BELVIK_REQUIRE(back.failure == Failure::FloatingPoint && std::fabs(x) > kNextToLargest);
    return;
  }
  // Half a unit of the 15th digit, plus the rounding of the reading back (half an ulp, or half
  // the spacing of the subnormals where that is coarser).
  const double slack =
      5e-15 * std::fabs(x) + 2.3e-16 * std::fabs(x) + std::numeric_limits<double>::denorm_min();
  BELVIK_REQUIRE(std::fabs(back.value - x) <= slack);
  // The plain form, without exponent, is a strict number too.
  if (str.find('E') == std::string::npos) {
    const Checked<double> strict = StrictNumberFromText(str);
    BELVIK_REQUIRE(strict.ok() && strict.value == back.value);
  }
}

void CheckRoundTo(double x) {
  const double r = RoundTo(x, 4);
  if (std::isnan(x)) {
    BELVIK_REQUIRE(std::isnan(r));
    return;
  }
  if (std::isinf(x)) {
    BELVIK_REQUIRE(r == x);
    return;
  }
  BELVIK_REQUIRE(std::isfinite(r));
  BELVIK_REQUIRE(SameDouble(r, ReferenceRoundTo(x)));
  BELVIK_REQUIRE(RoundTo(r, 4) == r);              // a rounded value stays put
  BELVIK_REQUIRE(SameDouble(RoundTo(-x, 4), -r));  // ties go to even on both sides of 0
  const double ulp =
      std::nextafter(std::fabs(x), std::numeric_limits<double>::infinity()) - std::fabs(x);
  BELVIK_REQUIRE(std::fabs(r - x) <= 0.00005 + ulp);
  if (std::fabs(x) >= 0x1p52) BELVIK_REQUIRE(r == x);  // whole numbers already
}

}  // namespace
}  // namespace belvik::fuzz

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
  using namespace belvik::fuzz;
  CheckReaders(std::string_view(reinterpret_cast<const char*>(data), size));
  CheckPlainDecimal(data, size);
  if (size >= sizeof(std::uint64_t)) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, data, sizeof bits);
    // Any bit pattern; then numbers where the written forms and rounding have their corners:
    // exact binary halves (ties for RoundTo), and decimals of up to 16 digits with a few places.
    double x = 0;
    std::memcpy(&x, &bits, sizeof x);
    const int shift = size > sizeof bits ? data[sizeof bits] : 0;
    const auto whole = static_cast<double>(static_cast<std::int64_t>(bits) >> 11);
    const double dyadic = std::ldexp(whole, -(shift % 64));
    const double decimal = static_cast<double>(bits % 10000000000000000) /
                           std::pow(10.0, shift % 9) * (bits >> 63 ? -1 : 1);
    for (const double value : {x, dyadic, decimal}) {
      CheckForms(value);
      CheckRoundTo(value);
    }
  }
  return 0;
}
