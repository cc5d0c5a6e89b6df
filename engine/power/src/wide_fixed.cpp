#include "wide_fixed.h"

#include <bit>
#include <cstddef>

namespace belvik::power {
namespace {

constexpr int kLimbBits = 32;

}  // namespace

WideFixed::WideFixed(int fractionLimbs)
    : fractionLimbs_(fractionLimbs),
      limbs_(static_cast<std::size_t>(fractionLimbs + kIntegerLimbs), 0) {}

WideFixed WideFixed::FromInteger(std::int64_t value, int fractionLimbs) {
  WideFixed w(fractionLimbs);
  auto bits = static_cast<std::uint64_t>(value);  // two's complement, sign-extended below
  for (std::size_t k = static_cast<std::size_t>(fractionLimbs); k < w.limbs_.size(); ++k) {
    w.limbs_[k] = static_cast<std::uint32_t>(bits);
    bits = value < 0 ? (bits >> kLimbBits) | (std::uint64_t{0xFFFFFFFF} << kLimbBits)
                     : bits >> kLimbBits;
  }
  return w;
}

WideFixed WideFixed::FromDouble(double value, int fractionLimbs) {
  WideFixed w(fractionLimbs);
  const auto bits = std::bit_cast<std::uint64_t>(value);
  const int biased = static_cast<int>((bits >> 52) & 0x7FF);
  std::uint64_t significand = bits & ((std::uint64_t{1} << 52) - 1);
  if (biased != 0) significand |= std::uint64_t{1} << 52;
  // value = significand × 2^(position - 32 × fractionLimbs) once placed at bit `position`.
  const int position = (biased == 0 ? 1 : biased) - 1075 + kLimbBits * fractionLimbs;
  const int width = kLimbBits * static_cast<int>(w.limbs_.size());
  for (int bit = 0; bit < 53; ++bit) {
    const int at = position + bit;
    if (((significand >> bit) & 1) != 0 && at >= 0 && at < width) {
      w.limbs_[static_cast<std::size_t>(at / kLimbBits)] |= std::uint32_t{1} << (at % kLimbBits);
    }
  }
  if (value < 0) w.Negate();
  return w;
}

bool WideFixed::IsZero() const {
  for (const std::uint32_t limb : limbs_) {
    if (limb != 0) return false;
  }
  return true;
}

double WideFixed::Approximate() const {
  const std::vector<std::uint32_t> magnitude = Magnitude();
  double value = 0;
  double scale = 0x1p64;  // the weight of the top limb, 2^(32 × (kIntegerLimbs - 1))
  for (std::size_t k = magnitude.size(); k-- > 0 && scale != 0;) {
    value += magnitude[k] * scale;
    scale *= 0x1p-32;
  }
  return IsNegative() ? -value : value;
}

std::vector<std::uint32_t> WideFixed::Magnitude() const {
  WideFixed copy = *this;
  if (copy.IsNegative()) copy.Negate();
  return copy.limbs_;
}

WideFixed& WideFixed::operator+=(const WideFixed& other) {
  std::uint64_t carry = 0;
  for (std::size_t k = 0; k < limbs_.size(); ++k) {
    carry += std::uint64_t{limbs_[k]} + other.limbs_[k];
    limbs_[k] = static_cast<std::uint32_t>(carry);
    carry >>= kLimbBits;
  }
  return *this;
}

WideFixed& WideFixed::operator-=(const WideFixed& other) {
  WideFixed negated = other;
  return *this += negated.Negate();
}

WideFixed& WideFixed::Negate() {
  std::uint64_t carry = 1;
  for (std::uint32_t& limb : limbs_) {
    carry += static_cast<std::uint32_t>(~limb);
    limb = static_cast<std::uint32_t>(carry);
    carry >>= kLimbBits;
  }
  return *this;
}

WideFixed& WideFixed::MultiplyBy(std::uint32_t factor) {
  // Two's complement multiplies like an unsigned number, modulo the width.
  std::uint64_t carry = 0;
  for (std::uint32_t& limb : limbs_) {
    carry += std::uint64_t{limb} * factor;
    limb = static_cast<std::uint32_t>(carry);
    carry >>= kLimbBits;
  }
  return *this;
}

template <typename Step>
WideFixed& WideFixed::OnMagnitude(Step step) {
  const bool negative = IsNegative();
  if (negative) Negate();
  step(limbs_);
  if (negative) Negate();
  return *this;
}

WideFixed& WideFixed::DivideBy(std::uint32_t divisor) {
  return OnMagnitude([divisor](std::vector<std::uint32_t>& limbs) {
    std::uint64_t remainder = 0;
    for (std::size_t k = limbs.size(); k-- > 0;) {
      const std::uint64_t current = (remainder << kLimbBits) | limbs[k];
      limbs[k] = static_cast<std::uint32_t>(current / divisor);
      remainder = current % divisor;
    }
  });
}

WideFixed& WideFixed::ShiftLeft(int bits) {
  const std::size_t n = limbs_.size();
  const auto whole = static_cast<std::size_t>(bits / kLimbBits);
  const int part = bits % kLimbBits;
  for (std::size_t k = n; k-- > 0;) {
    const std::uint64_t high = k >= whole ? limbs_[k - whole] : 0;
    const std::uint64_t low = k >= whole + 1 ? limbs_[k - whole - 1] : 0;
    limbs_[k] = static_cast<std::uint32_t>(((high << kLimbBits | low) << part) >> kLimbBits);
  }
  return *this;
}

WideFixed& WideFixed::ShiftRight(int bits) {
  return OnMagnitude([bits](std::vector<std::uint32_t>& limbs) {
    const std::size_t n = limbs.size();
    const auto whole = static_cast<std::size_t>(bits / kLimbBits);
    const int part = bits % kLimbBits;
    for (std::size_t k = 0; k < n; ++k) {
      const std::uint64_t low = k + whole < n ? limbs[k + whole] : 0;
      const std::uint64_t high = k + whole + 1 < n ? limbs[k + whole + 1] : 0;
      limbs[k] = static_cast<std::uint32_t>((high << kLimbBits | low) >> part);
    }
  });
}

WideFixed operator*(const WideFixed& a, const WideFixed& b) {
  const std::vector<std::uint32_t> x = a.Magnitude();
  const std::vector<std::uint32_t> y = b.Magnitude();
  const std::size_t n = x.size();
  std::vector<std::uint32_t> full(2 * n, 0);
  for (std::size_t i = 0; i < n; ++i) {
    std::uint64_t carry = 0;
    for (std::size_t j = 0; j < n; ++j) {
      carry += std::uint64_t{x[i]} * y[j] + full[i + j];
      full[i + j] = static_cast<std::uint32_t>(carry);
      carry >>= kLimbBits;
    }
    full[i + n] = static_cast<std::uint32_t>(carry);
  }
  // Dropping the low fraction limbs cuts the magnitude toward zero.
  WideFixed product(a.fractionLimbs_);
  const auto shift = static_cast<std::size_t>(a.fractionLimbs_);
  for (std::size_t k = 0; k < n; ++k) product.limbs_[k] = full[k + shift];
  if (a.IsNegative() != b.IsNegative()) product.Negate();
  return product;
}

}  // namespace belvik::power
