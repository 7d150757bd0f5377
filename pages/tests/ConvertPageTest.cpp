#include <gtest/gtest.h>

#include <string>
#include <typeinfo>

#include "numtext/DecimalSeparator.h"
#include "numtext/Errors.h"
#include "pages/ConvertPage.h"

namespace feniko {
namespace {

constexpr const char* kInvalid = "请检查输入的小写金额是否有效。";

struct ConversionCase {
  const char* name;
  const char* typed;
  ConvertOutcome::Kind kind;
  const char* text;
};

void PrintTo(const ConversionCase& c, std::ostream* os) {
  *os << c.name;
}

class ConvertPage : public testing::TestWithParam<ConversionCase> {
 protected:
  void SetUp() override { SetDecimalSeparator("."); }
};

TEST_P(ConvertPage, ShowsTheCapitalTextOrTheMessage) {
  const ConvertOutcome outcome = RunConversion(GetParam().typed);
  EXPECT_EQ(outcome.kind, GetParam().kind);
  EXPECT_EQ(outcome.text, GetParam().text);
}

constexpr auto kResult = ConvertOutcome::Kind::Result;
constexpr auto kInvalidAmount = ConvertOutcome::Kind::InvalidAmount;

INSTANTIATE_TEST_SUITE_P(
    Table, ConvertPage,
    testing::Values(ConversionCase{"Example", "105.30", kResult, "壹佰零伍元叁角"},
                    ConversionCase{"Zero", "0", kResult, ""},
                    ConversionCase{"ZeroCents", "0.00", kResult, ""},
                    ConversionCase{"Blanks", "  10  ", kResult, "壹拾元整"},
                    ConversionCase{"Exponent", "1e8", kResult, "壹亿元整"},
                    // Read in extended precision, then stored as the nearest double.
                    ConversionCase{"ReadThenStored", "0.015", kResult, "壹分"},
                    ConversionCase{"NegativeBelowHalfFen", "-0.004", kResult, ""},
                    ConversionCase{"Empty", "", kInvalidAmount, kInvalid},
                    ConversionCase{"Letters", "abc", kInvalidAmount, kInvalid},
                    ConversionCase{"TooLargeForAnAmount", "1e500", kInvalidAmount, kInvalid},
                    ConversionCase{"Grouping", "1,000", kInvalidAmount, kInvalid}),
    [](const testing::TestParamInfo<ConversionCase>& info) {
      return std::string(info.param.name);
    });

// Failures of the converter pass through to the general error display.
struct ThrowCase {
  const char* name;
  const char* typed;
  const std::type_info* type;
  const char* message;
};

void PrintTo(const ThrowCase& c, std::ostream* os) {
  *os << c.name;
}

class ConvertPageFailure : public testing::TestWithParam<ThrowCase> {
 protected:
  void SetUp() override { SetDecimalSeparator("."); }
};

TEST_P(ConvertPageFailure, ReachesTheGeneralErrorDisplay) {
  try {
    const ConvertOutcome outcome = RunConversion(GetParam().typed);
    ADD_FAILURE() << "returned " << outcome.text;
  } catch (const FenikoError& error) {
    EXPECT_EQ(typeid(error), *GetParam().type);
    EXPECT_STREQ(error.what(), GetParam().message);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, ConvertPageFailure,
    testing::Values(ThrowCase{"Negative", "-5", &typeid(ConversionError),
                              "'-' is not a valid integer value"},
                    ThrowCase{"NegativeHalfFen", "-0.005", &typeid(ConversionError),
                              "'-' is not a valid integer value"},
                    ThrowCase{"TenToThe13", "1e13", &typeid(FenikoError),
                              "金额超出转换范围(最大 9999999999999.99 元)"},
                    ThrowCase{"BeyondFenRange", "1e17", &typeid(ArithmeticError),
                              "Invalid floating point operation"}),
    [](const testing::TestParamInfo<ThrowCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace feniko
