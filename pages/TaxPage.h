#pragma once

// The Calculation of the two calculator pages, from the typed income to what
// the page shows. The window's handlers and feniko-cli both call it.

#include <array>
#include <string>
#include <string_view>

namespace feniko {

enum class Schedule { Current, Previous };  // TSalary (3500) or TSalaryOld (2000)

enum class MessageColour { Red, Blue };

// The six result lines, top to bottom: income, taxable income, rate, quick
// deduction, tax, income after tax.
inline constexpr std::size_t kResultLineCount = 6;
using ResultLines = std::array<std::string, kResultLineCount>;

// "收入金额：0.00元" … "税后收入：0.00元": shown at start, after Reset and at the
// start of every calculation.
const ResultLines& ZeroResultLines();

inline constexpr std::string_view kInvalidIncomeMessage = "请输入有效的金额";

struct TaxOutcome {
  enum class Kind { Result, InvalidAmount, TaxFree };
  Kind kind = Kind::InvalidAmount;
  // The result texts ("收入金额：5000 元" …) for Kind::Result, else the zero texts.
  ResultLines lines;
  // The bare FormatGeneral texts behind the result lines ("5000", "1500", "3",
  // "0", "45", "4955"); empty unless Kind::Result.
  ResultLines figures;
  // The page message: empty for a result, red "请输入有效的金额" for an amount
  // that cannot be used, blue "收入金额小于等于3500元，不必纳税!" (or 2000) when tax-free.
  std::string message;
  MessageColour colour = MessageColour::Red;
  // True when the page selects the whole text of its income box (the red message).
  bool selectIncome = false;
};

// Runs the page's Calculation on the text as typed. The current page first
// refuses a text that is empty once characters 0..32 are trimmed from both
// ends; the previous page lets such a text fail in the reading. The text is
// read, brought to whole cents and read again, all under one guard.
// Never throws.
TaxOutcome RunTaxCalculation(Schedule schedule, std::string_view typed);

}  // namespace feniko
