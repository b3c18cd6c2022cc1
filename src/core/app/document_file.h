// Reading and writing document files. Documents are bytes: nothing is
// decoded on the way in or out. Saving never leaves a half-written file:
// the bytes go to a temporary file beside the target, which then replaces
// the target in one rename.
#pragma once

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

// The whole file, byte for byte. Throws FileError.
std::string ReadFileBytes(const std::string& path);

// Replaces (or creates) path with exactly these bytes. An existing target
// keeps its permission bits; a new file gets the usual 0666 less umask.
// On failure the target is untouched, no temporary file remains, and
// FileError is thrown.
void WriteFileAtomic(const std::string& path, std::string_view bytes);

// The document's text as a file: every line followed by CR LF.
void SaveDocumentFile(const std::string& path, std::string_view text);

}  // namespace mw
