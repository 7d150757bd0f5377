// Each Extended80 operation over the kind of values a calculation meets
// (amounts of yuan with cents, rates, thresholds), timed in batches over
// fixed operands so that both types do exactly the same work.

#include <array>
#include <cstddef>
#include <cstdint>

#include "Extended80BenchOps.h"
#include "numtext/Extended80.h"

namespace feniko {
namespace {

constexpr std::size_t kBatch = 256;

struct Operands {
  std::array<Extended80, kBatch> amounts;  // 1 yuan to a million, with cents
  std::array<Extended80, kBatch> others;   // rates, thresholds, other amounts
  std::array<double, kBatch> doubles;
  std::array<std::int64_t, kBatch> integers;
};

// splitmix64, so that both builds draw the same operands.
std::uint64_t NextRandom(std::uint64_t& state) {
  std::uint64_t z = (state += 0x9E37'79B9'7F4A'7C15u);
  z = (z ^ (z >> 30)) * 0xBF58'476D'1CE4'E5B9u;
  z = (z ^ (z >> 27)) * 0x94D0'49BB'1331'11EBu;
  return z ^ (z >> 31);
}

const Operands& TheOperands() {
  static const Operands operands = [] {
    static constexpr double kRates[] = {0.03, 0.1, 0.2, 0.25, 0.3, 0.35, 0.45, 0.05, 0.15, 0.4};
    static constexpr double kFixed[] = {3500, 2000, 1500, 4500, 9000, 35000, 55000, 80000};
    Operands o{};
    std::uint64_t state = 2024;
    for (std::size_t k = 0; k < kBatch; ++k) {
      const auto cents = static_cast<std::int64_t>(NextRandom(state) % 100'000'000 + 100);
      o.amounts[k] = Extended80::FromInt64(cents) / Extended80::FromInt64(100);
      const std::uint64_t pick = NextRandom(state);
      switch (pick % 3) {
        case 0:
          o.others[k] = Extended80::FromDouble(kRates[(pick >> 8) % 10]);
          break;
        case 1:
          o.others[k] = Extended80::FromDouble(kFixed[(pick >> 8) % 8]);
          break;
        default:
          o.others[k] = Extended80::FromInt64(static_cast<std::int64_t>((pick >> 8) % 10'000'000)) /
                        Extended80::FromInt64(100);
          break;
      }
      o.doubles[k] = static_cast<double>(cents) / 100.0;
      o.integers[k] = static_cast<std::int64_t>(NextRandom(state) >> (NextRandom(state) % 64));
    }
    return o;
  }();
  return operands;
}

// Runs step(k) for every k of a batch in each iteration; the results go to
// memory that the optimiser must assume is read.
template <typename Result, typename Step>
void TimeBatches(benchmark::State& state, Step step) {
  std::array<Result, kBatch> results{};
  benchmark::DoNotOptimize(results.data());
  for (auto _ : state) {
    for (std::size_t k = 0; k < kBatch; ++k) results[k] = step(k);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * kBatch);
}

void Add(benchmark::State& state) {
  const Operands& o = TheOperands();
  TimeBatches<Extended80>(state, [&](std::size_t k) { return o.amounts[k] + o.others[k]; });
}

void Subtract(benchmark::State& state) {
  const Operands& o = TheOperands();
  TimeBatches<Extended80>(state, [&](std::size_t k) { return o.amounts[k] - o.others[k]; });
}

void Multiply(benchmark::State& state) {
  const Operands& o = TheOperands();
  TimeBatches<Extended80>(state, [&](std::size_t k) { return o.amounts[k] * o.others[k]; });
}

void Divide(benchmark::State& state) {
  const Operands& o = TheOperands();
  TimeBatches<Extended80>(state, [&](std::size_t k) { return o.amounts[k] / o.others[k]; });
}

void Compare(benchmark::State& state) {
  const Operands& o = TheOperands();
  TimeBatches<bool>(state, [&](std::size_t k) { return o.amounts[k] < o.others[k]; });
}

void FromInt64(benchmark::State& state) {
  const Operands& o = TheOperands();
  TimeBatches<Extended80>(state,
                          [&](std::size_t k) { return Extended80::FromInt64(o.integers[k]); });
}

void FromDouble(benchmark::State& state) {
  const Operands& o = TheOperands();
  TimeBatches<Extended80>(state,
                          [&](std::size_t k) { return Extended80::FromDouble(o.doubles[k]); });
}

void ToDouble(benchmark::State& state) {
  const Operands& o = TheOperands();
  TimeBatches<double>(state, [&](std::size_t k) { return o.amounts[k].ToDouble(); });
}

void RoundToInt64(benchmark::State& state) {
  const Operands& o = TheOperands();
  TimeBatches<std::int64_t>(state, [&](std::size_t k) { return o.amounts[k].RoundToInt64(); });
}

void RoundToIntegral(benchmark::State& state) {
  const Operands& o = TheOperands();
  TimeBatches<Extended80>(state, [&](std::size_t k) { return o.amounts[k].RoundToIntegral(); });
}

// Reading 19 digits as a number is read: a = a * 10 + digit, each step
// waiting for the last; the first step multiplies zero.
void DigitChain(benchmark::State& state) {
  std::array<Extended80, 10> digits;
  for (int d = 0; d < 10; ++d) digits[static_cast<std::size_t>(d)] = Extended80::FromInt64(d);
  const Extended80 ten = Extended80::FromInt64(10);
  const Operands& o = TheOperands();
  std::size_t k = 0;
  for (auto _ : state) {
    std::uint64_t text = static_cast<std::uint64_t>(o.integers[k]) % 10'000'000'000'000'000'000u;
    k = (k + 1) % kBatch;
    Extended80 value;
    for (int i = 0; i < 19; ++i, text /= 10) value = value * ten + digits[text % 10];
    benchmark::DoNotOptimize(value);
  }
}

}  // namespace

std::vector<extended80_bench::OperationBenchmark> Extended80OperationBenchmarks() {
  return {{"add", Add},
          {"subtract", Subtract},
          {"multiply", Multiply},
          {"divide", Divide},
          {"compare", Compare},
          {"FromInt64", FromInt64},
          {"FromDouble", FromDouble},
          {"ToDouble", ToDouble},
          {"RoundToInt64", RoundToInt64},
          {"RoundToIntegral", RoundToIntegral},
          {"digit_chain", DigitChain}};
}

}  // namespace feniko
