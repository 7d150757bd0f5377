#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "numtext/Extended80.h"
#include "numtext/NumberText.h"

namespace feniko {
namespace {

Extended80 E(std::int64_t v) {
  return Extended80::FromInt64(v);
}

template <typename F>
std::string FailureOf(F&& f) {
  try {
    f();
  } catch (const ArithmeticError& e) {
    return e.what();
  }
  return "no failure";
}

TEST(Extended80, RoundsHalvesToEvenWhenMadeAnInteger) {
  struct Case {
    std::int64_t twice;  // the value times two
    std::int64_t rounded;
  };
  for (const Case c : {Case{25, 12}, Case{27, 14}, Case{-25, -12}, Case{-27, -14}, Case{1, 0},
                       Case{3, 2}, Case{-1, 0}}) {
    const Extended80 v = E(c.twice) / E(2);
    EXPECT_EQ(v.RoundToInt64(), c.rounded) << c.twice << "/2";
    EXPECT_EQ(v.RoundToIntegral(), E(c.rounded)) << c.twice << "/2";
  }
}

TEST(Extended80, RoundingToInt64FailsOutsideItsRange) {
  const Extended80 two63 = E(INT64_MAX) + E(1);  // exact: 2^63 needs one bit
  EXPECT_EQ(FailureOf([&] { (void)two63.RoundToInt64(); }), "Invalid floating point operation");
  EXPECT_EQ((-two63).RoundToInt64(), INT64_MIN);
  const Extended80 justBelowMinusHalf = -two63 - E(1) / E(2);  // rounds to -2^63 (even)
  EXPECT_EQ(justBelowMinusHalf.RoundToInt64(), INT64_MIN);
}

TEST(Extended80, ArithmeticFailuresCarryTheirMessages) {
  const Extended80 huge = ScaleByPow10(E(1), 4900);
  EXPECT_EQ(FailureOf([&] { (void)(huge * huge); }), "Floating point overflow");
  EXPECT_EQ(FailureOf([&] { (void)(E(1) / E(0)); }), "Floating point division by zero");
  EXPECT_EQ(FailureOf([&] { (void)(E(0) / E(0)); }), "Invalid floating point operation");
  EXPECT_EQ(FailureOf([&] { (void)huge.ToDouble(); }), "Floating point overflow");
}

TEST(Extended80, NarrowsToTheNearestDouble) {
  // 1 + 2^-53 is a tie between 1 and the next double: it goes to the even 1.
  const Extended80 tie = E(1) + E(1) / E(INT64_C(1) << 53);
  EXPECT_EQ(tie.ToDouble(), 1.0);
  const Extended80 aboveTie = tie + E(1) / (E(INT64_C(1) << 62) * E(2));
  EXPECT_EQ(aboveTie.ToDouble(), 1.0 + DBL_EPSILON);
  // Below the double range: subnormal or zero, no failure.
  EXPECT_EQ(ScaleByPow10(E(1), -400).ToDouble(), 0.0);
  EXPECT_EQ(ScaleByPow10(E(5), -324).ToDouble(), 4.9406564584124654e-324);
}

TEST(Extended80, MinusZeroKeepsItsSign) {
  const Extended80 minusZero = -Extended80();
  EXPECT_TRUE(minusZero.SignBit());
  EXPECT_EQ(minusZero, Extended80());
  EXPECT_TRUE(std::signbit(minusZero.ToDouble()));
}

#if LDBL_MANT_DIG == 64
// glibc's strtold rounds correctly, so it tells the nearest Extended80 to each
// power of ten in the factor tables.
TEST(ScaleByPow10, FactorTablesHoldTheNearestValues) {
  std::vector<int> powers;
  for (int n = 0; n < 32; ++n) powers.push_back(n);
  for (int k = 1; k <= 15; ++k) powers.push_back(32 * k);
  for (int k = 1; k <= 9; ++k) powers.push_back(512 * k);
  for (const int n : powers) {
    const long double expected = std::strtold(("1e" + std::to_string(n)).c_str(), nullptr);
    std::uint64_t significand;
    std::uint16_t signExponent;
    std::memcpy(&significand, &expected, 8);
    std::memcpy(&signExponent, reinterpret_cast<const char*>(&expected) + 8, 2);
    const Extended80 got = ScaleByPow10(E(1), n);
    EXPECT_EQ(got.SignificandBits(), significand) << "1e" << n;
    EXPECT_EQ(got.SignExponentBits(), signExponent) << "1e" << n;
  }
}
#endif

TEST(ScaleByPow10, SmallPowersRoundOnceAndHugeNegativePowersGiveZero) {
  EXPECT_EQ(ScaleByPow10(E(25), -3), E(25) / E(1000));
  EXPECT_EQ(ScaleByPow10(E(7), 27), E(7) * (E(1'000'000'000'000'000'000) * E(1'000'000'000)));
  EXPECT_EQ(ScaleByPow10(E(1), -5120), Extended80());
  EXPECT_EQ(ScaleByPow10(E(1), -5119), Extended80());  // underflows to zero through the factors
}

}  // namespace
}  // namespace feniko
