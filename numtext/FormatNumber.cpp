#include <algorithm>
#include <array>
#include <cstdint>

#include "numtext/DecimalSeparator.h"
#include "numtext/NumberText.h"

namespace feniko {
namespace {

constexpr int kFormDigits = 18;
constexpr std::uint64_t kTenPow17 = 100'000'000'000'000'000ULL;
constexpr std::uint64_t kTenPow18 = 1'000'000'000'000'000'000ULL;

using EighteenDigits = std::array<char, kFormDigits>;

EighteenDigits WriteEighteenDigits(std::uint64_t n) {
  EighteenDigits form;
  for (int i = kFormDigits - 1; i >= 0; --i) {
    form[static_cast<std::size_t>(i)] = static_cast<char>('0' + n % 10);
    n /= 10;
  }
  return form;
}

// Adds one in the last place of the first `count` digits; false when the
// carry runs out of the front (all nines, or no digits at all).
bool IncrementDigits(EighteenDigits& digits, std::size_t count) {
  for (std::size_t i = count; i-- > 0;) {
    if (digits[i] != '9') {
      ++digits[i];
      return true;
    }
    digits[i] = '0';
  }
  return false;
}

void AppendDigitOrZero(std::string& out, const DigitString& digits, int index) {
  const bool present = index >= 0 && index < static_cast<int>(digits.size());
  out.push_back(present ? digits[static_cast<std::size_t>(index)] : '0');
}

}  // namespace

DecimalForm ToDecimalForm(Extended80 v, int precision, int decimals) {
  if (v.IsZeroOrSubnormal()) return {};

  // Digits before the point, estimated from the binary exponent: log10(2) is
  // about 19728 / 65536. Right, or one too small; the scaled value tells.
  // (>> on a negative int is a floor.)
  int exponent = ((v.Exponent() * 19728) >> 16) + 1;

  // The 18-digit integer: scaled, rounded to an integer, possibly divided by
  // ten and rounded again. The two successive roundings are deliberate: they
  // decide the last digit in rare cases, and the shown text follows them.
  Extended80 scaled = ScaleByPow10(v.Abs(), kFormDigits - exponent).RoundToIntegral();
  if (scaled < Extended80::FromInt64(static_cast<std::int64_t>(kTenPow17))) {
    // Below about 2^-680 the estimate can also be one too large (the factor
    // falls short of log10(2)), which would put a 0 in front of the digits
    // and lose the last one. Nothing from 10^-200 up comes here.
    --exponent;
    scaled = ScaleByPow10(v.Abs(), kFormDigits - exponent).RoundToIntegral();
  }
  if (scaled >= Extended80::FromInt64(static_cast<std::int64_t>(kTenPow18))) {
    scaled = scaled / Extended80::FromInt64(10);
    ++exponent;
  }
  auto n = static_cast<std::uint64_t>(scaled.RoundToInt64());
  if (n >= kTenPow18) {
    // Only 10^18 itself can get here (a quotient just below it rounded up).
    n = kTenPow17;
    ++exponent;
  }
  EighteenDigits form = WriteEighteenDigits(n);

  int kept = exponent + decimals;
  if (kept < 0) return {};
  kept = std::min({kept, precision, kFormDigits});

  auto count = static_cast<std::size_t>(kept);
  // Only the one digit after the cut decides: halves go away from zero.
  if (count < form.size() && form[count] >= '5' && !IncrementDigits(form, count)) {
    form[0] = '1';
    count = 1;
    ++exponent;
  }
  while (count > 0 && form[count - 1] == '0') --count;

  DecimalForm result;
  result.exponent = static_cast<std::int16_t>(exponent);
  result.negative = count > 0 && v < Extended80();
  result.digits = DigitString(std::string_view(form.data(), count));
  return result;
}

std::string FormatCents(Extended80 value) {
  const DecimalForm form = ToDecimalForm(value, kFormDigits, 2);
  if (form.exponent > kFormDigits) return FormatGeneral(value);

  std::string out;
  out.reserve(24);
  if (form.negative) out.push_back('-');
  if (form.exponent > 0) {
    for (int i = 0; i < form.exponent; ++i) AppendDigitOrZero(out, form.digits, i);
  } else {
    out.push_back('0');
  }
  out.append(DecimalSeparator());
  AppendDigitOrZero(out, form.digits, form.exponent);
  AppendDigitOrZero(out, form.digits, form.exponent + 1);
  return out;
}

std::string FormatGeneral(Extended80 value) {
  constexpr int kSignificant = 15;
  constexpr int kAnyDecimals = 9999;
  const DecimalForm form = ToDecimalForm(value, kSignificant, kAnyDecimals);
  const DigitString& digits = form.digits;
  const int exponent = form.exponent;
  const int count = static_cast<int>(digits.size());

  std::string out;
  out.reserve(24);
  if (form.negative) out.push_back('-');
  if (digits.empty()) {
    out.push_back('0');
  } else if (exponent > kSignificant || exponent < -3) {
    out.push_back(digits[0]);
    if (count > 1) out.append(DecimalSeparator()).append(digits.view().substr(1));
    out.push_back('E');
    out.append(std::to_string(exponent - 1));
  } else if (exponent > 0) {
    for (int i = 0; i < exponent; ++i) AppendDigitOrZero(out, digits, i);
    if (count > exponent)
      out.append(DecimalSeparator())
          .append(digits.view().substr(static_cast<std::size_t>(exponent)));
  } else {
    out.push_back('0');
    out.append(DecimalSeparator());
    out.append(static_cast<std::size_t>(-exponent), '0');
    out.append(digits.view());
  }
  return out;
}

}  // namespace feniko
