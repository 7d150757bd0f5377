// Reading arbitrary bytes as a typed number, then storing it as an Amount.
//
// Input: the first byte picks the separator (FuzzLaw.h), the rest is the text.
// Laws:
//  - reading gives a finite value, or the conversion error with exactly
//    "'<text>' is not a valid floating point value"; nothing else escapes;
//  - a second, plain reading of the grammar agrees on which texts are
//    numbers; a number is refused only when it (or its running digit value)
//    is beyond the largest Extended80, and always when it is far beyond;
//  - the sign of the result is the sign typed, zero digits give a zero;
//  - for up to 40 significant digits in the double range, the stored Amount
//    is glibc's strtod of the same number or one of its two neighbours;
//  - storing as an Amount gives the nearest double, or "Floating point
//    overflow" exactly when that nearest double would be beyond the range.

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "FuzzLaw.h"
#include "numtext/Errors.h"
#include "numtext/NumberText.h"

namespace feniko::fuzz {
namespace {

// The texts the grammar admits, read without computing a value.
struct Reading {
  bool accepted = false;
  bool negative = false;
  std::string significant;  // the mantissa's digits, leading zeros dropped
  std::int64_t fractionDigits = 0;
  std::int64_t exponent = 0;  // signed, as far as its digits are taken
};

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

Reading Recognise(std::string_view text, std::string_view separator) {
  Reading r;
  std::size_t i = 0;
  const std::size_t n = text.size();
  while (i < n && text[i] == ' ') ++i;
  if (i < n && (text[i] == '+' || text[i] == '-')) r.negative = text[i++] == '-';
  bool mantissa = false;
  const auto takeDigit = [&](char c) {
    if (c != '0' || !r.significant.empty()) r.significant.push_back(c);
    mantissa = true;
  };
  while (i < n && IsDigit(text[i])) takeDigit(text[i++]);
  if (text.substr(i).starts_with(separator)) {
    i += separator.size();
    mantissa = true;
    while (i < n && IsDigit(text[i])) {
      takeDigit(text[i++]);
      ++r.fractionDigits;
    }
  }
  if (!mantissa) return r;
  if (i < n && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    bool minus = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) minus = text[i++] == '-';
    std::int64_t e = 0;
    while (i < n && IsDigit(text[i]) && e < 500) e = e * 10 + (text[i++] - '0');
    r.exponent = minus ? -e : e;
  }
  while (i < n && text[i] == ' ') ++i;
  r.accepted = i == n;
  return r;
}

std::string NotAFloat(std::string_view text) {
  return "'" + std::string(text) + "' is not a valid floating point value";
}

void CheckAmount(Extended80 v, std::string_view text) {
  // The largest double and the midpoint above it, beyond which rounding overflows.
  const Extended80 largest = Extended80::FromDouble(DBL_MAX);
  const Extended80 overflowAt = largest + Extended80::FromDouble(std::ldexp(1.0, 970));
  double amount = 0;
  try {
    amount = ToAmount(v);
  } catch (const ArithmeticError& e) {
    if (std::string_view(e.what()) != kOverflowMessage)
      Broken("storing fails only with the overflow message", e.what());
    if (v.Abs() < overflowAt)
      Broken("storing fails only beyond the double range", Quoted(text) + " value " + Bits(v));
    return;
  }
  if (!std::isfinite(amount)) Broken("an Amount is finite", Quoted(text));
  if (v.Abs() >= overflowAt)
    Broken("storing beyond the double range fails", Quoted(text) + " value " + Bits(v));
  if (amount != 0 && std::signbit(amount) != v.SignBit())
    Broken("storing keeps the sign", Quoted(text));
  // Nearest: no neighbour of the stored double is closer to the value.
  const Extended80 distance = (Extended80::FromDouble(amount) - v).Abs();
  for (const double towards : {-HUGE_VAL, HUGE_VAL}) {
    const double neighbour = std::nextafter(amount, towards);
    if (!std::isfinite(neighbour)) continue;
    if ((Extended80::FromDouble(neighbour) - v).Abs() < distance)
      Broken("storing gives the nearest double", Quoted(text) + " value " + Bits(v));
  }
}

void CheckAgainstStrtod(const Reading& r, Extended80 v, std::string_view text) {
  if (r.significant.empty() || r.significant.size() > 40) return;
  const std::int64_t power = r.exponent - r.fractionDigits;
  const std::int64_t magnitude = static_cast<std::int64_t>(r.significant.size()) + power;
  if (magnitude < -300 || magnitude > 300) return;
  const std::string plain = (r.negative ? "-" : "") + r.significant + "e" + std::to_string(power);
  const double reference = std::strtod(plain.c_str(), nullptr);
  const double amount = ToAmount(v);
  if (amount != reference && std::nextafter(reference, -HUGE_VAL) != amount &&
      std::nextafter(reference, HUGE_VAL) != amount)
    Broken("the stored value is strtod's or a neighbour", Quoted(text) + " read as " + plain);
}

void Check(std::string_view text, std::string_view separator) {
  const Reading r = Recognise(text, separator);
  Extended80 v;
  try {
    v = ParseDecimal(text);
  } catch (const ConversionError& e) {
    // what() ends at a NUL byte of the text, so compare up to there.
    if (std::string_view(e.what()) != NotAFloat(text).c_str())
      Broken("the conversion error quotes the whole text", Quoted(text) + " gave " + e.what());
    if (!r.accepted) return;
    // An admitted text fails only by overflow: its value, or the running
    // digit value a = a * 10 + d, reaches 10^4932 (the largest Extended80 is
    // about 1.19e4932).
    const std::int64_t digits = static_cast<std::int64_t>(r.significant.size());
    const std::int64_t magnitude = digits + r.exponent - r.fractionDigits;
    if (!r.significant.empty() && (magnitude >= 4933 || digits >= 4933)) return;
    Broken("a text of the grammar is read unless it overflows", Quoted(text));
  } catch (const std::exception& e) {
    Broken("reading fails only with the conversion error", Quoted(text) + " gave " + e.what());
  }

  if (!r.accepted) Broken("a text outside the grammar is refused", Quoted(text));
  if (!v.IsFinite()) Broken("a value read is finite", Quoted(text));
  if (v.SignBit() != r.negative) Broken("the value has the sign typed", Quoted(text));
  if (r.significant.empty() && v != Extended80())
    Broken("zero digits read as zero", Quoted(text) + " value " + Bits(v));
  const std::int64_t magnitude =
      static_cast<std::int64_t>(r.significant.size()) + r.exponent - r.fractionDigits;
  if (!r.significant.empty() && magnitude >= 4934)
    Broken("a number beyond the Extended80 range is refused", Quoted(text));

  CheckAmount(v, text);
  CheckAgainstStrtod(r, v, text);
}

}  // namespace
}  // namespace feniko::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::string_view separator = feniko::fuzz::PickSeparator(data[0]);
  feniko::fuzz::Check(std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1),
                      separator);
  return 0;
}
