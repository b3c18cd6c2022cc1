// The main window (offscreen) opening a 10 MB Shift-JIS page from disk as
// the open command does: read, coloured, shown and painted, with the
// window's idle update (status panels, command states) after each typed
// character and caret move at the page's end.
#include <benchmark/benchmark.h>

#include <Qsci/qsciscintilla.h>

#include <QApplication>
#include <QKeyEvent>
#include <algorithm>
#include <filesystem>
#include <fstream>

#include "gui/app/main_window.h"
#include "gui/display/scintilla_editor.h"
#include "gui/display/scintilla_surface.h"
#include "ten_megabyte_page.h"

namespace {

using mw::bench::ResidentBytes;
using mw::bench::TenMegabytePage;

const std::string& PagePath() {
  static const std::string path = [] {
    const auto p = std::filesystem::temp_directory_path() / "markupwright_window_bench.html";
    std::ofstream(p, std::ios::binary) << TenMegabytePage();
    return p.string();
  }();
  return path;
}

void Settle() {
  for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

void BM_WindowOpensPage(benchmark::State& state) {
  const std::string& path = PagePath();
  const double size = static_cast<double>(std::filesystem::file_size(path));
  long grown = 0;
  for (auto _ : state) {
    state.PauseTiming();
    auto w = std::make_unique<mw::gui::TMainForm>();
    w->show();
    Settle();
    const long before = ResidentBytes();
    state.ResumeTiming();
    w->OpenDocument(QString::fromStdString(path));
    w->ActiveView()->viewport()->repaint();
    Settle();
    state.PauseTiming();
    grown = std::max(grown, ResidentBytes() - before);
    w.reset();
    Settle();
    state.ResumeTiming();
  }
  state.counters["memory_x_file"] = static_cast<double>(grown) / size;
}
BENCHMARK(BM_WindowOpensPage)->Unit(benchmark::kMillisecond)->Iterations(3);

// One key at the page's end, then the window's idle work it schedules.
void KeyStrokes(benchmark::State& state, bool typing) {
  mw::gui::TMainForm w;
  w.show();
  w.OpenDocument(QString::fromStdString(PagePath()));
  Settle();
  mw::ScintillaSurface& s = *w.ActiveSurface();
  s.SetSelStart(s.TextLength() - 40);
  Settle();
  QWidget* view = w.ActiveView();
  int n = 0;
  for (auto _ : state) {
    ++n;
    if (typing) {
      QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, (n % 2) ? QStringLiteral("a") : QStringLiteral("\u3042"));
      QApplication::sendEvent(view, &key);
    } else {
      QKeyEvent key(QEvent::KeyPress, (n % 2) ? Qt::Key_Right : Qt::Key_Left, Qt::NoModifier);
      QApplication::sendEvent(view, &key);
    }
    w.IdleUpdate();
    if (typing) {
      state.PauseTiming();
      QKeyEvent back(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
      QApplication::sendEvent(view, &back);
      state.ResumeTiming();
    }
  }
  s.SetModifiedFlag(false);  // no save question when the window goes
}
void BM_WindowTypeAtEnd(benchmark::State& state) { KeyStrokes(state, true); }
void BM_WindowCaretMoveAtEnd(benchmark::State& state) { KeyStrokes(state, false); }
BENCHMARK(BM_WindowTypeAtEnd)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WindowCaretMoveAtEnd)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  std::filesystem::remove(PagePath());
  return 0;
}
