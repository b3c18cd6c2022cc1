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

std::string FolderOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool WriteAll(int fd, std::string_view bytes) {
  const char* p = bytes.data();
  std::size_t left = bytes.size();
  while (left > 0) {
    const ssize_t n = ::write(fd, p, left);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    p += n;
    left -= static_cast<std::size_t>(n);
  }
  return true;
}
}  // namespace

FileError::FileError(const std::string& path, const std::string& reason)
    : std::runtime_error(path + ": " + reason), m_path(path) {}

std::string ReadFileBytes(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) throw FileError(path, SystemReason(errno));
  struct stat st {};
  if (::fstat(fd, &st) != 0) {
    const int err = errno;
    ::close(fd);
    throw FileError(path, SystemReason(err));
  }
  if (S_ISDIR(st.st_mode)) {
    ::close(fd);
    throw FileError(path, SystemReason(EISDIR));
  }
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

void WriteFileAtomic(const std::string& path, std::string_view bytes) {
  // A link is written through to the file it names, so the link stays.
  std::string target = path;
  if (char* real = ::realpath(path.c_str(), nullptr)) {
    target = real;
    std::free(real);
  }
  mode_t mode = 0;
  bool keepMode = false;
  struct stat st {};
  if (::stat(target.c_str(), &st) == 0) {
    if (S_ISDIR(st.st_mode)) throw FileError(path, SystemReason(EISDIR));
    if (!S_ISREG(st.st_mode)) {
      // A device or pipe (/dev/stdout, a FIFO) is written into: renaming a
      // file over it would replace the device itself.
      const int fd = ::open(target.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
      if (fd < 0) throw FileError(path, SystemReason(errno));
      const bool ok = WriteAll(fd, bytes);
      const int err = errno;
      ::close(fd);
      if (!ok) throw FileError(path, SystemReason(err));
      return;
    }
    mode = st.st_mode & 07777;
    keepMode = true;
  }
  std::string temp = FolderOf(target) + "/." + NameOf(target) + ".XXXXXX";
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) throw FileError(path, SystemReason(errno));
  auto fail = [&](int err) {
    ::close(fd);
    ::unlink(temp.c_str());
    throw FileError(path, SystemReason(err));
  };
  if (!keepMode) {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    mode = 0666 & ~mask;
  }
  if (::fchmod(fd, mode) != 0) fail(errno);
  if (!WriteAll(fd, bytes)) fail(errno);
  if (::fsync(fd) != 0) fail(errno);
  if (::close(fd) != 0) {
    const int err = errno;
    ::unlink(temp.c_str());
    throw FileError(path, SystemReason(err));
  }
  if (::rename(temp.c_str(), target.c_str()) != 0) {
    const int err = errno;
    ::unlink(temp.c_str());
    throw FileError(path, SystemReason(err));
  }
}

void SaveDocumentFile(const std::string& path, std::string_view text) {
  WriteFileAtomic(path, NormalizeLineEnds(text));
}

}  // namespace mw
