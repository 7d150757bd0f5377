// The software Extended80 against the x87 long double, bit for bit and failure
// for failure: a table of hand-picked cases, every pair of the special
// encodings, and a long run of random operations weighted towards the cases
// where rounding is hard.
//
//   FENIKO_EXTENDED80_DIFF_OPERATIONS  number of random operations (default 1000000)
//   FENIKO_EXTENDED80_DIFF_SEED        seed of the random operations (default below)

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cfloat>
#include <cmath>
#include <compare>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <iomanip>
#include <iostream>
#include <random>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "numtext/Errors.h"
#include "numtext/Extended80.h"

#if !defined(FENIKO_SOFT_EXTENDED80)
#error "this test checks the software Extended80; build it with FENIKO_SOFT_EXTENDED80"
#endif
static_assert(LDBL_MANT_DIG == 64 && LDBL_MAX_EXP == 16384, "the reference is the x87 long double");

namespace feniko {
namespace {

constexpr std::uint64_t kDefaultSeed = 0x5EED'F00D'0080'2024;
constexpr std::uint64_t kDefaultOperations = 1'000'000;

constexpr int kBias = 16383;
constexpr std::uint64_t kTop = std::uint64_t{1} << 63;

struct Bits {
  std::uint16_t signExponent = 0;
  std::uint64_t significand = 0;
};

constexpr Bits Value(bool negative, int biasedExponent, std::uint64_t significand) {
  return {static_cast<std::uint16_t>((negative ? 0x8000 : 0) | biasedExponent), significand};
}
constexpr Bits Positive(int biasedExponent, std::uint64_t significand) {
  return Value(false, biasedExponent, significand);
}
constexpr Bits Negative(int biasedExponent, std::uint64_t significand) {
  return Value(true, biasedExponent, significand);
}

long double NativeOf(Bits b) {
  long double v = 0.0L;
  std::memcpy(&v, &b.significand, 8);
  std::memcpy(reinterpret_cast<unsigned char*>(&v) + 8, &b.signExponent, 2);
  return v;
}
Bits BitsOf(long double v) {
  Bits b;
  std::memcpy(&b.significand, &v, 8);
  std::memcpy(&b.signExponent, reinterpret_cast<const unsigned char*>(&v) + 8, 2);
  return b;
}
Extended80 SoftOf(Bits b) {
  return Extended80::FromBits(b.signExponent, b.significand);
}
Bits BitsOf(Extended80 v) {
  return {v.SignExponentBits(), v.SignificandBits()};
}

enum class Op {
  kAdd,
  kSubtract,
  kMultiply,
  kDivide,
  kCompare,
  kToDouble,
  kRoundToInt64,
  kRoundToIntegral,
  kFromInt64,
  kFromDouble,
  kSignAndQueries,
};

const char* NameOf(Op op) {
  switch (op) {
    case Op::kAdd:
      return "a + b";
    case Op::kSubtract:
      return "a - b";
    case Op::kMultiply:
      return "a * b";
    case Op::kDivide:
      return "a / b";
    case Op::kCompare:
      return "compare a, b";
    case Op::kToDouble:
      return "a.ToDouble()";
    case Op::kRoundToInt64:
      return "a.RoundToInt64()";
    case Op::kRoundToIntegral:
      return "a.RoundToIntegral()";
    case Op::kFromInt64:
      return "FromInt64";
    case Op::kFromDouble:
      return "FromDouble";
    case Op::kSignAndQueries:
      return "-a, Abs and queries";
  }
  return "?";
}

// One operation on one or two operands. FromInt64 and FromDouble take the
// integer or the double's bits from a.significand.
struct Case {
  Op op;
  Bits a;
  Bits b;
};

Case Integer(std::int64_t value) {
  return {Op::kFromInt64, {0, static_cast<std::uint64_t>(value)}, {}};
}
Case Real(double value) {
  return {Op::kFromDouble, {0, std::bit_cast<std::uint64_t>(value)}, {}};
}

enum class Failure { kNone, kOverflow, kInvalidOperation, kDivisionByZero, kOther };

// What an operation gave: a failure, or up to three words of results.
struct Outcome {
  Failure failure = Failure::kNone;
  std::uint64_t first = 0;
  std::uint64_t second = 0;
  std::uint64_t third = 0;
  friend bool operator==(const Outcome&, const Outcome&) = default;
};

Outcome Failed(Failure failure) {
  return {failure, 0, 0, 0};
}
Outcome Words(std::uint64_t first, std::uint64_t second = 0, std::uint64_t third = 0) {
  return {Failure::kNone, first, second, third};
}
Outcome ValueOutcome(Bits b) {
  return Words(b.signExponent, b.significand);
}

template <typename T>
std::uint64_t ComparisonWord(T a, T b) {
  const std::partial_ordering order = a <=> b;
  const std::uint64_t code = order == std::partial_ordering::less         ? 0
                             : order == std::partial_ordering::equivalent ? 1
                             : order == std::partial_ordering::greater    ? 2
                                                                          : 3;
  return static_cast<std::uint64_t>(a == b) | static_cast<std::uint64_t>(a != b) << 1 |
         static_cast<std::uint64_t>(a < b) << 2 | static_cast<std::uint64_t>(a <= b) << 3 |
         static_cast<std::uint64_t>(a > b) << 4 | static_cast<std::uint64_t>(a >= b) << 5 |
         code << 6;
}

std::uint64_t QueryWord(Bits negated, Bits absolute, bool signBit, bool zeroOrSubnormal,
                        bool finite, int exponent) {
  return std::uint64_t{negated.signExponent} | std::uint64_t{absolute.signExponent} << 16 |
         static_cast<std::uint64_t>(signBit) << 32 |
         static_cast<std::uint64_t>(zeroOrSubnormal) << 33 |
         static_cast<std::uint64_t>(finite) << 34 |
         static_cast<std::uint64_t>(static_cast<std::uint32_t>(exponent) & 0xFFFFF) << 40;
}

// The rules of the x87 implementation, applied to long double directly.
Outcome NativeArithmetic(long double result) {
  if (!std::isfinite(result)) {
    return Failed(std::isnan(result) ? Failure::kInvalidOperation : Failure::kOverflow);
  }
  return ValueOutcome(BitsOf(result));
}

Outcome NativeOutcome(const Case& c) {
  const long double a = NativeOf(c.a);
  const long double b = NativeOf(c.b);
  switch (c.op) {
    case Op::kAdd:
      return NativeArithmetic(a + b);
    case Op::kSubtract:
      return NativeArithmetic(a - b);
    case Op::kMultiply:
      return NativeArithmetic(a * b);
    case Op::kDivide:
      if (b == 0.0L)
        return Failed(a == 0.0L ? Failure::kInvalidOperation : Failure::kDivisionByZero);
      return NativeArithmetic(a / b);
    case Op::kCompare:
      return Words(ComparisonWord(a, b));
    case Op::kToDouble: {
      const double narrowed = static_cast<double>(a);
      if (std::isinf(narrowed)) return Failed(Failure::kOverflow);
      return Words(std::bit_cast<std::uint64_t>(narrowed));
    }
    case Op::kRoundToInt64: {
      const long double rounded = std::nearbyint(a);
      if (!(rounded >= -0x1p63L && rounded < 0x1p63L)) return Failed(Failure::kInvalidOperation);
      return Words(static_cast<std::uint64_t>(static_cast<std::int64_t>(rounded)));
    }
    case Op::kRoundToIntegral:
      return ValueOutcome(BitsOf(std::nearbyint(a)));
    case Op::kFromInt64:
      return ValueOutcome(
          BitsOf(static_cast<long double>(static_cast<std::int64_t>(c.a.significand))));
    case Op::kFromDouble:
      return ValueOutcome(BitsOf(static_cast<long double>(std::bit_cast<double>(c.a.significand))));
    case Op::kSignAndQueries: {
      const Bits negated = BitsOf(-a), absolute = BitsOf(std::fabs(a));
      return Words(QueryWord(negated, absolute, std::signbit(a), (c.a.signExponent & 0x7FFF) == 0,
                             std::isfinite(a), (c.a.signExponent & 0x7FFF) - kBias),
                   negated.significand, absolute.significand);
    }
  }
  return Failed(Failure::kOther);
}

Outcome SoftOutcomeOrThrow(const Case& c) {
  const Extended80 a = SoftOf(c.a);
  const Extended80 b = SoftOf(c.b);
  switch (c.op) {
    case Op::kAdd:
      return ValueOutcome(BitsOf(a + b));
    case Op::kSubtract:
      return ValueOutcome(BitsOf(a - b));
    case Op::kMultiply:
      return ValueOutcome(BitsOf(a * b));
    case Op::kDivide:
      return ValueOutcome(BitsOf(a / b));
    case Op::kCompare:
      return Words(ComparisonWord(a, b));
    case Op::kToDouble:
      return Words(std::bit_cast<std::uint64_t>(a.ToDouble()));
    case Op::kRoundToInt64:
      return Words(static_cast<std::uint64_t>(a.RoundToInt64()));
    case Op::kRoundToIntegral:
      return ValueOutcome(BitsOf(a.RoundToIntegral()));
    case Op::kFromInt64:
      return ValueOutcome(
          BitsOf(Extended80::FromInt64(static_cast<std::int64_t>(c.a.significand))));
    case Op::kFromDouble:
      return ValueOutcome(BitsOf(Extended80::FromDouble(std::bit_cast<double>(c.a.significand))));
    case Op::kSignAndQueries: {
      const Bits negated = BitsOf(-a), absolute = BitsOf(a.Abs());
      return Words(QueryWord(negated, absolute, a.SignBit(), a.IsZeroOrSubnormal(), a.IsFinite(),
                             a.Exponent()),
                   negated.significand, absolute.significand);
    }
  }
  return Failed(Failure::kOther);
}

Outcome SoftOutcome(const Case& c) {
  try {
    return SoftOutcomeOrThrow(c);
  } catch (const ArithmeticError& e) {
    const std::string_view message = e.what();
    if (message == kOverflowMessage) return Failed(Failure::kOverflow);
    if (message == kInvalidOperationMessage) return Failed(Failure::kInvalidOperation);
    if (message == kDivisionByZeroMessage) return Failed(Failure::kDivisionByZero);
    return Failed(Failure::kOther);
  }
}

std::string Hex(std::uint64_t v, int digits) {
  std::ostringstream out;
  out << std::hex << std::uppercase << std::setw(digits) << std::setfill('0') << v;
  return out.str();
}
std::string Describe(Bits b) {
  return Hex(b.signExponent, 4) + ":" + Hex(b.significand, 16);
}
std::string Describe(const Outcome& o) {
  switch (o.failure) {
    case Failure::kNone:
      return Hex(o.first, 16) + " " + Hex(o.second, 16) + " " + Hex(o.third, 16);
    case Failure::kOverflow:
      return std::string(kOverflowMessage);
    case Failure::kInvalidOperation:
      return std::string(kInvalidOperationMessage);
    case Failure::kDivisionByZero:
      return std::string(kDivisionByZeroMessage);
    case Failure::kOther:
      return "another failure";
  }
  return "?";
}
std::string Describe(const Case& c) {
  return std::string(NameOf(c.op)) + " with a = " + Describe(c.a) + ", b = " + Describe(c.b);
}

// Empty when both agree, else what each gave.
std::string Difference(const Case& c) {
  const Outcome expected = NativeOutcome(c);
  const Outcome got = SoftOutcome(c);
  if (expected == got) return {};
  return Describe(c) + ": x87 gives " + Describe(expected) + ", software gives " + Describe(got);
}

// ---------------------------------------------------------------------------
// Hand-picked cases: each names the rule that it tries.

constexpr Bits kZero = Positive(0, 0);
constexpr Bits kMinusZero = Negative(0, 0);
constexpr Bits kOne = Positive(kBias, kTop);
constexpr Bits kMinusOne = Negative(kBias, kTop);
constexpr Bits kOneAndUlp = Positive(kBias, kTop | 1);
constexpr Bits kJustBelowTwo = Positive(kBias, ~std::uint64_t{0});
constexpr Bits kHalfUlpOfOne = Positive(kBias - 64, kTop);     // 2^-64
constexpr Bits kQuarterUlpOfOne = Positive(kBias - 65, kTop);  // 2^-65
constexpr Bits kAboveHalfUlpOfOne = Positive(kBias - 64, kTop | 1);
constexpr Bits kTiny = Positive(kBias - 200, kTop);
constexpr Bits kHalf = Positive(kBias - 1, kTop);
constexpr Bits kThreeQuarters = Positive(kBias - 1, kTop | kTop >> 1);
constexpr Bits kOneAndHalf = Positive(kBias, kTop | kTop >> 1);
constexpr Bits kTwo = Positive(kBias + 1, kTop);
constexpr Bits kThree = Positive(kBias + 1, kTop | kTop >> 1);
constexpr Bits kMaxNormal = Positive(0x7FFE, ~std::uint64_t{0});
constexpr Bits kMinusMaxNormal = Negative(0x7FFE, ~std::uint64_t{0});
constexpr Bits kHalfUlpOfMax = Positive(0x7FFE - 64, kTop);
constexpr Bits kQuarterUlpOfMax = Positive(0x7FFE - 65, kTop);
constexpr Bits kMinNormal = Positive(1, kTop);
constexpr Bits kMinNormalAndUlp = Positive(1, kTop | 1);
constexpr Bits kMaxSubnormal = Positive(0, kTop - 1);
constexpr Bits kMinSubnormal = Positive(0, 1);
constexpr Bits kMinusMinSubnormal = Negative(0, 1);
constexpr Bits kThreeMinSubnormals = Positive(0, 3);
constexpr Bits kTwo32Plus1 = Positive(kBias + 32, kTop | kTop >> 32);  // 2^32 + 1
constexpr Bits kTwo63 = Positive(kBias + 63, kTop);
constexpr Bits kMinusTwo63 = Negative(kBias + 63, kTop);
constexpr Bits kTwo63MinusHalf = Positive(kBias + 62, ~std::uint64_t{0});
constexpr Bits kTwo63MinusOneAndHalf = Positive(kBias + 62, ~std::uint64_t{0} - 2);
constexpr Bits kMinusTwo63PlusHalf = Negative(kBias + 62, ~std::uint64_t{0});
constexpr Bits kMinusTwo63MinusOne = Negative(kBias + 63, kTop | 1);
constexpr Bits kTwoAndHalf = Positive(kBias + 1, kTop | kTop >> 2);
constexpr Bits kMinusTwoAndHalf = Negative(kBias + 1, kTop | kTop >> 2);
constexpr Bits kThreeAndHalf = Positive(kBias + 1, kTop | kTop >> 1 | kTop >> 2);
constexpr Bits kMinusPointThree = Negative(kBias - 2, 0x9999'9999'9999'999A);
constexpr Bits kOnePlusDoubleHalfUlp = Positive(kBias, kTop | std::uint64_t{1} << 10);  // 1 + 2^-53
constexpr Bits kOnePlusThreeDoubleHalfUlps = Positive(kBias, kTop | std::uint64_t{3} << 10);
constexpr Bits kJustAboveDoubleTie = Positive(kBias, kTop | std::uint64_t{1} << 10 | 1);
constexpr Bits kMaxDouble = Positive(kBias + 1023, ~std::uint64_t{0} << 11);
constexpr Bits kMaxDoubleAndBelowHalfUlp = Positive(kBias + 1023, ~std::uint64_t{0} << 11 | 0x3FF);
constexpr Bits kMaxDoubleAndHalfUlp = Positive(kBias + 1023, ~std::uint64_t{0} << 10);
constexpr Bits kTwo1024 = Positive(kBias + 1024, kTop);
constexpr Bits kMinDouble = Positive(kBias - 1022, kTop);
constexpr Bits kJustBelowMinDouble = Positive(kBias - 1023, ~std::uint64_t{0});
constexpr Bits kMinSubnormalDouble = Positive(kBias - 1074, kTop);
constexpr Bits kHalfMinSubnormalDouble = Positive(kBias - 1075, kTop);
constexpr Bits kAboveHalfMinSubnormalDouble = Positive(kBias - 1075, kTop | 1);
constexpr Bits kThreeQuartersMinSubnormalDouble = Positive(kBias - 1075, kTop | kTop >> 1);
constexpr Bits kMinusQuarterMinSubnormalDouble = Negative(kBias - 1076, kTop);

struct NamedCase {
  const char* name;
  Case c;
};

std::ostream& operator<<(std::ostream& out, const NamedCase& n) {
  return out << n.name;
}

class HandPicked : public ::testing::TestWithParam<NamedCase> {};

TEST_P(HandPicked, AgreesWithTheX87) {
  const std::string difference = Difference(GetParam().c);
  EXPECT_TRUE(difference.empty()) << difference;
}

INSTANTIATE_TEST_SUITE_P(
    Extended80Soft, HandPicked,
    ::testing::Values(
        NamedCase{"AddTieStaysOnEven", {Op::kAdd, kOne, kHalfUlpOfOne}},
        NamedCase{"AddTieGoesUpToEven", {Op::kAdd, kOneAndUlp, kHalfUlpOfOne}},
        NamedCase{"AddJustAboveTieGoesUp", {Op::kAdd, kOne, kAboveHalfUlpOfOne}},
        NamedCase{"AddBelowTieStays", {Op::kAdd, kOne, kQuarterUlpOfOne}},
        NamedCase{"AddTieCarriesIntoNextPowerOfTwo", {Op::kAdd, kJustBelowTwo, kHalfUlpOfOne}},
        NamedCase{"AddFarSmallerOnlySticks", {Op::kAdd, kOne, kTiny}},
        NamedCase{"SubtractExactJustBelowPowerOfTwo", {Op::kSubtract, kOne, kHalfUlpOfOne}},
        NamedCase{"SubtractTieJustBelowPowerOfTwo", {Op::kSubtract, kOne, kQuarterUlpOfOne}},
        NamedCase{"SubtractFarSmallerJustBelowPowerOfTwo", {Op::kSubtract, kOne, kTiny}},
        NamedCase{"SubtractSelfGivesPlusZero", {Op::kSubtract, kMinusOne, kMinusOne}},
        NamedCase{"AddOppositesGivesPlusZero", {Op::kAdd, kMinusOne, kOne}},
        NamedCase{"MinusZeroPlusMinusZero", {Op::kAdd, kMinusZero, kMinusZero}},
        NamedCase{"MinusZeroPlusZero", {Op::kAdd, kMinusZero, kZero}},
        NamedCase{"MinusZeroMinusZero", {Op::kSubtract, kMinusZero, kZero}},
        NamedCase{"SubnormalsAddUpToSmallestNormal", {Op::kAdd, kMaxSubnormal, kMinSubnormal}},
        NamedCase{"CancellationToSmallestSubnormal", {Op::kSubtract, kMinNormalAndUlp, kMinNormal}},
        NamedCase{"CancellationToLargestSubnormal", {Op::kSubtract, kMinNormal, kMinSubnormal}},
        NamedCase{"LargestPlusHalfUlpOverflows", {Op::kAdd, kMaxNormal, kHalfUlpOfMax}},
        NamedCase{"LargestPlusQuarterUlpStays", {Op::kAdd, kMaxNormal, kQuarterUlpOfMax}},
        NamedCase{"MinusLargestMinusHalfUlpOverflows",
                  {Op::kSubtract, kMinusMaxNormal, kHalfUlpOfMax}},
        NamedCase{"LargestMinusLargestIsZero", {Op::kSubtract, kMaxNormal, kMaxNormal}},
        NamedCase{"LargestTimesTwoOverflows", {Op::kMultiply, kMaxNormal, kTwo}},
        NamedCase{"LargestTimesOneStays", {Op::kMultiply, kMaxNormal, kOne}},
        NamedCase{"ProductWithTieRoundsToEven", {Op::kMultiply, kTwo32Plus1, kTwo32Plus1}},
        NamedCase{"ProductJustBelowPowerOfTwo", {Op::kMultiply, kJustBelowTwo, kJustBelowTwo}},
        NamedCase{"HalfOfSmallestNormalIsSubnormal", {Op::kMultiply, kMinNormal, kHalf}},
        NamedCase{"HalfOfSmallestSubnormalTiesToZero", {Op::kMultiply, kMinSubnormal, kHalf}},
        NamedCase{"ThreeQuartersOfSmallestSubnormalRoundsUp",
                  {Op::kMultiply, kMinSubnormal, kThreeQuarters}},
        NamedCase{"SmallestSubnormalTimesOneAndHalfTiesToTwo",
                  {Op::kMultiply, kMinSubnormal, kOneAndHalf}},
        NamedCase{"NegativeUnderflowKeepsItsSign", {Op::kMultiply, kMinusMinSubnormal, kHalf}},
        NamedCase{"SmallestNormalSquaredIsZero", {Op::kMultiply, kMinNormal, kMinNormal}},
        NamedCase{"ZeroTimesLargestKeepsSign", {Op::kMultiply, kMinusZero, kMaxNormal}},
        NamedCase{"SubnormalTimesLargeIsNormal", {Op::kMultiply, kMaxSubnormal, kTwo63}},
        NamedCase{"OneThird", {Op::kDivide, kOne, kThree}},
        NamedCase{"OneOverJustAboveOne", {Op::kDivide, kOne, kOneAndUlp}},
        NamedCase{"JustBelowTwoOverJustAboveOne", {Op::kDivide, kJustBelowTwo, kOneAndUlp}},
        NamedCase{"OneOverZeroFails", {Op::kDivide, kOne, kZero}},
        NamedCase{"OneOverMinusZeroFails", {Op::kDivide, kOne, kMinusZero}},
        NamedCase{"ZeroOverZeroIsInvalid", {Op::kDivide, kZero, kMinusZero}},
        NamedCase{"MinusZeroOverThree", {Op::kDivide, kMinusZero, kThree}},
        NamedCase{"LargestOverSmallestOverflows", {Op::kDivide, kMaxNormal, kMinSubnormal}},
        NamedCase{"SmallestOverLargestIsZero", {Op::kDivide, kMinSubnormal, kMaxNormal}},
        NamedCase{"SubnormalQuotientTiesToEven", {Op::kDivide, kThreeMinSubnormals, kTwo}},
        NamedCase{"SubnormalOverSubnormal", {Op::kDivide, kMinSubnormal, kMaxSubnormal}},
        NamedCase{"SmallestNormalOverTwoIsSubnormal", {Op::kDivide, kMinNormal, kTwo}},
        NamedCase{"ZerosCompareEqual", {Op::kCompare, kMinusZero, kZero}},
        NamedCase{"OppositeSubnormalsCompare", {Op::kCompare, kMinSubnormal, kMinusMinSubnormal}},
        NamedCase{"NeighboursCompare", {Op::kCompare, kOneAndUlp, kOne}},
        NamedCase{"NegativesCompareByMagnitudeReversed",
                  {Op::kCompare, kMinusOne, kMinusMaxNormal}},
        NamedCase{"SubnormalAndNormalCompare", {Op::kCompare, kMaxSubnormal, kMinNormal}},
        NamedCase{"DoubleTieStaysOnEven", {Op::kToDouble, kOnePlusDoubleHalfUlp, {}}},
        NamedCase{"DoubleTieGoesUpToEven", {Op::kToDouble, kOnePlusThreeDoubleHalfUlps, {}}},
        NamedCase{"JustAboveDoubleTieGoesUp", {Op::kToDouble, kJustAboveDoubleTie, {}}},
        NamedCase{"LargestDoubleIsExact", {Op::kToDouble, kMaxDouble, {}}},
        NamedCase{"BelowHalfUlpAboveLargestDoubleStays",
                  {Op::kToDouble, kMaxDoubleAndBelowHalfUlp, {}}},
        NamedCase{"HalfUlpAboveLargestDoubleOverflows", {Op::kToDouble, kMaxDoubleAndHalfUlp, {}}},
        NamedCase{"TwoToThe1024Overflows", {Op::kToDouble, kTwo1024, {}}},
        NamedCase{"ExtendedLargestOverflowsDouble", {Op::kToDouble, kMinusMaxNormal, {}}},
        NamedCase{"SmallestNormalDoubleIsExact", {Op::kToDouble, kMinDouble, {}}},
        NamedCase{"JustBelowSmallestNormalDoubleRoundsUp",
                  {Op::kToDouble, kJustBelowMinDouble, {}}},
        NamedCase{"SmallestSubnormalDoubleIsExact", {Op::kToDouble, kMinSubnormalDouble, {}}},
        NamedCase{"HalfSmallestSubnormalDoubleTiesToZero",
                  {Op::kToDouble, kHalfMinSubnormalDouble, {}}},
        NamedCase{"AboveHalfSmallestSubnormalDoubleRoundsUp",
                  {Op::kToDouble, kAboveHalfMinSubnormalDouble, {}}},
        NamedCase{"ThreeQuartersSmallestSubnormalDouble",
                  {Op::kToDouble, kThreeQuartersMinSubnormalDouble, {}}},
        NamedCase{"NegativeDoubleUnderflowKeepsSign",
                  {Op::kToDouble, kMinusQuarterMinSubnormalDouble, {}}},
        NamedCase{"ExtendedSubnormalToDoubleIsZero", {Op::kToDouble, kMinusMinSubnormal, {}}},
        NamedCase{"MinusZeroToDouble", {Op::kToDouble, kMinusZero, {}}},
        NamedCase{"TwoAndHalfToInt64", {Op::kRoundToInt64, kTwoAndHalf, {}}},
        NamedCase{"ThreeAndHalfToInt64", {Op::kRoundToInt64, kThreeAndHalf, {}}},
        NamedCase{"MinusTwoAndHalfToInt64", {Op::kRoundToInt64, kMinusTwoAndHalf, {}}},
        NamedCase{"HalfToInt64", {Op::kRoundToInt64, kHalf, {}}},
        NamedCase{"OneAndHalfToInt64", {Op::kRoundToInt64, kOneAndHalf, {}}},
        NamedCase{"Two63ToInt64IsInvalid", {Op::kRoundToInt64, kTwo63, {}}},
        NamedCase{"MinusTwo63ToInt64", {Op::kRoundToInt64, kMinusTwo63, {}}},
        NamedCase{"Two63MinusHalfRoundsOutOfInt64", {Op::kRoundToInt64, kTwo63MinusHalf, {}}},
        NamedCase{"Two63MinusOneAndHalfToInt64", {Op::kRoundToInt64, kTwo63MinusOneAndHalf, {}}},
        NamedCase{"MinusTwo63PlusHalfRoundsToSmallestInt64",
                  {Op::kRoundToInt64, kMinusTwo63PlusHalf, {}}},
        NamedCase{"MinusTwo63MinusOneToInt64IsInvalid",
                  {Op::kRoundToInt64, kMinusTwo63MinusOne, {}}},
        NamedCase{"LargestToInt64IsInvalid", {Op::kRoundToInt64, kMaxNormal, {}}},
        NamedCase{"SubnormalToInt64", {Op::kRoundToInt64, kMinusMinSubnormal, {}}},
        NamedCase{"MinusPointThreeToIntegralIsMinusZero",
                  {Op::kRoundToIntegral, kMinusPointThree, {}}},
        NamedCase{"MinusTwoAndHalfToIntegral", {Op::kRoundToIntegral, kMinusTwoAndHalf, {}}},
        NamedCase{"HalfToIntegral", {Op::kRoundToIntegral, kHalf, {}}},
        NamedCase{"ThreeQuartersToIntegral", {Op::kRoundToIntegral, kThreeQuarters, {}}},
        NamedCase{"JustBelowTwo63ToIntegral", {Op::kRoundToIntegral, kTwo63MinusHalf, {}}},
        NamedCase{"LargestToIntegral", {Op::kRoundToIntegral, kMaxNormal, {}}},
        NamedCase{"MinusZeroToIntegral", {Op::kRoundToIntegral, kMinusZero, {}}},
        NamedCase{"SmallestInt64", Integer(INT64_MIN)},
        NamedCase{"LargestInt64", Integer(INT64_MAX)}, NamedCase{"MinusOneInt64", Integer(-1)},
        NamedCase{"ZeroInt64", Integer(0)},
        NamedCase{"SmallestSubnormalDouble", Real(4.9406564584124654e-324)},
        NamedCase{"LargestSubnormalDouble", Real(-2.2250738585072009e-308)},
        NamedCase{"SmallestNormalDouble", Real(DBL_MIN)}, NamedCase{"LargestDouble", Real(DBL_MAX)},
        NamedCase{"MinusZeroDouble", Real(-0.0)},
        NamedCase{"QueriesOfMinusZero", {Op::kSignAndQueries, kMinusZero, {}}},
        NamedCase{"QueriesOfSubnormal", {Op::kSignAndQueries, kMaxSubnormal, {}}},
        NamedCase{"QueriesOfLargest", {Op::kSignAndQueries, kMinusMaxNormal, {}}}),
    [](const ::testing::TestParamInfo<NamedCase>& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
// Encodings that only FromBits makes.

constexpr Bits kInfinity = Positive(0x7FFF, kTop);
constexpr Bits kMinusInfinity = Negative(0x7FFF, kTop);
constexpr Bits kQuietNaN = Positive(0x7FFF, kTop | kTop >> 1 | 0x1234);
constexpr Bits kSignallingNaN = Negative(0x7FFF, kTop | 0xABCD'0000'0000);
constexpr Bits kPseudoDenormal = Positive(0, kTop | 5);
constexpr Bits kLargestPseudoDenormal = Negative(0, ~std::uint64_t{0});

const std::vector<Bits> kOrdinaryPartners = {kZero,         kMinusZero, kOne,
                                             kMinusOne,     kMaxNormal, kMinSubnormal,
                                             kMaxSubnormal, kMinNormal, kThree};

constexpr Op kAllOperations[] = {Op::kAdd,          Op::kSubtract,        Op::kMultiply,
                                 Op::kDivide,       Op::kCompare,         Op::kToDouble,
                                 Op::kRoundToInt64, Op::kRoundToIntegral, Op::kSignAndQueries};

TEST(Extended80Soft, InfinitiesAndNaNsFailOrAnswerAsOnTheX87) {
  std::vector<Bits> values = {kInfinity, kMinusInfinity, kQuietNaN, kSignallingNaN};
  values.insert(values.end(), kOrdinaryPartners.begin(), kOrdinaryPartners.end());
  for (const Op op : kAllOperations) {
    for (const Bits a : values) {
      for (const Bits b : values) {
        if ((a.signExponent & 0x7FFF) != 0x7FFF && (b.signExponent & 0x7FFF) != 0x7FFF) {
          continue;  // ordinary pairs are the random test's business
        }
        const std::string difference = Difference({op, a, b});
        EXPECT_TRUE(difference.empty()) << difference;
      }
    }
  }
  for (const double d : {HUGE_VAL, -HUGE_VAL, std::nan("7")}) {
    const std::string difference = Difference(Real(d));
    EXPECT_TRUE(difference.empty()) << difference;
  }
}

// The x87 reads a pseudo-denormal by its value in arithmetic, and so does the
// software type; comparisons look at the encoding (see Extended80Soft.h).
TEST(Extended80Soft, PseudoDenormalsAreReadByTheirValueInArithmetic) {
  for (const Op op : {Op::kAdd, Op::kSubtract, Op::kMultiply, Op::kDivide, Op::kToDouble,
                      Op::kRoundToInt64, Op::kRoundToIntegral}) {
    for (const Bits a : {kPseudoDenormal, kLargestPseudoDenormal}) {
      for (const Bits b : kOrdinaryPartners) {
        for (const Case c : {Case{op, a, b}, Case{op, b, a}}) {
          const std::string difference = Difference(c);
          EXPECT_TRUE(difference.empty()) << difference;
        }
      }
    }
  }
}

// Unnormals and pseudo-NaNs are refused by the x87; here they only must not
// crash or hang, and every operation either answers or fails as usual.
TEST(Extended80Soft, UnsupportedEncodingsAnswerOrFail) {
  const std::vector<Bits> unusual = {Positive(kBias, 0),     Positive(kBias, 1),
                                     Negative(1, kTop >> 1), Positive(0x7FFE, 3),
                                     Positive(0x7FFF, 0),    Negative(0x7FFF, 12345)};
  std::vector<Bits> partners = unusual;
  partners.insert(partners.end(), kOrdinaryPartners.begin(), kOrdinaryPartners.end());
  for (const Op op : kAllOperations) {
    for (const Bits a : unusual) {
      for (const Bits b : partners) {
        for (const Case c : {Case{op, a, b}, Case{op, b, a}}) {
          EXPECT_NE(SoftOutcome(c).failure, Failure::kOther) << Describe(c);
        }
      }
    }
  }
}

// ---------------------------------------------------------------------------
// Random operations. Operands come mostly from the places where rounding is
// hard: short significands (exact results and exact ties), significands next
// to a power of two, exponents at both ends of the range, subnormals, and
// pairs of operands placed so that a sum cancels, a tie appears or a result
// lands just inside or outside the range.

class CaseGenerator {
 public:
  explicit CaseGenerator(std::uint64_t seed) : random_(seed) {}

  Case Next() {
    const int pick = Uniform(0, 99);
    if (pick < 20) return SumCase(Op::kAdd);
    if (pick < 35) return SumCase(Op::kSubtract);
    if (pick < 55) return ProductCase(Op::kMultiply);
    if (pick < 72) return ProductCase(Op::kDivide);
    if (pick < 80) return {Op::kCompare, Operand(), Operand()};
    if (pick < 88) return ToDoubleCase();
    if (pick < 92) return {Op::kRoundToInt64, IntegralRangeOperand(), {}};
    if (pick < 96) return {Op::kRoundToIntegral, IntegralRangeOperand(), {}};
    if (pick < 98) return Integer(RandomInt64());
    if (pick < 99) return Real(RandomDouble());
    return {Op::kSignAndQueries, Operand(), {}};
  }

 private:
  int Uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
  bool Coin() { return (random_() & 1) != 0; }

  // An n-bit integer with both its top and bottom bit set.
  std::uint64_t ShortOdd(int bits) {
    return (random_() >> (64 - bits)) | (std::uint64_t{1} << (bits - 1)) | 1;
  }
  // The leading bit and one or two others: products with long runs of zeros.
  std::uint64_t Sparse() {
    return kTop | std::uint64_t{1} << Uniform(0, 62) |
           (Coin() ? std::uint64_t{1} << Uniform(0, 62) : 0);
  }
  std::uint64_t Significand() {
    switch (Uniform(0, 10)) {
      case 10:
        return Sparse();
      case 0:
      case 1:
      case 2:
      case 3:
        return random_() | kTop;
      case 4:
      case 5: {
        const int bits = Uniform(1, 64);
        return ShortOdd(bits) << (64 - bits);
      }
      case 6:
        return ~std::uint64_t{0} - static_cast<std::uint64_t>(Uniform(0, 3));
      case 7:
        return kTop + static_cast<std::uint64_t>(Uniform(0, 3));
      case 8:
        return kTop | (random_() >> Uniform(1, 63));
      default:
        return ~(random_() >> Uniform(1, 63));
    }
  }
  int BiasedExponent() {
    switch (Uniform(0, 9)) {
      case 0:
      case 1:
      case 2:
      case 3:
        return kBias + Uniform(-70, 70);
      case 4:
        return Uniform(1, 140);
      case 5:
        return 0x7FFE - Uniform(0, 140);
      case 6:
      case 7:
        return Uniform(1, 0x7FFE);
      case 8:
        return kBias + Uniform(-1100, 1100);
      default:
        return kBias + Uniform(-5000, 5000);
    }
  }
  Bits Subnormal() {
    std::uint64_t significand = Significand() >> Uniform(1, 63);
    if (significand == 0) significand = 1;
    return Value(Coin(), 0, significand);
  }
  Bits Operand() {
    const int pick = Uniform(0, 19);
    if (pick == 0) return Value(Coin(), 0, 0);
    if (pick <= 2) return Subnormal();
    return Value(Coin(), BiasedExponent(), Significand());
  }
  static bool Normal(int biasedExponent) { return biasedExponent >= 1 && biasedExponent <= 0x7FFE; }

  Case SumCase(Op op) {
    const Bits a = Operand();
    const int exponentA = a.signExponent & 0x7FFF;
    const bool aNormal = exponentA != 0;
    switch (Uniform(0, 5)) {
      case 0:
      case 1:
        return {op, a, Operand()};
      case 2: {
        // A chosen distance between the exponents: ties at 64 and 65.
        static constexpr int kDistances[] = {0,  0,  1,  -1,  2,   -2,  63,
                                             64, 65, 66, -63, -64, -65, -66};
        int distance = kDistances[Uniform(0, 13)];
        if (Coin()) distance = Uniform(-130, 130);
        const int exponentB = exponentA + distance;
        if (!aNormal || !Normal(exponentB)) return {op, a, Operand()};
        return {op, a, Value(Coin(), exponentB, Significand())};
      }
      case 3: {
        // Nearly the same magnitude with the signs set to cancel.
        std::uint64_t significand = a.significand;
        if (Coin()) {
          significand += static_cast<std::uint64_t>(Uniform(-3, 3));
        } else {
          significand ^= random_() >> Uniform(1, 63);
        }
        int exponentB = exponentA;
        if (aNormal) {
          significand |= kTop;
          exponentB += Uniform(-1, 1);
          if (!Normal(exponentB)) exponentB = exponentA;
        } else {
          significand &= ~kTop;
        }
        const bool negativeA = (a.signExponent >> 15) != 0;
        const bool negativeB = op == Op::kAdd ? !negativeA : negativeA;
        return {op, a, Value(negativeB, exponentB, significand)};
      }
      case 4: {
        // Half an ulp of a, or a little more or less, in a few bits.
        const int exponentB = exponentA - Uniform(62, 67);
        if (!aNormal || !Normal(exponentB)) return {op, a, Subnormal()};
        const int bits = Uniform(1, 4);
        return {op, a, Value(Coin(), exponentB, ShortOdd(bits) << (64 - bits))};
      }
      default: {
        // Both at the bottom of the range.
        const Bits b = Coin() ? Subnormal() : Value(Coin(), Uniform(1, 3), Significand());
        return {op, Coin() ? Subnormal() : Value(Coin(), Uniform(1, 3), Significand()), b};
      }
    }
  }

  Case ProductCase(Op op) {
    Bits a = Operand();
    switch (Uniform(0, 5)) {
      case 0:
      case 1:
        return {op, a, Operand()};
      case 2:
      case 3: {
        // A result exponent near the top, near or below the bottom, or near 1.
        int target;
        switch (Uniform(0, 2)) {
          case 0:
            target = 0x7FFE + Uniform(-3, 2);
            break;
          case 1:
            target = Uniform(-66, 3);
            break;
          default:
            target = kBias + Uniform(-3, 3);
            break;
        }
        if ((a.signExponent & 0x7FFF) == 0) a = Value(Coin(), BiasedExponent(), Significand());
        if (Uniform(0, 3) == 0) {
          // Significands of few bits make exact results and, in the
          // subnormal range, exact ties.
          const int bits = Uniform(1, 40);
          a.significand = ShortOdd(bits) << (64 - bits);
        }
        const int exponentA = a.signExponent & 0x7FFF;
        const int exponentB =
            op == Op::kMultiply ? target - exponentA + kBias : exponentA - target + kBias;
        if (!Normal(exponentB)) return {op, a, Operand()};
        std::uint64_t significand = Significand();
        if (Uniform(0, 3) == 0) {
          const int bits = Uniform(1, 20);
          significand = ShortOdd(bits) << (64 - bits);
        }
        return {op, a, Value(Coin(), exponentB, significand)};
      }
      case 4: {
        // A subnormal result whose exact value has one bit more than the
        // subnormal keeps there, or a bit or two more: ties and near-ties in
        // the gradual underflow. Sums never round there; they are exact.
        const int target = Uniform(-64, 0);  // the result's biased exponent
        const int bits = std::clamp(64 + target + Uniform(0, 2), 1, 64);
        const int exponentA = Uniform(1, 200);
        if (op == Op::kDivide) {
          const std::uint64_t divisor = Uniform(0, 3) == 0 ? ShortOdd(2) << 62 : kTop;
          return {op, Value(Coin(), exponentA, ShortOdd(bits) << (64 - bits)),
                  Value(Coin(), exponentA - target + kBias, divisor)};
        }
        const int bitsA = Uniform(1, bits);
        const int bitsB = std::max(1, bits - bitsA + Uniform(0, 1));
        const std::uint64_t significandA = Coin() ? Sparse() : ShortOdd(bitsA) << (64 - bitsA);
        return {op, Value(Coin(), exponentA, significandA),
                Value(Coin(), target - exponentA + kBias, ShortOdd(bitsB) << (64 - bitsB))};
      }
      default: {
        // Products of 65 or 66 significant bits: ties and carries.
        const int bitsA = Uniform(2, 63);
        const int bitsB = Uniform(65, 66) - bitsA;
        if (bitsB < 1 || bitsB > 64) return {op, a, Operand()};
        const Bits x = Value(Coin(), BiasedExponent(), ShortOdd(bitsA) << (64 - bitsA));
        const int exponentB = Coin() ? kBias + Uniform(-3, 3) : BiasedExponent();
        return {op, x, Value(Coin(), exponentB, ShortOdd(bitsB) << (64 - bitsB))};
      }
    }
  }

  Case ToDoubleCase() {
    int exponent;
    switch (Uniform(0, 4)) {
      case 0:
        exponent = kBias + Uniform(-1080, -1015);
        break;
      case 1:
        exponent = kBias + Uniform(1015, 1024);
        break;
      case 2:
        exponent = kBias + Uniform(-1022, 1023);
        break;
      case 3:
        return {Op::kToDouble, Operand(), {}};
      default:
        exponent = kBias + Uniform(-70, 70);
        break;
    }
    std::uint64_t significand = Significand();
    if (Coin()) {
      // Ties and near-ties at the double's last place.
      const int bits = Uniform(1, 64);
      significand = ShortOdd(bits) << (64 - bits);
    }
    return {Op::kToDouble, Value(Coin(), exponent, significand), {}};
  }

  Bits IntegralRangeOperand() {
    if (Uniform(0, 4) == 0) return Operand();
    const int exponent = kBias + Uniform(-3, 66);
    std::uint64_t significand = Significand();
    if (Coin()) {
      const int bits = Uniform(1, 64);
      significand = ShortOdd(bits) << (64 - bits);
    }
    return Value(Coin(), exponent, significand);
  }

  std::int64_t RandomInt64() {
    switch (Uniform(0, 3)) {
      case 0:
        return static_cast<std::int64_t>(random_());
      case 1:
        return static_cast<std::int64_t>(random_() >> Uniform(0, 63));
      case 2:
        return -static_cast<std::int64_t>(random_() >> Uniform(1, 63));
      default: {
        const std::uint64_t power = std::uint64_t{1} << Uniform(0, 63);
        return static_cast<std::int64_t>(power + static_cast<std::uint64_t>(Uniform(-2, 2)));
      }
    }
  }

  double RandomDouble() {
    const std::uint64_t sign = Coin() ? kTop : 0;
    const std::uint64_t exponent =
        Uniform(0, 4) == 0 ? 0 : static_cast<std::uint64_t>(Uniform(0, 0x7FE));
    std::uint64_t fraction = random_() >> 12;
    if (Coin()) fraction >>= Uniform(0, 52);
    return std::bit_cast<double>(sign | exponent << 52 | fraction);
  }

  std::mt19937_64 random_;
};

std::uint64_t FromEnvironment(const char* name, std::uint64_t fallback) {
  const char* text = std::getenv(name);
  if (text == nullptr || *text == '\0') return fallback;
  return std::strtoull(text, nullptr, 0);
}

TEST(Extended80Soft, RandomOperationsAgreeWithTheX87) {
  const std::uint64_t operations =
      FromEnvironment("FENIKO_EXTENDED80_DIFF_OPERATIONS", kDefaultOperations);
  const std::uint64_t seed = FromEnvironment("FENIKO_EXTENDED80_DIFF_SEED", kDefaultSeed);
  std::cout << "random operations: " << operations << ", seed 0x" << Hex(seed, 16) << "\n";

  CaseGenerator generator(seed);
  std::uint64_t differences = 0;
  std::uint64_t failures = 0;
  for (std::uint64_t i = 0; i < operations; ++i) {
    const Case c = generator.Next();
    const Outcome expected = NativeOutcome(c);
    if (expected.failure != Failure::kNone) ++failures;
    const Outcome got = SoftOutcome(c);
    if (got == expected) continue;
    if (++differences <= 20) {
      ADD_FAILURE() << "operation " << i << ": " << Describe(c) << ": x87 gives "
                    << Describe(expected) << ", software gives " << Describe(got);
    }
  }
  std::cout << "differences: " << differences << " (operations that failed on the x87: " << failures
            << ")\n";
  EXPECT_EQ(differences, 0u);
}

}  // namespace
}  // namespace feniko
