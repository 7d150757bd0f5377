#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <functional>
#include <string>

#include "numtext/DecimalSeparator.h"
#include "numtext/NumberText.h"

namespace feniko {
namespace {

Extended80 E(std::int64_t v) {
  return Extended80::FromInt64(v);
}
Extended80 D(double v) {
  return Extended80::FromDouble(v);
}

// A typed income brought to whole cents, as the calculator pages do it:
// read, written with two decimals, read again and stored as an Amount.
struct CentsCase {
  const char* name;
  const char* typed;
  const char* cents;
  double stored;  // NaN: storing fails with "Floating point overflow"
};

void PrintTo(const CentsCase& c, std::ostream* os) {
  *os << c.name;
}

class NormaliseIncome : public testing::TestWithParam<CentsCase> {
 protected:
  void SetUp() override { SetDecimalSeparator("."); }
};

TEST_P(NormaliseIncome, WritesTwoDecimalsAndReadsThemBack) {
  const CentsCase& c = GetParam();
  const std::string cents = FormatCents(ParseDecimal(c.typed));
  EXPECT_EQ(cents, c.cents);
  if (std::isnan(c.stored)) {
    EXPECT_THROW((void)ToAmount(ParseDecimal(cents)), ArithmeticError);
  } else {
    const double stored = ToAmount(ParseDecimal(cents));
    EXPECT_EQ(stored, c.stored);
    EXPECT_EQ(std::signbit(stored), std::signbit(c.stored));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, NormaliseIncome,
    testing::Values(CentsCase{"HalfCentUp", "5000.005", "5000.01", 5000.01},
                    CentsCase{"BelowHalfCent", "5000.00499", "5000.00", 5000},
                    CentsCase{"LongBelowHalfCent", "5000.004999", "5000.00", 5000},
                    CentsCase{"Exponent", "1e3", "1000.00", 1000},
                    CentsCase{"JustAboveThreshold", "3500.001", "3500.00", 3500},
                    CentsCase{"HalfCentAboveThreshold", "3500.005", "3500.01", 3500.01},
                    CentsCase{"HalfCentAlone", "0.005", "0.01", 0.01},
                    // 2.675 is below 2.675 as a double, but it is read in extended
                    // precision and written from its 18 digits.
                    CentsCase{"DecimalHalf", "2.675", "2.68", 2.68},
                    CentsCase{"EighthHalf", "0.125", "0.13", 0.13},
                    CentsCase{"CarryIntoNewDigit", "999999.995", "1000000.00", 1000000},
                    CentsCase{"NegativeToZeroLosesSign", "-0.004", "0.00", 0.0},
                    CentsCase{"NegativeHalfCent", "-0.005", "-0.01", -0.01},
                    CentsCase{"Negative", "-5", "-5.00", -5},
                    CentsCase{"SeparatorAlone", ".", "0.00", 0},
                    CentsCase{"Tiny", "1e-400", "0.00", 0},
                    CentsCase{"EighteenDigitsGoGeneral", "1e18", "1E18", 1e18},
                    CentsCase{"LargeGoesGeneral", "1.5e20", "1.5E20", 1.5e20},
                    CentsCase{"BeyondDouble", "1e400", "1E400", NAN}),
    [](const testing::TestParamInfo<CentsCase>& info) { return std::string(info.param.name); });

struct GeneralCase {
  const char* name;
  std::function<Extended80()> value;
  const char* text;
};

void PrintTo(const GeneralCase& c, std::ostream* os) {
  *os << c.name;
}

class WriteGeneral : public testing::TestWithParam<GeneralCase> {
 protected:
  void SetUp() override { SetDecimalSeparator("."); }
};

TEST_P(WriteGeneral, ShowsAtMostFifteenDigits) {
  EXPECT_EQ(FormatGeneral(GetParam().value()), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Table, WriteGeneral,
    testing::Values(
        GeneralCase{"Zero", [] { return E(0); }, "0"},
        GeneralCase{"MinusZero", [] { return -E(0); }, "0"},
        GeneralCase{"Integer", [] { return E(45); }, "45"},
        GeneralCase{"DoubleOfCents", [] { return D(1500.01); }, "1500.01"},
        GeneralCase{"RateTimesHundred", [] { return D(0.03) * E(100); }, "3"},
        GeneralCase{"CentAboveThreshold", [] { return D(3500.01 - 3500.0); }, "0.0100000000002183"},
        GeneralCase{"OneThird", [] { return D(1.0 / 3.0); }, "0.333333333333333"},
        GeneralCase{"TwoThirds", [] { return D(2.0 / 3.0); }, "0.666666666666667"},
        GeneralCase{"OneTenth", [] { return D(0.1); }, "0.1"},
        GeneralCase{"Negative", [] { return -(E(12345) / E(10)); }, "-1234.5"},
        GeneralCase{"FifteenDigits", [] { return E(123456789012345); }, "123456789012345"},
        GeneralCase{"FifteenNines", [] { return E(999999999999999); }, "999999999999999"},
        GeneralCase{"RoundsUpToScientific", [] { return D(999999999999999.9); }, "1E15"},
        GeneralCase{"TenPow15", [] { return E(1'000'000'000'000'000); }, "1E15"},
        GeneralCase{"SixteenDigits", [] { return E(1234567890123456); }, "1.23456789012346E15"},
        GeneralCase{"LargeScientific", [] { return E(150'000'000'000'000'000) * E(1000); },
                    "1.5E20"},
        GeneralCase{"SmallestFixed", [] { return E(1) / E(10000); }, "0.0001"},
        GeneralCase{"SmallFixed", [] { return E(12345) / E(100'000'000); }, "0.00012345"},
        GeneralCase{"SmallScientific", [] { return E(1) / E(100000); }, "1E-5"},
        GeneralCase{"SmallScientificFraction", [] { return E(15) / E(1'000'000); }, "1.5E-5"},
        GeneralCase{"TinyScientific", [] { return ScaleByPow10(E(1), -100); }, "1E-100"},
        // The 18-digit form is …18240500 after its two roundings, so the
        // 15th digit rounds up where exact rounding would give …1824.
        GeneralCase{"TwoRoundingsDecide", [] { return D(3900148863.182405); }, "3900148863.18241"},
        GeneralCase{"LargestExtended", [] { return ParseDecimal("1.18973149535723176e4932"); },
                    "1.18973149535723E4932"}),
    [](const testing::TestParamInfo<GeneralCase>& info) { return std::string(info.param.name); });

TEST(WriteWithComma, UsesTheSeparatorInForce) {
  SetDecimalSeparator(",");
  EXPECT_EQ(FormatCents(E(12345) / E(10)), "1234,50");
  EXPECT_EQ(FormatGeneral(D(1500.01)), "1500,01");
  EXPECT_EQ(FormatGeneral(E(15) / E(1'000'000)), "1,5E-5");
  SetDecimalSeparator(".");
}

TEST(ToDecimalForm, ZeroAndSubnormalsHaveNoDigits) {
  const DecimalForm subnormal = ToDecimalForm(ScaleByPow10(E(1), -4940), 15, 9999);
  EXPECT_TRUE(subnormal.digits.empty());
  EXPECT_EQ(subnormal.exponent, 0);
  EXPECT_FALSE(ToDecimalForm(-E(0), 18, 2).negative);
}

}  // namespace
}  // namespace feniko
