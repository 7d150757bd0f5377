#pragma once

// The whole Calculation of the current page over a fixed mix of typed
// incomes. calculation_loop.cpp is compiled twice: over the x87 type (in
// namespace feniko) and over the software type (renamed feniko_soft), so one
// benchmark can time both.

#include <benchmark/benchmark.h>

#include <array>

namespace calculation_bench {

inline constexpr std::array<const char*, 10> kTyped = {
    "5000",     "5000.02", "3739.91", "12345.67", "38500.01",
    "98765.43", "1e5",     "250000",  "8000.01",  "  4321.09 "};

}  // namespace calculation_bench

namespace feniko {
void RunCalculationLoop(benchmark::State& state);
}  // namespace feniko

namespace feniko_soft {
void RunCalculationLoop(benchmark::State& state);
}  // namespace feniko_soft
