#pragma once

// Reads a capital-numeral amount back to fen, the way a person reads it: a
// digit stands before its unit, 拾佰仟 count within a group of four, 万 closes
// a group, 亿 closes the groups above it (so 万亿 is 10^12), 元角分 close the
// yuan, jiao and fen. It knows nothing of the converter's field or zero rules,
// so it can check them. A text that is not a well-formed amount gives nothing.

#include <cstdint>
#include <optional>
#include <string_view>

namespace feniko::fuzz {

// The characters a capital text may use.
inline constexpr char32_t kCapitalChars[] = {U'零', U'壹', U'贰', U'叁', U'肆', U'伍', U'陆',
                                             U'柒', U'捌', U'玖', U'拾', U'佰', U'仟', U'万',
                                             U'亿', U'元', U'角', U'分', U'整'};

// The next character of a UTF-8 text, or U+FFFFFFFF when it is malformed.
// Every capital character is a three-byte sequence; anything else is foreign.
inline char32_t NextChar(std::string_view& text) {
  constexpr char32_t kForeign = 0xFFFFFFFF;
  if (text.size() < 3) return kForeign;
  const auto b0 = static_cast<unsigned char>(text[0]);
  const auto b1 = static_cast<unsigned char>(text[1]);
  const auto b2 = static_cast<unsigned char>(text[2]);
  if ((b0 & 0xF0) != 0xE0 || (b1 & 0xC0) != 0x80 || (b2 & 0xC0) != 0x80) return kForeign;
  text.remove_prefix(3);
  return (static_cast<char32_t>(b0 & 0x0F) << 12) | (static_cast<char32_t>(b1 & 0x3F) << 6) |
         static_cast<char32_t>(b2 & 0x3F);
}

inline bool OnlyCapitalChars(std::string_view text) {
  while (!text.empty()) {
    const char32_t c = NextChar(text);
    bool known = false;
    for (const char32_t k : kCapitalChars) known = known || c == k;
    if (!known) return false;
  }
  return true;
}

inline int DigitOf(char32_t c) {
  for (int d = 0; d < 10; ++d)
    if (kCapitalChars[d] == c) return d;
  return -1;
}

inline std::optional<std::int64_t> DecodeCapital(std::string_view text) {
  if (text.empty()) return 0;
  enum Stage { kYuanPart, kAfterYuan, kAfterJiao, kAfterFen, kAfterWhole };
  Stage stage = kYuanPart;
  int digit = -1;            // a digit waiting for its unit
  bool zeroWaiting = false;  // a 零 waiting for the digit it stands before
  bool anyDigit = false;
  std::int64_t group = 0;  // the current group of four, below 万
  int lastSmallUnit = 10000;
  std::int64_t wan = 0;  // a group closed by 万, waiting for 亿 or 元
  std::int64_t yi = 0;
  std::int64_t yuan = 0;
  int jiao = 0;
  int fen = 0;
  char32_t previous = 0;

  const auto takeDigit = [&] {
    const int d = digit < 0 ? 0 : digit;
    digit = -1;
    return d;
  };

  while (!text.empty()) {
    const char32_t c = NextChar(text);
    const int d = DigitOf(c);
    if (d >= 0) {
      if (digit >= 0 || stage >= kAfterFen) return std::nullopt;
      if (d == 0) {
        // One 零 for a gap: never first, never twice, never before a unit.
        if (zeroWaiting || !anyDigit) return std::nullopt;
        zeroWaiting = true;
      } else {
        digit = d;
        zeroWaiting = false;
        anyDigit = true;
      }
      previous = c;
      continue;
    }
    if (zeroWaiting) return std::nullopt;
    const int small = c == U'拾' ? 10 : c == U'佰' ? 100 : c == U'仟' ? 1000 : 0;
    if (small != 0) {
      if (stage != kYuanPart || digit < 0 || small >= lastSmallUnit) return std::nullopt;
      group += takeDigit() * small;
      lastSmallUnit = small;
    } else if (c == U'万') {
      const std::int64_t closed = group + takeDigit();
      if (stage != kYuanPart || closed == 0 || wan != 0) return std::nullopt;
      wan = closed;
      group = 0;
      lastSmallUnit = 10000;
    } else if (c == U'亿') {
      const std::int64_t closed = wan * 10000 + group + takeDigit();
      if (stage != kYuanPart || closed == 0 || yi != 0) return std::nullopt;
      yi = closed;
      wan = 0;
      group = 0;
      lastSmallUnit = 10000;
    } else if (c == U'元') {
      yuan = yi * 100'000'000 + wan * 10000 + group + takeDigit();
      if (stage != kYuanPart || yuan == 0) return std::nullopt;
      stage = kAfterYuan;
    } else if (c == U'角') {
      if (stage > kAfterYuan || digit < 0) return std::nullopt;
      jiao = takeDigit();
      stage = kAfterJiao;
    } else if (c == U'分') {
      if (stage > kAfterJiao || digit < 0) return std::nullopt;
      fen = takeDigit();
      stage = kAfterFen;
    } else if (c == U'整') {
      if (previous != U'元') return std::nullopt;
      stage = kAfterWhole;
    } else {
      return std::nullopt;
    }
    previous = c;
  }
  if (digit >= 0 || zeroWaiting || stage == kYuanPart) return std::nullopt;
  if (stage == kAfterYuan) return std::nullopt;  // whole yuan end in 整
  // Below one yuan nothing comes before the jiao or fen.
  if (yuan == 0 && (yi != 0 || wan != 0 || group != 0)) return std::nullopt;
  return yuan * 100 + jiao * 10 + fen;
}

}  // namespace feniko::fuzz
