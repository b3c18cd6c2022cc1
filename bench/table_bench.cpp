// The table designer's largest grid, 100 x 100 cells of Shift-JIS text:
// the TABLE build, and a 100 x 100 CSV file read into the grid and built.
// Both run at every change while the dialog is open, so each must stay far
// below 100 ms; bench/gui/table_bench.cpp adds the window's part.
#include <benchmark/benchmark.h>

#include <string>

#include "core/dialogs/csv.h"
#include "core/dialogs/table_dialog.h"

namespace {

// Cell texts with double-byte characters whose second byte is '\' or a
// letter, some needing quotes in CSV.
std::string CellText(int c, int r) {
  std::string t = "\x95\x5c\x83\x41" + std::to_string(r * 100 + c);
  if ((c + r) % 7 == 0) t += " New York, \"NY\"";
  return t;
}

std::string HundredByHundredCsv() {
  std::vector<mw::CsvRow> rows(100);
  for (int r = 0; r < 100; ++r)
    for (int c = 0; c < 100; ++c) rows[static_cast<std::size_t>(r)].push_back(CellText(c, r));
  return mw::WriteCsv(rows);
}

mw::TableGrid FullGrid() {
  mw::TableGrid g;
  g.Resize(100, 100);
  for (int r = 1; r <= 100; ++r)
    for (int c = 1; c <= 100; ++c) g.SetText(c, r, CellText(c, r));
  // Merges and formats inside the format area.
  for (int r = 1; r + 1 < 63; r += 4) g.Merge({1, r, 2, r + 1});
  g.ApplyPanel({3, 1, 31, 63}, {2, 1, 50, -1, true, false, true, "#FFEECC"});
  return g;
}

void BM_BuildHundredByHundred(benchmark::State& state) {
  const mw::TableGrid grid = FullGrid();
  mw::DialogFields f = mw::CreateTableFields({});
  f.SetChecked("ckTH", true);
  f.Set("edBorder", "1");
  std::size_t bytes = 0;
  for (auto _ : state) {
    const mw::TagBuild b = mw::BuildTable(f, grid, {}, "\t");
    bytes = b.preview.size();
    benchmark::DoNotOptimize(b.preview.data());
  }
  state.counters["table_KB"] = static_cast<double>(bytes) / 1e3;
}
BENCHMARK(BM_BuildHundredByHundred)->Unit(benchmark::kMillisecond);

void BM_ImportHundredByHundredCsv(benchmark::State& state) {
  const std::string csv = HundredByHundredCsv();
  const mw::DialogFields f = mw::CreateTableFields({});
  for (auto _ : state) {
    const mw::CsvTable t = mw::ReadCsv(csv);
    mw::TableGrid grid;
    grid.Import(t.rows);
    const mw::TagBuild b = mw::BuildTable(f, grid, {}, {});
    benchmark::DoNotOptimize(b.preview.data());
  }
  state.counters["csv_KB"] = static_cast<double>(csv.size()) / 1e3;
}
BENCHMARK(BM_ImportHundredByHundredCsv)->Unit(benchmark::kMillisecond);

}  // namespace
