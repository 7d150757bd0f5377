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

// The tax breakdown of one gross monthly income under the current schedule,
// computed once by the constructor and then only read.
//   TSalary(5000):    taxable 1500, rate 0.03, deduct 0, tax 45, after tax 4955
//   TSalary(5000.01): taxable 1500.01 (level 1), rate 0.1, deduct 105,
//                     tax 45.001, after tax 4955.009
//   TSalary(5000.02): tax shows as 45.0020000000001 (64-bit intermediates)
// Meant for a finite income above Threshold. An income at or below it has no
// level: rate, deduct and tax are 0 and the income after tax is the income.
class TSalary {
 public:
  explicit TSalary(double income);

  double Income() const { return income_; }
  double TaxableIncome() const { return taxableIncome_; }
  double Rate() const { return rate_; }
  std::int32_t Deduct() const { return deduct_; }
  double Tax() const { return tax_; }
  double IncomeAfterTax() const { return incomeAfterTax_; }

 private:
  void Calculate();
  static Level FindLevel(std::span<const std::int32_t> bounds, double x);

  double income_;
  double taxableIncome_ = 0;
  double rate_ = 0;
  std::int32_t deduct_ = 0;
  double tax_ = 0;
  double incomeAfterTax_ = 0;
};

}  // namespace feniko
