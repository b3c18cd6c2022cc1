#include "core/project/file_set.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>

#include "core/app/document_file.h"
#include "core/project/project_file.h"

namespace mw {

FileSet::Added FileSet::Add(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) {
    if (errno == ENOENT) return Added::Missing;
    m_problems.push_back({path, std::strerror(errno)});
    return Added::Unreadable;
  }
  if (!S_ISREG(st.st_mode)) {
    m_problems.push_back({path, S_ISDIR(st.st_mode) ? std::strerror(EISDIR) : kNotRegularFileReason});
    return Added::NotRegular;
  }
  if (!m_ids.emplace(st.st_dev, st.st_ino).second) return Added::Duplicate;
  m_files.push_back(path);
  return Added::New;
}

void FileSet::AddFolder(const std::string& folder, const std::vector<std::string>& extensions,
                        bool recursive, const std::function<bool()>& stop) {
  WalkFolder(
      folder, extensions, recursive,
      [this](const std::string& path) {
        if (Add(path) == Added::Missing) m_problems.push_back({path, std::strerror(ENOENT)});
      },
      stop,
      [this](const std::string& unlisted, int err) {
        m_problems.push_back({unlisted, std::strerror(err)});
      });
}

std::vector<std::string> ExistingFilesOnce(const std::vector<std::string>& paths) {
  FileSet set;
  for (const std::string& p : paths) set.Add(p);
  return set.Files();
}

}  // namespace mw
