#pragma once

// The Extended80 operations that extended80_bench times. They are defined in
// extended80_bench_ops.cpp, which is compiled once over the x87 type (in
// namespace feniko) and once over the software type (renamed feniko_soft).

#include <benchmark/benchmark.h>

#include <vector>

namespace extended80_bench {

struct OperationBenchmark {
  const char* operation;
  void (*run)(benchmark::State&);
};

}  // namespace extended80_bench

namespace feniko {
std::vector<extended80_bench::OperationBenchmark> Extended80OperationBenchmarks();
}  // namespace feniko
