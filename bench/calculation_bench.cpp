// The whole Calculation of the current page, typed text to six shown texts,
// beside strtod and snprintf("%.15g") doing the same steps in double; and the
// same Calculation over the software Extended80 beside the x87 type.

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "CalculationLoop.h"
#include "PeerRatio.h"
#include "numtext/DecimalSeparator.h"
#include "pages/TaxPage.h"
#include "tax/USalary.h"

namespace {

using calculation_bench::kTyped;

BENCHMARK(feniko::RunCalculationLoop)->Name("Calculation/ours");

// Read, bring to cents through two-decimal text, read again, compute in
// double and write six prefixed lines with 15 significant digits.
std::array<std::string, 6> PlainCalculation(const char* typed) {
  namespace s = feniko::USalary;
  static constexpr std::array<const char*, 6> kPrefixes = {
      "收入金额：", "应纳税所得额：", "适用税率：", "速算扣除数：", "应纳税额：", "税后收入："};
  static constexpr std::array<const char*, 6> kUnits = {" 元", " 元", "%", " 元", " 元", " 元"};
  std::array<std::string, 6> lines;
  char* end = nullptr;
  const double read = std::strtod(typed, &end);
  char cents[64];
  std::snprintf(cents, sizeof cents, "%.2f", read);
  const double income = std::strtod(cents, nullptr);
  if (!(income > 3500)) return lines;
  const double taxable = income - s::Threshold;
  std::size_t level = s::LevelBounds.size() - 1;
  for (std::size_t k = 1; k < s::LevelBounds.size(); ++k) {
    if (taxable <= s::LevelBounds[k]) {
      level = k - 1;
      break;
    }
  }
  const double tax = taxable * s::LevelRates[level] - s::LevelDeducts[level];
  const std::array<double, 6> values = {
      income, taxable,     s::LevelRates[level] * 100, static_cast<double>(s::LevelDeducts[level]),
      tax,    income - tax};
  for (std::size_t k = 0; k < 6; ++k) {
    char figure[32];
    std::snprintf(figure, sizeof figure, "%.15g", values[k]);
    lines[k].append(kPrefixes[k]).append(figure).append(kUnits[k]);
  }
  return lines;
}

void Calculation_strtodSnprintf(benchmark::State& state) {
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(PlainCalculation(kTyped[i]));
    i = (i + 1) % kTyped.size();
  }
}
BENCHMARK(Calculation_strtodSnprintf)->Name("Calculation/strtod_snprintf");

// The ratio printed for this group is software / x87.
BENCHMARK(feniko_soft::RunCalculationLoop)->Name("CalculationSoftExtended80/soft");
BENCHMARK(feniko::RunCalculationLoop)->Name("CalculationSoftExtended80/x87");

}  // namespace

FENIKO_BENCHMARK_MAIN();
