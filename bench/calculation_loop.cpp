#include "CalculationLoop.h"
#include "numtext/DecimalSeparator.h"
#include "pages/TaxPage.h"

namespace feniko {

void RunCalculationLoop(benchmark::State& state) {
  // Each copy of the engine has its own separator.
  SetDecimalSeparator(".");
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(RunTaxCalculation(Schedule::Current, calculation_bench::kTyped[i]));
    i = (i + 1) % calculation_bench::kTyped.size();
  }
}

}  // namespace feniko
