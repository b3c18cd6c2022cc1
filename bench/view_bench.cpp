// The lossless Unicode view of a 10 MB Shift-JIS page, both ways: what the
// window pays to show a document and to read it back for saving.
#include <benchmark/benchmark.h>

#include <string>

#include "core/text/unicode_view.h"

namespace {

const std::string& Page() {
  static const std::string page = [] {
    const std::string line =
        "<TR><TD CLASS=\"x\">\x95\x5C\x8E\xA6\x83\x65\x83\x58\x83\x67\xB6\xDE</TD><TD>&amp; text 1,000</TD></TR>\r\n";
    std::string s;
    while (s.size() < 10u << 20) s += line;
    return s;
  }();
  return page;
}

void BM_ToView(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(mw::SjisToUnicodeView(Page()));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * Page().size()));
}
BENCHMARK(BM_ToView)->Unit(benchmark::kMillisecond);

void BM_FromView(benchmark::State& state) {
  const std::string view = mw::SjisToUnicodeView(Page());
  for (auto _ : state) benchmark::DoNotOptimize(mw::UnicodeViewToSjis(view));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * Page().size()));
}
BENCHMARK(BM_FromView)->Unit(benchmark::kMillisecond);

}  // namespace
