// A most-recently-used list of paths (recent files, favourite folders):
// the entries most recent first, the entry in use now kept out of them, a
// capacity applied whenever the menu is rebuilt, and the list file of one
// entry per line with CR LF line ends. Paths compare without regard to
// ASCII letter case, as the file system of the documents' users does.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/app/data_file.h"

namespace mw {

inline constexpr std::string_view kHtmlFileHistoryName = "HtmlFileHistory.txt";
inline constexpr std::string_view kOpenFileListName = "OpenFileList.txt";

class FileHistoryList {
 public:
  explicit FileHistoryList(int capacity = 15) : m_capacity(capacity) {}

  // The entry in use is never listed: the previous one goes to the top, the
  // new one leaves the list.
  void SetCurrent(std::string_view path);
  // Puts path at the top (moving it when listed already).
  void Add(std::string_view path);
  // Replaces an entry in place (a renamed or re-cased file); false when
  // old is not listed. Another entry of the new name goes, and so does the
  // entry itself when the new name is the one in use.
  bool Replace(std::string_view oldPath, std::string_view newPath);
  // Drops the oldest entries beyond the capacity (done at every rebuild).
  void Trim();
  // Takes effect at the next Trim.
  void SetCapacity(int capacity) { m_capacity = capacity; }
  int Capacity() const { return m_capacity; }

  const std::vector<std::string>& Entries() const { return m_entries; }
  const std::string& Current() const { return m_current; }
  // Menu captions "&1 path" ... in entry order.
  std::vector<std::string> MenuCaptions() const;

  // Reads the list file as ReadPathList does: a missing or damaged file
  // leaves the list empty, and says so.
  DataFileState Load(const std::string& path);
  // Writes the entries as WritePathList does; throws FileError (the old
  // file stays intact).
  void Save(const std::string& path) const;

 private:
  void Remove(std::string_view path);
  int m_capacity;
  std::string m_current;
  std::vector<std::string> m_entries;
};

// A list of paths one per line with CR LF (the histories, OpenFileList.txt):
// reading skips empty lines. A missing file reads as empty; so does a
// damaged one: unreadable, not a regular file, larger than any list, or
// holding what no list of paths holds (a NUL byte, a line longer than a
// path can be). state, when given, says which.
std::vector<std::string> ReadPathList(const std::string& path, DataFileState* state = nullptr);
// Written atomically. A damaged list there is left as it is while there is
// no path to write, and kept as NAME.bak before it is replaced.
void WritePathList(const std::string& path, const std::vector<std::string>& paths);

}  // namespace mw
