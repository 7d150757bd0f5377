#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <span>
#include <string>

#include "numtext/DecimalSeparator.h"
#include "numtext/NumberText.h"
#include "tax/SalaryCore.h"
#include "tax/USalary.h"
#include "tax/USalaryOld.h"

namespace feniko {
namespace {

constexpr std::array<std::int32_t, 3> kBounds = {0, 1500, 4500};

struct LevelCase {
  const char* name;
  double x;
  Level level;
};

void PrintTo(const LevelCase& c, std::ostream* os) {
  *os << c.name;
}

class LevelLookup : public testing::TestWithParam<LevelCase> {};

TEST_P(LevelLookup, PutsEveryUpperBoundInTheLowerLevel) {
  EXPECT_EQ(salary::FindLevel(kBounds, GetParam().x), GetParam().level);
}

INSTANTIATE_TEST_SUITE_P(
    Table, LevelLookup,
    testing::Values(LevelCase{"Negative", -0.01, kNoLevel}, LevelCase{"Zero", 0.0, kNoLevel},
                    LevelCase{"NegativeZero", -0.0, kNoLevel},
                    LevelCase{"JustAboveZero", 1e-300, 0}, LevelCase{"AtFirstBound", 1500, 0},
                    LevelCase{"UlpAboveFirstBound", std::nextafter(1500.0, 2000.0), 1},
                    LevelCase{"AtLastBound", 4500, 1},
                    LevelCase{"UlpAboveLastBound", std::nextafter(4500.0, 5000.0), 2},
                    LevelCase{"FarAbove", 1e300, 2}),
    [](const testing::TestParamInfo<LevelCase>& info) { return std::string(info.param.name); });

// The stored deductions must keep the tax continuous at every bound:
// deduct[k] = deduct[k-1] + bound[k] × (rate[k] - rate[k-1]).
template <std::size_t N>
void ExpectContinuousDeductions(const std::array<std::int32_t, N>& bounds,
                                const std::array<double, N>& rates,
                                const std::array<std::int32_t, N>& deducts) {
  EXPECT_EQ(bounds[0], 0);
  EXPECT_EQ(deducts[0], 0);
  for (std::size_t k = 1; k < N; ++k) {
    EXPECT_LT(bounds[k - 1], bounds[k]) << "level " << k;
    const Extended80 rise = Extended80::FromDouble(rates[k]) - Extended80::FromDouble(rates[k - 1]);
    const Extended80 step = Extended80::FromInt64(bounds[k]) * rise;
    EXPECT_EQ(deducts[k], deducts[k - 1] + step.RoundToInt64()) << "level " << k;
  }
}

TEST(Schedules, DeductionsKeepTheTaxContinuous) {
  ExpectContinuousDeductions(USalary::LevelBounds, USalary::LevelRates, USalary::LevelDeducts);
  ExpectContinuousDeductions(USalaryOld::LevelBounds, USalaryOld::LevelRates,
                             USalaryOld::LevelDeducts);
}

// The pages show Rate × 100 formed in extended precision; every rate of both
// schedules must come out as a whole percentage.
TEST(Schedules, RatesShowAsWholePercentages) {
  SetDecimalSeparator(".");
  const auto percent = [](double rate) {
    return FormatGeneral(Extended80::FromDouble(rate) * Extended80::FromInt64(100));
  };
  const std::array<const char*, 7> current = {"3", "10", "20", "25", "30", "35", "45"};
  for (std::size_t k = 0; k < current.size(); ++k)
    EXPECT_EQ(percent(USalary::LevelRates[k]), current[k]) << "level " << k;
  const std::array<const char*, 9> previous = {"5", "10", "15", "20", "25", "30", "35", "40", "45"};
  for (std::size_t k = 0; k < previous.size(); ++k)
    EXPECT_EQ(percent(USalaryOld::LevelRates[k]), previous[k]) << "level " << k;
}

}  // namespace
}  // namespace feniko
