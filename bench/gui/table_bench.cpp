// The table designer's window (offscreen) on its largest grid, 100 x 100
// cells: a rebuild after a change (the grid shown again, the TABLE built
// and put coloured into the preview), and a 100 x 100 CSV file opened with
// OpenCSVBtn up to the rebuilt preview. Each must stay well under 100 ms.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTabWidget>
#include <cstdio>
#include <fstream>
#include <memory>

#include "core/dialogs/csv.h"
#include "core/dialogs/table_dialog.h"
#include "gui/dialogs/table_dialog_view.h"

namespace {

std::string CellText(int c, int r) {
  std::string t = "\x95\x5c\x83\x41" + std::to_string(r * 100 + c);
  if ((c + r) % 7 == 0) t += " New York, \"NY\"";
  return t;
}

// Answers every file choice with one path.
class OneFile : public mw::DialogHost {
 public:
  explicit OneFile(std::string path) : m_path(std::move(path)) {}
  bool Run(std::string_view, mw::DialogFields& f) override {
    f.Set("FileName", m_path);
    return true;
  }

 private:
  std::string m_path;
};

struct Window {
  std::unique_ptr<mw::TableDialog> session;
  std::unique_ptr<mw::gui::TableDialogView> view;
  explicit Window(mw::DialogHost* files) {
    mw::TableEnvironment env;
    env.files = files;
    mw::DialogFields f = mw::CreateTableFields({});
    mw::kTableDlg.show(f, false);
    session = std::make_unique<mw::TableDialog>(std::move(f), env);
    mw::TableGrid& g = session->Grid();
    g.Resize(100, 100);
    for (int r = 1; r <= 100; ++r)
      for (int c = 1; c <= 100; ++c) g.SetText(c, r, CellText(c, r));
    for (int r = 1; r + 1 < 63; r += 4) g.Merge({1, r, 2, r + 1});
    session->SyncCounts();
    view = std::make_unique<mw::gui::TableDialogView>(nullptr, *session, mw::gui::TagDialogViewHooks{});
    view->LoadFields(session->Fields());
    view->Pages()->setCurrentIndex(1);
    view->show();
    QApplication::processEvents();
  }
};

void BM_WindowRebuildHundredByHundred(benchmark::State& state) {
  Window w(nullptr);
  for (auto _ : state) {
    w.view->Press("UpdateBtn");
    w.view->RebuildNow();
  }
  state.counters["preview_KB"] = static_cast<double>(w.view->PreviewText().size()) / 1e3;
}
BENCHMARK(BM_WindowRebuildHundredByHundred)->Unit(benchmark::kMillisecond);

void BM_WindowOpenCsvHundredByHundred(benchmark::State& state) {
  std::vector<mw::CsvRow> rows(100);
  for (int r = 0; r < 100; ++r)
    for (int c = 0; c < 100; ++c) rows[static_cast<std::size_t>(r)].push_back(CellText(c + 3, r));
  const std::string path = "/tmp/markupwright-table-bench.csv";
  std::ofstream(path, std::ios::binary) << mw::WriteCsv(rows);
  OneFile files(path);
  Window w(&files);
  for (auto _ : state) {
    w.view->Press("OpenCSVBtn");
    w.view->RebuildNow();
  }
  std::remove(path.c_str());
}
BENCHMARK(BM_WindowOpenCsvHundredByHundred)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
