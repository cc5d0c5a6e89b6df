#include "belvik/number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <system_error>

#include "number_form.h"

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
  static constexpr std::array<double, 23> kPowersOfTen = {
      1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
      1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};  // all exact
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

// nearbyint for |x| below 2^52 in the default rounding mode, halves to even, without the
// library call: adding 2^52 leaves no bits below the units, so the addition itself rounds.
// The sign is put back afterwards, which keeps -0.3 at -0 as nearbyint does.
double RoundToWhole(double x) {
  constexpr double kNoFraction = 0x1p52;
  const double magnitude = (std::fabs(x) + kNoFraction) - kNoFraction;
  return std::copysign(magnitude, x);
}

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

namespace {

// RoundTo without text while x × 10^places stays below 2^52. The product is held exactly as
// p + error (an FMA yields the rounding error of a product exactly), so the nearest whole
// number, ties to even, is decided on the exact value; one correctly rounded division then
// gives the double nearest to the decimal, as reading its text back would.
std::optional<double> RoundByScaling(double x, int places) {
  static constexpr std::array<double, 23> kPowersOfTen = {
      1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
      1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};  // all exact
  if (places < 0 || places >= static_cast<int>(kPowersOfTen.size())) return std::nullopt;
  const double scale = kPowersOfTen[static_cast<std::size_t>(places)];
  const double p = x * scale;
  if (!(std::fabs(p) < 0x1p52)) return std::nullopt;  // NaN and infinities too
  const double error = std::fma(x, scale, -p);
  double whole = RoundToWhole(p);
  // Below 2^52, p - whole is exact and only an apparent tie can hide a rounding error that
  // decides it; elsewhere the error is too small to cross the half-way mark.
  const double fraction = p - whole;
  if (fraction == 0.5 && error > 0) whole += 1;
  if (fraction == -0.5 && error < 0) whole -= 1;
  return whole / scale;
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
  if (const std::optional<double> scaled = RoundByScaling(x, places)) return *scaled;
  // From 2^52 up every double is whole: no rounding to places moves it, and writing out its
  // hundreds of digits to read them back was most of a growing schedule's time.
  if (places >= 0 && std::fabs(x) >= 0x1p52) return x;
  // Fixed notation rounds the exact binary value, ties to even; reading it back gives the
  // double nearest to that decimal. Room for 309 integer digits, sign, point and decimals.
  std::array<char, 340> buffer{};
  const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), x,
                                     std::chars_format::fixed, places);
  double rounded = x;
  std::from_chars(buffer.data(), written.ptr, rounded);
  return rounded;
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
