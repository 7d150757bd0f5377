// Hostile-size pastes into the amount box: 1 KB to 10 MB of digits, read by
// ParseDecimal and converted by the conversion page, beside glibc's strtold
// and a plain memchr scan over the same bytes. Reading must take time linear
// in the size: the bytes per second of each variant stay level as the paste
// grows a thousandfold.
//
// Two pastes:
//   Digits: "1234567890" repeated. Its running value overflows after about
//           4933 digits, so the text is refused (the page shows its message);
//           the whole text is still checked and quoted in the failure.
//   Zeros:  "000…0001". Zeros before the first significant digit leave the
//           value at zero, so the text reads as 1 and converts to 壹元整.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <utility>

#include "PeerRatio.h"
#include "numtext/DecimalSeparator.h"
#include "numtext/Errors.h"
#include "numtext/NumberText.h"
#include "pages/ConvertPage.h"

namespace {

enum class Paste { Digits, Zeros };

const std::string& PasteOf(Paste kind, std::size_t size) {
  static std::map<std::pair<Paste, std::size_t>, std::string> cache;
  std::string& text = cache[{kind, size}];
  if (text.empty()) {
    text.resize(size);
    for (std::size_t i = 0; i < size; ++i)
      text[i] = kind == Paste::Digits ? static_cast<char>('0' + (i + 1) % 10) : '0';
    if (kind == Paste::Zeros) text.back() = '1';
  }
  return text;
}

void ParseDecimalOurs(benchmark::State& state, Paste kind, std::size_t size) {
  feniko::SetDecimalSeparator(".");
  const std::string& text = PasteOf(kind, size);
  for (auto _ : state) {
    try {
      benchmark::DoNotOptimize(feniko::ParseDecimal(text));
    } catch (const feniko::ConversionError& e) {
      benchmark::DoNotOptimize(e.what());
    }
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * size));
}

void RunConversionOurs(benchmark::State& state, Paste kind, std::size_t size) {
  feniko::SetDecimalSeparator(".");
  const std::string& text = PasteOf(kind, size);
  for (auto _ : state) benchmark::DoNotOptimize(feniko::RunConversion(text));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * size));
}

void Strtold(benchmark::State& state, Paste kind, std::size_t size) {
  const std::string& text = PasteOf(kind, size);
  for (auto _ : state) {
    char* end = nullptr;
    benchmark::DoNotOptimize(std::strtold(text.c_str(), &end));
    benchmark::DoNotOptimize(end);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * size));
}

// The least any reader can do: look at every byte once.
void MemchrScan(benchmark::State& state, Paste kind, std::size_t size) {
  const std::string& text = PasteOf(kind, size);
  for (auto _ : state) benchmark::DoNotOptimize(std::memchr(text.data(), '.', text.size()));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * size));
}

const bool kRegistered = [] {
  const std::pair<Paste, const char*> pastes[] = {{Paste::Digits, "Digits"},
                                                  {Paste::Zeros, "Zeros"}};
  const std::pair<std::size_t, const char*> sizes[] = {
      {1 << 10, "1KB"}, {100 << 10, "100KB"}, {1 << 20, "1MB"}, {10 << 20, "10MB"}};
  for (const auto& [kind, pasteName] : pastes) {
    for (const auto& [size, sizeName] : sizes) {
      const std::string suffix = std::string(pasteName) + "_" + sizeName;
      const std::string read = "ParseDecimal_" + suffix;
      benchmark::RegisterBenchmark((read + "/ours").c_str(), ParseDecimalOurs, kind, size);
      benchmark::RegisterBenchmark((read + "/glibc_strtold").c_str(), Strtold, kind, size);
      benchmark::RegisterBenchmark((read + "/memchr_scan").c_str(), MemchrScan, kind, size);
      const std::string convert = "RunConversion_" + suffix;
      benchmark::RegisterBenchmark((convert + "/ours").c_str(), RunConversionOurs, kind, size);
      benchmark::RegisterBenchmark((convert + "/glibc_strtold").c_str(), Strtold, kind, size);
    }
  }
  return true;
}();

}  // namespace

FENIKO_BENCHMARK_MAIN()
