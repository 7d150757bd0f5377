#include <gtest/gtest.h>

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

struct ReadCase {
  const char* name;
  std::string text;
  // The expected value, built from exact operations; empty when reading fails.
  std::function<Extended80()> expected;
};

void PrintTo(const ReadCase& c, std::ostream* os) {
  *os << c.name;
}

class ReadWithFullStop : public testing::TestWithParam<ReadCase> {
 protected:
  void SetUp() override { SetDecimalSeparator("."); }
};

TEST_P(ReadWithFullStop, GivesTheExactValueOrTheConversionError) {
  const ReadCase& c = GetParam();
  if (c.expected) {
    const Extended80 got = ParseDecimal(c.text);
    const Extended80 want = c.expected();
    EXPECT_EQ(got.SignExponentBits(), want.SignExponentBits());
    EXPECT_EQ(got.SignificandBits(), want.SignificandBits());
  } else {
    try {
      (void)ParseDecimal(c.text);
      ADD_FAILURE() << "read without failure";
    } catch (const ConversionError& e) {
      EXPECT_EQ(std::string(e.what()), "'" + c.text + "' is not a valid floating point value");
    }
  }
}

const std::function<Extended80()> kFails;
Extended80 Value(std::int64_t v) {
  return E(v);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ReadWithFullStop,
    testing::Values(
        ReadCase{"Plain", "5000", [] { return Value(5000); }},
        ReadCase{"BlanksAround", "  5000.5  ", [] { return E(10001) / E(2); }},
        ReadCase{"PlusSign", "+12", [] { return Value(12); }},
        ReadCase{"MinusSign", "-5", [] { return Value(-5); }},
        ReadCase{"TrailingSeparator", "5.", [] { return Value(5); }},
        ReadCase{"LeadingSeparator", ".5", [] { return E(1) / E(2); }},
        ReadCase{"SeparatorAlone", ".", [] { return Value(0); }},
        ReadCase{"MinusZero", "-0", [] { return -E(0); }},
        ReadCase{"MinusSeparator", "-.", [] { return -E(0); }},
        ReadCase{"Exponent", "1e3", [] { return Value(1000); }},
        ReadCase{"CapitalExponent", "1E3", [] { return Value(1000); }},
        ReadCase{"SignedExponent", "1E+3", [] { return Value(1000); }},
        ReadCase{"ExponentLeadingZero", "1e+03", [] { return Value(1000); }},
        ReadCase{"NegativeExponent", "2.5e-2", [] { return E(25) / E(1000); }},
        ReadCase{"EmptyExponent", "5e", [] { return Value(5); }},
        ReadCase{"EmptySignedExponent", "5E+", [] { return Value(5); }},
        ReadCase{"EmptyNegativeExponent", "5e-", [] { return Value(5); }},
        ReadCase{"ManyExponentZeros", "1e00000000009", [] { return Value(1'000'000'000); }},
        ReadCase{"ExponentBeyondAmounts", "1e0500", [] { return ScaleByPow10(E(1), 500); }},
        ReadCase{"NearTheTop", "9e4931", [] { return ScaleByPow10(E(9), 4931); }},
        ReadCase{"UnderflowsToZero", "1e-4999", [] { return Value(0); }},
        ReadCase{"TwentyNines", std::string(20, '9'),
                 [] { return E(1'000'000'000'000'000'000) * E(100); }},
        ReadCase{"FiftyTwoHundredZeros", "0." + std::string(5200, '0') + "1",
                 [] { return Value(0); }},
        ReadCase{"FiveThousandOnes", std::string(5000, '1'), kFails},
        ReadCase{"OverflowingExponent", "1e4999", kFails},
        ReadCase{"ExponentDigitLeftOver", "1e5000", kFails}, ReadCase{"Empty", "", kFails},
        ReadCase{"SpacesOnly", "   ", kFails}, ReadCase{"SignAlone", "+", kFails},
        ReadCase{"MinusAlone", "-", kFails}, ReadCase{"ExponentAlone", "E", kFails},
        ReadCase{"NoMantissa", "e5", kFails}, ReadCase{"BlankAfterSign", "- 5", kFails},
        ReadCase{"BlankInside", "1 000", kFails}, ReadCase{"ThousandsSeparator", "1,000", kFails},
        ReadCase{"TwoSeparators", "1.2.3", kFails}, ReadCase{"BlankBeforeExponent", "5 e3", kFails},
        ReadCase{"TrailingLetters", "12abc", kFails}, ReadCase{"Hexadecimal", "0x10", kFails},
        ReadCase{"LeadingTab", "\t5", kFails},
        ReadCase{"FullWidthDigits", "\xEF\xBC\x95", kFails},  // U+FF15
        ReadCase{"TwoSigns", "+-5", kFails}),
    [](const testing::TestParamInfo<ReadCase>& info) { return std::string(info.param.name); });

TEST(ReadWithComma, AcceptsTheCommaAndRefusesTheFullStop) {
  SetDecimalSeparator(",");
  EXPECT_EQ(ParseDecimal("1234,5"), E(12345) / E(10));
  EXPECT_THROW((void)ParseDecimal("1234.5"), ConversionError);
  SetDecimalSeparator(".");
}

TEST(ReadWithMultiByteSeparator, MatchesTheWholeCharacter) {
  SetDecimalSeparator("\xD9\xAB");  // U+066B
  EXPECT_EQ(ParseDecimal("12\xD9\xAB"
                         "5"),
            E(125) / E(10));
  EXPECT_THROW((void)ParseDecimal("12\xD9"
                                  "5"),
               ConversionError);  // half a separator
  EXPECT_THROW((void)ParseDecimal("12.5"), ConversionError);
  SetDecimalSeparator(".");
}

TEST(ToAmount, FailsBeyondTheDoubleRange) {
  SetDecimalSeparator(".");
  EXPECT_EQ(ToAmount(ParseDecimal("1.7976931348623157e308")), 1.7976931348623157e308);
  try {
    (void)ToAmount(ParseDecimal("1e500"));
    ADD_FAILURE() << "stored without failure";
  } catch (const ArithmeticError& e) {
    EXPECT_STREQ(e.what(), "Floating point overflow");
  }
  EXPECT_EQ(ToAmount(ParseDecimal("1e-400")), 0.0);
}

}  // namespace
}  // namespace feniko
