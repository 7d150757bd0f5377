#include "tax/USalaryOld.h"

namespace feniko {

TSalaryOld::TSalaryOld(double income) : income_(income) {
  Calculate();
}

void TSalaryOld::Calculate() {
  taxableIncome_ = salary::TaxableIncome(income_, USalaryOld::Threshold);
  const Level level = FindLevel(USalaryOld::LevelBounds, taxableIncome_);
  if (level == kNoLevel) {
    incomeAfterTax_ = income_;
    return;
  }
  rate_ = USalaryOld::LevelRates[static_cast<std::size_t>(level)];
  deduct_ = USalaryOld::LevelDeducts[static_cast<std::size_t>(level)];
  tax_ = salary::Tax(taxableIncome_, rate_, deduct_);
  incomeAfterTax_ = salary::IncomeAfterTax(income_, tax_);
}

Level TSalaryOld::FindLevel(std::span<const std::int32_t> bounds, double x) {
  return salary::FindLevel(bounds, x);
}

}  // namespace feniko
