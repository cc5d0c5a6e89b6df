// Signed fixed-point numbers as wide as a computation asks for: a two's-complement integer of
// 32-bit limbs scaled by 2^-(32 × fraction limbs). Integer arithmetic only, so the last power
// steps that no double-double can settle give the same bits everywhere.
#pragma once

#include <cstdint>
#include <vector>

namespace belvik::power {

class WideFixed {
 public:
  // Limbs above the point: room for magnitudes below 2^95, beyond any step of the power.
  static constexpr int kIntegerLimbs = 3;

  // Zero, with `fractionLimbs` limbs below the point.
  explicit WideFixed(int fractionLimbs);
  static WideFixed FromInteger(std::int64_t value, int fractionLimbs);
  // The double exactly, less any of its bits below the last place (cut toward zero).
  static WideFixed FromDouble(double value, int fractionLimbs);

  int FractionLimbs() const { return fractionLimbs_; }
  bool IsNegative() const { return (limbs_.back() >> 31) != 0; }
  bool IsZero() const;
  // Near the value (a few ulps off): enough to choose a reduction step, never a result.
  double Approximate() const;
  // |value| × 2^(32 × fraction limbs): the integer, little-endian.
  std::vector<std::uint32_t> Magnitude() const;

  WideFixed& operator+=(const WideFixed& other);
  WideFixed& operator-=(const WideFixed& other);
  WideFixed& Negate();
  // Exact, as long as the product stays in range.
  WideFixed& MultiplyBy(std::uint32_t factor);
  // Cut toward zero: less than one unit of the last place off.
  WideFixed& DivideBy(std::uint32_t divisor);
  // Exact, as long as the result stays in range.
  WideFixed& ShiftLeft(int bits);
  // Cut toward zero: less than one unit of the last place off.
  WideFixed& ShiftRight(int bits);
  // Cut toward zero: less than one unit of the last place off. Both share one width.
  friend WideFixed operator*(const WideFixed& a, const WideFixed& b);

 private:
  // Runs `step` on |value| and puts the sign back, so that cuts go toward zero.
  template <typename Step>
  WideFixed& OnMagnitude(Step step);

  int fractionLimbs_;
  std::vector<std::uint32_t> limbs_;  // little-endian two's complement
};

}  // namespace belvik::power
