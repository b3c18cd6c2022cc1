// The byte rules every scanner uses, on a 10 MB Shift-JIS page.
#include <benchmark/benchmark.h>

#include <string>

#include "core/text/encoding.h"
#include "core/text/lines.h"

namespace {

const std::string& Page() {
  static const std::string page = [] {
    // Markup with katakana whose trail bytes are ASCII letters and '\'.
    const std::string line =
        "<P CLASS=\"x\"><A HREF=\"a.html\">\x83\x41\x83\x62\x83\x63\x95\x5C</A>&amp; text</P>\r\n";
    std::string s;
    while (s.size() < 10u << 20) s += line;
    return s;
  }();
  return page;
}

void BM_FindAbsent(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(mw::Find(Page(), "<TABLE"));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * Page().size()));
}
BENCHMARK(BM_FindAbsent);

void BM_FindNoCaseAbsent(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(mw::FindNoCase(Page(), "<table"));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * Page().size()));
}
BENCHMARK(BM_FindNoCaseAbsent);

void BM_NormalizeLineEnds(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(mw::NormalizeLineEnds(Page()));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * Page().size()));
}
BENCHMARK(BM_NormalizeLineEnds);

}  // namespace
