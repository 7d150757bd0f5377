#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <limits>
#include <string>
#include <typeinfo>
#include <vector>

#include "convert/UConvert.h"
#include "numtext/Errors.h"

namespace feniko {
namespace {

// A reviewed example from the golden file: the amount as written there, the
// nearest double to it, and the expected capital text.
struct GoldenCase {
  int line = 0;
  std::string amountText;
  double amount = 0;
  std::string expected;
};

void PrintTo(const GoldenCase& c, std::ostream* os) {
  *os << "capital.tsv:" << c.line << " " << c.amountText;
}

std::vector<GoldenCase> ReadGoldenFile() {
  std::vector<GoldenCase> cases;
  std::ifstream file(FENIKO_CAPITAL_GOLDEN);
  std::string line;
  for (int number = 1; std::getline(file, line); ++number) {
    if (line.empty() || line[0] == '#') continue;
    GoldenCase c;
    c.line = number;
    const auto tab = line.find('\t');
    c.amountText = line.substr(0, tab);
    c.expected = tab == std::string::npos ? "\t(missing TAB)" : line.substr(tab + 1);
    const auto [end, error] =
        std::from_chars(c.amountText.data(), c.amountText.data() + c.amountText.size(), c.amount);
    if (error != std::errc() || end != c.amountText.data() + c.amountText.size())
      c.expected = "\t(unreadable amount)";
    cases.push_back(c);
  }
  return cases;
}

class GoldenFile : public testing::TestWithParam<GoldenCase> {};

TEST_P(GoldenFile, WritesTheReviewedText) {
  EXPECT_EQ(TCharConvert().Convert(GetParam().amount), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Capital, GoldenFile, testing::ValuesIn(ReadGoldenFile()),
                         [](const testing::TestParamInfo<GoldenCase>& info) {
                           return "Line" + std::to_string(info.param.line);
                         });

TEST(GoldenFile, IsThere) {
  EXPECT_GE(ReadGoldenFile().size(), 10u);
}

// Amounts that only a double can name: the neighbours of an exact half fen.
struct TieCase {
  const char* name;
  double amount;
  const char* expected;
};

void PrintTo(const TieCase& c, std::ostream* os) {
  *os << c.name;
}

class HalfFenNeighbours : public testing::TestWithParam<TieCase> {};

TEST_P(HalfFenNeighbours, DecideOnTheExactProduct) {
  EXPECT_EQ(TCharConvert().Convert(GetParam().amount), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, HalfFenNeighbours,
    testing::Values(TieCase{"Tie12_5", 0.125, "壹角贰分"},
                    TieCase{"BelowTie12_5", std::nextafter(0.125, 0.0), "壹角贰分"},
                    TieCase{"AboveTie12_5", std::nextafter(0.125, 1.0), "壹角叁分"},
                    TieCase{"Tie37_5", 0.375, "叁角捌分"},
                    TieCase{"BelowTie37_5", std::nextafter(0.375, 0.0), "叁角柒分"},
                    TieCase{"Tie112_5", 1.125, "壹元壹角贰分"},
                    TieCase{"NegativeJustInsideHalfFen", std::nextafter(-0.005, 0.0), ""},
                    TieCase{"Near1_5", 0.015, "壹分"},  // just below 1.5 fen
                    TieCase{"AboveNear1_5", std::nextafter(0.015, 1.0), "贰分"}),
    [](const testing::TestParamInfo<TieCase>& info) { return std::string(info.param.name); });

enum class Failure { NotAnInteger, OutOfRange, InvalidOperation };

struct FailureCase {
  const char* name;
  double amount;
  Failure failure;
};

void PrintTo(const FailureCase& c, std::ostream* os) {
  *os << c.name;
}

class ConvertFailure : public testing::TestWithParam<FailureCase> {};

TEST_P(ConvertFailure, RaisesItsMessage) {
  const FailureCase& c = GetParam();
  try {
    const std::string text = TCharConvert().Convert(c.amount);
    ADD_FAILURE() << "returned " << text;
  } catch (const FenikoError& error) {
    switch (c.failure) {
      case Failure::NotAnInteger:
        EXPECT_EQ(typeid(error), typeid(ConversionError));
        EXPECT_STREQ(error.what(), "'-' is not a valid integer value");
        break;
      case Failure::OutOfRange:
        EXPECT_EQ(typeid(error), typeid(FenikoError));
        EXPECT_EQ(error.what(), kAmountOutOfRangeMessage);
        EXPECT_EQ(std::string(error.what()), "金额超出转换范围(最大 9999999999999.99 元)");
        break;
      case Failure::InvalidOperation:
        EXPECT_EQ(typeid(error), typeid(ArithmeticError));
        EXPECT_STREQ(error.what(), "Invalid floating point operation");
        break;
    }
  }
}

constexpr double kInfinity = std::numeric_limits<double>::infinity();
// 2^63 fen is 92233720368547758.08 yuan; the doubles there are 16 apart.
constexpr double kFirstBeyondFenRange = 92233720368547760.0;
constexpr double kLastWithinFenRange = 92233720368547744.0;

INSTANTIATE_TEST_SUITE_P(
    Table, ConvertFailure,
    testing::Values(
        FailureCase{"Negative", -5, Failure::NotAnInteger},
        // The double nearest -0.005 lies just beyond half a fen below zero.
        FailureCase{"NegativeHalfFen", -0.005, Failure::NotAnInteger},
        FailureCase{"NegativeOneFen", -0.01, Failure::NotAnInteger},
        // The minus sign is met before the field is found too small.
        FailureCase{"NegativeBeyondField", -1e13, Failure::NotAnInteger},
        FailureCase{"TenToThe13", 1e13, Failure::OutOfRange},
        // 9999999999999.996 is stored as …99609375, which comes to 10^15 fen.
        FailureCase{"RoundsUpTo10ToThe15Fen", 9999999999999.996, Failure::OutOfRange},
        FailureCase{"LastWithinFenRange", kLastWithinFenRange, Failure::OutOfRange},
        FailureCase{"FirstBeyondFenRange", kFirstBeyondFenRange, Failure::InvalidOperation},
        FailureCase{"NegativeBeyondFenRange", -kFirstBeyondFenRange, Failure::InvalidOperation},
        FailureCase{"Largest", std::numeric_limits<double>::max(), Failure::InvalidOperation},
        FailureCase{"Infinity", kInfinity, Failure::InvalidOperation},
        FailureCase{"NotANumber", std::numeric_limits<double>::quiet_NaN(),
                    Failure::InvalidOperation}),
    [](const testing::TestParamInfo<FailureCase>& info) { return std::string(info.param.name); });

TEST(ConvertRange, LastAmountBelowTheLimitStillFits) {
  // 9999999999999.995 is stored as …994140625: 999999999999999 fen.
  EXPECT_EQ(TCharConvert().Convert(9999999999999.995),
            "玖万玖仟玖佰玖拾玖亿玖仟玖佰玖拾玖万玖仟玖佰玖拾玖元玖角玖分");
}

TEST(ConvertRange, NegativeZeroIsZero) {
  EXPECT_EQ(TCharConvert().Convert(-0.0), "");
}

}  // namespace
}  // namespace feniko
