#include <gtest/gtest.h>

#include <string>

#include "numtext/DecimalSeparator.h"
#include "pages/TaxPage.h"

namespace feniko {
namespace {

constexpr const char* kInvalid = "请输入有效的金额";
constexpr const char* kTaxFreeCurrent = "收入金额小于等于3500元，不必纳税!";
constexpr const char* kTaxFreePrevious = "收入金额小于等于2000元，不必纳税!";

class TaxPage : public testing::Test {
 protected:
  void SetUp() override { SetDecimalSeparator("."); }
};

// Typed texts that end in a page message: the zero texts stay.
struct MessageCase {
  const char* name;
  Schedule schedule;
  const char* typed;
  const char* message;
};

void PrintTo(const MessageCase& c, std::ostream* os) {
  *os << c.name;
}

class TaxPageMessage : public testing::TestWithParam<MessageCase> {
 protected:
  void SetUp() override { SetDecimalSeparator("."); }
};

TEST_P(TaxPageMessage, ShowsTheMessageOverZeroTexts) {
  const MessageCase& c = GetParam();
  const TaxOutcome outcome = RunTaxCalculation(c.schedule, c.typed);
  const bool red = std::string(c.message) == kInvalid;
  EXPECT_EQ(outcome.kind, red ? TaxOutcome::Kind::InvalidAmount : TaxOutcome::Kind::TaxFree);
  EXPECT_EQ(outcome.message, c.message);
  EXPECT_EQ(outcome.colour, red ? MessageColour::Red : MessageColour::Blue);
  EXPECT_EQ(outcome.selectIncome, red);
  EXPECT_EQ(outcome.lines, ZeroResultLines());
  EXPECT_EQ(outcome.figures, ResultLines{});
}

INSTANTIATE_TEST_SUITE_P(
    Table, TaxPageMessage,
    testing::Values(
        // The current page refuses a blank text itself, the previous page
        // through the failed reading; both give the same red message.
        MessageCase{"CurrentEmpty", Schedule::Current, "", kInvalid},
        MessageCase{"CurrentBlank", Schedule::Current, " \t\r\n", kInvalid},
        MessageCase{"PreviousEmpty", Schedule::Previous, "", kInvalid},
        MessageCase{"PreviousSpaces", Schedule::Previous, "   ", kInvalid},
        MessageCase{"CurrentLetters", Schedule::Current, "abc", kInvalid},
        MessageCase{"PreviousLetters", Schedule::Previous, "abc", kInvalid},
        MessageCase{"CurrentTab", Schedule::Current, "\t5000", kInvalid},
        MessageCase{"BeyondDouble", Schedule::Current, "1e400", kInvalid},
        MessageCase{"BeyondExtended", Schedule::Previous, "1e5000", kInvalid},
        MessageCase{"AtThreshold", Schedule::Current, "3500", kTaxFreeCurrent},
        MessageCase{"BelowHalfCentAbove", Schedule::Current, "3500.004", kTaxFreeCurrent},
        MessageCase{"Zero", Schedule::Current, "0", kTaxFreeCurrent},
        MessageCase{"Negative", Schedule::Current, "-100", kTaxFreeCurrent},
        MessageCase{"PreviousAtThreshold", Schedule::Previous, "2000", kTaxFreePrevious},
        MessageCase{"PreviousBelowHalfCentAbove", Schedule::Previous, "2000.0049",
                    kTaxFreePrevious},
        // The previous page's 3000 is taxed; the current page's is not.
        MessageCase{"CurrentOwnThreshold", Schedule::Current, "3000", kTaxFreeCurrent}),
    [](const testing::TestParamInfo<MessageCase>& info) { return std::string(info.param.name); });

// Typed texts that give the six result lines.
struct ResultCase {
  const char* name;
  Schedule schedule;
  const char* typed;
  ResultLines lines;
};

void PrintTo(const ResultCase& c, std::ostream* os) {
  *os << c.name;
}

class TaxPageResult : public testing::TestWithParam<ResultCase> {
 protected:
  void SetUp() override { SetDecimalSeparator("."); }
};

TEST_P(TaxPageResult, ShowsTheSixLines) {
  const TaxOutcome outcome = RunTaxCalculation(GetParam().schedule, GetParam().typed);
  EXPECT_EQ(outcome.kind, TaxOutcome::Kind::Result);
  EXPECT_EQ(outcome.message, "");
  EXPECT_FALSE(outcome.selectIncome);
  for (std::size_t i = 0; i < kResultLineCount; ++i)
    EXPECT_EQ(outcome.lines[i], GetParam().lines[i]) << "line " << i + 1;
}

INSTANTIATE_TEST_SUITE_P(
    Table, TaxPageResult,
    testing::Values(
        ResultCase{"Example5000",
                   Schedule::Current,
                   "5000",
                   {"收入金额：5000 元", "应纳税所得额：1500 元", "适用税率：3%",
                    "速算扣除数：0 元", "应纳税额：45 元", "税后收入：4955 元"}},
        // Nothing is rounded to cents for display.
        ResultCase{
            "ExtendedTax",
            Schedule::Current,
            "5000.02",
            {"收入金额：5000.02 元", "应纳税所得额：1500.02 元", "适用税率：10%",
             "速算扣除数：105 元", "应纳税额：45.0020000000001 元", "税后收入：4955.018 元"}},
        // The income line shows the normalised number, not the typed text.
        ResultCase{"NormalisedIncome",
                   Schedule::Current,
                   "  5000.10  ",
                   {"收入金额：5000.1 元", "应纳税所得额：1500.1 元", "适用税率：10%",
                    "速算扣除数：105 元", "应纳税额：45.01 元", "税后收入：4955.09 元"}},
        ResultCase{
            "HalfCentRoundsUp",
            Schedule::Current,
            "3500.005",
            {"收入金额：3500.01 元", "应纳税所得额：0.0100000000002183 元", "适用税率：3%",
             "速算扣除数：0 元", "应纳税额：0.000300000000006548 元", "税后收入：3500.0097 元"}},
        ResultCase{"Exponent",
                   Schedule::Current,
                   "1e5",
                   {"收入金额：100000 元", "应纳税所得额：96500 元", "适用税率：45%",
                    "速算扣除数：13505 元", "应纳税额：29920 元", "税后收入：70080 元"}},
        ResultCase{
            "TenDigits",
            Schedule::Current,
            "9999999999",
            {"收入金额：9999999999 元", "应纳税所得额：9999996499 元", "适用税率：45%",
             "速算扣除数：13505 元", "应纳税额：4499984919.55 元", "税后收入：5500015079.45 元"}},
        ResultCase{
            "PreviousTenDigits",
            Schedule::Previous,
            "9999999999",
            {"收入金额：9999999999 元", "应纳税所得额：9999997999 元", "适用税率：45%",
             "速算扣除数：15375 元", "应纳税额：4499983724.55 元", "税后收入：5500016274.45 元"}},
        ResultCase{"PreviousTaxesWhatCurrentDoesNot",
                   Schedule::Previous,
                   "3000",
                   {"收入金额：3000 元", "应纳税所得额：1000 元", "适用税率：10%",
                    "速算扣除数：25 元", "应纳税额：75 元", "税后收入：2925 元"}},
        ResultCase{"PreviousExtendedTax",
                   Schedule::Previous,
                   "2191.9",
                   {"收入金额：2191.9 元", "应纳税所得额：191.9 元", "适用税率：5%",
                    "速算扣除数：0 元", "应纳税额：9.59500000000001 元", "税后收入：2182.305 元"}},
        // Beyond 10^15 the figures go to exponent form.
        ResultCase{"Huge",
                   Schedule::Current,
                   "1e20",
                   {"收入金额：1E20 元", "应纳税所得额：1E20 元", "适用税率：45%",
                    "速算扣除数：13505 元", "应纳税额：4.5E19 元", "税后收入：5.5E19 元"}}),
    [](const testing::TestParamInfo<ResultCase>& info) { return std::string(info.param.name); });

TEST_F(TaxPage, FiguresAreTheBareNumbers) {
  const TaxOutcome outcome = RunTaxCalculation(Schedule::Current, "5000");
  EXPECT_EQ(outcome.figures, (ResultLines{"5000", "1500", "3", "0", "45", "4955"}));
}

TEST_F(TaxPage, FollowsTheDecimalSeparator) {
  SetDecimalSeparator(",");
  const TaxOutcome outcome = RunTaxCalculation(Schedule::Current, "5000,1");
  EXPECT_EQ(outcome.lines[0], "收入金额：5000,1 元");
  EXPECT_EQ(RunTaxCalculation(Schedule::Current, "5000.1").kind, TaxOutcome::Kind::InvalidAmount);
}

TEST(ZeroResultLines, HaveNoSpaceBeforeTheUnit) {
  EXPECT_EQ(ZeroResultLines(),
            (ResultLines{"收入金额：0.00元", "应纳税所得额：0.00元", "适用税率：0%",
                         "速算扣除数：0.00元", "应纳税额：0.00元", "税后收入：0.00元"}));
}

}  // namespace
}  // namespace feniko
