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
      variants.emplace_back(name.substr(slash + 1), run.GetAdjustedRealTime());
    }
  }

  void Finalize() override {
    ConsoleReporter::Finalize();
    std::printf("\nRatios (ours / peer, same run):\n");
    for (const std::string& group : order_) {
      const auto& variants = groups_[group];
      const auto& [oursName, oursTime] = variants.front();
      for (std::size_t i = 1; i < variants.size(); ++i) {
        const auto& [peerName, peerTime] = variants[i];
        std::printf("  %-28s %s %.1f ns vs %s %.1f ns: %.2f\n", group.c_str(), oursName.c_str(),
                    oursTime, peerName.c_str(), peerTime, oursTime / peerTime);
      }
    }
    std::fflush(stdout);
  }

 private:
  std::map<std::string, std::vector<std::pair<std::string, double>>> groups_;
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
