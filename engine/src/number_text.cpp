#include "belvik/number_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <system_error>

namespace belvik {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Integers are written with to_chars too: nothing here may depend on the C locale.
void AppendInteger(std::string& out, std::int64_t value) {
  std::array<char, 24> buffer{};
  const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value).ptr;
  out.append(buffer.data(), end);
}

// A decimal number taken apart: value = sign × 0.digits × 10^magnitude, digits without
// leading zeros. Keeping the parts lets huge exponents and long digit runs be judged
// before any conversion.
struct Decimal {
  bool negative = false;
  std::string digits;       // significant digits, first one not zero (empty for zero)
  std::int64_t magnitude = 0;  // position of the first significant digit against the point
};

class DecimalBuilder {
 public:
  void IntegerDigit(char c) {
    if (c == '0' && decimal_.digits.empty()) return;
    decimal_.digits += c;
    ++decimal_.magnitude;
  }
  void FractionDigit(char c) {
    if (c == '0' && decimal_.digits.empty()) {
      --decimal_.magnitude;
      return;
    }
    decimal_.digits += c;
  }
  void SetNegative(bool negative) { decimal_.negative = negative; }
  void AddExponent(std::int64_t exponent) { decimal_.magnitude += exponent; }
  const Decimal& decimal() const { return decimal_; }

 private:
  Decimal decimal_;
};

// The exponent saturates far beyond any double's range so that no digit count can wrap it.
constexpr std::int64_t kExponentLimit = std::int64_t{1} << 48;

// The double nearest to the decimal; an empty result when it lies beyond the double range.
// Values too small for a double round to zero, as IEEE 754 underflow does.
std::optional<double> ToDouble(const Decimal& d) {
  const double zero = d.negative ? -0.0 : 0.0;
  if (d.digits.empty()) return zero;
  constexpr int kBeyondAnyDouble = 400;
  if (d.magnitude > kBeyondAnyDouble) return std::nullopt;
  if (d.magnitude < -kBeyondAnyDouble) return zero;

  std::string text = d.negative ? "-0." : "0.";
  text += d.digits;
  text += 'e';
  AppendInteger(text, d.magnitude);
  double value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec == std::errc::result_out_of_range) {
    if (d.magnitude > 0) return std::nullopt;
    return zero;
  }
  return value;
}

class Reader {
 public:
  explicit Reader(std::string_view text) : text_(text) {}

  bool AtEnd() const { return pos_ >= text_.size(); }
  // NUL at the end; a NUL inside the text fits no number rule either, so nothing confuses them.
  char Peek() const { return AtEnd() ? '\0' : text_[pos_]; }
  void Advance() { ++pos_; }
  bool Accept(char c) {
    if (Peek() != c) return false;
    ++pos_;
    return true;
  }
  void SkipAll(std::string_view blanks) {
    while (!AtEnd() && blanks.find(text_[pos_]) != std::string_view::npos) ++pos_;
  }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
};

// Blanks that NumberFromText passes over wherever they stand.
constexpr std::string_view kLenientBlanks = " \t\n";
// Blanks allowed around a strictly read number.
constexpr std::string_view kStrictBlanks = " \t";

// Reads a sign into `builder`; returns whether there was one.
bool ReadSign(Reader& in, DecimalBuilder& builder) {
  if (in.Accept('-')) {
    builder.SetNegative(true);
    return true;
  }
  return in.Accept('+');
}

// Digits with at most one point, skipping `blanks` between them; returns the digit count.
std::size_t ReadMantissa(Reader& in, DecimalBuilder& builder, std::string_view blanks) {
  std::size_t digits = 0;
  bool seenPoint = false;
  for (;;) {
    in.SkipAll(blanks);
    const char c = in.Peek();
    if (IsDigit(c)) {
      seenPoint ? builder.FractionDigit(c) : builder.IntegerDigit(c);
      ++digits;
    } else if (c == '.' && !seenPoint) {
      seenPoint = true;
    } else {
      return digits;
    }
    in.Advance();
  }
}

// An exponent after E or D; a letter with no digits after it counts as exponent 0.
std::int64_t ReadExponent(Reader& in) {
  in.SkipAll(kLenientBlanks);
  const bool negative = in.Accept('-');
  if (!negative) in.Accept('+');
  std::int64_t exponent = 0;
  for (;;) {
    in.SkipAll(kLenientBlanks);
    const char c = in.Peek();
    if (!IsDigit(c)) break;
    if (exponent < kExponentLimit) exponent = exponent * 10 + (c - '0');
    in.Advance();
  }
  return negative ? -exponent : exponent;
}

