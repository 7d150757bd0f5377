#include "convert/UConvert.h"

#include <cmath>
#include <cstdint>

#include "convert/ReplaceAll.h"
#include "numtext/Errors.h"
#include "numtext/Utf8.h"

namespace feniko {
namespace {

using namespace UConvert;

// Two characters per field position at most, before any rule shortens it.
constexpr std::size_t kMaxChars = 2 * kFieldWidth;
constexpr std::int64_t kFieldLimit = 1'000'000'000'000'000;  // 10^15 fen needs 16 positions

constexpr bool NoRuleLengthens() {
  for (const auto& [pattern, replacement] : ZeroRules)
    if (replacement.size() > pattern.size() || pattern.empty()) return false;
  return kWhole.size() <= kZeroJiao.size() && kZero.size() <= kZeroJiao.size();
}
static_assert(NoRuleLengthens(), "the text is rewritten in place, so it may only shrink");

// The capital text while it is being built: a fixed buffer, since no step
// ever makes it longer than the fifteen digit-and-unit pairs.
class CapitalText {
 public:
  void Append(char32_t c) { chars_[size_++] = c; }

  bool Contains(std::u32string_view pattern) const {
    return View().find(pattern) != std::u32string_view::npos;
  }

  void ReplaceAll(std::u32string_view pattern, std::u32string_view replacement) {
    size_ = feniko::ReplaceAll(chars_, size_, pattern, replacement);
  }

  std::string ToUtf8() const {
    std::string text;
    text.reserve(3 * size_);
    for (char32_t c : View()) AppendUtf8(text, c);
    return text;
  }

 private:
  std::u32string_view View() const { return {chars_.data(), size_}; }

  std::array<char32_t, kMaxChars> chars_{};
  std::size_t size_ = 0;
};

// The nearest fen to the exact amount: a double times 100 needs at most 58
// significant bits, so the Extended80 product is exact and the tie between
// two fen is decided on the amount's true value, not on a rounded product.
std::int64_t FenValue(Amount amount) {
  if (!std::isfinite(amount)) RaiseInvalidOperation();
  return (Extended80::FromDouble(amount) * Extended80::FromInt64(100)).RoundToInt64();
}

// The fen value right-aligned in the fifteen positions, blanks on the left.
// A negative value would put a minus sign first among the non-blank
// characters, which no digit can be read from; a value of sixteen digits or
// more would not fit, and the positions have no units for it.
std::array<char, kFieldWidth> Field(std::int64_t fen) {
  if (fen < 0) RaiseNotAnInteger("-");
  if (fen >= kFieldLimit) throw FenikoError(std::string(kAmountOutOfRangeMessage));
  std::array<char, kFieldWidth> field;
  field.fill(' ');
  std::size_t p = kFieldWidth;
  do {
    field[--p] = static_cast<char>('0' + fen % 10);
    fen /= 10;
  } while (fen != 0);
  return field;
}

}  // namespace

std::string TCharConvert::Convert(Amount amount) const {
  const std::array<char, kFieldWidth> field = Field(FenValue(amount));

  CapitalText text;
  for (std::size_t p = 0; p < kFieldWidth; ++p) {
    if (field[p] == ' ') continue;
    text.Append(DigitUnitChars[static_cast<std::size_t>(field[p] - '0')]);
    text.Append(DigitUnitChars[p + kFirstUnit]);
  }

  for (const auto& [pattern, replacement] : ZeroRules) text.ReplaceAll(pattern, replacement);

  // A zero fen is left only when the amount has no fen; a zero jiao beside it
  // then marks a whole number of yuan (jiao are written only from 1 yuan up).
  text.ReplaceAll(kZeroJiao, text.Contains(kZeroFen) ? kWhole : kZero);
  text.ReplaceAll(kZeroFen, U"");
  return text.ToUtf8();
}

}  // namespace feniko
