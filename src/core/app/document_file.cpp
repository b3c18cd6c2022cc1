#include "core/app/document_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "core/text/lines.h"

namespace mw {

namespace {
std::string SystemReason(int err) { return std::strerror(err); }

}  // namespace

FileError::FileError(const std::string& path, const std::string& reason)
    : std::runtime_error(path + ": " + reason), m_path(path) {}

namespace {

// Everything from fd to its end; closes fd.
std::string ReadAndClose(int fd, const struct stat& st, const std::string& path) {
  std::string bytes;
  if (st.st_size > 0) bytes.reserve(static_cast<std::size_t>(st.st_size));
  std::vector<char> chunk(1 << 16);
  while (true) {
    const ssize_t n = ::read(fd, chunk.data(), chunk.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      const int err = errno;
      ::close(fd);
      throw FileError(path, SystemReason(err));
    }
    if (n == 0) break;
    bytes.append(chunk.data(), static_cast<std::size_t>(n));
  }
  ::close(fd);
  return bytes;
}

int OpenForReading(const std::string& path, int flags, struct stat& st) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | flags);
  if (fd < 0) throw FileError(path, SystemReason(errno));
  if (::fstat(fd, &st) != 0) {
    const int err = errno;
    ::close(fd);
    throw FileError(path, SystemReason(err));
  }
  if (S_ISDIR(st.st_mode)) {
    ::close(fd);
    throw FileError(path, SystemReason(EISDIR));
  }
  return fd;
}

}  // namespace

std::string ReadFileBytes(const std::string& path) {
  struct stat st {};
  const int fd = OpenForReading(path, 0, st);
  return ReadAndClose(fd, st, path);
}

std::string ReadRegularFile(const std::string& path) {
  struct stat st {};
  // Opening a pipe without a writer would wait for one: O_NONBLOCK returns
  // at once, and the type is known before a byte is read.
  const int fd = OpenForReading(path, O_NONBLOCK, st);
  if (!S_ISREG(st.st_mode)) {
    ::close(fd);
    throw NotRegularFileError(path);
  }
  return ReadAndClose(fd, st, path);
}

void SaveDocumentFile(const std::string& path, std::string_view text) {
  WriteFileAtomic(path, NormalizeLineEnds(text));
}

}  // namespace mw
