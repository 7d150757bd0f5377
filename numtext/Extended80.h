#pragma once

// Extended80: the 80-bit extended floating-point format (sign, 15-bit exponent
// with bias 16383, 64-bit significand with an explicit leading bit) in which
// every intermediate result of the engine is formed.
//
// Two implementations share one interface: the x87 `long double` where the
// compiler gives us that format, and a software type everywhere else (or when
// FENIKO_SOFT_EXTENDED80 is set). Callers see only this interface:
//
//   Extended80()                      +0
//   Extended80::FromInt64(i)          exact
//   Extended80::FromDouble(d)         exact (d must be finite)
//   Extended80::FromBits(se, sig)     from the raw encoding: sign and exponent
//                                     in the 16 bits `se`, significand `sig`
//   a + b, a - b, a * b, a / b        exact result rounded to 64 significant
//                                     bits, to nearest, ties to even; a result
//                                     beyond the largest finite value raises
//                                     "Floating point overflow", x / 0 raises
//                                     "Floating point division by zero" and
//                                     0 / 0 "Invalid floating point operation".
//                                     Underflow gives a subnormal or zero.
//   -a, Abs()                         exact
//   ==, !=, <, <=, >, >=              IEEE comparison (-0 == +0)
//   ToDouble()                        nearest double, ties to even; beyond the
//                                     double range raises "Floating point overflow"
//   RoundToInt64()                    nearest integer, ties to even; outside the
//                                     signed 64-bit range raises "Invalid
//                                     floating point operation"
//   RoundToIntegral()                 nearest integer, ties to even, as Extended80
//   SignBit(), IsZeroOrSubnormal(), IsFinite()
//   Exponent()                        E with 2^E <= |v| < 2^(E+1), for a normal v
//   SignExponentBits(), SignificandBits()   the raw encoding
//
// Finite values never become infinities or NaNs through this interface.

#if defined(FENIKO_SOFT_EXTENDED80)
#include "numtext/Extended80Soft.h"
#else
#include <cfloat>
#if !defined(__x86_64__) && !defined(__i386__)
#error "long double is not the x87 extended format here: configure with -DFENIKO_SOFT_EXTENDED80=ON (CMake does so by itself)"
#endif
static_assert(LDBL_MANT_DIG == 64,
              "long double must have a 64-bit significand (x87 extended); "
              "configure with -DFENIKO_SOFT_EXTENDED80=ON");
static_assert(LDBL_MAX_EXP == 16384 && LDBL_MIN_EXP == -16381,
              "long double must have the 15-bit x87 exponent range; "
              "configure with -DFENIKO_SOFT_EXTENDED80=ON");
#include "numtext/Extended80Native.h"
#endif
