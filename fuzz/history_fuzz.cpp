// The histories and path lists: the recent-file list driven by any
// sequence of uses, list files of any bytes, and the find and replace
// histories. A list never names one file twice and keeps its capacity; a
// list file read gives paths only, and what is written reads back the
// same.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/app/file_history.h"
#include "core/project/grep.h"
#include "core/text/encoding.h"
#include "fuzz_support.h"

namespace {

using namespace mw;
using mw::fuzz::Check;

// The list files' folder, emptied for every input.
const std::string& Folder() { return mw::fuzz::ScratchFolder(); }

void EmptyFolder() {
  for (const auto& e : std::filesystem::directory_iterator(Folder())) std::filesystem::remove_all(e.path());
}

bool OnePerLine(const std::string& path) {
  return !path.empty() && path.find_first_of(std::string_view("\r\n\0", 3)) == std::string::npos &&
         path.size() <= 4096;
}

// Paths compare in the file system's code, search texts in the page's.
void CheckNoTwice(const std::vector<std::string>& entries, const EncodingRules& rules) {
  for (std::size_t i = 0; i < entries.size(); ++i)
    for (std::size_t j = i + 1; j < entries.size(); ++j) Check(!EqualsNoCase(entries[i], entries[j], rules));
}

void CheckRecentFiles(FuzzedDataProvider& in) {
  // A few paths, so the uses meet the same files again, in other letter
  // cases too.
  std::vector<std::string> pool;
  for (int i = 0; i < 5; ++i) pool.push_back(in.ConsumeRandomLengthString(12));
  pool.push_back(AsciiUpper(pool[0], Utf8()));
  auto pick = [&] { return pool[in.ConsumeIntegralInRange<std::size_t>(0, pool.size() - 1)]; };
  FileHistoryList list(in.ConsumeIntegralInRange(-1, 6));
  for (int step = 0; step < 40 && in.remaining_bytes() > 0; ++step) {
    switch (in.ConsumeIntegralInRange(0, 4)) {
      case 0: list.SetCurrent(pick()); break;
      case 1: list.Add(pick()); break;
      case 2: {
        const std::string from = pick();
        (void)list.Replace(from, pick());
        break;
      }
      case 3:
        list.Trim();
        Check(list.Entries().size() <= static_cast<std::size_t>(std::max(list.Capacity(), 0)));
        break;
      case 4: list.SetCapacity(in.ConsumeIntegralInRange(-1, 6)); break;
    }
    CheckNoTwice(list.Entries(), Utf8());
    Check(list.MenuCaptions().size() == list.Entries().size());
  }
  bool writable = true;
  for (const std::string& e : list.Entries()) writable = writable && OnePerLine(e);
  if (!writable) return;
  const std::string file = Folder() + "/" + std::string(kHtmlFileHistoryName);
  list.Save(file);
  FileHistoryList back;
  Check(back.Load(file) == DataFileState::Good);
  Check(back.Entries() == list.Entries());
}

void CheckListFile(const std::string& bytes) {
  const std::string file = Folder() + "/" + std::string(kOpenFileListName);
  std::ofstream(file, std::ios::binary) << bytes;
  DataFileState state = DataFileState::Missing;
  const std::vector<std::string> paths = ReadPathList(file, &state);
  Check(state != DataFileState::Missing);
  for (const std::string& p : paths) Check(OnePerLine(p));
  WritePathList(file, paths);
  Check(ReadPathList(file) == paths);
  if (state == DataFileState::Damaged && !paths.empty()) Check(std::filesystem::exists(file + ".bak"));
}

void CheckSearchHistory(FuzzedDataProvider& in) {
  std::vector<std::string> history;
  for (int i = in.ConsumeIntegralInRange(0, 30); i > 0; --i) {
    const std::string text = in.ConsumeRandomLengthString(16);
    PushSearchHistory(history, text);
    Check(history.front() == text && history.size() <= kSearchHistoryLimit);
    CheckNoTwice(history, ShiftJis());
  }
  bool writable = !history.empty();
  for (const std::string& h : history) writable = writable && OnePerLine(h);
  if (!writable) return;
  SaveSearchHistory(Folder(), kFindHistoryName, history);
  Check(LoadSearchHistory(Folder(), kFindHistoryName) == history);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  EmptyFolder();
  FuzzedDataProvider in(data, size);
  switch (in.ConsumeIntegralInRange(0, 2)) {
    case 0: CheckRecentFiles(in); break;
    case 1: CheckListFile(in.ConsumeRemainingBytesAsString()); break;
    case 2: CheckSearchHistory(in); break;
  }
  return 0;
}
