// Kanji code conversion of a 10 MB Shift-JIS page (markup with some
// Japanese text and half-width katakana), and detection of its code.
#include <benchmark/benchmark.h>

#include <fstream>
#include <string>

#include "core/app/tools/kanji_converter.h"

namespace {

// The same page bench/kanji_compare.sh writes for the peer tools.
const std::string& Page() {
  static const std::string page = [] {
    const std::string line =
        "<TR><TD CLASS=\"item\"><A HREF=\"list.html#a\">\x95\x5C\x8E\xA6\x83\x65\x83\x58\x83\x67</A></TD>"
        "<TD>\x82\xB1\x82\xF1\x82\xC9\x82\xBF\x82\xCD\x81\x41\x93\xFA\x96\x7B\x8C\xEA\x81\x42</TD>"
        "<TD>\xB6\xC0\xB6\xC5 \xC3\xDE\xB0\xC0</TD></TR>\r\n";
    std::string s;
    while (s.size() < 10u << 20) s += line;
    return s;
  }();
  return page;
}

void Convert(benchmark::State& state, const char* option) {
  for (auto _ : state) benchmark::DoNotOptimize(mw::ConvertKanjiCode(Page(), option));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * Page().size()));
}
BENCHMARK_CAPTURE(Convert, ToEuc, "e")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Convert, ToJis, "j")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Convert, ToShiftJis, "s")->Unit(benchmark::kMillisecond);

void Detect(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(mw::DetectKanjiCode(Page()));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * Page().size()));
}
BENCHMARK(Detect)->Unit(benchmark::kMillisecond);

}  // namespace

// With --write-page=FILE the page is written out instead, so the comparison
// script gives the peer tools the very same bytes.
int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg.rfind("--write-page=", 0) == 0) {
      std::ofstream(arg.substr(13), std::ios::binary) << Page();
      return 0;
    }
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
