// Reading and writing document files. Documents are bytes: nothing is
// decoded on the way in or out. Saving never leaves a half-written file
// and keeps the file what it was (owner, group, mode, attributes, hard
// links; a symbolic link is written through to its target).
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

namespace mw {

// A file could not be read or written; what() names the file and the
// system's reason.
class FileError : public std::runtime_error {
 public:
  FileError(const std::string& path, const std::string& reason);
  const std::string& path() const { return m_path; }

 private:
  std::string m_path;
};

// A path that names a pipe, device or socket where a page was expected.
inline constexpr const char* kNotRegularFileReason = "not a regular file";
class NotRegularFileError : public FileError {
 public:
  explicit NotRegularFileError(const std::string& path) : FileError(path, kNotRegularFileReason) {}
};

// The whole file, byte for byte. Throws FileError.
std::string ReadFileBytes(const std::string& path);

// The same for the pages of a pass over many files: only a regular file is
// read, and a pipe or device (a FIFO named page.html, a link to /dev/zero)
// throws NotRegularFileError without waiting or reading a byte.
std::string ReadRegularFile(const std::string& path);

// Replaces (or creates) path with exactly these bytes. A symbolic link is
// followed to the file it names (a dangling one creates that file). An
// existing file keeps its owner, group, mode and extended attributes; a new
// file gets the usual 0666 less umask.
//
// The bytes go to a temporary copy ".NAME.XXXXXX" beside the file, synced
// to disk. Where the copy can be made exactly like the file, it is renamed
// over it and the folder synced. Where it cannot (the file has other hard
// links, the owner or an attribute cannot be given to the copy, the file
// cannot be renamed over, the folder takes no new file), the file is
// written in place after the copy is complete: room reserved first, then
// the bytes, then synced. A pipe or device is written into.
//
// On failure FileError is thrown; the target is untouched and no temporary
// remains, except when writing in place failed half-way: then the message
// names the temporary copy, which holds the whole new text.
void WriteFileAtomic(const std::string& path, std::string_view bytes);

// Removes the temporary copies ".NAME.XXXXXX" beside path's file that a
// killed save left behind (a copy another save is writing right now is
// locked and kept). Saving does this itself; the window does it at
// start-up for the files it reopens. Returns how many were removed.
std::size_t RemoveStaleTemporaries(const std::string& path);

// The document's text as a file: every line followed by CR LF.
void SaveDocumentFile(const std::string& path, std::string_view text);

}  // namespace mw
