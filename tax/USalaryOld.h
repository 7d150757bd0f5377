#pragma once

// The calculator of the previous schedule: monthly threshold 2000 yuan, nine
// levels from 5% to 45%.

#include <array>
#include <cstdint>

#include "tax/SalaryCore.h"

namespace feniko {

// The previous schedule, laid out like the current one (tax/USalary.h).
namespace USalaryOld {
inline constexpr std::int32_t Threshold = 2000;
inline constexpr std::array<std::int32_t, 9> LevelBounds = {0,     500,   2000,  5000,  20000,
                                                            40000, 60000, 80000, 100000};
inline constexpr std::array<double, 9> LevelRates = {0.05, 0.1,  0.15, 0.2, 0.25,
                                                     0.3,  0.35, 0.4,  0.45};
inline constexpr std::array<std::int32_t, 9> LevelDeducts = {0,    25,   125,   375,  1375,
                                                             3375, 6375, 10375, 15375};
}  // namespace USalaryOld

inline constexpr SalarySchedule kSalaryOldSchedule{USalaryOld::Threshold, USalaryOld::LevelBounds,
                                                   USalaryOld::LevelRates,
                                                   USalaryOld::LevelDeducts};

// The tax breakdown under the previous schedule:
//   TSalaryOld(2500):    taxable 500, rate 0.05, deduct 0, tax 25, after tax 2475
//   TSalaryOld(2500.01): taxable 500.01 (level 1), rate 0.1, deduct 25, tax 25.001
//   TSalaryOld(2191.9):  tax shows as 9.59500000000001 (64-bit intermediates)
class TSalaryOld : public SalaryCalculator {
 public:
  explicit TSalaryOld(double income) : SalaryCalculator(income, kSalaryOldSchedule) {}
};

}  // namespace feniko
