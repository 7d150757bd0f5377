// Reading and writing numbers beside glibc's general-purpose routines.

#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "PeerRatio.h"
#include "numtext/DecimalSeparator.h"
#include "numtext/NumberText.h"

namespace {

using feniko::Extended80;

// What people type into the boxes: whole yuan, cents, exponents, blanks.
const std::array<const char*, 12> kTypedTexts = {"5000",       "12345.67", "3500.01", "1e5",
                                                 "9999999999", "0.005",    "  42  ",  "105.30",
                                                 "8000.5",     "-100",     "2.675",   "38500.01"};

std::vector<Extended80> ResultValues() {
  // The kind of values the result lines show: cents, extended products, odd
  // binary tails.
  std::vector<Extended80> values;
  for (const double d : {5000.0, 1500.01, 45.002, 7655.008, 0.0100000000002183, 4499984919.55,
                         3900148863.182405, 1245.0025, 61.91, 1.0 / 3.0, 1e15, 0.00012345})
    values.push_back(Extended80::FromDouble(d));
  values.push_back(Extended80::FromDouble(0.03) * Extended80::FromInt64(100));
  return values;
}

void ParseDecimal_ours(benchmark::State& state) {
  feniko::SetDecimalSeparator(".");
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(feniko::ParseDecimal(kTypedTexts[i]));
    i = (i + 1) % kTypedTexts.size();
  }
}
BENCHMARK(ParseDecimal_ours)->Name("ParseDecimal/ours");

void ParseDecimal_strtold(benchmark::State& state) {
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(std::strtold(kTypedTexts[i], nullptr));
    i = (i + 1) % kTypedTexts.size();
  }
}
BENCHMARK(ParseDecimal_strtold)->Name("ParseDecimal/glibc_strtold");

void FormatCents_ours(benchmark::State& state) {
  const auto values = ResultValues();
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(feniko::FormatCents(values[i]));
    i = (i + 1) % values.size();
  }
}
BENCHMARK(FormatCents_ours)->Name("FormatCents/ours");

// The peer gets the same values as long doubles (decoded outside the loop).
std::vector<long double> PeerValues() {
  std::vector<long double> out;
  for (const Extended80 v : ResultValues())
    out.push_back(std::strtold(feniko::FormatGeneral(v).c_str(), nullptr));
  return out;
}

void FormatCents_snprintf(benchmark::State& state) {
  const auto values = PeerValues();
  std::size_t i = 0;
  char buffer[64];
  for (auto _ : state) {
    const int n = std::snprintf(buffer, sizeof buffer, "%.2Lf", values[i]);
    benchmark::DoNotOptimize(std::string(buffer, static_cast<std::size_t>(n)));
    i = (i + 1) % values.size();
  }
}
BENCHMARK(FormatCents_snprintf)->Name("FormatCents/glibc_snprintf_%.2Lf");

void FormatGeneral_ours(benchmark::State& state) {
  const auto values = ResultValues();
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(feniko::FormatGeneral(values[i]));
    i = (i + 1) % values.size();
  }
}
BENCHMARK(FormatGeneral_ours)->Name("FormatGeneral/ours");

void FormatGeneral_snprintf(benchmark::State& state) {
  const auto values = PeerValues();
  std::size_t i = 0;
  char buffer[64];
  for (auto _ : state) {
    const int n = std::snprintf(buffer, sizeof buffer, "%.15Lg", values[i]);
    benchmark::DoNotOptimize(std::string(buffer, static_cast<std::size_t>(n)));
    i = (i + 1) % values.size();
  }
}
BENCHMARK(FormatGeneral_snprintf)->Name("FormatGeneral/glibc_snprintf_%.15Lg");

// Long texts: leading zeros then an ordinary amount, so the text reads (a long
// run of significant digits overflows after about 4933 of them). The time per
// byte should stay flat from 1 KB to 1 MB.
std::string LongText(std::size_t size) {
  const std::string tail = "12345.678";
  return std::string(size - tail.size(), '0') + tail;
}

void LongText_ours(benchmark::State& state) {
  const std::string text = LongText(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(feniko::ParseDecimal(text));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}
BENCHMARK(LongText_ours)->Name("ParseDecimal_1KB/ours")->Arg(1 << 10);
BENCHMARK(LongText_ours)->Name("ParseDecimal_1MB/ours")->Arg(1 << 20);

void LongText_strtold(benchmark::State& state) {
  const std::string text = LongText(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(std::strtold(text.c_str(), nullptr));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}
BENCHMARK(LongText_strtold)->Name("ParseDecimal_1KB/glibc_strtold")->Arg(1 << 10);
BENCHMARK(LongText_strtold)->Name("ParseDecimal_1MB/glibc_strtold")->Arg(1 << 20);

}  // namespace

FENIKO_BENCHMARK_MAIN();
