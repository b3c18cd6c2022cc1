// The tag at the caret is looked up at every caret move; on a 10 MB page its
// cost must not depend on where in the page the caret is.
#include <benchmark/benchmark.h>

#include <string>

#include "core/editing/memory_editor.h"
#include "core/editing/tag_scan.h"

namespace {

// Markup with katakana whose trail bytes are ASCII letters and '\', and a
// paragraph of body text long enough that the last tag is a few reads back.
const std::string& Page() {
  static const std::string page = [] {
    const std::string line =
        "<P CLASS=\"x\"><A HREF=\"a.html\">\x83\x41\x83\x62\x83\x63\x95\x5C</A>&amp; text</P>\r\n";
    std::string body;
    while (body.size() < 2000) body += "\x83\x63\x83\x41\x95\x5C\x83\x5C text ";
    std::string s;
    for (int i = 0; s.size() < 10u << 20; ++i) s += i % 50 == 0 ? "<P>" + body + "</P>\r\n" : line;
    return s;
  }();
  return page;
}

mw::MemoryEditor& Editor() {
  static mw::MemoryEditor* editor = [] {
    auto* e = new mw::MemoryEditor;
    e->Load(Page());
    return e;
  }();
  return *editor;
}

// Caret moves near a given per-mille of the page: alternately onto two
// positions a few bytes apart, as cursor keys would.
void BM_CaretMoveFindTag(benchmark::State& state) {
  auto& e = Editor();
  const auto at = static_cast<mw::Offset>(static_cast<double>(e.TextLength() - 8) * static_cast<double>(state.range(0)) / 1000.0);
  mw::Offset p = at;
  for (auto _ : state) {
    e.SetSelStart(p);
    benchmark::DoNotOptimize(mw::FindTagAtCaret(e));
    p = p == at ? at + 3 : at;
  }
}
BENCHMARK(BM_CaretMoveFindTag)->Arg(1)->Arg(500)->Arg(999)->Unit(benchmark::kMicrosecond);

// The same in the middle of the long body paragraph: the last '<' lies up
// to 2 KB back.
void BM_CaretMoveInLongParagraph(benchmark::State& state) {
  auto& e = Editor();
  const auto para = static_cast<mw::Offset>(Page().find("<P>\x83\x63", Page().size() / 2));
  const mw::Offset at = para + 1900;
  mw::Offset p = at;
  for (auto _ : state) {
    e.SetSelStart(p);
    benchmark::DoNotOptimize(mw::FindTagAtCaret(e));
    p = p == at ? at + 3 : at;
  }
}
BENCHMARK(BM_CaretMoveInLongParagraph)->Unit(benchmark::kMicrosecond);

// The whole selection-change update, as the main window runs it.
void BM_SelectionChangeUpdate(benchmark::State& state) {
  auto& e = Editor();
  const mw::Offset at = e.TextLength() - 1000;
  mw::CurrentTag current;
  for (auto _ : state) {
    e.SetSelStart(at);
    mw::UpdateCurrentTag(e, current);
    benchmark::DoNotOptimize(current);
  }
}
BENCHMARK(BM_SelectionChangeUpdate)->Unit(benchmark::kMicrosecond);

// One character typed and taken out again near the end (argument 1) or the
// start (0) of the page, with the line of the caret asked after each: the
// line-start index follows every edit, and at the start every line start
// after it shifts.
void BM_TypeAndLineInMemory(benchmark::State& state) {
  mw::MemoryEditor e;
  e.Load(Page());
  const mw::Offset at = state.range(0) ? e.TextLength() - 16 : 16;
  for (auto _ : state) {
    e.SetSelStart(at);
    e.SetSelText("a");
    benchmark::DoNotOptimize(e.LineFromChar(-1));
    e.SetSelection(at, at + 1);
    e.SetSelText("");
    benchmark::DoNotOptimize(e.LineIndex(e.LineFromChar(-1)));
  }
}
BENCHMARK(BM_TypeAndLineInMemory)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

}  // namespace
