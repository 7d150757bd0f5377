#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <string>

#include "numtext/DecimalSeparator.h"
#include "numtext/NumberText.h"
#include "tax/USalary.h"
#include "tax/USalaryOld.h"

namespace feniko {
namespace {

std::string Shown(double value) {
  return FormatGeneral(Extended80::FromDouble(value));
}

// One income as the pages hand it over (already whole cents) and the values
// the pages then show, 15 significant digits, never rounded to cents.
struct SalaryCase {
  const char* name;
  double income;
  const char* taxableIncome;
  int level;
  const char* tax;
  const char* incomeAfterTax;
};

void PrintTo(const SalaryCase& c, std::ostream* os) {
  *os << c.name;
}

std::string CaseName(const testing::TestParamInfo<SalaryCase>& info) {
  return info.param.name;
}

// Both classes are checked against their own schedule's constants: the level
// shows as the rate and the quick deduction of that level, bit for bit.
template <class Calculator, class Rates, class Deducts>
void ExpectBreakdown(const SalaryCase& c, const Rates& rates, const Deducts& deducts) {
  const Calculator calculator(c.income);
  EXPECT_EQ(calculator.Income(), c.income);
  EXPECT_EQ(Shown(calculator.TaxableIncome()), c.taxableIncome);
  EXPECT_EQ(calculator.Rate(), rates[static_cast<std::size_t>(c.level)]);
  EXPECT_EQ(calculator.Deduct(), deducts[static_cast<std::size_t>(c.level)]);
  EXPECT_EQ(Shown(calculator.Tax()), c.tax);
  EXPECT_EQ(Shown(calculator.IncomeAfterTax()), c.incomeAfterTax);
}

class CurrentSchedule : public testing::TestWithParam<SalaryCase> {
 protected:
  void SetUp() override { SetDecimalSeparator("."); }
};

TEST_P(CurrentSchedule, ShowsTheBreakdown) {
  ExpectBreakdown<TSalary>(GetParam(), USalary::LevelRates, USalary::LevelDeducts);
}

// At every bound (the lower level) and one cent above it (the next level).
INSTANTIATE_TEST_SUITE_P(
    LevelBounds, CurrentSchedule,
    testing::Values(SalaryCase{"CentAboveThreshold", 3500.01, "0.0100000000002183", 0,
                               "0.000300000000006548", "3500.0097"},
                    SalaryCase{"Bound1500", 5000, "1500", 0, "45", "4955"},
                    SalaryCase{"Above1500", 5000.01, "1500.01", 1, "45.001", "4955.009"},
                    SalaryCase{"Bound4500", 8000, "4500", 1, "345", "7655"},
                    SalaryCase{"Above4500", 8000.01, "4500.01", 2, "345.002", "7655.008"},
                    SalaryCase{"Bound9000", 12500, "9000", 2, "1245", "11255"},
                    SalaryCase{"Above9000", 12500.01, "9000.01", 3, "1245.0025", "11255.0075"},
                    SalaryCase{"Bound35000", 38500, "35000", 3, "7745", "30755"},
                    SalaryCase{"Above35000", 38500.01, "35000.01", 4, "7745.003", "30755.007"},
                    SalaryCase{"Bound55000", 58500, "55000", 4, "13745", "44755"},
                    SalaryCase{"Above55000", 58500.01, "55000.01", 5, "13745.0035", "44755.0065"},
                    SalaryCase{"Bound80000", 83500, "80000", 5, "22495", "61005"},
                    SalaryCase{"Above80000", 83500.01, "80000.01", 6, "22495.0045", "61005.0055"},
                    SalaryCase{"TopLevel", 93500, "90000", 6, "26995", "66505"},
                    SalaryCase{"TenDigits", 9999999999, "9999996499", 6, "4499984919.55",
                               "5500015079.45"}),
    CaseName);

class PreviousSchedule : public testing::TestWithParam<SalaryCase> {
 protected:
  void SetUp() override { SetDecimalSeparator("."); }
};

TEST_P(PreviousSchedule, ShowsTheBreakdown) {
  ExpectBreakdown<TSalaryOld>(GetParam(), USalaryOld::LevelRates, USalaryOld::LevelDeducts);
}

INSTANTIATE_TEST_SUITE_P(
    LevelBounds, PreviousSchedule,
    testing::Values(
        SalaryCase{"CentAboveThreshold", 2000.01, "0.00999999999999091", 0, "0.000499999999999545",
                   "2000.0095"},
        SalaryCase{"Bound500", 2500, "500", 0, "25", "2475"},
        SalaryCase{"Above500", 2500.01, "500.01", 1, "25.001", "2475.009"},
        SalaryCase{"Bound2000", 4000, "2000", 1, "175", "3825"},
        SalaryCase{"Above2000", 4000.01, "2000.01", 2, "175.0015", "3825.0085"},
        SalaryCase{"Bound5000", 7000, "5000", 2, "625", "6375"},
        SalaryCase{"Above5000", 7000.01, "5000.01", 3, "625.002", "6375.008"},
        SalaryCase{"Bound20000", 22000, "20000", 3, "3625", "18375"},
        SalaryCase{"Above20000", 22000.01, "20000.01", 4, "3625.0025", "18375.0075"},
        SalaryCase{"Bound40000", 42000, "40000", 4, "8625", "33375"},
        SalaryCase{"Above40000", 42000.01, "40000.01", 5, "8625.003", "33375.007"},
        SalaryCase{"Bound60000", 62000, "60000", 5, "14625", "47375"},
        SalaryCase{"Above60000", 62000.01, "60000.01", 6, "14625.0035", "47375.0065"},
        SalaryCase{"Bound80000", 82000, "80000", 6, "21625", "60375"},
        SalaryCase{"Above80000", 82000.01, "80000.01", 7, "21625.004", "60375.006"},
        SalaryCase{"Bound100000", 102000, "100000", 7, "29625", "72375"},
        SalaryCase{"Above100000", 102000.01, "100000.01", 8, "29625.0045", "72375.0055"},
        SalaryCase{"TopLevel", 112000, "110000", 8, "34125", "77875"},
        SalaryCase{"TenDigits", 9999999999, "9999997999", 8, "4499983724.55", "5500016274.45"}),
    CaseName);

// Incomes whose tax, formed with double intermediates, would be stored one
// unit in the last place away and show differently: these rows fail unless
// the product and the difference keep a 64-bit significand.
struct PrecisionCase {
  const char* name;
  bool previous;
  double income;
  const char* tax;
  const char* taxWithDoubleIntermediates;
};

void PrintTo(const PrecisionCase& c, std::ostream* os) {
  *os << c.name;
}

class ExtendedIntermediates : public testing::TestWithParam<PrecisionCase> {
 protected:
  void SetUp() override { SetDecimalSeparator("."); }
};

template <class Calculator>
void ExpectExtendedTax(const PrecisionCase& c) {
  const Calculator calculator(c.income);
  EXPECT_EQ(Shown(calculator.Tax()), c.tax);
  // The row only proves something while plain doubles give another text.
  const volatile double product = calculator.TaxableIncome() * calculator.Rate();
  EXPECT_EQ(Shown(product - calculator.Deduct()), c.taxWithDoubleIntermediates);
}

TEST_P(ExtendedIntermediates, DecideTheLastDigitsOfTheTax) {
  if (GetParam().previous) {
    ExpectExtendedTax<TSalaryOld>(GetParam());
  } else {
    ExpectExtendedTax<TSalary>(GetParam());
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, ExtendedIntermediates,
    testing::Values(PrecisionCase{"Current3739_91", false, 3739.91, "7.19729999999999", "7.1973"},
                    PrecisionCase{"Current5000_02", false, 5000.02, "45.0020000000001", "45.002"},
                    PrecisionCase{"Current5169_1", false, 5169.1, "61.91", "61.9100000000001"},
                    PrecisionCase{"Previous2191_9", true, 2191.9, "9.59500000000001", "9.595"}),
    [](const testing::TestParamInfo<PrecisionCase>& info) { return std::string(info.param.name); });

TEST(SalaryCalculators, IncomeAfterTaxIsFormedFromTheStoredTax) {
  // 5000.02 - 45.0020000000001 in extended precision, then to double.
  const TSalary salary(5000.02);
  const double expected =
      (Extended80::FromDouble(5000.02) - Extended80::FromDouble(salary.Tax())).ToDouble();
  EXPECT_EQ(salary.IncomeAfterTax(), expected);
}

TEST(SalaryCalculators, LargestIncomeStaysFiniteInTheTopLevel) {
  const TSalary current(DBL_MAX);
  EXPECT_EQ(current.Rate(), 0.45);
  EXPECT_EQ(current.Deduct(), 13505);
  EXPECT_TRUE(std::isfinite(current.Tax()));
  EXPECT_TRUE(std::isfinite(current.IncomeAfterTax()));
  const TSalaryOld previous(DBL_MAX);
  EXPECT_EQ(previous.Rate(), 0.45);
  EXPECT_EQ(previous.Deduct(), 15375);
}

TEST(SalaryCalculators, IncomeAtTheThresholdHasNoTax) {
  // No page constructs one, but such a calculator must still be well defined.
  const TSalary current(3500);
  EXPECT_EQ(current.TaxableIncome(), 0);
  EXPECT_EQ(current.Rate(), 0);
  EXPECT_EQ(current.Deduct(), 0);
  EXPECT_EQ(current.Tax(), 0);
  EXPECT_EQ(current.IncomeAfterTax(), 3500);
  const TSalaryOld previous(-100);
  EXPECT_EQ(previous.TaxableIncome(), -2100);
  EXPECT_EQ(previous.Tax(), 0);
  EXPECT_EQ(previous.IncomeAfterTax(), -100);
}

}  // namespace
}  // namespace feniko
