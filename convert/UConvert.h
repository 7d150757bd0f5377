#pragma once

// Money amounts in Chinese capital numerals, the way financial documents
// write them.

#include <array>
#include <string>
#include <string_view>
#include <utility>

#include "numtext/NumberText.h"

namespace feniko {

// The module's constants, matched character by character (UTF-32 in memory).
namespace UConvert {

// Entries 0..9: the capital digits. 10 and 11: fillers, never looked up.
// 12..26: the unit of each of the fifteen field positions, 10^12 yuan (the 万
// of 万亿) down to the fen.
inline constexpr std::u32string_view DigitUnitChars =
    U"零壹贰叁肆伍陆柒捌玖--万仟佰拾亿仟佰拾万仟佰拾元角分";
inline constexpr std::size_t kFieldWidth = 15;
inline constexpr std::size_t kFirstUnit = 12;
static_assert(DigitUnitChars.size() == kFirstUnit + kFieldWidth);

// Applied in this order, each as one left-to-right pass over the text.
inline constexpr std::array<std::pair<std::u32string_view, std::u32string_view>, 13> ZeroRules = {{
    {U"零元", U"元"},
    {U"零拾", U"零"},
    {U"零佰", U"零"},
    {U"零仟", U"零"},
    {U"零万", U"万"},
    {U"零亿", U"亿"},
    {U"亿万", U"亿"},
    {U"零零零", U"零"},
    {U"零零", U"零"},
    {U"零万", U"万"},
    {U"零亿", U"亿"},
    {U"亿万", U"亿"},
    {U"零元", U"元"},
}};

inline constexpr std::u32string_view kZeroFen = U"零分";
inline constexpr std::u32string_view kZeroJiao = U"零角";
inline constexpr std::u32string_view kWhole = U"整";
inline constexpr std::u32string_view kZero = U"零";

}  // namespace UConvert

// The failure for amounts from 10^13 yuan up to the end of the fen range: the
// fifteen positions of the field have no text for them.
inline constexpr std::string_view kAmountOutOfRangeMessage =
    "金额超出转换范围(最大 9999999999999.99 元)";

// Writes an amount in capital numerals. The amount is taken to the nearest
// fen on its exact value (an exact half fen to the even fen); every digit of
// the fen value is written with its unit, zeros included, and the zero rules
// then remove the surplus zeros and units; 整 follows 元 when jiao and fen
// are both zero, and a zero fen is dropped.
//   0 -> ""                      0.01 -> "壹分"          0.5 -> "伍角"
//   10 -> "壹拾元整"             100.05 -> "壹佰元零伍分"  105.30 -> "壹佰零伍元叁角"
//   20000.02 -> "贰万元零贰分"   100000000 -> "壹亿元整"
//   1001 -> "壹仟零壹元整"       10001000 -> "壹仟万壹仟元整" (no 零 before a 仟 digit)
//   100001000 -> "壹亿壹仟元整"  (a run of four 零 goes 零零 under 零零零 -> 零, then 零)
//   0.125 -> "壹角贰分" (12 fen)   the double nearest 0.015 -> "壹分" (it is below 0.015)
//   -0.004 -> ""
// Failures (never caught here):
//   a negative fen value (-5, -0.005): ConversionError "'-' is not a valid integer value"
//   10^13 yuan and more within the fen range: FenikoError kAmountOutOfRangeMessage
//   2^63 fen and more in magnitude, or not finite: ArithmeticError
//     "Invalid floating point operation"
// The result is UTF-8.
class TCharConvert {
 public:
  std::string Convert(Amount amount) const;
};

}  // namespace feniko
