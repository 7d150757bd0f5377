#pragma once

// Extended80 values from fuzz input, and the decimal size of a value, for the
// harnesses of the writing operations.

#include <cmath>
#include <cstdint>
#include <cstring>
#include <optional>

#include "numtext/Errors.h"
#include "numtext/NumberText.h"

namespace feniko::fuzz {

inline constexpr std::size_t kEncodingBytes = 10;

// The ten bytes as the x87 stores them (significand, then sign and exponent,
// little-endian). Only the encodings the arithmetic produces are values:
// infinities, NaNs, pseudo-denormals (exponent 0, leading bit set) and
// unnormals (exponent not 0, leading bit clear) are skipped.
inline std::optional<Extended80> FiniteFromBytes(const std::uint8_t* bytes) {
  std::uint64_t significand = 0;
  std::uint16_t signExponent = 0;
  std::memcpy(&significand, bytes, sizeof significand);
  std::memcpy(&signExponent, bytes + sizeof significand, sizeof signExponent);
  const unsigned exponent = signExponent & 0x7FFFu;
  const bool leadingBit = (significand >> 63) != 0;
  if (exponent == 0x7FFF) return std::nullopt;
  if (exponent == 0 ? leadingBit : !leadingBit) return std::nullopt;
  return Extended80::FromBits(signExponent, significand);
}

// 10^n, or nothing when it is beyond the Extended80 range.
inline std::optional<Extended80> PowerOfTen(int n) {
  try {
    return ScaleByPow10(Extended80::FromInt64(1), n);
  } catch (const ArithmeticError&) {
    return std::nullopt;
  }
}

// D with 10^(D-1) <= |v| < 10^D, for a normal v. Found by comparing with
// powers of ten (rounded ones: right except within a rounding of a power,
// where either answer serves a tolerance).
inline int DigitsBeforePoint(Extended80 v) {
  const Extended80 magnitude = v.Abs();
  int d = static_cast<int>(std::floor(magnitude.Exponent() * 0.30102999566398120));
  for (;; ++d) {
    const std::optional<Extended80> power = PowerOfTen(d);
    if (!power || magnitude < *power) return d;
  }
}

}  // namespace feniko::fuzz
