// The table designer's CSV: files of any bytes read (an open quote is an
// error with its line), and what reads is written back to a file reading
// the same rows; rows of any fields are written to a file that reads back
// exactly. Selected lines of any bytes split into cells.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/dialogs/csv.h"
#include "fuzz_support.h"

namespace {

using mw::fuzz::Check;

void CheckFile(std::string_view bytes) {
  const mw::CsvTable t = mw::ReadCsv(bytes);
  if (!t.ok()) {
    Check(t.errorLine >= 1);
    return;
  }
  for (const mw::CsvRow& r : t.rows) Check(!r.empty());
  const mw::CsvTable back = mw::ReadCsv(mw::WriteCsv(t.rows));
  Check(back.ok() && back.rows == t.rows);
}

void CheckRows(FuzzedDataProvider& in) {
  std::vector<mw::CsvRow> rows(in.ConsumeIntegralInRange(0, 6));
  for (mw::CsvRow& r : rows) {
    r.resize(in.ConsumeIntegralInRange(1, 5));
    for (std::string& f : r) f = in.ConsumeRandomLengthString(10);
  }
  const mw::CsvTable back = mw::ReadCsv(mw::WriteCsv(rows));
  Check(back.ok() && back.rows == rows);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  CheckFile(bytes);
  for (const std::string_view line : mw::SplitSelectionLines(bytes)) {
    Check(line.find_first_of("\r\n") == std::string_view::npos);
    (void)mw::SplitGridLine(line);
  }
  FuzzedDataProvider in(data, size);
  CheckRows(in);
  return 0;
}
