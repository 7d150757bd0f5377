#pragma once

// What Convert must give for an amount, whoever calls it: the capital text of
// the amount's fen value, or the failure that the fen value calls for.
//  - fen value: the exact amount times 100, to the nearest integer, a half to
//    the even one; beyond the signed 64-bit range (or not finite) the failure
//    is ArithmeticError "Invalid floating point operation";
//  - below zero: ConversionError "'-' is not a valid integer value";
//  - 0: the empty text;
//  - 10^15 fen (10^13 yuan) and more: the out-of-range failure;
//  - otherwise a text of capital characters only that reads back
//    (CapitalDecoder.h) to the same fen value.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <exception>
#include <string>
#include <string_view>

#include "CapitalDecoder.h"
#include "FuzzLaw.h"
#include "convert/UConvert.h"
#include "numtext/Errors.h"

namespace feniko::fuzz {

inline std::string AmountText(double amount) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "amount %.17g (%a)", amount, amount);
  return buffer;
}

enum class Expected { Text, Invalid, Negative, OutOfRange };

struct ExpectedFen {
  Expected kind = Expected::Text;
  std::int64_t fen = 0;
};

inline ExpectedFen FenOf(double amount) {
  if (!std::isfinite(amount)) return {Expected::Invalid};
  // Exact: a double times 100 needs at most 58 significant bits.
  const Extended80 product = Extended80::FromDouble(amount) * Extended80::FromInt64(100);
  std::int64_t fen = 0;
  try {
    fen = product.RoundToInt64();
  } catch (const ArithmeticError&) {
    return {Expected::Invalid};
  }
  if (fen < 0) return {Expected::Negative, fen};
  if (fen >= 1'000'000'000'000'000) return {Expected::OutOfRange, fen};
  return {Expected::Text, fen};
}

// `convert` calls the converter for `amount` and returns its text.
template <class ConvertFn>
void CheckCapital(double amount, ConvertFn convert, std::string_view context) {
  const ExpectedFen expected = FenOf(amount);
  const std::string where = std::string(context) + " " + AmountText(amount);
  std::string text;
  try {
    text = convert();
  } catch (const ArithmeticError& e) {
    if (expected.kind != Expected::Invalid ||
        std::string_view(e.what()) != kInvalidOperationMessage)
      Broken("Convert fails with an invalid operation only beyond the fen range",
             where + ": " + e.what());
    return;
  } catch (const ConversionError& e) {
    if (expected.kind != Expected::Negative ||
        std::string_view(e.what()) != "'-' is not a valid integer value")
      Broken("Convert fails with the conversion error only below zero", where + ": " + e.what());
    return;
  } catch (const FenikoError& e) {
    if (expected.kind != Expected::OutOfRange ||
        std::string_view(e.what()) != kAmountOutOfRangeMessage)
      Broken("Convert refuses amounts only from 10^13 yuan up", where + ": " + e.what());
    return;
  } catch (const std::exception& e) {
    Broken("Convert fails only with the engine's failures", where + ": " + e.what());
  }
  if (expected.kind != Expected::Text)
    Broken("Convert fails beyond its range and below zero", where + " gave \"" + text + "\"");
  if (!OnlyCapitalChars(text))
    Broken("a capital text uses only the converter's characters", where + " gave \"" + text + "\"");
  const std::optional<std::int64_t> decoded = DecodeCapital(text);
  if (!decoded || *decoded != expected.fen)
    Broken("a capital text reads back to its fen value",
           where + " fen " + std::to_string(expected.fen) + " gave \"" + text + "\"" +
               (decoded ? " read as " + std::to_string(*decoded) : " (unreadable)"));
}

}  // namespace feniko::fuzz
