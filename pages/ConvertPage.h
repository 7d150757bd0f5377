#pragma once

// The Convert of the conversion page, from the typed amount to the capital
// text or the page message. Shared by the window and feniko-cli.

#include <string>
#include <string_view>

namespace feniko {

inline constexpr std::string_view kInvalidAmountMessage = "请检查输入的小写金额是否有效。";

struct ConvertOutcome {
  enum class Kind { Result, InvalidAmount };
  Kind kind = Kind::Result;
  // The capital text for Kind::Result (empty for an amount of 0 fen), the page
  // message for Kind::InvalidAmount.
  std::string text;
};

// Reads the typed text under a guard (a text that cannot be read, or is too
// large for an Amount, gives Kind::InvalidAmount) and converts the amount
// outside it: a failure of the converter (a negative amount, an amount beyond
// the fen range or too large for the capital field) is thrown as FenikoError
// for the general error display.
ConvertOutcome RunConversion(std::string_view typed);

}  // namespace feniko
