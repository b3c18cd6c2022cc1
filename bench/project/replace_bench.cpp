// replace's listing of a 1 MB page that is one line with about 38,000
// matches (a table written without line breaks): replacing, and a row of
// bounded length per place, as markupwright-cli replace prints them. The
// time and the rows' size grow with the file, not with matches x line.
#include <benchmark/benchmark.h>

#include <string>

#include "core/project/grep.h"

namespace {

// 27 bytes a cell, ソ (83 5C) among them, so excerpts meet double-byte
// characters at their ends.
std::string OneLinePage() {
  const std::string cell = "<td class=c>\x83\x5c" "12</td>      ";
  std::string page;
  while (page.size() < (1u << 20)) page += cell;
  return page + "\r\n";
}

void BM_ReplaceListingOneLongLine(benchmark::State& state) {
  const std::string page = OneLinePage();
  const mw::GrepQuery query{"<td", true};
  std::size_t places = 0, rowBytes = 0;
  for (auto _ : state) {
    const mw::Replacement r = mw::ReplaceAllInText(page, query, "<th");
    std::string out;
    rowBytes = 0;
    mw::ForEachPlaceRow(page, r.positions, query.findText.size(), [&](const mw::PlaceRow& p) {
      out.append("page.html\t").append(std::to_string(p.line)).append("\t").append(std::to_string(p.byte));
      out.append("\t").append(p.excerpt).append("\n");
      // Written out in pieces, as the tool does.
      if (out.size() >= (1u << 16)) {
        rowBytes += out.size();
        out.clear();
      }
    });
    rowBytes += out.size();
    places = r.positions.size();
    benchmark::DoNotOptimize(out.data());
  }
  state.counters["places"] = static_cast<double>(places);
  state.counters["row_MB"] = static_cast<double>(rowBytes) / (1 << 20);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * page.size()));
}
BENCHMARK(BM_ReplaceListingOneLongLine)->Unit(benchmark::kMillisecond);

}  // namespace
