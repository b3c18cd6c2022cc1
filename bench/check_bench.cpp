// The tag check on a 10 MB Shift-JIS page: the ordinary case (a long table
// with comments, links, omissible and single tags, a few problems), and
// the worst cases for the stack and the message list. Each is one pass.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "core/check/tag_check.h"

namespace {

constexpr std::size_t kSize = 10 * 1024 * 1024;

std::string Repeat(const std::string& head, const std::string& block, const std::string& tail) {
  std::string page = head;
  while (page.size() < kSize) page += block;
  return page + tail;
}

// check_compare.sh passes the file it hands to tidy (the same recipe).
std::string LoadTablePage() {
  if (const char* path = std::getenv("MW_CHECK_PAGE")) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  return Repeat(
      "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01//EN\">\r\n<HTML><HEAD><TITLE>"
      "\x83\x65\x83\x58\x83\x67</TITLE></HEAD><BODY>\r\n<TABLE>\r\n",
      "<TR><TD class=\"name\" align=\"left\">\x95\x5C\x8E\xA6\x83\x65\x83\x58\x83\x67</TD>"
      "<TD>\x89\xBF\x8A\x69&nbsp;1,000\x89\x7E &amp; \x90\xC5&lt;\x8D\x9E&gt;</TD></TR>\r\n"
      "<!-- \x82\xB1\x82\xB1\x82\xCD <B> \x83\x52\x83\x81\x83\x93\x83\x67 -->\r\n"
      "<P>\x93\xFA\x96\x7B\x8C\xEA\x82\xCC\x95\xB6\x8F\xCD\x82\xC5\x82\xB7\x81\x42"
      "<A HREF=\"page.html#top\"><b>\x83\x67\x83\x62\x83\x76\x82\xD6</b></A><BR>\r\n"
      "\t<IMG src=\"img/photo.jpg\" width=\"120\" height=\"80\" alt=\"\x8E\xCA\x90\x5E\">\r\n"
      "<UL><LI>\x83\x63\x83\x41<LI>a > b</UL><FONT color=red>x</I></FONT>\r\n",
      "</TABLE>\r\n</BODY></HTML>\r\n");
}

const std::string& TablePage() {
  static const std::string page = LoadTablePage();
  return page;
}

void Check(benchmark::State& state, const std::string& page, bool checkOmissible) {
  const mw::TagLists lists = mw::BuiltInTagLists();
  for (auto _ : state) {
    mw::CheckResult r = mw::RunTagCheck(page, lists, {.checkOmissible = checkOmissible, .caretMode = false});
    benchmark::DoNotOptimize(r.messages.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * page.size()));
}

void BM_TagCheck(benchmark::State& state) { Check(state, TablePage(), false); }
BENCHMARK(BM_TagCheck)->Unit(benchmark::kMillisecond);

void BM_TagCheckOmissible(benchmark::State& state) { Check(state, TablePage(), true); }
BENCHMARK(BM_TagCheckOmissible)->Unit(benchmark::kMillisecond);

// Millions of elements left open: the stack grows to its largest and every
// name is popped at the end, past the message limit.
void BM_TagCheckAllOpen(benchmark::State& state) {
  static const std::string page = Repeat("", "<DIV><SPAN>\x95\x5C", "");
  Check(state, page, false);
}
BENCHMARK(BM_TagCheckAllOpen)->Unit(benchmark::kMillisecond);

// One long unterminated comment: the comment walk alone.
void BM_TagCheckOpenComment(benchmark::State& state) {
  static const std::string page = Repeat("<!--", "- > -- <B> \x83\x5C\x95\x5C\r\n", "");
  Check(state, page, false);
}
BENCHMARK(BM_TagCheckOpenComment)->Unit(benchmark::kMillisecond);

// The caret-mode scan the close-tag command runs before the caret.
void BM_InnermostOpenTag(benchmark::State& state) {
  const mw::TagLists lists = mw::BuiltInTagLists();
  const std::string& page = TablePage();
  for (auto _ : state) benchmark::DoNotOptimize(mw::InnermostOpenTag(page, lists));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * page.size()));
}
BENCHMARK(BM_InnermostOpenTag)->Unit(benchmark::kMillisecond);

}  // namespace
