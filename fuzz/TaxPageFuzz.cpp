// The Calculation of both calculator pages from arbitrary typed text.
//
// Input: the first byte picks the separator (FuzzLaw.h), the rest is the text.
// Laws, on each page:
//  - the Calculation never throws;
//  - a text without a usable amount (and on the current page a blank one)
//    gives the red "请输入有效的金额", selects the box and shows the zero
//    texts; an amount up to the threshold gives the blue tax-free message;
//    any other amount gives the six result lines, each its prefix, the
//    figure and its unit, with an empty message;
//  - the figures read back: the income is the amount brought to whole cents,
//    the taxable income is the income less the threshold, the rate is a
//    whole percentage of the schedule, tax plus income after tax is the
//    income, all within a unit of the 15th digit;
//  - around the income reached (below 10^12 yuan): from one cent to the
//    next the tax and the income after tax never fall, and the tax rises by
//    at most the higher rate times a cent, give or take rounding, so it is
//    the same on both sides of every level bound. Every bound is checked so
//    once at start-up as well.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzExtended80.h"
#include "FuzzLaw.h"
#include "numtext/NumberText.h"
#include "pages/TaxPage.h"
#include "tax/USalary.h"
#include "tax/USalaryOld.h"

namespace feniko::fuzz {
namespace {

struct Page {
  Schedule schedule;
  const char* name;
  std::int32_t threshold;
  std::string_view taxFreeMessage;
  bool refusesBlank;
};

const Page kPages[] = {
    {Schedule::Current, "current page", 3500, "收入金额小于等于3500元，不必纳税!", true},
    {Schedule::Previous, "previous page", 2000, "收入金额小于等于2000元，不必纳税!", false},
};

constexpr std::string_view kPrefixes[] = {"收入金额：",   "应纳税所得额：", "适用税率：",
                                          "速算扣除数：", "应纳税额：",     "税后收入："};
constexpr std::string_view kUnits[] = {" 元", " 元", "%", " 元", " 元", " 元"};

// What a calculator gives, whichever schedule.
struct Breakdown {
  double income;
  double rate;
  double tax;
  double incomeAfterTax;
};

template <class Calculator>
Breakdown Calculate(double income) {
  const Calculator c(income);
  return {c.Income(), c.Rate(), c.Tax(), c.IncomeAfterTax()};
}

Breakdown CalculateFor(const Page& page, double income) {
  if (!(income > page.threshold)) return {income, 0, 0, income};  // tax-free
  return page.schedule == Schedule::Current ? Calculate<TSalary>(income)
                                            : Calculate<TSalaryOld>(income);
}

double IncomeOfFen(std::int64_t fen) {
  return ToAmount(ScaleByPow10(Extended80::FromInt64(fen), -2));
}

double Ulp(double x) {
  return std::nextafter(std::fabs(x), HUGE_VAL) - std::fabs(x);
}

// The step from `fen` to `fen + 1` cents.
void CheckCentStep(const Page& page, std::int64_t fen) {
  const Breakdown low = CalculateFor(page, IncomeOfFen(fen));
  const Breakdown high = CalculateFor(page, IncomeOfFen(fen + 1));
  const auto where = [&] {
    char buffer[160];
    std::snprintf(buffer, sizeof buffer,
                  "%s, %.17g -> %.17g: tax %.17g -> %.17g, after tax %.17g -> %.17g", page.name,
                  low.income, high.income, low.tax, high.tax, low.incomeAfterTax,
                  high.incomeAfterTax);
    return std::string(buffer);
  };
  if (high.incomeAfterTax < low.incomeAfterTax)
    Broken("the income after tax never falls when the income rises by a cent", where());
  if (high.tax < low.tax) Broken("the tax never falls when the income rises by a cent", where());
  // A cent more is taxed at the higher of the two rates at most; the slack
  // covers the rounding of the incomes and of the stored taxes.
  const double rise = high.tax - low.tax;
  const double allowed = std::max(low.rate, high.rate) * (high.income - low.income) +
                         4 * (Ulp(high.income) + Ulp(high.tax));
  if (rise > allowed) Broken("the tax is the same on both sides of a level bound", where());
}

void CheckAroundIncome(const Page& page, double income) {
  if (!(income >= 0 && income < 1e12)) return;
  const auto fen = static_cast<std::int64_t>(std::llround(income * 100));
  for (std::int64_t f = std::max<std::int64_t>(fen - 1, 0); f <= fen; ++f) CheckCentStep(page, f);
}

template <std::size_t N>
void CheckBounds(const Page& page, const std::array<std::int32_t, N>& bounds) {
  for (const std::int32_t bound : bounds) {
    const std::int64_t fen = (static_cast<std::int64_t>(page.threshold) + bound) * 100;
    CheckCentStep(page, fen - 1);
    CheckCentStep(page, fen);
  }
}

Extended80 ReadFigure(const std::string& figure, std::string_view context) {
  try {
    return ParseDecimal(figure);
  } catch (const std::exception&) {
    Broken("a figure reads back", std::string(context) + " figure " + Quoted(figure));
  }
}

// One unit of the 15th significant digit of x. A figure is within half of
// one of its own units of the value behind it.
Extended80 Unit15(Extended80 x) {
  if (x.IsZeroOrSubnormal()) return Extended80();
  return PowerOfTen(DigitsBeforePoint(x) - 15).value_or(Extended80());
}

bool Within(Extended80 a, Extended80 b, Extended80 tolerance) {
  return (a - b).Abs() <= tolerance;
}

void CheckResult(const Page& page, const TaxOutcome& out, double income, std::string_view context) {
  for (std::size_t i = 0; i < kResultLineCount; ++i) {
    const std::string line = std::string(kPrefixes[i]) + out.figures[i] + std::string(kUnits[i]);
    if (out.lines[i] != line)
      Broken("a result line is its prefix, the figure and its unit",
             std::string(context) + " line " + std::to_string(i));
  }
  if (!out.message.empty()) Broken("a result clears the message", context);
  if (out.selectIncome) Broken("a result does not select the box", context);

  const Extended80 shownIncome = ReadFigure(out.figures[0], context);
  const Extended80 taxable = ReadFigure(out.figures[1], context);
  const Extended80 percent = ReadFigure(out.figures[2], context);
  const Extended80 deduct = ReadFigure(out.figures[3], context);
  const Extended80 tax = ReadFigure(out.figures[4], context);
  const Extended80 afterTax = ReadFigure(out.figures[5], context);
  const Extended80 exactIncome = Extended80::FromDouble(income);
  const Extended80 threshold = Extended80::FromInt64(page.threshold);

  if (!Within(shownIncome, exactIncome, Unit15(exactIncome)))
    Broken("the income line shows the amount in cents", context);
  if (!Within(taxable, exactIncome - threshold, Unit15(taxable)))
    Broken("the taxable income is the income less the threshold", context);
  if (percent != percent.RoundToIntegral() || percent < Extended80::FromInt64(3) ||
      percent > Extended80::FromInt64(45))
    Broken("the rate shows as a whole percentage of the schedule", context);
  if (deduct != deduct.RoundToIntegral() || deduct < Extended80())
    Broken("the quick deduction is a whole number of yuan", context);
  if (!Within(tax + afterTax, exactIncome, Unit15(tax) + Unit15(afterTax)))
    Broken("tax and income after tax make the income", context);
  if (tax > exactIncome || tax < Extended80())
    Broken("the tax lies between 0 and the income", context);
  // Both figures are rounded: the taxable income's rounding counts at the rate.
  const Extended80 rate = percent / Extended80::FromInt64(100);
  if (income <= 1e12 && !Within(tax, taxable * rate - deduct, Unit15(tax) + Unit15(taxable) * rate))
    Broken("the tax is the taxable income times the rate less the deduction", context);
}

void CheckPage(const Page& page, std::string_view typed) {
  const std::string context = std::string(page.name) + " typed " + Quoted(typed);
  TaxOutcome out;
  try {
    out = RunTaxCalculation(page.schedule, typed);
  } catch (const std::exception& e) {
    Broken("the Calculation never throws", context + ": " + e.what());
  }

  bool blank = page.refusesBlank && std::all_of(typed.begin(), typed.end(), [](char c) {
                 return static_cast<unsigned char>(c) <= 32;
               });
  double income = 0;
  bool usable = !blank;
  if (usable) {
    try {
      income = ToAmount(ParseDecimal(FormatCents(ParseDecimal(typed))));
    } catch (const FenikoError&) {
      usable = false;
    }
  }

  if (!usable) {
    if (out.kind != TaxOutcome::Kind::InvalidAmount || out.message != kInvalidIncomeMessage ||
        out.colour != MessageColour::Red || !out.selectIncome || out.lines != ZeroResultLines())
      Broken("a text without a usable amount gives the red message and zero texts", context);
    return;
  }
  if (!(income > page.threshold)) {
    if (out.kind != TaxOutcome::Kind::TaxFree || out.message != page.taxFreeMessage ||
        out.colour != MessageColour::Blue || out.selectIncome || out.lines != ZeroResultLines())
      Broken("an amount up to the threshold gives the blue message and zero texts", context);
    CheckAroundIncome(page, income);
    return;
  }
  if (out.kind != TaxOutcome::Kind::Result)
    Broken("an amount above the threshold gives the result lines", context);
  CheckResult(page, out, income, context);
  CheckAroundIncome(page, income);
}

}  // namespace
}  // namespace feniko::fuzz

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  using namespace feniko;
  SetDecimalSeparator(".");
  fuzz::CheckBounds(fuzz::kPages[0], USalary::LevelBounds);
  fuzz::CheckBounds(fuzz::kPages[1], USalaryOld::LevelBounds);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  feniko::fuzz::PickSeparator(data[0]);
  const std::string_view typed(reinterpret_cast<const char*>(data) + 1, size - 1);
  for (const feniko::fuzz::Page& page : feniko::fuzz::kPages) feniko::fuzz::CheckPage(page, typed);
  return 0;
}
