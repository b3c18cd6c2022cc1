#include "core/app/data_file.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "core/app/document_file.h"

namespace mw {

std::string ReadDataFileBytes(const std::string& path, std::size_t maxBytes, DataFileState& state) {
  // Non-blocking, so that opening a FIFO of that name returns at once.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    state = errno == ENOENT ? DataFileState::Missing : DataFileState::Damaged;
    return {};
  }
  state = DataFileState::Damaged;
  struct stat st {};
  std::string bytes;
  if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && static_cast<std::size_t>(st.st_size) <= maxBytes) {
    char chunk[1 << 14];
    for (;;) {
      const ssize_t n = ::read(fd, chunk, sizeof chunk);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0 || bytes.size() + static_cast<std::size_t>(n) > maxBytes) break;
      if (n == 0) {
        state = DataFileState::Good;
        break;
      }
      bytes.append(chunk, static_cast<std::size_t>(n));
    }
  }
  ::close(fd);
  if (state != DataFileState::Good) bytes.clear();
  return bytes;
}

std::string KeepDamagedFile(const std::string& path) {
  struct stat st {};
  if (::lstat(path.c_str(), &st) != 0) throw FileError(path, std::strerror(errno));
  if (!S_ISREG(st.st_mode) && !S_ISLNK(st.st_mode)) throw FileError(path, std::strerror(EINVAL));
  for (int n = 0; n < 100; ++n) {
    const std::string backup = path + ".bak" + (n == 0 ? std::string() : "." + std::to_string(n));
    // Never over an earlier backup: a link fails when the name is taken.
    if (::link(path.c_str(), backup.c_str()) == 0) {
      if (::unlink(path.c_str()) != 0) {
        const int err = errno;
        ::unlink(backup.c_str());
        throw FileError(path, std::strerror(err));
      }
      return backup;
    }
    if (errno == EEXIST) continue;
    // Where hard links are not supported, a rename after looking.
    if (errno == EPERM || errno == EOPNOTSUPP || errno == EXDEV || errno == EMLINK) {
      struct stat taken {};
      if (::lstat(backup.c_str(), &taken) == 0) continue;
      if (::rename(path.c_str(), backup.c_str()) == 0) return backup;
    }
    throw FileError(path, std::strerror(errno));
  }
  throw FileError(path, std::strerror(EEXIST));
}

bool ReplaceDataFile(const std::string& path, std::string_view bytes, std::string_view defaults,
                     DataFileState existing) {
  if (existing == DataFileState::Damaged) {
    if (bytes == defaults) return false;
    KeepDamagedFile(path);
  }
  WriteFileAtomic(path, bytes);
  return true;
}

}  // namespace mw
