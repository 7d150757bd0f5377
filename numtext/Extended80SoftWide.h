#pragma once

// The double-width integer steps under the software Extended80: a 64 x 64 bit
// product and a 128 / 64 bit quotient with remainder. Compilers that have
// `unsigned __int128` (GCC, Clang) get it; the others (MSVC) take the portable
// forms, which use only 64-bit operations. FENIKO_SOFT_EXTENDED80_NO_INT128
// forces the portable forms, so that they are tested where both exist.

#include <cstdint>

namespace feniko::extended80_wide {

struct U128 {
  std::uint64_t hi;
  std::uint64_t lo;
};

struct QuotientRemainder {
  std::uint64_t quotient;
  std::uint64_t remainder;
};

constexpr std::uint64_t kLow32 = 0xFFFF'FFFFu;

constexpr U128 MulWidePortable(std::uint64_t a, std::uint64_t b) {
  const std::uint64_t a0 = a & kLow32, a1 = a >> 32;
  const std::uint64_t b0 = b & kLow32, b1 = b >> 32;
  const std::uint64_t p00 = a0 * b0, p01 = a0 * b1, p10 = a1 * b0, p11 = a1 * b1;
  // Each of the three terms is below 2^32, so the sum cannot wrap.
  const std::uint64_t middle = (p00 >> 32) + (p01 & kLow32) + (p10 & kLow32);
  return {p11 + (p01 >> 32) + (p10 >> 32) + (middle >> 32), (middle << 32) | (p00 & kLow32)};
}

// (hi:lo) / d for a divisor with its top bit set and hi < d, so that the
// quotient fits in 64 bits: long division in two 32-bit digits, each digit
// estimated from the divisor's top half and corrected at most twice
// (Knuth, TAOCP vol. 2, 4.3.1, algorithm D).
constexpr QuotientRemainder DivWidePortable(std::uint64_t hi, std::uint64_t lo, std::uint64_t d) {
  const std::uint64_t d1 = d >> 32, d0 = d & kLow32;
  const std::uint64_t n1 = lo >> 32, n0 = lo & kLow32;

  std::uint64_t q1 = hi / d1;
  std::uint64_t rest = hi - q1 * d1;
  while (q1 > kLow32 || q1 * d0 > ((rest << 32) | n1)) {
    --q1;
    rest += d1;
    if (rest > kLow32) break;
  }
  const std::uint64_t partial = ((hi << 32) | n1) - q1 * d;

  std::uint64_t q0 = partial / d1;
  rest = partial - q0 * d1;
  while (q0 > kLow32 || q0 * d0 > ((rest << 32) | n0)) {
    --q0;
    rest += d1;
    if (rest > kLow32) break;
  }
  return {(q1 << 32) | q0, ((partial << 32) | n0) - q0 * d};
}

#if defined(__SIZEOF_INT128__) && !defined(FENIKO_SOFT_EXTENDED80_NO_INT128)

__extension__ typedef unsigned __int128 NativeU128;

inline QuotientRemainder DivWide(std::uint64_t hi, std::uint64_t lo, std::uint64_t d) {
  const auto quotient = static_cast<std::uint64_t>(((static_cast<NativeU128>(hi) << 64) | lo) / d);
  return {quotient, lo - quotient * d};  // the remainder is below d, so its low word is all of it
}

inline U128 MulWide(std::uint64_t a, std::uint64_t b) {
  const NativeU128 product = static_cast<NativeU128>(a) * b;
  return {static_cast<std::uint64_t>(product >> 64), static_cast<std::uint64_t>(product)};
}

#else

inline QuotientRemainder DivWide(std::uint64_t hi, std::uint64_t lo, std::uint64_t d) {
  return DivWidePortable(hi, lo, d);
}

inline U128 MulWide(std::uint64_t a, std::uint64_t b) {
  return MulWidePortable(a, b);
}

#endif

}  // namespace feniko::extended80_wide
