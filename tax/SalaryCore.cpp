#include "tax/SalaryCore.h"

#include "numtext/Extended80.h"

namespace feniko::salary {

double TaxableIncome(double income, std::int32_t threshold) {
  return (Extended80::FromDouble(income) - Extended80::FromInt64(threshold)).ToDouble();
}

Level FindLevel(std::span<const std::int32_t> bounds, double x) {
  const Extended80 value = Extended80::FromDouble(x);
  for (std::size_t i = 0; i < bounds.size(); ++i) {
    if (value <= Extended80::FromInt64(bounds[i])) return static_cast<Level>(i) - 1;
  }
  return static_cast<Level>(bounds.size()) - 1;
}

double Tax(double taxableIncome, double rate, std::int32_t deduct) {
  const Extended80 product = Extended80::FromDouble(taxableIncome) * Extended80::FromDouble(rate);
  return (product - Extended80::FromInt64(deduct)).ToDouble();
}

double IncomeAfterTax(double income, double tax) {
  return (Extended80::FromDouble(income) - Extended80::FromDouble(tax)).ToDouble();
}

}  // namespace feniko::salary

namespace feniko {

SalaryCalculator::SalaryCalculator(double income, const SalarySchedule& schedule)
    : income_(income) {
  Calculate(schedule);
}

void SalaryCalculator::Calculate(const SalarySchedule& schedule) {
  taxableIncome_ = salary::TaxableIncome(income_, schedule.threshold);
  const Level level = FindLevel(schedule.levelBounds, taxableIncome_);
  if (level == kNoLevel) {
    incomeAfterTax_ = income_;
    return;
  }
  rate_ = schedule.levelRates[static_cast<std::size_t>(level)];
  deduct_ = schedule.levelDeducts[static_cast<std::size_t>(level)];
  tax_ = salary::Tax(taxableIncome_, rate_, deduct_);
  incomeAfterTax_ = salary::IncomeAfterTax(income_, tax_);
}

Level SalaryCalculator::FindLevel(std::span<const std::int32_t> bounds, double x) {
  return salary::FindLevel(bounds, x);
}

}  // namespace feniko
