#include "numtext/Extended80Soft.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <limits>

namespace feniko {

namespace {

enum class Kind { kZero, kFinite, kInfinity, kNaN };

Kind Classify(Extended80 v) {
  if (!v.IsFinite()) return (v.SignificandBits() << 1) == 0 ? Kind::kInfinity : Kind::kNaN;
  return v.SignificandBits() == 0 ? Kind::kZero : Kind::kFinite;
}

// A finite nonzero value with its leading bit moved to the top. Subnormals
// (and pseudo-denormals) count from exponent 1, so theirs goes below 1.
struct Normalised {
  unsigned sign;
  int exponent;
  std::uint64_t significand;
};

Normalised Normalise(Extended80 v) {
  const std::uint64_t significand = v.SignificandBits();
  const int shift = std::countl_zero(significand);
  const int exponent = std::max(static_cast<int>(v.SignExponentBits() & 0x7FFF), 1);
  return {v.SignExponentBits(), exponent - shift, significand << shift};
}

constexpr std::uint64_t kDoubleSignBit = std::uint64_t{1} << 63;
constexpr std::uint64_t kDoubleFraction = (std::uint64_t{1} << 52) - 1;
constexpr std::uint64_t kDoubleInfinity = std::uint64_t{0x7FF} << 52;
constexpr std::uint64_t kDoubleQuietBit = std::uint64_t{1} << 51;

// Whether the bits of `value` below bit `count` (1 <= count <= 63) make it
// round up to the next multiple of 2^count, ties to even.
bool RoundsUpAt(std::uint64_t value, int count) {
  const std::uint64_t half = std::uint64_t{1} << (count - 1);
  const std::uint64_t rest = value & ((half << 1) - 1);
  return rest > half || (rest == half && ((value >> count) & 1) != 0);
}

}  // namespace

Extended80 Extended80::RoundAndPackOutsideNormalRange(unsigned sign, int exponent,
                                                      std::uint64_t high, std::uint64_t low) {
  if (exponent >= 1) RaiseOverflow();
  // Gradual underflow: the exact value is shifted to the subnormal scale
  // first and rounded there, once.
  ShiftRightSticky(high, low, static_cast<unsigned>(1 - exponent));
  if (low > kLeadingBit || (low == kLeadingBit && (high & 1) != 0)) ++high;
  // Rounding up from the largest subnormal gives the smallest normal.
  return Extended80(static_cast<std::uint16_t>((sign & kSignBit) | (high >> 63)), high);
}

Extended80 Extended80::AddRare(Extended80 a, Extended80 b) {
  const Kind kindA = Classify(a), kindB = Classify(b);
  if (kindA == Kind::kNaN || kindB == Kind::kNaN) RaiseInvalidOperation();
  if (kindA == Kind::kInfinity || kindB == Kind::kInfinity) {
    if (kindA == kindB && a.SignBit() != b.SignBit()) RaiseInvalidOperation();
    RaiseOverflow();
  }
  if (kindA == Kind::kZero && kindB == Kind::kZero) {
    return Extended80(a.signExponent_ & b.signExponent_ & kSignBit, 0);  // -0 only from -0 + -0
  }
  // Adding zero is exact, but goes through packing so that a pseudo-denormal
  // comes out in its usual encoding, as from the x87.
  const Normalised x = Normalise(kindA == Kind::kZero ? b : a);
  if (kindA == Kind::kZero || kindB == Kind::kZero) {
    return RoundAndPack(x.sign, x.exponent, x.significand, 0);
  }
  const Normalised y = Normalise(b);
  return AddMagnitudes(x.sign, x.exponent, x.significand, y.sign, y.exponent, y.significand);
}

Extended80 Extended80::MultiplyRare(Extended80 a, Extended80 b) {
  const Kind kindA = Classify(a), kindB = Classify(b);
  if (kindA == Kind::kNaN || kindB == Kind::kNaN) RaiseInvalidOperation();
  if (kindA == Kind::kInfinity || kindB == Kind::kInfinity) {
    if (kindA == Kind::kZero || kindB == Kind::kZero) RaiseInvalidOperation();
    RaiseOverflow();
  }
  const unsigned sign = a.signExponent_ ^ b.signExponent_;
  if (kindA == Kind::kZero || kindB == Kind::kZero) {
    return Extended80(static_cast<std::uint16_t>(sign & kSignBit), 0);
  }
  const Normalised x = Normalise(a), y = Normalise(b);
  return Multiply(sign, x.exponent, x.significand, y.exponent, y.significand);
}

Extended80 Extended80::DivideRare(Extended80 a, Extended80 b) {
  const Kind kindA = Classify(a), kindB = Classify(b);
  if (kindB == Kind::kZero) {
    if (kindA == Kind::kZero) RaiseInvalidOperation();
    RaiseDivisionByZero();
  }
  if (kindA == Kind::kNaN || kindB == Kind::kNaN) RaiseInvalidOperation();
  if (kindA == Kind::kInfinity) {
    if (kindB == Kind::kInfinity) RaiseInvalidOperation();
    RaiseOverflow();
  }
  const unsigned sign = a.signExponent_ ^ b.signExponent_;
  if (kindA == Kind::kZero || kindB == Kind::kInfinity) {
    return Extended80(static_cast<std::uint16_t>(sign & kSignBit), 0);
  }
  const Normalised x = Normalise(a), y = Normalise(b);
  return Divide(sign, x.exponent, x.significand, y.exponent, y.significand);
}

Extended80 Extended80::FromDouble(double value) {
  const std::uint64_t bits = std::bit_cast<std::uint64_t>(value);
  const auto sign = static_cast<std::uint16_t>((bits >> 63) << 15);
  const int exponent = static_cast<int>((bits >> 52) & 0x7FF);
  const std::uint64_t fraction = bits & kDoubleFraction;
  if (exponent == 0x7FF) {
    // As the x87 loads them: a NaN comes out quiet.
    const std::uint64_t payload = fraction == 0 ? 0 : (fraction << 11) | (kLeadingBit >> 1);
    return Extended80(sign | kExponentMask, kLeadingBit | payload);
  }
  if (exponent == 0) {
    if (fraction == 0) return Extended80(sign, 0);
    // A subnormal double is fraction * 2^-1074, normal here.
    const int shift = std::countl_zero(fraction);
    return Extended80(static_cast<std::uint16_t>(sign | (kBias + 63 - 1074 - shift)),
                      fraction << shift);
  }
  return Extended80(static_cast<std::uint16_t>(sign | (exponent - 1023 + kBias)),
                    kLeadingBit | (fraction << 11));
}

double Extended80::ToDouble() const {
  const std::uint64_t sign = SignBit() ? kDoubleSignBit : 0;
  const Kind kind = Classify(*this);
  if (kind == Kind::kInfinity) RaiseOverflow();
  if (kind == Kind::kNaN) {
    // As the x87 stores them: the top fraction bits, made quiet.
    return std::bit_cast<double>(sign | kDoubleInfinity | kDoubleQuietBit |
                                 ((significand_ >> 11) & kDoubleFraction));
  }
  if (kind == Kind::kZero) return std::bit_cast<double>(sign);

  const Normalised v = Normalise(*this);
  const int exponent = v.exponent - kBias;  // 2^exponent <= |value| < 2^(exponent + 1)
  if (exponent > 1023) RaiseOverflow();
  if (exponent >= -1022) {
    // The significand keeps its leading bit, which adds one to the exponent
    // field; a carry out of rounding moves on into the exponent by itself.
    const std::uint64_t rounded = (v.significand >> 11) + (RoundsUpAt(v.significand, 11) ? 1 : 0);
    const std::uint64_t bits = (static_cast<std::uint64_t>(exponent + 1022) << 52) + rounded;
    if (bits >= kDoubleInfinity) RaiseOverflow();
    return std::bit_cast<double>(sign | bits);
  }
  // A subnormal double counts in units of 2^-1074.
  const int shift = -1011 - exponent;                  // 12 or more
  if (shift > 64) return std::bit_cast<double>(sign);  // below half of the smallest subnormal
  if (shift == 64) {
    // Half of the smallest subnormal or more: a tie goes to the even zero.
    return std::bit_cast<double>(sign | (v.significand > kLeadingBit ? 1 : 0));
  }
  // Rounding up from the largest subnormal gives the smallest normal double.
  const std::uint64_t rounded =
      (v.significand >> shift) + (RoundsUpAt(v.significand, shift) ? 1 : 0);
  return std::bit_cast<double>(sign | rounded);
}

Extended80 Extended80::RoundToIntegral() const {
  const Kind kind = Classify(*this);
  if (kind == Kind::kNaN) return Extended80(signExponent_, significand_ | (kLeadingBit >> 1));
  if (kind == Kind::kInfinity) return *this;
  const auto sign = static_cast<std::uint16_t>(signExponent_ & kSignBit);
  if (kind == Kind::kZero) return Extended80(sign, 0);

  const Normalised v = Normalise(*this);
  const int exponent = v.exponent - kBias;
  if (exponent >= 63)
    return Extended80(static_cast<std::uint16_t>(sign | v.exponent), v.significand);
  if (exponent < -1) return Extended80(sign, 0);
  if (exponent == -1) {
    // In [0.5, 1): exactly one half goes to the even zero.
    if (v.significand == kLeadingBit) return Extended80(sign, 0);
    return Extended80(static_cast<std::uint16_t>(sign | kBias), kLeadingBit);
  }
  const int fractionBits = 63 - exponent;  // 1 to 63
  const std::uint64_t unit = std::uint64_t{1} << fractionBits;
  std::uint64_t integral = v.significand & ~(unit - 1);
  int biased = v.exponent;
  if (RoundsUpAt(v.significand, fractionBits)) {
    integral += unit;
    if (integral == 0) {
      integral = kLeadingBit;
      ++biased;
    }
  }
  return Extended80(static_cast<std::uint16_t>(sign | biased), integral);
}

std::int64_t Extended80::RoundToInt64() const {
  const Kind kind = Classify(*this);
  if (kind == Kind::kNaN || kind == Kind::kInfinity) RaiseInvalidOperation();
  const Extended80 rounded = RoundToIntegral();
  if (rounded.significand_ == 0) return 0;
  const int exponent = rounded.Exponent();
  if (exponent >= 63) {
    // Only -2^63 fits.
    if (exponent == 63 && rounded.SignBit() && rounded.significand_ == kLeadingBit) {
      return std::numeric_limits<std::int64_t>::min();
    }
    RaiseInvalidOperation();
  }
  const std::uint64_t magnitude = rounded.significand_ >> (63 - exponent);
  return rounded.SignBit() ? -static_cast<std::int64_t>(magnitude)
                           : static_cast<std::int64_t>(magnitude);
}

}  // namespace feniko
