#pragma once

// Reading and writing numbers as the pages do. Every value passes through
// Extended80; every rounding below is to nearest, ties to even, unless stated.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "numtext/Extended80.h"

namespace feniko {

// A money amount in yuan.
using Amount = double;

// v × 10^n through the three tables of power-of-ten factors (10^0..10^31,
// 10^(32k) for k = 1..15, 10^(512k) for k = 1..9, each the nearest Extended80),
// rounding after every factor. For |n| <= 27 this is v × 10^n rounded once.
// n <= -5120 gives zero; n must be below 5120.
Extended80 ScaleByPow10(Extended80 v, int n);

// Reads a whole typed text as a number, with the current decimal separator:
//   blanks* [+|-] digits* [sep digits*] [(E|e) [+|-] digits*] blanks*
// where blanks are spaces only and the mantissa holds at least one digit or
// the separator. Examples with separator ".":
//   "  5000.5  " -> 5000.5      "5." -> 5        "." -> 0       "-0" -> -0
//   "5e" -> 5                  "1e00000000009" -> 1e9
//   "99999999999999999999" -> exactly 1e20 (the running value is rounded at
//                                every digit: a = a × 10 + d is two roundings)
//   "1e-4999" -> 0              "1e4999" -> fails (overflow)
//   "1e5000" -> fails: exponent digits are taken only while the exponent is
//               below 500, so the last 0 is left over
//   "", " ", "+", "e5", "1 000", "1,000", "\t5" -> fail
// Fails with ConversionError "'<text>' is not a valid floating point value".
// Never returns an infinity or a NaN.
Extended80 ParseDecimal(std::string_view text);

// Stores a value as an Amount: the nearest double, ties to even. Beyond the
// double range it fails with ArithmeticError "Floating point overflow"; below
// it the result is subnormal or zero.
Amount ToAmount(Extended80 value);

// Up to 18 decimal digit characters, held inline: formatting a number
// allocates nothing but its result.
class DigitString {
 public:
  static constexpr std::size_t kCapacity = 18;

  DigitString() = default;
  explicit DigitString(std::string_view digits) : size_(digits.size()) {
    for (std::size_t i = 0; i < size_; ++i) chars_[i] = digits[i];
  }

  bool empty() const { return size_ == 0; }
  std::size_t size() const { return size_; }
  char operator[](std::size_t i) const { return chars_[i]; }
  std::string_view view() const { return {chars_.data(), size_}; }
  friend bool operator==(const DigitString& a, std::string_view b) { return a.view() == b; }

 private:
  std::array<char, kCapacity> chars_{};
  std::size_t size_ = 0;
};

// The decimal digits of a value: 0.d1d2…dn × 10^exponent, no trailing zeros;
// empty digits stand for zero.
struct DecimalForm {
  std::int16_t exponent = 0;
  bool negative = false;
  DigitString digits;
};

// The digits of v to `precision` significant digits and at most `decimals`
// digits after the point. The value is first brought to an 18-digit integer by
// scaling and two successive roundings; then the single digit after the cut
// decides, halves away from zero. Zero and subnormals give the empty form.
DecimalForm ToDecimalForm(Extended80 v, int precision, int decimals);

// Two decimals, halves away from zero, at least one integer digit:
//   5000.005 -> "5000.01"    2.675 -> "2.68"     -0.004 -> "0.00" (no sign)
//   -5 -> "-5.00"            1e-400 -> "0.00"    999999.995 -> "1000000.00"
// A value that comes to 10^18 or more is written as FormatGeneral writes it:
//   1e18 -> "1E18"           1.5e20 -> "1.5E20"
std::string FormatCents(Extended80 value);

// At most 15 significant digits, no trailing zeros, fixed notation from
// 0.0001 up to below 10^15 and scientific notation outside:
//   45 -> "45"     -0 -> "0"     double 1500.01 -> "1500.01"
//   0.03 × 100 in extended -> "3"        3500.01 - 3500 -> "0.0100000000002183"
//   1e15 -> "1E15"   1234567890123456 -> "1.23456789012346E15"   0.00001 -> "1E-5"
//   double 3900148863.182405 -> "3900148863.18241": the 18-digit form is
//     …18240500 after its two roundings, so the 15th digit rounds up.
std::string FormatGeneral(Extended80 value);

}  // namespace feniko
