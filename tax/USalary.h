#pragma once

// The calculator of the current schedule: monthly threshold 3500 yuan, seven
// levels from 3% to 45%.

#include <array>
#include <cstdint>

#include "tax/SalaryCore.h"

namespace feniko {

// The current schedule. LevelBounds[k] is the exclusive lower bound of level
// k in yuan of taxable income, LevelBounds[k + 1] its inclusive upper bound.
// Each deduction equals the previous one plus the bound times the rise in
// rate, so the tax is continuous at every bound; they are stored, not derived.
namespace USalary {
inline constexpr std::int32_t Threshold = 3500;
inline constexpr std::array<std::int32_t, 7> LevelBounds = {0,     1500,  4500, 9000,
                                                            35000, 55000, 80000};
inline constexpr std::array<double, 7> LevelRates = {0.03, 0.1, 0.2, 0.25, 0.3, 0.35, 0.45};
inline constexpr std::array<std::int32_t, 7> LevelDeducts = {0, 105, 555, 1005, 2755, 5505, 13505};
}  // namespace USalary

inline constexpr SalarySchedule kSalarySchedule{USalary::Threshold, USalary::LevelBounds,
                                                USalary::LevelRates, USalary::LevelDeducts};

// The tax breakdown under the current schedule:
//   TSalary(5000):    taxable 1500, rate 0.03, deduct 0, tax 45, after tax 4955
//   TSalary(5000.01): taxable 1500.01 (level 1), rate 0.1, deduct 105,
//                     tax 45.001, after tax 4955.009
//   TSalary(5000.02): tax shows as 45.0020000000001 (64-bit intermediates)
class TSalary : public SalaryCalculator {
 public:
  explicit TSalary(double income) : SalaryCalculator(income, kSalarySchedule) {}
};

}  // namespace feniko
