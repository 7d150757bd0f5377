#include "pages/TaxPage.h"

#include <algorithm>
#include <exception>

#include "numtext/NumberText.h"
#include "tax/USalary.h"
#include "tax/USalaryOld.h"

namespace feniko {
namespace {

// The page's own idea of the threshold: it never asks the calculator.
struct PageSchedule {
  double threshold;
  std::string_view taxFreeMessage;
  bool refusesBlankText;
};

constexpr PageSchedule kCurrentPage{3500, "收入金额小于等于3500元，不必纳税!", true};
constexpr PageSchedule kPreviousPage{2000, "收入金额小于等于2000元，不必纳税!", false};

constexpr std::array<std::string_view, kResultLineCount> kPrefixes = {
    "收入金额：", "应纳税所得额：", "适用税率：", "速算扣除数：", "应纳税额：", "税后收入："};
constexpr std::array<std::string_view, kResultLineCount> kUnits = {" 元", " 元", "%",
                                                                   " 元", " 元", " 元"};

// Empty once the characters 0 to 32 are trimmed from both ends. In UTF-8
// those characters are single bytes and no other character has such a byte.
bool IsBlank(std::string_view typed) {
  return std::all_of(typed.begin(), typed.end(),
                     [](char c) { return static_cast<unsigned char>(c) <= 32; });
}

TaxOutcome Message(std::string_view message, MessageColour colour, bool selectIncome) {
  TaxOutcome outcome;
  outcome.kind =
      colour == MessageColour::Red ? TaxOutcome::Kind::InvalidAmount : TaxOutcome::Kind::TaxFree;
  outcome.lines = ZeroResultLines();
  outcome.message = message;
  outcome.colour = colour;
  outcome.selectIncome = selectIncome;
  return outcome;
}

TaxOutcome InvalidIncome() {
  return Message(kInvalidIncomeMessage, MessageColour::Red, true);
}

std::string Shown(double value) {
  return FormatGeneral(Extended80::FromDouble(value));
}

// The figures as the page shows them: the stored doubles widened exactly, the
// rate times 100 left in extended precision (0.03 × 100 shows as 3), the
// quick deduction as the integer it is.
template <class Calculator>
ResultLines Figures(const Calculator& calculator) {
  return {Shown(calculator.Income()),
          Shown(calculator.TaxableIncome()),
          FormatGeneral(Extended80::FromDouble(calculator.Rate()) * Extended80::FromInt64(100)),
          FormatGeneral(Extended80::FromInt64(calculator.Deduct())),
          Shown(calculator.Tax()),
          Shown(calculator.IncomeAfterTax())};
}

TaxOutcome Result(ResultLines figures) {
  TaxOutcome outcome;
  outcome.kind = TaxOutcome::Kind::Result;
  for (std::size_t i = 0; i < kResultLineCount; ++i) {
    outcome.lines[i].reserve(kPrefixes[i].size() + figures[i].size() + kUnits[i].size());
    outcome.lines[i].append(kPrefixes[i]).append(figures[i]).append(kUnits[i]);
  }
  outcome.figures = std::move(figures);
  return outcome;
}

}  // namespace

const ResultLines& ZeroResultLines() {
  static const ResultLines lines = {"收入金额：0.00元", "应纳税所得额：0.00元",
                                    "适用税率：0%",     "速算扣除数：0.00元",
                                    "应纳税额：0.00元", "税后收入：0.00元"};
  return lines;
}

TaxOutcome RunTaxCalculation(Schedule schedule, std::string_view typed) {
  const PageSchedule& page = schedule == Schedule::Current ? kCurrentPage : kPreviousPage;
  if (page.refusesBlankText && IsBlank(typed)) return InvalidIncome();

  // Brought to whole cents before use: read, written with two decimals, read
  // again. Any failure on the way means the text holds no usable amount.
  Amount income;
  try {
    income = ToAmount(ParseDecimal(FormatCents(ParseDecimal(typed))));
  } catch (const std::exception&) {
    return InvalidIncome();
  }

  if (!(income > page.threshold)) return Message(page.taxFreeMessage, MessageColour::Blue, false);

  return Result(schedule == Schedule::Current ? Figures(TSalary(income))
                                              : Figures(TSalaryOld(income)));
}

}  // namespace feniko
