// The selection and navigation commands run on every press of a navigation
// key; on a 10 MB page each press must cost about the same wherever the
// caret is. Run with --benchmark_repetitions=5 and read the medians.
#include <benchmark/benchmark.h>

#include <string>

#include "core/editing/editing_context.h"
#include "core/editing/memory_editor.h"
#include "core/editing/selection.h"
#include "core/editing/typing.h"

namespace {

// Markup with katakana and kanji whose trail bytes are ASCII letters and
// '\', attribute values, and now and then a long paragraph of body text.
const std::string& Page() {
  static const std::string page = [] {
    const std::string line =
        "<P CLASS=\"x\"><A HREF=\"a.html\" TITLE=\x83\x63\x83\x41>\x83\x41\x83\x62\x83\x63\x95\x5C</A>"
        "&amp; text <B>\x83\x5C</B></P>\r\n";
    std::string body;
    while (body.size() < 2000) body += "\x83\x63\x83\x41\x95\x5C\x83\x5C text ";
    std::string s = "<HTML><HEAD><TITLE>x</TITLE></HEAD>\r\n<BODY BGCOLOR=\"#FFFFFF\">\r\n";
    for (int i = 0; s.size() < 10u << 20; ++i) s += i % 50 == 0 ? "<P>" + body + "</P>\r\n" : line;
    return s + "</BODY></HTML>\r\n";
  }();
  return page;
}

struct Document {
  mw::MemoryEditor editor;
  mw::EditingContext ctx;
  Document() {
    editor.Load(Page());
    ctx.editor = &editor;
  }
};

Document& Doc() {
  static Document* d = new Document;
  return *d;
}

mw::Offset At(double perMille) {
  return static_cast<mw::Offset>(static_cast<double>(Doc().editor.TextLength() - 16) * perMille / 1000.0);
}

// SelectNextTag pressed again and again, through the whole page and round.
void BM_SelectNextTagWalk(benchmark::State& state) {
  auto& d = Doc();
  d.editor.SetSelStart(0);
  for (auto _ : state) {
    const mw::Offset before = d.editor.GetSelStart();
    mw::SelectNextTag(d.ctx);
    if (d.editor.GetSelStart() <= before && d.editor.GetSelLength() == 0) d.editor.SetSelStart(0);
  }
}
BENCHMARK(BM_SelectNextTagWalk)->Unit(benchmark::kMicrosecond);

// One command from a caret placed near a per-mille of the page, the caret
// placed again before each press (as after a cursor key), so every press
// does the same work.
template <void (*Command)(mw::EditingContext&)>
void BM_FromCaret(benchmark::State& state) {
  auto& d = Doc();
  const mw::Offset at = At(static_cast<double>(state.range(0)));
  for (auto _ : state) {
    d.editor.SetSelStart(at);
    mw::SelectionChanged(d.ctx);
    Command(d.ctx);
    benchmark::DoNotOptimize(d.editor.GetSelLength());
  }
}
BENCHMARK_TEMPLATE(BM_FromCaret, mw::SelectNextTag)->Arg(1)->Arg(500)->Arg(999)->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(BM_FromCaret, mw::SelectPreviousTag)->Arg(1)->Arg(500)->Arg(999)->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(BM_FromCaret, mw::SelectNextTagRange)->Arg(500)->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(BM_FromCaret, mw::SelectPreviousTagRange)->Arg(500)->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(BM_FromCaret, mw::SelectNextText)->Arg(500)->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(BM_FromCaret, mw::SelectPreviousText)->Arg(500)->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(BM_FromCaret, mw::SelectNextParameter)->Arg(500)->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(BM_FromCaret, mw::SelectPreviousParameter)->Arg(500)->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(BM_FromCaret, mw::SelectAutoRange)->Arg(1)->Arg(500)->Arg(999)->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(BM_FromCaret, mw::SelectToRowEnd)->Arg(500)->Unit(benchmark::kMicrosecond);

// Caret moves alone (the selection-change update every command is followed
// by), near the start, middle and end.
void BM_CaretMove(benchmark::State& state) {
  auto& d = Doc();
  const mw::Offset at = At(static_cast<double>(state.range(0)));
  mw::Offset p = at;
  for (auto _ : state) {
    d.editor.SetSelStart(p);
    mw::SelectionChanged(d.ctx);
    p = p == at ? at + 3 : at;
  }
}
BENCHMARK(BM_CaretMove)->Arg(1)->Arg(500)->Arg(999)->Unit(benchmark::kMicrosecond);

}  // namespace
