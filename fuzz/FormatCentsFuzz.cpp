// Writing arbitrary finite Extended80 values with two decimals.
//
// Input: ten bytes of an Extended80 encoding (FuzzExtended80.h); an eleventh
// byte, if any, picks the separator (FuzzLaw.h).
// Laws:
//  - FormatCents never fails;
//  - below 10^18 the text is "-"?, the integer digits without leading zeros
//    (or "0"), the separator and exactly two decimals; "-" only for a value
//    below zero that does not come to 0.00; from 10^18 on it is the general form;
//  - the text reads back with ParseDecimal, and formatting the value read
//    gives the same text;
//  - the value read lies within half a cent of the value written, give or
//    take the rounding to the 18-digit form.

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

bool HasCentsShape(std::string_view text, std::string_view separator) {
  if (text.starts_with('-')) text.remove_prefix(1);
  const std::size_t sep = text.find(separator);
  if (sep == std::string_view::npos || sep == 0) return false;
  const std::string_view whole = text.substr(0, sep);
  const std::string_view cents = text.substr(sep + separator.size());
  for (const char c : whole)
    if (!IsDigit(c)) return false;
  if (whole.size() > 1 && whole[0] == '0') return false;
  return cents.size() == 2 && IsDigit(cents[0]) && IsDigit(cents[1]);
}

void Check(Extended80 v, std::string_view separator) {
  const std::string context = "value " + Bits(v);
  std::string text;
  try {
    text = FormatCents(v);
  } catch (const std::exception& e) {
    Broken("FormatCents does not fail", context + ": " + e.what());
  }
  Extended80 read;
  try {
    read = ParseDecimal(text);
  } catch (const std::exception& e) {
    Broken("a FormatCents text reads back", context + " text " + Quoted(text));
  }
  const std::string again = FormatCents(read);
  if (again != text)
    Broken("formatting the value read gives the same text",
           context + " text " + Quoted(text) + " then " + Quoted(again));

  const Extended80 tenPow18 = Extended80::FromInt64(1'000'000'000'000'000'000);
  if (text.find('E') != std::string::npos) {
    if (text != FormatGeneral(v))
      Broken("from 10^18 on FormatCents writes the general form", context + " " + Quoted(text));
    if (read.Abs() < tenPow18)
      Broken("the general form only from 10^18 on", context + " " + Quoted(text));
    return;
  }
  if (!HasCentsShape(text, separator))
    Broken("a cents text is digits, separator, two decimals", context + " " + Quoted(text));
  if (read.Abs() >= tenPow18)
    Broken("a cents text stays below 10^18", context + " " + Quoted(text));
  const bool minus = text.starts_with('-');
  if (minus && !(v < Extended80()))
    Broken("a minus sign only for a value below zero", context + " " + Quoted(text));
  if (minus && read == Extended80())
    Broken("no minus sign before 0.00", context + " " + Quoted(text));
  if (!minus && read != Extended80() && v < Extended80())
    Broken("a value below zero that shows cents has its sign", context + " " + Quoted(text));

  // Half a cent, a little over for the binary value of 0.005, plus the
  // rounding to 18 significant digits (at most about 10^-17 of the value).
  const Extended80 halfCent = Extended80::FromInt64(5000001) / Extended80::FromInt64(1'000'000'000);
  const Extended80 slack = v.Abs() / Extended80::FromInt64(1'000'000'000'000'000LL * 10);
  if ((read - v).Abs() > halfCent + slack)
    Broken("the text is the value to within half a cent", context + " " + Quoted(text));
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
