// Every Extended80 operation on the software type beside the x87 type, in
// one run; the ratios printed at the end read software / x87.
//
// The software half is a second copy of the number code compiled with
// FENIKO_SOFT_EXTENDED80 and the namespace renamed feniko_soft (see
// SoftExtended80Copy.cmake); extended80_bench_ops.cpp is compiled once into
// each half.

#include <string>
#include <vector>

#include "Extended80BenchOps.h"
#include "PeerRatio.h"

namespace feniko_soft {
std::vector<extended80_bench::OperationBenchmark> Extended80OperationBenchmarks();
}  // namespace feniko_soft

int main(int argc, char** argv) {
  const auto soft = feniko_soft::Extended80OperationBenchmarks();
  const auto native = feniko::Extended80OperationBenchmarks();
  // The first variant of each group is the one the ratios are of.
  for (std::size_t i = 0; i < soft.size(); ++i) {
    benchmark::RegisterBenchmark((std::string(soft[i].operation) + "/soft").c_str(), soft[i].run);
    benchmark::RegisterBenchmark((std::string(native[i].operation) + "/x87").c_str(),
                                 native[i].run);
  }
  return feniko::bench::RunWithPeerRatios(argc, argv);
}
