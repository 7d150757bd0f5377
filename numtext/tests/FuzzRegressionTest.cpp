// Inputs that fuzzing (fuzz/) found to break a law, kept here so that the
// ordinary suite holds them.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "numtext/DecimalSeparator.h"
#include "numtext/NumberText.h"

namespace feniko {
namespace {

struct TinyCase {
  const char* name;
  std::uint16_t signExponent;
  std::uint64_t significand;
  const char* general;
};

void PrintTo(const TinyCase& c, std::ostream* os) {
  *os << c.name;
}

class FormatGeneralOfTinyValues : public testing::TestWithParam<TinyCase> {
 protected:
  void SetUp() override { SetDecimalSeparator("."); }
};

// Below about 2^-680 the estimate of the digits before the point can be one
// too large; the text then began with 0 and lost its 15th digit
// ("0.99671949510976E-205" for 2^-681).
TEST_P(FormatGeneralOfTinyValues, WritesFifteenDigitsFromANonzeroOne) {
  const TinyCase& c = GetParam();
  const Extended80 v = Extended80::FromBits(c.signExponent, c.significand);
  EXPECT_EQ(FormatGeneral(v), c.general);
  EXPECT_EQ(FormatCents(v), "0.00");
}

INSTANTIATE_TEST_SUITE_P(
    Table, FormatGeneralOfTinyValues,
    testing::Values(
        TinyCase{"LargestWithATooLargeEstimate", 0x3FFF - 681, 0x8000000000000000,
                 "9.96719495109757E-206"},
        TinyCase{"FoundByFuzzing", 0x00EB, 0x851EB86300000000, "9.65302343739327E-4862"},
        TinyCase{"FoundByFuzzingNegative", 0x80EB, 0x851EB86300000000, "-9.65302343739327E-4862"},
        // Estimates that were right or one too small keep their text.
        TinyCase{"TwoToTheMinus1000", 0x3FFF - 1000, 0x8000000000000000, "9.33263618503219E-302"},
        TinyCase{"SmallestNormal", 0x0001, 0x8000000000000000, "3.36210314311209E-4932"}),
    [](const testing::TestParamInfo<TinyCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace feniko
