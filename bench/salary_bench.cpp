// Constructing a calculator beside the same formulas in plain double.

#include <array>
#include <cstdint>

#include "PeerRatio.h"
#include "tax/USalary.h"
#include "tax/USalaryOld.h"

namespace {

// Incomes as the pages hand them over: whole cents, every level.
constexpr std::array<double, 12> kIncomes = {5000,     5000.02,  3739.91,  8000.01,
                                             12500,    23456.78, 38500.01, 58500,
                                             83500.01, 150000,   4321.09,  9999999999};

struct PlainBreakdown {
  double income, taxableIncome, rate;
  std::int32_t deduct;
  double tax, incomeAfterTax;
};

// The textbook version: every intermediate rounded to double.
template <class Bounds, class Rates, class Deducts>
PlainBreakdown PlainDouble(double income, std::int32_t threshold, const Bounds& bounds,
                           const Rates& rates, const Deducts& deducts) {
  PlainBreakdown b{income, income - threshold, 0, 0, 0, 0};
  std::size_t level = bounds.size() - 1;
  for (std::size_t i = 1; i < bounds.size(); ++i) {
    if (b.taxableIncome <= bounds[i]) {
      level = i - 1;
      break;
    }
  }
  b.rate = rates[level];
  b.deduct = deducts[level];
  b.tax = b.taxableIncome * b.rate - b.deduct;
  b.incomeAfterTax = income - b.tax;
  return b;
}

void TSalary_ours(benchmark::State& state) {
  std::size_t i = 0;
  for (auto _ : state) {
    const feniko::TSalary salary(kIncomes[i]);
    benchmark::DoNotOptimize(salary.IncomeAfterTax());
    i = (i + 1) % kIncomes.size();
  }
}
BENCHMARK(TSalary_ours)->Name("TSalary/ours");

void TSalary_plainDouble(benchmark::State& state) {
  namespace s = feniko::USalary;
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        PlainDouble(kIncomes[i], s::Threshold, s::LevelBounds, s::LevelRates, s::LevelDeducts));
    i = (i + 1) % kIncomes.size();
  }
}
BENCHMARK(TSalary_plainDouble)->Name("TSalary/plain_double");

void TSalaryOld_ours(benchmark::State& state) {
  std::size_t i = 0;
  for (auto _ : state) {
    const feniko::TSalaryOld salary(kIncomes[i]);
    benchmark::DoNotOptimize(salary.IncomeAfterTax());
    i = (i + 1) % kIncomes.size();
  }
}
BENCHMARK(TSalaryOld_ours)->Name("TSalaryOld/ours");

void TSalaryOld_plainDouble(benchmark::State& state) {
  namespace s = feniko::USalaryOld;
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        PlainDouble(kIncomes[i], s::Threshold, s::LevelBounds, s::LevelRates, s::LevelDeducts));
    i = (i + 1) % kIncomes.size();
  }
}
BENCHMARK(TSalaryOld_plainDouble)->Name("TSalaryOld/plain_double");

}  // namespace

FENIKO_BENCHMARK_MAIN();
