// The gradation of a 100 KB selection of Japanese text with tags and line
// breaks: one SPAN per character, built in one pass; well under 100 ms is
// the goal.
#include <benchmark/benchmark.h>

#include <string>

#include "core/dialogs/gradation.h"

namespace {

std::string Selection() {
  const std::string line =
      "\x93\xfa\x96\x7b\x8c\xea\x82\xcc\x95\xb6\x8f\xcd <B>\x83\x5c\x83\x74\x83\x67</B> text &amp; more\r\n";
  std::string s;
  while (s.size() < 100 * 1024) s += line;
  return s;
}

void Gradation100KB(benchmark::State& state) {
  const std::string text = Selection();
  const mw::EditingOptions options;
  std::size_t out = 0;
  for (auto _ : state) {
    const std::string r = mw::GradationText(text, {0, 0, 255}, {255, 0, 0}, "font-weight:bold", options);
    out = r.size();
    benchmark::DoNotOptimize(r.data());
  }
  state.counters["out_MB"] = static_cast<double>(out) / (1024.0 * 1024.0);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(text.size()));
}
BENCHMARK(Gradation100KB)->Unit(benchmark::kMillisecond);

void Gradation100KBLowerCase(benchmark::State& state) {
  const std::string text = Selection();
  mw::EditingOptions options;
  options.lowerCaseTag = true;
  for (auto _ : state) benchmark::DoNotOptimize(mw::GradationText(text, {0, 0, 255}, {255, 0, 0}, "", options));
}
BENCHMARK(Gradation100KBLowerCase)->Unit(benchmark::kMillisecond);

}  // namespace
