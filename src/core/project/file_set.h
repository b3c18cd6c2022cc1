// The files a pass over many pages works on (grep, replace, the link and
// tag checks, conversions): each file once, however many names reach it —
// symbolic links, hard links, "f", "./f" and "d//f" — under the first name
// it was reached by, and only regular files: a pipe or device named
// page.html would block the pass or never end.
#pragma once

#include <sys/types.h>

#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace mw {

// A path a pass could not use, with the system's reason.
struct FileProblem {
  std::string path;
  std::string reason;
  friend bool operator==(const FileProblem&, const FileProblem&) = default;
};

class FileSet {
 public:
  enum class Added {
    New,         // in the set from now on
    Duplicate,   // the file is in already, under another name or the same
    Missing,     // nothing there (a dangling link included)
    NotRegular,  // a folder, pipe, device or socket; noted in Problems()
    Unreadable,  // the path cannot be looked at; noted in Problems()
  };

  // Adds the file path names (links followed), identified by device and
  // inode.
  Added Add(const std::string& path);

  // Adds the files of WalkFolder(folder, extensions, recursive) in its
  // order. Folders that cannot be listed and entries that are no regular
  // file (or are missing) are noted in Problems(); stop() as in WalkFolder.
  void AddFolder(const std::string& folder, const std::vector<std::string>& extensions,
                 bool recursive, const std::function<bool()>& stop = {});

  // Notes a problem found by other means (a walk of another set).
  void Note(FileProblem problem) { m_problems.push_back(std::move(problem)); }

  // Every new file, in the order added.
  const std::vector<std::string>& Files() const { return m_files; }
  // Everything noted so far, in order.
  const std::vector<FileProblem>& Problems() const { return m_problems; }

 private:
  std::set<std::pair<dev_t, ino_t>> m_ids;
  std::vector<std::string> m_files;
  std::vector<FileProblem> m_problems;
};

// The files that exist among paths, each once, under its first name:
// missing ones (project entries whose files have gone) and those that are
// no regular file are left out.
std::vector<std::string> ExistingFilesOnce(const std::vector<std::string>& paths);

}  // namespace mw
