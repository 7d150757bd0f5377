// The Convert of the conversion page from arbitrary typed text.
//
// Input: the first byte picks the separator (FuzzLaw.h), the rest is the text.
// Laws:
//  - a text that cannot be read, or whose value is too large for an Amount,
//    gives the page message "请检查输入的小写金额是否有效。" and nothing else;
//  - any other text gives what the converter gives for the stored Amount
//    (CapitalLaws.h), its failures passed on as FenikoError, whose message
//    the general error display ends with "." unless it ends in ")".

#include <cstdint>
#include <string>
#include <string_view>

#include "CapitalLaws.h"
#include "FuzzLaw.h"
#include "numtext/NumberText.h"
#include "pages/ConvertPage.h"
#include "pages/ErrorDisplay.h"

namespace feniko::fuzz {
namespace {

// The general error display adds "." after a message whose last character
// comes after "." in character order. In UTF-8 the last byte tells: every
// character beyond ASCII ends in a byte from 0x80 up.
void CheckErrorDisplay(std::string_view message) {
  const bool fullStop = !message.empty() && static_cast<unsigned char>(message.back()) > '.';
  const std::string want = std::string(message) + (fullStop ? "." : "");
  if (ErrorDisplayText(message) != want)
    Broken("the error display adds a full stop after a letter, not after ')'",
           std::string(message) + " shown as " + ErrorDisplayText(message));
}

void Check(std::string_view typed) {
  bool readable = true;
  double amount = 0;
  try {
    amount = ToAmount(ParseDecimal(typed));
  } catch (const FenikoError&) {
    readable = false;
  }
  if (!readable) {
    ConvertOutcome outcome;
    try {
      outcome = RunConversion(typed);
    } catch (const std::exception& e) {
      Broken("an unreadable amount stays on the page", Quoted(typed) + ": " + e.what());
    }
    if (outcome.kind != ConvertOutcome::Kind::InvalidAmount ||
        outcome.text != kInvalidAmountMessage)
      Broken("an unreadable amount gives the page message", Quoted(typed));
    return;
  }
  CheckCapital(
      amount,
      [&] {
        try {
          const ConvertOutcome outcome = RunConversion(typed);
          if (outcome.kind != ConvertOutcome::Kind::Result)
            Broken("a readable amount is converted", Quoted(typed));
          return outcome.text;
        } catch (const FenikoError& e) {
          CheckErrorDisplay(e.what());
          throw;
        }
      },
      "typed " + Quoted(typed));
}

}  // namespace
}  // namespace feniko::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  feniko::fuzz::PickSeparator(data[0]);
  feniko::fuzz::Check(std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1));
  return 0;
}
