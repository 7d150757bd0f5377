#pragma once

// Extended80 on the x87 `long double`; see Extended80.h for the interface.
// Include Extended80.h, not this file.

#include <cmath>
#include <compare>
#include <cstdint>
#include <cstring>

#include "numtext/Errors.h"

namespace feniko {

class Extended80 {
 public:
  constexpr Extended80() = default;

  static Extended80 FromInt64(std::int64_t value) {
    return Extended80(static_cast<long double>(value));
  }
  static Extended80 FromDouble(double value) { return Extended80(static_cast<long double>(value)); }
  static Extended80 FromBits(std::uint16_t signExponent, std::uint64_t significand) {
    long double value = 0.0L;
    std::memcpy(&value, &significand, sizeof significand);
    std::memcpy(reinterpret_cast<unsigned char*>(&value) + 8, &signExponent, sizeof signExponent);
    return Extended80(value);
  }

  std::uint16_t SignExponentBits() const {
    std::uint16_t bits;
    std::memcpy(&bits, reinterpret_cast<const unsigned char*>(&value_) + 8, sizeof bits);
    return bits;
  }
  std::uint64_t SignificandBits() const {
    std::uint64_t bits;
    std::memcpy(&bits, &value_, sizeof bits);
    return bits;
  }

  friend Extended80 operator+(Extended80 a, Extended80 b) { return Checked(a.value_ + b.value_); }
  friend Extended80 operator-(Extended80 a, Extended80 b) { return Checked(a.value_ - b.value_); }
  friend Extended80 operator*(Extended80 a, Extended80 b) { return Checked(a.value_ * b.value_); }
  friend Extended80 operator/(Extended80 a, Extended80 b) {
    if (b.value_ == 0.0L) [[unlikely]] {
      if (a.value_ == 0.0L) RaiseInvalidOperation();
      RaiseDivisionByZero();
    }
    return Checked(a.value_ / b.value_);
  }
  Extended80 operator-() const { return Extended80(-value_); }
  Extended80 Abs() const { return Extended80(std::fabs(value_)); }

  friend bool operator==(Extended80 a, Extended80 b) { return a.value_ == b.value_; }
  friend std::partial_ordering operator<=>(Extended80 a, Extended80 b) {
    return a.value_ <=> b.value_;
  }

  double ToDouble() const {
    const double narrowed = static_cast<double>(value_);
    if (std::isinf(narrowed)) [[unlikely]]
      RaiseOverflow();
    return narrowed;
  }

  std::int64_t RoundToInt64() const {
    // The rounding mode is always to nearest, ties to even; rint (unlike
    // nearbyint) need not save the exception flags, which nobody reads.
    const long double rounded = std::rint(value_);
    if (!(rounded >= -0x1p63L && rounded < 0x1p63L)) [[unlikely]]
      RaiseInvalidOperation();
    return static_cast<std::int64_t>(rounded);
  }
  Extended80 RoundToIntegral() const { return Extended80(std::rint(value_)); }

  bool SignBit() const { return std::signbit(value_); }
  bool IsFinite() const { return std::isfinite(value_); }
  bool IsZeroOrSubnormal() const { return (SignExponentBits() & 0x7FFF) == 0; }
  int Exponent() const { return static_cast<int>(SignExponentBits() & 0x7FFF) - 16383; }

 private:
  explicit Extended80(long double value) : value_(value) {}

  static Extended80 Checked(long double result) {
    // The operands are always finite, so a non-finite result is an overflow.
    if (!std::isfinite(result)) [[unlikely]] {
      if (std::isnan(result)) RaiseInvalidOperation();
      RaiseOverflow();
    }
    return Extended80(result);
  }

  long double value_ = 0.0L;
};

}  // namespace feniko
