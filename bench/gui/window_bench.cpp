// The main window (offscreen) opening large written Shift-JIS pages (see
// ten_megabyte_page.h) from disk as the open command does, timed until it
// is idle: read, coloured, shown, every line wrapped (the widget wraps in
// the background) and Ctrl+End done. Then single keys at the page's end, each with the window's idle update (status
// panels, command states) it schedules: once the window has settled, and
// as the first keys after opening, while the background wrapping still
// goes on.
#include <benchmark/benchmark.h>

#include <Qsci/qsciscintilla.h>

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QKeyEvent>
#include <algorithm>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <map>

#include "gui/app/main_window.h"
#include "gui/display/scintilla_editor.h"
#include "gui/display/scintilla_surface.h"
#include "ten_megabyte_page.h"

namespace {

using mw::bench::WrittenPage;
using mw::bench::ResidentBytes;
using Clock = std::chrono::steady_clock;
using Sci = QsciScintillaBase;

std::map<long, std::string>& PageFiles() {
  static std::map<long, std::string> files;
  return files;
}

// One page file per size, written once per run.
const std::string& PagePath(long megabytes) {
  std::string& path = PageFiles()[megabytes];
  if (path.empty()) {
    const auto p = std::filesystem::temp_directory_path() /
                   ("markupwright_window_bench_" + std::to_string(megabytes) + ".html");
    std::ofstream(p, std::ios::binary) << WrittenPage(static_cast<std::size_t>(megabytes));
    path = p.string();
  }
  return path;
}

// Runs the event loop until nothing is left to do: the widget's background
// wrapping runs from a zero timer that stops when every line is wrapped.
void RunUntilIdle() {
  QAbstractEventDispatcher* events = QAbstractEventDispatcher::instance();
  for (int quiet = 0; quiet < 2;) quiet = events->processEvents(QEventLoop::AllEvents) ? 0 : quiet + 1;
}

// Whatever wrapping the widget has not done yet, done now (nothing, once
// the window is idle): "settled" means every line wrapped.
void WrapEverything(mw::gui::TMainForm& w) {
  mw::ScintillaEditor& e = *static_cast<mw::ScintillaEditor*>(w.ActiveView());
  const long lines = e.SendScintilla(Sci::SCI_GETLINECOUNT);
  e.SendScintilla(Sci::SCI_ENSUREVISIBLE, static_cast<unsigned long>(lines - 1));
}

void Press(mw::gui::TMainForm& w, int key, Qt::KeyboardModifiers mods = Qt::NoModifier, const QString& text = {}) {
  QKeyEvent event(QEvent::KeyPress, key, mods, text);
  QApplication::sendEvent(w.ActiveView(), &event);
}

// CPU time of this thread, in ms: on a machine whose cores are shared the
// wall time of one key says little on its own.
double CpuMs() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

struct Answer {
  double ms = 0, cpuMs = 0;
};

// A key as the user sees it answered: queued behind whatever the window
// has still to do, handled, the window's idle update, the text area
// painted.
Answer Answered(mw::gui::TMainForm& w, int key, Qt::KeyboardModifiers mods = Qt::NoModifier,
                  const QString& text = {}) {
  struct Seen : QObject {
    bool seen = false;
    bool eventFilter(QObject*, QEvent* e) override {
      if (e->type() == QEvent::KeyPress) seen = true;
      return false;
    }
  } filter;
  auto* view = w.ActiveView();
  view->installEventFilter(&filter);
  const auto start = Clock::now();
  const double cpu = CpuMs();
  QCoreApplication::postEvent(view, new QKeyEvent(QEvent::KeyPress, key, mods, text));
  while (!filter.seen) QCoreApplication::processEvents();
  w.IdleUpdate();
  view->viewport()->repaint();
  const Answer a{std::chrono::duration<double, std::milli>(Clock::now() - start).count(), CpuMs() - cpu};
  view->removeEventFilter(&filter);
  return a;
}

std::unique_ptr<mw::gui::TMainForm> EmptyWindow() {
  auto w = std::make_unique<mw::gui::TMainForm>();
  w->resize(1000, 800);
  w->show();
  RunUntilIdle();
  return w;
}

void Close(std::unique_ptr<mw::gui::TMainForm>& w) {
  if (mw::ScintillaSurface* s = w->ActiveSurface()) s->SetModifiedFlag(false);  // no save question
  w.reset();
  RunUntilIdle();
}

// Argument: the page's size in MB. Counters: the time until the page is
// first shown, and the memory the settled window holds above an empty one.
void BM_WindowOpensPage(benchmark::State& state) {
  const std::string& path = PagePath(state.range(0));
  const double size = static_cast<double>(std::filesystem::file_size(path));
  long grown = 0;
  double shown = 1e30;
  for (auto _ : state) {
    state.PauseTiming();
    auto w = EmptyWindow();
    const long before = ResidentBytes();
    state.ResumeTiming();
    const auto start = Clock::now();
    w->OpenDocument(QString::fromStdString(path));
    w->ActiveView()->viewport()->repaint();
    shown = std::min(shown, std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    RunUntilIdle();
    Press(*w, Qt::Key_End, Qt::ControlModifier);
    RunUntilIdle();
    WrapEverything(*w);
    state.PauseTiming();
    grown = std::max(grown, ResidentBytes() - before);
    Close(w);
    state.ResumeTiming();
  }
  state.counters["shown_ms"] = shown;
  state.counters["memory_x_file"] = static_cast<double>(grown) / size;
}
BENCHMARK(BM_WindowOpensPage)->Arg(10)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_WindowOpensPage)->Arg(50)->Unit(benchmark::kMillisecond)->Iterations(2);

// The first keys after opening a page, pressed as soon as it is shown,
// while the window still has its work after opening to do (the widget
// wraps in the background): Ctrl+End, a character typed there, a caret
// move. Counters: the slowest of each over the iterations, in wall and in
// CPU time.
void BM_WindowKeysWhileWrapping(benchmark::State& state) {
  const std::string& path = PagePath(state.range(0));
  Answer ctrlEnd, typed, moved;
  const auto slowest = [](Answer& worst, Answer a) {
    worst.ms = std::max(worst.ms, a.ms);
    worst.cpuMs = std::max(worst.cpuMs, a.cpuMs);
  };
  for (auto _ : state) {
    state.PauseTiming();
    auto w = EmptyWindow();
    w->OpenDocument(QString::fromStdString(path));
    w->ActiveView()->viewport()->repaint();
    state.ResumeTiming();
    slowest(ctrlEnd, Answered(*w, Qt::Key_End, Qt::ControlModifier));
    slowest(typed, Answered(*w, 0, Qt::NoModifier, QStringLiteral("a")));
    slowest(moved, Answered(*w, Qt::Key_Left));
    state.PauseTiming();
    Close(w);
    state.ResumeTiming();
  }
  state.counters["ctrl_end_ms"] = ctrlEnd.ms;
  state.counters["type_ms"] = typed.ms;
  state.counters["caret_move_ms"] = moved.ms;
  state.counters["ctrl_end_cpu_ms"] = ctrlEnd.cpuMs;
  state.counters["type_cpu_ms"] = typed.cpuMs;
  state.counters["caret_move_cpu_ms"] = moved.cpuMs;
}
BENCHMARK(BM_WindowKeysWhileWrapping)->Arg(10)->Unit(benchmark::kMillisecond)->Iterations(3);

// Keys once the window has settled on a 10 MB page.
struct Settled {
  std::unique_ptr<mw::gui::TMainForm> w = EmptyWindow();
  Settled() {
    w->OpenDocument(QString::fromStdString(PagePath(10)));
    RunUntilIdle();
    Press(*w, Qt::Key_End, Qt::ControlModifier);
    RunUntilIdle();
    WrapEverything(*w);
  }
  ~Settled() { Close(w); }
};

// Ctrl+Home and Ctrl+End in turn.
void BM_WindowCtrlEndSettled(benchmark::State& state) {
  Settled s;
  int n = 0;
  for (auto _ : state) {
    Press(*s.w, (++n % 2) ? Qt::Key_Home : Qt::Key_End, Qt::ControlModifier);
    s.w->IdleUpdate();
  }
}
BENCHMARK(BM_WindowCtrlEndSettled)->Unit(benchmark::kMicrosecond);

// One key at the page's end, then the window's idle work it schedules.
void KeyStrokes(benchmark::State& state, bool typing) {
  Settled s;
  mw::gui::TMainForm& w = *s.w;
  mw::ScintillaSurface& surface = *w.ActiveSurface();
  surface.SetSelStart(surface.TextLength() - 40);
  RunUntilIdle();
  int n = 0;
  for (auto _ : state) {
    ++n;
    if (typing) Press(w, 0, Qt::NoModifier, (n % 2) ? QStringLiteral("a") : QStringLiteral("\u3042"));
    else Press(w, (n % 2) ? Qt::Key_Right : Qt::Key_Left);
    w.IdleUpdate();
    if (typing) {
      state.PauseTiming();
      Press(w, Qt::Key_Backspace);
      state.ResumeTiming();
    }
  }
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
  for (const auto& [size, path] : PageFiles()) std::filesystem::remove(path);
  return 0;
}
