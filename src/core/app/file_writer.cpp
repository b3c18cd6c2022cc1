// Saving a file so that it stays the file it was: same owner, group, mode
// and extended attributes (ACLs among them), same inode where other names
// share it, written through symbolic links, and never half-written.
//
// The usual way is a temporary copy beside the file, renamed over it. When
// a rename cannot keep what the file was (other hard links, an owner or an
// attribute this process cannot give the copy, a file that cannot be
// renamed over), the file is written in place instead, after the complete
// new text is safely on disk in the temporary copy.
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <vector>

#include "core/app/document_file.h"

namespace mw {

namespace {

std::string Reason(int err) { return std::strerror(err); }

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

bool WriteAll(int fd, std::string_view bytes, off_t at = -1) {
  const char* p = bytes.data();
  std::size_t left = bytes.size();
  while (left > 0) {
    const ssize_t n = at < 0 ? ::write(fd, p, left) : ::pwrite(fd, p, left, at);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    p += n;
    left -= static_cast<std::size_t>(n);
    if (at >= 0) at += n;
  }
  return true;
}

// The file a path names once symbolic links are followed, link by link; a
// dangling link names the file it would point to, which saving creates.
std::string FollowLinks(const std::string& path) {
  std::string p = path;
  for (int hops = 0; hops < 40; ++hops) {
    struct stat st {};
    if (::lstat(p.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return p;
    std::vector<char> buf(PATH_MAX + 1);
    const ssize_t n = ::readlink(p.c_str(), buf.data(), buf.size() - 1);
    if (n < 0) throw FileError(path, Reason(errno));
    std::string to(buf.data(), static_cast<std::size_t>(n));
    p = to.starts_with('/') ? to : FolderOf(p) + "/" + to;
  }
  throw FileError(path, Reason(ELOOP));
}

bool IsTemporarySuffix(std::string_view s) {
  if (s.size() != 6) return false;
  for (const char c : s) {
    const bool alnum = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    if (!alnum) return false;
  }
  return true;
}

// A temporary copy beside target, named .NAME.XXXXXX and locked for as long
// as it is being written, so that a later save can tell a copy left by a
// killed run (unlocked) from one another run is writing now. -1 with errno
// when the folder takes no new file.
int CreateTemporary(const std::string& target, std::string& temp) {
  for (int attempt = 0; attempt < 5; ++attempt) {
    temp = FolderOf(target) + "/." + NameOf(target) + ".XXXXXX";
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) return -1;
    struct stat st {};
    // A cleaner may have taken it for stale between its creation and the
    // lock; then it is gone and another name is tried.
    if (::flock(fd, LOCK_EX) == 0 && ::fstat(fd, &st) == 0 && st.st_nlink > 0) return fd;
    ::close(fd);
  }
  errno = EAGAIN;
  return -1;
}

// Gives the copy the original's extended attributes (ACLs, labels, user
// attributes). False when one of them cannot be set by this process.
bool CopyAttributes(const std::string& original, int fd) {
  const ssize_t size = ::listxattr(original.c_str(), nullptr, 0);
  if (size <= 0) return true;  // none, or a file system without them
  std::vector<char> names(static_cast<std::size_t>(size));
  const ssize_t got = ::listxattr(original.c_str(), names.data(), names.size());
  if (got < 0) return false;
  for (std::size_t i = 0; i < static_cast<std::size_t>(got);) {
    const char* name = names.data() + i;
    i += std::strlen(name) + 1;
    const ssize_t len = ::getxattr(original.c_str(), name, nullptr, 0);
    if (len < 0) return false;
    std::vector<char> value(static_cast<std::size_t>(len));
    if (len > 0 && ::getxattr(original.c_str(), name, value.data(), value.size()) != len) return false;
    if (::fsetxattr(fd, name, value.data(), value.size(), 0) != 0) return false;
  }
  return true;
}

// Makes the copy what the original is: owner and group first (a change of
// owner clears set-user-ID bits), then the mode and the attributes.
bool MakeLike(const std::string& original, const struct stat& st, int fd) {
  struct stat mine {};
  if (::fstat(fd, &mine) != 0) return false;
  if ((mine.st_uid != st.st_uid || mine.st_gid != st.st_gid) && ::fchown(fd, st.st_uid, st.st_gid) != 0)
    return false;
  if (::fchmod(fd, st.st_mode & 07777) != 0) return false;
  return CopyAttributes(original, fd);
}

void SyncFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

// Writes bytes over the original, keeping its inode. temp, when not empty,
// already holds the complete new text on disk; it is removed on success
// and kept on failure, where the message names it.
void WriteInPlace(const std::string& path, const std::string& target, std::string_view bytes,
                  const std::string& temp) {
  auto fail = [&](int err, bool touched) {
    std::string reason = Reason(err);
    if (!temp.empty()) {
      if (touched) reason += "; the new text is kept in " + temp;
      else ::unlink(temp.c_str());
    }
    throw FileError(path, reason);
  };
  const int fd = ::open(target.c_str(), O_WRONLY | O_CLOEXEC);
  if (fd < 0) fail(errno, false);
  // The room for the new text is taken before any old byte is overwritten,
  // so a full disk leaves the original as it was.
  const auto size = static_cast<off_t>(bytes.size());
  if (size > 0 && ::fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, size) != 0 && errno != EOPNOTSUPP &&
      errno != ENOSYS) {
    const int err = errno;
    ::close(fd);
    fail(err, false);
  }
  if (!WriteAll(fd, bytes, 0) || ::ftruncate(fd, size) != 0 || ::fsync(fd) != 0) {
    const int err = errno;
    ::close(fd);
    fail(err, true);
  }
  if (::close(fd) != 0) fail(errno, true);
  if (!temp.empty()) ::unlink(temp.c_str());
}

// A device or pipe (/dev/stdout, a FIFO) is written into: renaming a file
// over it would replace the device itself.
void WriteIntoSpecial(const std::string& path, const std::string& target, std::string_view bytes) {
  const int fd = ::open(target.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
  if (fd < 0) throw FileError(path, Reason(errno));
  const bool ok = WriteAll(fd, bytes);
  const int err = errno;
  ::close(fd);
  if (!ok) throw FileError(path, Reason(err));
}

}  // namespace

void WriteFileAtomic(const std::string& path, std::string_view bytes) {
  const std::string target = FollowLinks(path);
  struct stat st {};
  const bool exists = ::stat(target.c_str(), &st) == 0;
  if (exists) {
    if (S_ISDIR(st.st_mode)) throw FileError(path, Reason(EISDIR));
    if (!S_ISREG(st.st_mode)) return WriteIntoSpecial(path, target, bytes);
    RemoveStaleTemporaries(target);
  }

  std::string temp;
  const int fd = CreateTemporary(target, temp);
  if (fd < 0) {
    // A folder that takes no new file (not writable, or full of names)
    // still lets a writable file be written in place.
    if (exists && (errno == EACCES || errno == EPERM || errno == EROFS || errno == EDQUOT))
      return WriteInPlace(path, target, bytes, {});
    throw FileError(path, Reason(errno));
  }
  auto fail = [&](int err) {
    ::close(fd);
    ::unlink(temp.c_str());
    throw FileError(path, Reason(err));
  };
  if (!WriteAll(fd, bytes) || ::fsync(fd) != 0) fail(errno);

  bool renameKeepsAll = true;
  if (exists) {
    renameKeepsAll = st.st_nlink == 1 && MakeLike(target, st, fd);
  } else {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    if (::fchmod(fd, 0666 & ~mask) != 0) fail(errno);
  }
  if (!renameKeepsAll) {
    ::close(fd);  // the lock goes with it; the copy is complete by now
    return WriteInPlace(path, target, bytes, temp);
  }
  if (::close(fd) != 0) {
    const int err = errno;
    ::unlink(temp.c_str());
    throw FileError(path, Reason(err));
  }
  if (::rename(temp.c_str(), target.c_str()) != 0) {
    const int err = errno;
    // A file mounted on its own (a bind mount) cannot be renamed over.
    if (exists && (err == EBUSY || err == EXDEV)) return WriteInPlace(path, target, bytes, temp);
    ::unlink(temp.c_str());
    throw FileError(path, Reason(err));
  }
  // The new name is only lasting once the folder is.
  SyncFolder(FolderOf(target));
}

std::size_t RemoveStaleTemporaries(const std::string& path) {
  std::string target;
  try {
    target = FollowLinks(path);
  } catch (const FileError&) {
    return 0;
  }
  const std::string folder = FolderOf(target);
  const std::string prefix = "." + NameOf(target) + ".";
  DIR* dir = ::opendir(folder.c_str());
  if (dir == nullptr) return 0;
  std::vector<std::string> candidates;
  while (const dirent* e = ::readdir(dir)) {
    const std::string_view name = e->d_name;
    if (name.starts_with(prefix) && IsTemporarySuffix(name.substr(prefix.size())))
      candidates.emplace_back(name);
  }
  ::closedir(dir);
  std::size_t removed = 0;
  for (const std::string& name : candidates) {
    const std::string p = folder + "/" + name;
    const int fd = ::open(p.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) continue;
    struct stat held {}, now {};
    // Locked: another run is writing it right now.
    if (::fstat(fd, &held) == 0 && S_ISREG(held.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0 &&
        ::lstat(p.c_str(), &now) == 0 && now.st_dev == held.st_dev && now.st_ino == held.st_ino &&
        ::unlink(p.c_str()) == 0)
      ++removed;
    ::close(fd);
  }
  return removed;
}

}  // namespace mw
