#include "tax/USalary.h"

namespace feniko {

TSalary::TSalary(double income) : income_(income) {
  Calculate();
}

void TSalary::Calculate() {
  taxableIncome_ = salary::TaxableIncome(income_, USalary::Threshold);
  const Level level = FindLevel(USalary::LevelBounds, taxableIncome_);
  if (level == kNoLevel) {
    incomeAfterTax_ = income_;
    return;
  }
  rate_ = USalary::LevelRates[static_cast<std::size_t>(level)];
  deduct_ = USalary::LevelDeducts[static_cast<std::size_t>(level)];
  tax_ = salary::Tax(taxableIncome_, rate_, deduct_);
  incomeAfterTax_ = salary::IncomeAfterTax(income_, tax_);
}

Level TSalary::FindLevel(std::span<const std::int32_t> bounds, double x) {
  return salary::FindLevel(bounds, x);
}

}  // namespace feniko
