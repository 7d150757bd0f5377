// Writing arbitrary finite Extended80 values in the shortest form.
//
// Input: ten bytes of an Extended80 encoding (FuzzExtended80.h); an eleventh
// byte, if any, picks the separator (FuzzLaw.h).
// Laws:
//  - FormatGeneral never fails; zero and subnormals give "0";
//  - the text has at most 15 significant digits, no "+", no trailing
//    separator and no trailing zero after it; the scientific form has one
//    nonzero digit before the separator and an exponent without leading
//    zeros, and is used exactly outside 0.0001 up to below 10^15;
//  - "-" exactly for a value below zero;
//  - the text reads back to a value within one unit of the 15th significant
//    digit of the value written, and writing that value again gives the
//    same text (unless it reads as a subnormal, which writes "0").

#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzExtended80.h"
#include "FuzzLaw.h"

namespace feniko::fuzz {
namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

bool AllDigits(std::string_view s) {
  for (const char c : s)
    if (!IsDigit(c)) return false;
  return !s.empty();
}

// Checks the shape of the text; returns an empty text when it is right, else
// what is wrong.
std::string ShapeFault(std::string_view text, std::string_view separator) {
  if (text.starts_with('-')) text.remove_prefix(1);
  std::string_view mantissa = text;
  std::string_view exponent;
  const std::size_t e = text.find('E');
  if (e != std::string_view::npos) {
    mantissa = text.substr(0, e);
    exponent = text.substr(e + 1);
    if (exponent.starts_with('-')) exponent.remove_prefix(1);
    if (!AllDigits(exponent)) return "exponent digits";
    if (exponent.size() > 1 && exponent[0] == '0') return "leading zero in the exponent";
  }
  std::string_view whole = mantissa;
  std::string_view fraction;
  const std::size_t sep = mantissa.find(separator);
  if (sep != std::string_view::npos) {
    whole = mantissa.substr(0, sep);
    fraction = mantissa.substr(sep + separator.size());
    if (!AllDigits(fraction)) return "fraction digits";
    if (fraction.back() == '0') return "trailing zero";
  }
  if (!AllDigits(whole)) return "integer digits";
  if (whole.size() > 1 && whole[0] == '0') return "leading zero";

  std::string digits = std::string(whole) + std::string(fraction);
  const std::size_t first = digits.find_first_not_of('0');
  if (first == std::string::npos) return "no significant digit";
  if (digits.size() - first > 15) return "more than 15 significant digits";

  if (e != std::string_view::npos) {
    if (whole.size() != 1 || whole[0] == '0') return "scientific form needs one nonzero digit";
    const int power = std::stoi(std::string(text.substr(e + 1)));
    if (power >= -4 && power <= 14) return "scientific form inside the fixed range";
  } else {
    if (whole.size() > 15) return "fixed form of 10^15 or more";
    if (whole == "0" && first > 4) return "fixed form below 0.0001";
  }
  return {};
}

void Check(Extended80 v, std::string_view separator) {
  const std::string context = "value " + Bits(v);
  std::string text;
  try {
    text = FormatGeneral(v);
  } catch (const std::exception& e) {
    Broken("FormatGeneral does not fail", context + ": " + e.what());
  }
  if (v.IsZeroOrSubnormal()) {
    if (text != "0") Broken("zero and subnormals write 0", context + " " + Quoted(text));
    return;
  }
  if (const std::string fault = ShapeFault(text, separator); !fault.empty())
    Broken("the shortest form is well formed (" + fault + ")", context + " " + Quoted(text));
  if (text.starts_with('-') != (v < Extended80()))
    Broken("a minus sign exactly for a value below zero", context + " " + Quoted(text));

  Extended80 read;
  try {
    read = ParseDecimal(text);
  } catch (const std::exception&) {
    Broken("a FormatGeneral text reads back", context + " text " + Quoted(text));
  }
  const std::optional<Extended80> unit = PowerOfTen(DigitsBeforePoint(v) - 15);
  if (!unit || (read - v).Abs() > *unit)
    Broken("the text reads back within one unit of the 15th digit",
           context + " text " + Quoted(text) + " read " + Bits(read));
  // A text just below the smallest normal reads as a subnormal, which writes
  // "0"; every other value read writes the same text again.
  if (read.IsZeroOrSubnormal()) return;
  const std::string again = FormatGeneral(read);
  if (again != text)
    Broken("writing the value read gives the same text",
           context + " text " + Quoted(text) + " then " + Quoted(again));
}

}  // namespace
}  // namespace feniko::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace feniko::fuzz;
  if (size < kEncodingBytes) return 0;
  const std::optional<feniko::Extended80> v = FiniteFromBytes(data);
  if (!v) return 0;
  const std::string_view separator =
      size > kEncodingBytes ? PickSeparator(data[kEncodingBytes]) : PickSeparator('.');
  Check(*v, separator);
  return 0;
}
