#pragma once

// Extended80 in software, for compilers whose long double is not the x87
// extended format (or when FENIKO_SOFT_EXTENDED80 asks for it); see
// Extended80.h for the interface. Include Extended80.h, not this file.
//
// The value is held in the x87 encoding itself (16 bits of sign and exponent,
// 64 bits of significand with the leading bit stored), so FromBits and the
// bit queries cost nothing and give exactly the x87 bits. Every operation
// forms the exact result and rounds it once to 64 bits, to nearest, ties to
// even, with gradual underflow, as the x87 does with its precision control at
// 64 bits. Operands that are both normal take the inline path; zeros,
// subnormals and results outside the normal range go out of line.
//
// Encodings that no operation makes from finite values, only FromBits:
//   - infinities and NaNs (exponent 0x7FFF): arithmetic on them raises the
//     failure that the x87 result would raise, x / infinity gives zero, and
//     comparisons treat a NaN as unordered, as on the x87.
//   - pseudo-denormals (exponent 0, leading bit set) are read by their value,
//     as the x87 reads them.
//   - unnormals (exponent above 0, leading bit clear) and pseudo-infinities or
//     pseudo-NaNs are operands that the x87 refuses as invalid; here they are
//     read by their value (a pseudo-infinity as an infinity). Comparisons and
//     the bit queries look at the encoding, so such a value may compare unequal
//     to the same number in its usual encoding. Callers that take bits from
//     outside must give the usual encodings.

#include <bit>
#include <compare>
#include <cstdint>
#include <utility>

#include "numtext/Errors.h"
#include "numtext/Extended80SoftWide.h"

namespace feniko {

class Extended80 {
 public:
  constexpr Extended80() = default;

  static Extended80 FromInt64(std::int64_t value) {
    if (value == 0) return Extended80();
    const std::uint16_t sign = value < 0 ? kSignBit : 0;
    const std::uint64_t magnitude =
        value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    const int shift = std::countl_zero(magnitude);
    return Extended80(static_cast<std::uint16_t>(sign | (kBias + 63 - shift)), magnitude << shift);
  }
  static Extended80 FromDouble(double value);
  static Extended80 FromBits(std::uint16_t signExponent, std::uint64_t significand) {
    return Extended80(signExponent, significand);
  }

  std::uint16_t SignExponentBits() const { return signExponent_; }
  std::uint64_t SignificandBits() const { return significand_; }

  friend Extended80 operator+(Extended80 a, Extended80 b) { return Add(a, b); }
  friend Extended80 operator-(Extended80 a, Extended80 b) { return Add(a, -b); }
  friend Extended80 operator*(Extended80 a, Extended80 b) {
    if (!BothNormal(a, b)) [[unlikely]]
      return MultiplyRare(a, b);
    return Multiply(a.signExponent_ ^ b.signExponent_, a.BiasedExponent(), a.significand_,
                    b.BiasedExponent(), b.significand_);
  }
  friend Extended80 operator/(Extended80 a, Extended80 b) {
    if (!BothNormal(a, b)) [[unlikely]]
      return DivideRare(a, b);
    return Divide(a.signExponent_ ^ b.signExponent_, a.BiasedExponent(), a.significand_,
                  b.BiasedExponent(), b.significand_);
  }
  Extended80 operator-() const { return Extended80(signExponent_ ^ kSignBit, significand_); }
  Extended80 Abs() const { return Extended80(signExponent_ & kExponentMask, significand_); }

  friend bool operator==(Extended80 a, Extended80 b) {
    if (a.significand_ == b.significand_ && a.signExponent_ == b.signExponent_) return !a.IsNaN();
    return a.IsZero() && b.IsZero();
  }
  friend std::partial_ordering operator<=>(Extended80 a, Extended80 b) {
    if (a.IsNaN() || b.IsNaN()) [[unlikely]]
      return std::partial_ordering::unordered;
    if (a.IsZero() && b.IsZero()) return std::partial_ordering::equivalent;
    const bool negative = a.SignBit();
    if (negative != b.SignBit()) {
      return negative ? std::partial_ordering::less : std::partial_ordering::greater;
    }
    std::partial_ordering magnitude = a.BiasedExponent() <=> b.BiasedExponent();
    if (magnitude == 0) magnitude = a.significand_ <=> b.significand_;
    return negative ? 0 <=> magnitude : magnitude;
  }

