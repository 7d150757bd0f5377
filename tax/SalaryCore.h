#pragma once

// The quick-deduction method that both calculator classes follow, step by
// step, for whichever schedule they carry. Each step keeps the intermediate
// results in Extended80 and narrows to double only where the class stores a
// field, because the last bit of every stored value shows on the pages.

#include <cstdint>
#include <span>

namespace feniko {

// A schedule level counted from 0; -1 is no level (a taxable income of 0 or less).
using Level = int;
inline constexpr Level kNoLevel = -1;

namespace salary {

// income - threshold, rounded to double (exact below 2^55 yuan).
double TaxableIncome(double income, std::int32_t threshold);

// The level whose interval (bounds[k], bounds[k+1]] holds x: every upper
// bound belongs to the lower level, anything above the last bound to the top
// level, and x <= 0 to no level.
//   bounds {0, 1500, 4500}: 1500 -> 0, 1500.01 -> 1, 1e300 -> 2, 0 -> -1
Level FindLevel(std::span<const std::int32_t> bounds, double x);

// taxable × rate - deduct: the product rounded to a 64-bit significand, the
// difference formed from it and rounded again, and only then narrowed to
// double. Narrowing the product first would change the last bit of the tax
// for many incomes (current schedule, 3739.91: 7.19729999999999 here,
// 7.1973 with double intermediates).
double Tax(double taxableIncome, double rate, std::int32_t deduct);

// income - tax (the stored double), rounded to a 64-bit significand, then to double.
double IncomeAfterTax(double income, double tax);

}  // namespace salary

// One schedule: its threshold and its three lists, one entry per level.
struct SalarySchedule {
  std::int32_t threshold;
  std::span<const std::int32_t> levelBounds;
  std::span<const double> levelRates;
  std::span<const std::int32_t> levelDeducts;
};

// The tax breakdown of one gross monthly income, computed once by the
// constructor and then only read. TSalary and TSalaryOld are this calculator
// with their own schedule. Meant for a finite income above the threshold; an
// income at or below it has no level: rate, deduct and tax are 0 and the
// income after tax is the income.
class SalaryCalculator {
 public:
  double Income() const { return income_; }
  double TaxableIncome() const { return taxableIncome_; }
  double Rate() const { return rate_; }
  std::int32_t Deduct() const { return deduct_; }
  double Tax() const { return tax_; }
  double IncomeAfterTax() const { return incomeAfterTax_; }

 protected:
  SalaryCalculator(double income, const SalarySchedule& schedule);

 private:
  void Calculate(const SalarySchedule& schedule);
  static Level FindLevel(std::span<const std::int32_t> bounds, double x);

  double income_;
  double taxableIncome_ = 0;
  double rate_ = 0;
  std::int32_t deduct_ = 0;
  double tax_ = 0;
  double incomeAfterTax_ = 0;
};

}  // namespace feniko