Checked<double> FromStrictText(std::string_view text, Failure beyondRange) {
  Reader in(text);
  DecimalBuilder builder;
  in.SkipAll(kStrictBlanks);
  ReadSign(in, builder);
  const std::size_t digits = ReadMantissa(in, builder, {});
  in.SkipAll(kStrictBlanks);
  if (digits == 0 || !in.AtEnd()) return {0, Failure::TypeMismatch};
  const auto value = ToDouble(builder.decimal());
  if (!value) return {0, beyondRange};
  return {*value};
}

// 15 significant digits of |x| (trailing zeros dropped) and the decimal exponent of the first.
struct Significant {
  std::string digits;
  int exponent = 0;
};

Significant SignificantDigits(double magnitude) {
  // d.dddddddddddddde±XXX: 15 digits, correctly rounded from the exact value, ties to even.
  std::array<char, 32> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                    std::chars_format::scientific, 14);
  const std::string_view text(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data()));
  const std::size_t e = text.find('e');
  Significant s;
  s.digits += text[0];
  s.digits += text.substr(2, e - 2);
  while (s.digits.size() > 1 && s.digits.back() == '0') s.digits.pop_back();
  const std::string_view exponentText = text.substr(e + 1);
  std::from_chars(exponentText.data() + (exponentText[0] == '+' ? 1 : 0),
                  exponentText.data() + exponentText.size(), s.exponent);
  return s;
}

std::string Form(double x, bool zeroBeforePoint) {
  if (x == 0) return "0";  // negative zero too
  const Significant s = SignificantDigits(std::fabs(x));
  std::string out = std::signbit(x) ? "-" : "";
  const int count = static_cast<int>(s.digits.size());
  if (s.exponent >= -4 && s.exponent <= 14) {
    if (s.exponent < 0) {
      if (zeroBeforePoint) out += '0';
      out += '.';
      out.append(static_cast<std::size_t>(-s.exponent - 1), '0');
      out += s.digits;
    } else if (count <= s.exponent + 1) {
      out += s.digits;
      out.append(static_cast<std::size_t>(s.exponent + 1 - count), '0');
    } else {
      out.append(s.digits, 0, static_cast<std::size_t>(s.exponent + 1));
      out += '.';
      out.append(s.digits, static_cast<std::size_t>(s.exponent + 1));
    }
    return out;
  }
  out += s.digits[0];
  if (count > 1) {
    out += '.';
    out.append(s.digits, 1);
  }
  out += s.exponent < 0 ? "E-" : "E+";
  const int e = std::abs(s.exponent);
  if (e < 10) out += '0';
  AppendInteger(out, e);
  return out;
}

}  // namespace

Checked<double> NumberFromText(std::string_view text) {
  Reader in(text);
  DecimalBuilder builder;
  in.SkipAll(kLenientBlanks);
  ReadSign(in, builder);
  if (ReadMantissa(in, builder, kLenientBlanks) == 0) return {0.0};
  const char c = in.Peek();
  if (c == 'E' || c == 'e' || c == 'D' || c == 'd') {
    in.Advance();
    builder.AddExponent(ReadExponent(in));
  }
  const auto value = ToDouble(builder.decimal());
  if (!value) return {0, Failure::FloatingPoint};
  return {*value};
}

Checked<double> StrictNumberFromText(std::string_view text) {
  return FromStrictText(text, Failure::Overflow);
}

Checked<std::int16_t> StrictInt16FromText(std::string_view text) {
  const Checked<double> number = StrictNumberFromText(text);
  if (!number.ok()) return {0, number.failure};
  // nearbyint in the default rounding mode sends exact halves to the even neighbour.
  const double whole = std::nearbyint(number.value);
  if (whole < std::numeric_limits<std::int16_t>::min() ||
      whole > std::numeric_limits<std::int16_t>::max()) {
    return {0, Failure::Overflow};
  }
  return {static_cast<std::int16_t>(whole)};
}

double RoundTo(double x, int places) {
  // Fixed notation rounds the exact binary value, ties to even; reading it back gives the
  // double nearest to that decimal. Room for 309 integer digits, sign, point and decimals.
  std::array<char, 340> buffer{};
  const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), x,
                                     std::chars_format::fixed, places);
  double rounded = x;
  std::from_chars(buffer.data(), written.ptr, rounded);
  return rounded;
}

std::string StrForm(double x) { return Form(x, false); }

std::string PlainForm(double x) { return Form(x, true); }

}  // namespace belvik