  double ToDouble() const;
  std::int64_t RoundToInt64() const;
  Extended80 RoundToIntegral() const;

  bool SignBit() const { return (signExponent_ & kSignBit) != 0; }
  bool IsFinite() const { return BiasedExponent() != kMaxBiasedExponent; }
  bool IsZeroOrSubnormal() const { return BiasedExponent() == 0; }
  int Exponent() const { return BiasedExponent() - kBias; }

 private:
  static constexpr std::uint16_t kSignBit = 0x8000;
  static constexpr std::uint16_t kExponentMask = 0x7FFF;
  static constexpr int kMaxBiasedExponent = 0x7FFF;
  static constexpr int kBias = 16383;
  static constexpr std::uint64_t kLeadingBit = std::uint64_t{1} << 63;

  constexpr Extended80(std::uint16_t signExponent, std::uint64_t significand)
      : significand_(significand), signExponent_(signExponent) {}

  int BiasedExponent() const { return signExponent_ & kExponentMask; }
  bool IsZero() const { return significand_ == 0 && IsFinite(); }
  bool IsNaN() const { return !IsFinite() && (significand_ << 1) != 0; }
  // Finite, nonzero and in the usual normal encoding: the operands of the inline paths.
  bool IsNormal() const {
    return static_cast<unsigned>(BiasedExponent() - 1) < kMaxBiasedExponent - 1 &&
           (significand_ & kLeadingBit) != 0;
  }
  static bool BothNormal(Extended80 a, Extended80 b) { return a.IsNormal() && b.IsNormal(); }

  // The operations below take significands with the leading bit set and
  // exponents that may lie below 1 (normalised subnormals); `sign` is any
  // 16-bit word whose top bit is the result's sign.
  static Extended80 Add(Extended80 a, Extended80 b) {
    if (!BothNormal(a, b)) [[unlikely]]
      return AddRare(a, b);
    return AddMagnitudes(a.signExponent_, a.BiasedExponent(), a.significand_, b.signExponent_,
                         b.BiasedExponent(), b.significand_);
  }

  static Extended80 AddMagnitudes(unsigned signA, int exponentA, std::uint64_t a, unsigned signB,
                                  int exponentB, std::uint64_t b) {
    if (exponentA < exponentB || (exponentA == exponentB && a < b)) {
      std::swap(signA, signB);
      std::swap(exponentA, exponentB);
      std::swap(a, b);
    }
    // |a| >= |b|; b aligned to a's exponent in 128 bits, bits beyond folded
    // into the lowest bit, which is enough to round and keeps a difference of
    // a subtraction on the right side of every rounding boundary.
    std::uint64_t bHigh = b, bLow = 0;
    ShiftRightSticky(bHigh, bLow, static_cast<unsigned>(exponentA - exponentB));
    if (((signA ^ signB) & kSignBit) == 0) {
      std::uint64_t high = a + bHigh, low = bLow;
      if (high < a) {
        low = (high << 63) | (low >> 1) | (low & 1);
        high = (high >> 1) | kLeadingBit;
        ++exponentA;
      }
      return RoundAndPack(signA, exponentA, high, low);
    }
    const std::uint64_t low = 0 - bLow;
    std::uint64_t high = a - bHigh - (bLow != 0 ? 1 : 0);
    if ((high | low) == 0) return Extended80();  // x - x is +0 when rounding to nearest
    return NormaliseRoundAndPack(signA, exponentA, high, low);
  }

