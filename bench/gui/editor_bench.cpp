// The editor widget on a 10 MB Shift-JIS page (offscreen): opening it
// coloured, the memory that takes, and one typed character or caret move at
// its end including the EditorSurface work a keystroke triggers (the caret
// offset, the format before it and the tag scan's small range read).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <algorithm>
#include <fstream>
#include <memory>

#include "core/editing/memory_editor.h"
#include "gui/display/line_gutter.h"
#include "gui/display/scintilla_surface.h"
#include "ten_megabyte_page.h"

namespace {

using mw::bench::ResidentBytes;
using mw::bench::TenMegabytePage;

const std::string& Page() {
  static const std::string page = TenMegabytePage();
  return page;
}

struct Editor {
  mw::MemoryClipboard clipboard;
  mw::ScintillaEditor widget;
  mw::ScintillaSurface surface{widget, clipboard};
  Editor() { widget.resize(800, 600); }
};

void BM_OpenColoured(benchmark::State& state) {
  const std::string& page = Page();
  { Editor warm; }  // fonts and the widget machinery, loaded once per program
  const long before = ResidentBytes();
  long grown = 0;
  for (auto _ : state) {
    auto e = std::make_unique<Editor>();
    e->surface.Load(page, true);
    grown = std::max(grown, ResidentBytes() - before);
    benchmark::DoNotOptimize(e->surface.TextLength());
    state.PauseTiming();
    e.reset();
    state.ResumeTiming();
  }
  state.counters["file_MB"] = static_cast<double>(page.size()) / 1e6;
  state.counters["memory_x_file"] = static_cast<double>(grown) / static_cast<double>(page.size());
}
BENCHMARK(BM_OpenColoured)->Unit(benchmark::kMillisecond)->Iterations(3);

// Opening as the user sees it: a shown, word-wrapped editor, loaded,
// coloured and painted once.
void BM_OpenShownAndPainted(benchmark::State& state) {
  const std::string& page = Page();
  for (auto _ : state) {
    state.PauseTiming();
    auto e = std::make_unique<Editor>();
    e->widget.show();
    QApplication::processEvents();
    state.ResumeTiming();
    e->surface.Load(page, true);
    e->widget.viewport()->repaint();
    e->widget.Gutter()->repaint();
    state.PauseTiming();
    e.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_OpenShownAndPainted)->Unit(benchmark::kMillisecond)->Iterations(3);

// What a keystroke asks of the surface besides the insertion itself.
void SurfaceWork(mw::ScintillaSurface& s) {
  const mw::Offset p = s.GetSelStart();
  benchmark::DoNotOptimize(s.FormatAt(p > 0 ? p - 1 : 0));
  benchmark::DoNotOptimize(s.GetTextRange(p > 256 ? p - 256 : 0, 256));
  benchmark::DoNotOptimize(s.LineFromChar(-1));
}

// Argument: word wrap on (1) or off (0).
void BM_TypeAtEnd(benchmark::State& state) {
  Editor e;
  e.widget.setWrapMode(state.range(0) ? QsciScintilla::WrapWord : QsciScintilla::WrapNone);
  e.surface.Load(Page(), true);
  e.surface.SetSelStart(e.surface.TextLength() - 16);
  // The first display-line answer that far down wraps the page once (see
  // BM_FirstCaretMoveToEnd); the keystrokes after it are measured.
  SurfaceWork(e.surface);
  int n = 0;
  for (auto _ : state) {
    QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, (++n % 2) ? QStringLiteral("a") : QStringLiteral("\u3042"));
    QApplication::sendEvent(&e.widget, &key);
    SurfaceWork(e.surface);
    // Take it out again, so the line does not grow with the iterations.
    state.PauseTiming();
    QKeyEvent back(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
    QApplication::sendEvent(&e.widget, &back);
    state.ResumeTiming();
  }
}
BENCHMARK(BM_TypeAtEnd)->Unit(benchmark::kMicrosecond)->Arg(1)->Arg(0);

void BM_CaretMoveAtEnd(benchmark::State& state) {
  Editor e;
  e.surface.Load(Page(), true);
  const mw::Offset end = e.surface.TextLength();
  // Wrapping reaches the end of the page once (see BM_FirstCaretMoveToEnd).
  e.surface.SetSelStart(end - 40);
  QKeyEvent first(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier);
  QApplication::sendEvent(&e.widget, &first);
  int n = 0;
  for (auto _ : state) {
    QKeyEvent key(QEvent::KeyPress, (++n % 2) ? Qt::Key_Right : Qt::Key_Left, Qt::NoModifier);
    QApplication::sendEvent(&e.widget, &key);
    SurfaceWork(e.surface);
  }
}
BENCHMARK(BM_CaretMoveAtEnd)->Unit(benchmark::kMicrosecond);

// The first caret move to the end of a freshly opened, word-wrapped page
// wraps every line before it (later moves reuse that); so does the first
// display-line answer about a line that far down. The counter is what
// wrapping every line adds to the memory of the opened page.
void BM_FirstCaretMoveToEnd(benchmark::State& state) {
  const std::string& page = Page();
  long grown = 0;
  for (auto _ : state) {
    state.PauseTiming();
    auto e = std::make_unique<Editor>();
    e->surface.Load(page, true);
    const long before = ResidentBytes();
    state.ResumeTiming();
    e->surface.SetSelStart(e->surface.TextLength());
    QKeyEvent key(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier);
    QApplication::sendEvent(&e->widget, &key);
    state.PauseTiming();
    grown = std::max(grown, ResidentBytes() - before);
    e.reset();
    state.ResumeTiming();
  }
  state.counters["wrap_memory_x_file"] = static_cast<double>(grown) / static_cast<double>(page.size());
}
BENCHMARK(BM_FirstCaretMoveToEnd)->Unit(benchmark::kMillisecond)->Iterations(2);

void BM_SetSelStartAtEnd(benchmark::State& state) {
  Editor e;
  e.surface.Load(Page(), true);
  const mw::Offset end = e.surface.TextLength();
  e.surface.SetSelStart(end - 10);
  SurfaceWork(e.surface);  // wraps the page once, as above
  int n = 0;
  for (auto _ : state) {
    e.surface.SetSelStart(end - 10 - (++n % 20));
    SurfaceWork(e.surface);
  }
}
BENCHMARK(BM_SetSelStartAtEnd)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
