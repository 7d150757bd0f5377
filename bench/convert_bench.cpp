// The capital converter beside writing the bare fen value in digits.

#include <array>
#include <cmath>
#include <cstdio>
#include <string>

#include "PeerRatio.h"
#include "convert/UConvert.h"

namespace {

// Whole yuan, cents, sparse and dense digits, from fen to 万亿.
constexpr std::array<double, 16> kAmounts = {
    105.30,      0.01,    20000.02,   100000000,        123456789.12, 1001,
    100001000,   0.125,   9999999.99, 9999999999999.99, 15,           1000010000000,
    100010000.5, 3500.01, 42,         876543.21};

void Convert_ours(benchmark::State& state) {
  const feniko::TCharConvert converter;
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(converter.Convert(kAmounts[i]));
    i = (i + 1) % kAmounts.size();
  }
}
BENCHMARK(Convert_ours)->Name("Convert/ours");

// The least a converter can do: the fen value, rounded in double, as digits.
void Convert_snprintfFen(benchmark::State& state) {
  std::size_t i = 0;
  for (auto _ : state) {
    char buffer[32];
    const int length = std::snprintf(buffer, sizeof buffer, "%15lld",
                                     static_cast<long long>(std::nearbyint(kAmounts[i] * 100)));
    benchmark::DoNotOptimize(std::string(buffer, static_cast<std::size_t>(length)));
    i = (i + 1) % kAmounts.size();
  }
}
BENCHMARK(Convert_snprintfFen)->Name("Convert/snprintf_fen_digits");

}  // namespace

FENIKO_BENCHMARK_MAIN();
