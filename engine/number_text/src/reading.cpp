#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <system_error>

#include "belvik/number_reading.h"
#include "decimal_scaling.h"

namespace belvik {
namespace {

using number_text::kPowersOfTen;

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
  std::string digits;          // significant digits, first one not zero (empty for zero)
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

// Most typed numbers have few digits: as a whole number M below 2^53 times 10^k with |k| at
// most 22, both operands are exact doubles and one multiplication or division rounds the
// product or quotient correctly, which is the nearest double to the decimal.
std::optional<double> ExactlyScaled(const Decimal& d) {
  std::string_view digits = d.digits;
  while (digits.back() == '0') digits.remove_suffix(1);  // the first digit is not zero
  if (digits.size() > 15) return std::nullopt;           // below 10^15 < 2^53
  std::uint64_t whole = 0;
  for (const char c : digits) whole = whole * 10 + static_cast<std::uint64_t>(c - '0');
  const std::int64_t scale = d.magnitude - static_cast<std::int64_t>(digits.size());
  if (scale < -22 || scale > 22) return std::nullopt;
  const double power = kPowersOfTen[static_cast<std::size_t>(scale < 0 ? -scale : scale)];
  const double value =
      scale < 0 ? static_cast<double>(whole) / power : static_cast<double>(whole) * power;
  return d.negative ? -value : value;
}

// The double nearest to the decimal; an empty result when it lies beyond the double range.
// Values too small for a double round to zero, as IEEE 754 underflow does.
std::optional<double> ToDouble(const Decimal& d) {
  const double zero = d.negative ? -0.0 : 0.0;
  if (d.digits.empty()) return zero;
  constexpr int kBeyondAnyDouble = 400;
  if (d.magnitude > kBeyondAnyDouble) return std::nullopt;
  if (d.magnitude < -kBeyondAnyDouble) return zero;
  if (const std::optional<double> exact = ExactlyScaled(d)) return *exact;

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
    // std::find, not string_view::find: a library call per character for a set of three
    // costs more than the reading itself.
    while (!AtEnd() && std::find(blanks.begin(), blanks.end(), text_[pos_]) != blanks.end()) {
      ++pos_;
    }
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

// What a box holds almost always: digits with at most one point among them and after them, no
// more than 15 in all, which every reading takes the same way. The digits form a whole number
// below 10^15 < 2^53 and the point a power of ten up to 10^15, both exact doubles, so the one
// division rounds the decimal to its nearest double, as the general reading does; none for any
// other text, which goes the general way.
std::optional<double> PlainDigits(std::string_view text) {
  constexpr std::size_t kMostDigits = 15;
  if (text.empty() || text.size() > kMostDigits + 1) return std::nullopt;
  std::uint64_t whole = 0;
  std::size_t digits = 0;
  std::size_t point = text.size();  // where the point stands; none: after the last character
  for (std::size_t k = 0; k < text.size(); ++k) {
    const char c = text[k];
    if (IsDigit(c)) {
      whole = whole * 10 + static_cast<std::uint64_t>(c - '0');
      ++digits;
    } else if (c == '.' && point == text.size()) {
      point = k;
    } else {
      return std::nullopt;
    }
  }
  if (digits == 0 || digits > kMostDigits) return std::nullopt;
  const std::size_t decimals = point == text.size() ? 0 : text.size() - point - 1;
  return static_cast<double>(whole) / kPowersOfTen[decimals];
}

Checked<double> FromStrictText(std::string_view text, Failure beyondRange) {
  if (const std::optional<double> plain = PlainDigits(text)) return {*plain};
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

}  // namespace

Checked<double> NumberFromText(std::string_view text) {
  if (const std::optional<double> plain = PlainDigits(text)) return {*plain};
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

}  // namespace belvik
