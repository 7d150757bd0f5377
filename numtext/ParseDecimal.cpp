#include <cstdint>
#include <limits>

#include "numtext/DecimalSeparator.h"
#include "numtext/NumberText.h"

namespace feniko {
namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Exponent digits are taken only while the exponent read so far is below
// this; a digit after that is left over and makes the text invalid.
constexpr int kExponentDigitLimit = 500;

// Up to 19 digits the running value a = a × 10 + d stays below 2^64 and is
// exact in Extended80, so an integer accumulator gives the same bits faster.
constexpr int kExactDigits = 19;

class DigitAccumulator {
 public:
  void Add(int digit) {
    if (exactDigits_ < kExactDigits) {
      exact_ = exact_ * 10 + static_cast<std::uint64_t>(digit);
      if (exact_ != 0) ++exactDigits_;
      return;
    }
    if (!spilled_) {
      value_ = FromUint64(exact_);
      spilled_ = true;
    }
    // Two roundings, as written: the product, then the sum.
    value_ = value_ * Ten();
    value_ = value_ + Extended80::FromInt64(digit);
  }

  Extended80 Value() const { return spilled_ ? value_ : FromUint64(exact_); }
  bool IsZero() const { return !spilled_ && exact_ == 0; }

 private:
  static Extended80 Ten() { return Extended80::FromInt64(10); }
  static Extended80 FromUint64(std::uint64_t v) {
    if (v <= static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()))
      return Extended80::FromInt64(static_cast<std::int64_t>(v));
    // Both halves are exact, so is their sum (v < 2^64 fits 64 bits).
    const auto high = static_cast<std::int64_t>(v >> 1);
    return Extended80::FromInt64(high) * Extended80::FromInt64(2) +
           Extended80::FromInt64(static_cast<std::int64_t>(v & 1));
  }

  std::uint64_t exact_ = 0;
  int exactDigits_ = 0;  // significant digits in exact_ (leading zeros do not count)
  bool spilled_ = false;
  Extended80 value_;
};

Extended80 ParseOrThrow(std::string_view text) {
  const std::string_view separator = DecimalSeparator();
  const std::size_t size = text.size();
  std::size_t i = 0;

  while (i < size && text[i] == ' ') ++i;

  bool negative = false;
  if (i < size && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }

  // Zeros before the first significant digit leave the value at zero; a
  // pasted text may hold millions of them.
  const auto skipZeros = [&] {
    const std::size_t start = i;
    while (i < size && text[i] == '0') ++i;
    return static_cast<std::int64_t>(i - start);
  };

  DigitAccumulator digits;
  bool hasMantissa = skipZeros() > 0;
  while (i < size && IsDigit(text[i])) {
    digits.Add(text[i] - '0');
    hasMantissa = true;
    ++i;
  }
  std::int64_t fractionDigits = 0;
  if (text.substr(i, separator.size()) == separator) {
    i += separator.size();
    hasMantissa = true;
    if (digits.IsZero()) fractionDigits += skipZeros();
    while (i < size && IsDigit(text[i])) {
      digits.Add(text[i] - '0');
      ++fractionDigits;
      ++i;
    }
  }
  if (!hasMantissa) RaiseNotAFloat(text);

  int exponent = 0;
  if (i < size && (text[i] == 'E' || text[i] == 'e')) {
    ++i;
    bool exponentNegative = false;
    if (i < size && (text[i] == '+' || text[i] == '-')) {
      exponentNegative = text[i] == '-';
      ++i;
    }
    while (i < size && IsDigit(text[i]) && exponent < kExponentDigitLimit) {
      exponent = exponent * 10 + (text[i] - '0');
      ++i;
    }
    if (exponentNegative) exponent = -exponent;
  }

  while (i < size && text[i] == ' ') ++i;
  if (i != size) RaiseNotAFloat(text);

  // Every power below -5119 scales to zero; clamping keeps a text of millions
  // of fraction digits within int.
  std::int64_t power = exponent - fractionDigits;
  if (power < -5120) power = -5120;
  Extended80 value = ScaleByPow10(digits.Value(), static_cast<int>(power));
  return negative ? -value : value;
}

}  // namespace

Extended80 ParseDecimal(std::string_view text) {
  try {
    return ParseOrThrow(text);
  } catch (const ArithmeticError&) {
    // An overflow while reading makes the text invalid.
    RaiseNotAFloat(text);
  }
}

Amount ToAmount(Extended80 value) {
  return value.ToDouble();
}

}  // namespace feniko
