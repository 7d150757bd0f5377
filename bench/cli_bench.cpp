// feniko-cli rmb --tsv over a generated file of amounts: lines per second and
// the peak memory of the process, for 1,000,000 lines and for 100,000 (the
// memory must not grow with the number of lines). The peer converts the same
// lines in-process, without a process, reading or writing.

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "PeerRatio.h"
#include "numtext/DecimalSeparator.h"
#include "pages/ConvertPage.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;

// Amounts from a fen to 万亿, with cents, as a batch file might hold them.
std::vector<std::string> Amounts(std::size_t count) {
  std::vector<std::string> amounts;
  amounts.reserve(count);
  std::uint64_t state = 0x9E3779B97F4A7C15u;
  for (std::size_t i = 0; i < count; ++i) {
    state = state * 6364136223846793005u + 1442695040888963407u;
    const std::uint64_t digits = 1 + (state >> 60) % 15;  // 1 to 15 digits of fen
    std::uint64_t limit = 1;
    for (std::uint64_t d = 0; d < digits; ++d) limit *= 10;
    const std::uint64_t fen = (state >> 7) % limit;
    char text[32];
    std::snprintf(text, sizeof text, "%llu.%02llu", static_cast<unsigned long long>(fen / 100),
                  static_cast<unsigned long long>(fen % 100));
    amounts.emplace_back(text);
  }
  return amounts;
}

const fs::path& AmountFile(std::size_t count) {
  static std::vector<std::pair<std::size_t, fs::path>> files;
  for (const auto& [n, path] : files)
    if (n == count) return path;
  const fs::path path =
      fs::temp_directory_path() /
      ("feniko-cli-bench-" + std::to_string(getpid()) + "-" + std::to_string(count) + ".txt");
  std::ofstream file(path, std::ios::binary);
  for (const std::string& amount : Amounts(count)) file << amount << '\n';
  files.emplace_back(count, path);
  return files.back().second;
}

struct ChildRun {
  double seconds = 0;
  long peakKiB = 0;
  int status = -1;
};

// The peak memory that the kernel reports for a child spawned straight from
// this process includes this process's own, which the child shares until it
// runs the program; /usr/bin/time starts feniko-cli from a small process of
// its own and reports its peak alone.
constexpr const char* kTime = "/usr/bin/time";

ChildRun RunCli(const fs::path& input) {
  const bool timed = access(kTime, X_OK) == 0;
  const fs::path peakFile =
      fs::temp_directory_path() / ("feniko-cli-bench-peak-" + std::to_string(getpid()));
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, input.c_str(), O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  std::vector<std::string> arguments = {FENIKO_CLI, "rmb", "--tsv"};
  if (timed) arguments.insert(arguments.begin(), {kTime, "-f", "%M", "-o", peakFile.string()});
  std::vector<char*> argv;
  for (std::string& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);
  ChildRun run;
  const auto start = std::chrono::steady_clock::now();
  pid_t pid = 0;
  if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0) {
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    run.peakKiB = usage.ru_maxrss;
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    if (timed) {
      std::ifstream(peakFile) >> run.peakKiB;
      std::error_code ignored;
      fs::remove(peakFile, ignored);
    }
  }
  posix_spawn_file_actions_destroy(&actions);
  return run;
}

void FenikoCli(benchmark::State& state) {
  const auto lines = static_cast<std::size_t>(state.range(0));
  const fs::path& input = AmountFile(lines);
  long peakKiB = 0;
  for (auto _ : state) {
    const ChildRun run = RunCli(input);
    if (run.status != 0) {
      state.SkipWithError("feniko-cli did not finish with status 0");
      break;
    }
    state.SetIterationTime(run.seconds);
    peakKiB = std::max(peakKiB, run.peakKiB);
  }
  state.counters["lines_per_s"] = benchmark::Counter(
      static_cast<double>(lines * state.iterations()), benchmark::Counter::kIsRate);
  state.counters["peak_rss_KiB"] = static_cast<double>(peakKiB);
}

void InProcess(benchmark::State& state) {
  feniko::SetDecimalSeparator(".");
  const std::vector<std::string> amounts = Amounts(static_cast<std::size_t>(state.range(0)));
  std::string line;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    for (const std::string& amount : amounts) {
      const feniko::ConvertOutcome outcome = feniko::RunConversion(amount);
      line.assign(amount).append("\tok\t").append(outcome.text).push_back('\n');
      benchmark::DoNotOptimize(line.data());
    }
    state.SetIterationTime(
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
  state.counters["lines_per_s"] = benchmark::Counter(
      static_cast<double>(amounts.size() * state.iterations()), benchmark::Counter::kIsRate);
}

BENCHMARK(FenikoCli)
    ->Name("CliRmbTsv1M/feniko_cli")
    ->Arg(1'000'000)
    ->Iterations(3)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(InProcess)
    ->Name("CliRmbTsv1M/in_process_RunConversion")
    ->Arg(1'000'000)
    ->Iterations(3)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(FenikoCli)
    ->Name("CliRmbTsv100k/feniko_cli")
    ->Arg(100'000)
    ->Iterations(3)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  const int status = feniko::bench::RunWithPeerRatios(argc, argv);
  for (const std::size_t count : {std::size_t{1'000'000}, std::size_t{100'000}}) {
    std::error_code ignored;
    fs::remove(fs::temp_directory_path() / ("feniko-cli-bench-" + std::to_string(getpid()) + "-" +
                                            std::to_string(count) + ".txt"),
               ignored);
  }
  return status;
}
