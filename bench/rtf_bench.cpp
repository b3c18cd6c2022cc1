// Colouring a 10 MB Shift-JIS page: RTF for loading, colour runs for the
// editor. The page mixes markup, Japanese text, references, comments and a
// few lines longer than the scan window; bench/rtf_compare.sh writes the
// same page to compare against other colourers.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "core/display/html_to_rtf.h"

namespace {

// Same recipe as rtf_compare.sh's generator: blocks of a fixed page body
// until the size is reached.
std::string TenMegabytePage() {
  const std::string block =
      "<TR><TD class=\"name\" align=\"left\">\x95\x5C\x8E\xA6\x83\x65\x83\x58\x83\x67</TD>"
      "<TD>\x89\xBF\x8A\x69&nbsp;1,000\x89\x7E &amp; \x90\xC5&lt;\x8D\x9E&gt;</TD></TR>\r\n"
      "<!-- \x82\xB1\x82\xB1\x82\xCD\x83\x52\x83\x81\x83\x93\x83\x67 -->\r\n"
      "<P>\x93\xFA\x96\x7B\x8C\xEA\x82\xCC\x95\xB6\x8F\xCD\x82\xC5\x82\xB7\x81\x42"
      "<A HREF=\"page.html#top\">\x83\x67\x83\x62\x83\x76\x82\xD6</A><BR>\r\n"
      "\t<IMG src=\"img/photo.jpg\" width=\"120\" height=\"80\" alt=\"\x8E\xCA\x90\x5E\">\r\n";
  std::string page = "<HTML><HEAD><TITLE>\x83\x65\x83\x58\x83\x67</TITLE></HEAD><BODY>\r\n<TABLE>\r\n";
  constexpr std::size_t kSize = 10 * 1024 * 1024;
  for (int n = 0; page.size() < kSize; ++n) {
    page += block;
    if (n % 500 == 0) {  // now and then a line longer than the scan window
      for (int i = 0; i < 300; ++i) page += "<B>\x91\xBE\x8E\x9A</B> ";
      page += "\r\n";
    }
  }
  page += "</TABLE>\r\n</BODY></HTML>\r\n";
  return page;
}

// rtf_compare.sh passes the file it hands to the other colourers.
std::string LoadPage() {
  const char* path = std::getenv("MW_RTF_PAGE");
  if (path == nullptr) return TenMegabytePage();
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

const std::string& Page() {
  static const std::string page = LoadPage();
  return page;
}

void BM_HtmlToRtf(benchmark::State& state) {
  const std::string& page = Page();
  for (auto _ : state) {
    std::string rtf = mw::HtmlToRtf(page);
    benchmark::DoNotOptimize(rtf.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * page.size()));
}
BENCHMARK(BM_HtmlToRtf)->Unit(benchmark::kMillisecond);

void BM_ColourHtml(benchmark::State& state) {
  const std::string& page = Page();
  for (auto _ : state) {
    auto runs = mw::ColourHtml(page);
    benchmark::DoNotOptimize(runs.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * page.size()));
}
BENCHMARK(BM_ColourHtml)->Unit(benchmark::kMillisecond);

}  // namespace