  static Extended80 Multiply(unsigned sign, int exponentA, std::uint64_t a, int exponentB,
                             std::uint64_t b) {
    extended80_wide::U128 product = extended80_wide::MulWide(a, b);
    int exponent = exponentA + exponentB - kBias + 1;
    if ((product.hi & kLeadingBit) == 0) {
      product.hi = (product.hi << 1) | (product.lo >> 63);
      product.lo <<= 1;
      --exponent;
    }
    return RoundAndPack(sign, exponent, product.hi, product.lo);
  }

  static Extended80 Divide(unsigned sign, int exponentA, std::uint64_t a, int exponentB,
                           std::uint64_t b) {
    // The dividend is placed so that the quotient has exactly 64 bits.
    int exponent = exponentA - exponentB + kBias;
    std::uint64_t high = a, low = 0;
    if (a < b) {
      --exponent;
    } else {
      low = a << 63;
      high = a >> 1;
    }
    const extended80_wide::QuotientRemainder q = extended80_wide::DivWide(high, low, b);
    // The remainder only tells the rounding whether the rest is zero, below,
    // at or above one half.
    std::uint64_t rest = 0;
    if (q.remainder != 0) {
      const std::uint64_t otherPart = b - q.remainder;
      rest = q.remainder > otherPart ? kLeadingBit | 1 : q.remainder == otherPart ? kLeadingBit : 1;
    }
    return RoundAndPack(sign, exponent, q.quotient, rest);
  }

  // high:low holds the significand and the bits below it, leading bit set.
  static Extended80 RoundAndPack(unsigned sign, int exponent, std::uint64_t high,
                                 std::uint64_t low) {
    if (static_cast<unsigned>(exponent - 1) >= kMaxBiasedExponent - 1) [[unlikely]] {
      return RoundAndPackOutsideNormalRange(sign, exponent, high, low);
    }
    if (low > kLeadingBit || (low == kLeadingBit && (high & 1) != 0)) {
      ++high;
      if (high == 0) {
        high = kLeadingBit;
        if (++exponent == kMaxBiasedExponent) RaiseOverflow();
      }
    }
    return Extended80(static_cast<std::uint16_t>((sign & kSignBit) | exponent), high);
  }

  // As RoundAndPack, for a nonzero high:low whose leading bit may be clear.
  static Extended80 NormaliseRoundAndPack(unsigned sign, int exponent, std::uint64_t high,
                                          std::uint64_t low) {
    if ((high & kLeadingBit) == 0) {
      if (high == 0) {
        high = low;
        low = 0;
        exponent -= 64;
      }
      const int shift = std::countl_zero(high);
      if (shift != 0) {
        high = (high << shift) | (low >> (64 - shift));
        low <<= shift;
        exponent -= shift;
      }
    }
    return RoundAndPack(sign, exponent, high, low);
  }

  static void ShiftRightSticky(std::uint64_t& high, std::uint64_t& low, unsigned count) {
    if (count == 0) return;
    if (count < 64) {
      low = (high << (64 - count)) | (low >> count) | ((low << (64 - count)) != 0 ? 1 : 0);
      high >>= count;
    } else if (count == 64) {
      low = high | (low != 0 ? 1 : 0);
      high = 0;
    } else if (count < 128) {
      low = (high >> (count - 64)) | (((high << (128 - count)) | low) != 0 ? 1 : 0);
      high = 0;
    } else {
      low = (high | low) != 0 ? 1 : 0;
      high = 0;
    }
  }

  static Extended80 RoundAndPackOutsideNormalRange(unsigned sign, int exponent, std::uint64_t high,
                                                   std::uint64_t low);
  static Extended80 AddRare(Extended80 a, Extended80 b);
  static Extended80 MultiplyRare(Extended80 a, Extended80 b);
  static Extended80 DivideRare(Extended80 a, Extended80 b);

  std::uint64_t significand_ = 0;
  std::uint16_t signExponent_ = 0;
};

}  // namespace feniko
