#pragma once

// A benchmark main that prints, after the usual table, how our code compares
// with a peer doing the same work in the same run. Benchmarks are named
// "<group>/<variant>"; the first variant registered in a group is ours, and
// every other variant of the group is reported as the ratio ours / peer
// (below 1: we are faster).

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace feniko::bench {

class PeerRatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.run_type != Run::RT_Iteration || run.error_occurred) continue;
      const std::string name = run.benchmark_name();
      const auto slash = name.find('/');
      if (slash == std::string::npos) continue;
      const std::string group = name.substr(0, slash);
      auto& variants = groups_[group];
      if (variants.empty()) order_.push_back(group);
      const double time = run.GetAdjustedRealTime();
      variants.push_back({name.substr(slash + 1), time, benchmark::GetTimeUnitString(run.time_unit),
                          time / benchmark::GetTimeUnitMultiplier(run.time_unit)});
    }
  }

  void Finalize() override {
    ConsoleReporter::Finalize();
    std::printf("\nRatios (ours / peer, same run):\n");
    for (const std::string& group : order_) {
      const auto& variants = groups_[group];
      const Variant& ours = variants.front();
      for (std::size_t i = 1; i < variants.size(); ++i) {
        const Variant& peer = variants[i];
        std::printf("  %-28s %s %.1f %s vs %s %.1f %s: %.2f\n", group.c_str(), ours.name.c_str(),
                    ours.time, ours.unit, peer.name.c_str(), peer.time, peer.unit,
                    ours.seconds / peer.seconds);
      }
    }
    std::fflush(stdout);
  }

 private:
  struct Variant {
    std::string name;
    double time;  // in `unit`, as the benchmark reports it
    const char* unit;
    double seconds;  // the same time, for ratios across units
  };
  std::map<std::string, std::vector<Variant>> groups_;
  std::vector<std::string> order_;
};

inline int RunWithPeerRatios(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  PeerRatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}

}  // namespace feniko::bench

#define FENIKO_BENCHMARK_MAIN()                          \
  int main(int argc, char** argv) {                      \
    return feniko::bench::RunWithPeerRatios(argc, argv); \
  }
