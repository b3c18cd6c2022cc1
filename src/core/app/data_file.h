// Settings and list files are the user's own data: a file the program
// could not read, or found to be garbage, must not be destroyed by the
// next save. Each reader says how it found its file; the writers here keep
// a damaged file untouched while there is nothing but defaults to write,
// and move it aside as NAME.bak before it is replaced.
#pragma once

#include <string>
#include <string_view>

namespace mw {

// How a reader found its file.
enum class DataFileState {
  Missing,  // no such file: the defaults, written at the next save
  Good,
  Damaged,  // unreadable, not a regular file, or not in its format
};

// The file's bytes when it is a regular file of at most maxBytes that can
// be read; otherwise state says Missing or Damaged and the result is empty.
// Never opens a FIFO or a device, so a reader cannot hang on one.
std::string ReadDataFileBytes(const std::string& path, std::size_t maxBytes, DataFileState& state);

// Moves a damaged file aside to NAME.bak (NAME.bak.1 ... NAME.bak.99 when
// that is taken, so no earlier backup is lost) and returns the new name.
// Only a regular file or a symbolic link is moved; anything else throws
// FileError, as does a failed rename.
std::string KeepDamagedFile(const std::string& path);

// Writes bytes to path atomically, given how the file there was found now
// (existing). A damaged file is left as it is when bytes are the defaults
// (the program has nothing of the user's to keep), and is kept by
// KeepDamagedFile before it is replaced otherwise. Returns false when the
// file was left untouched. Throws FileError.
bool ReplaceDataFile(const std::string& path, std::string_view bytes, std::string_view defaults,
                     DataFileState existing);

}  // namespace mw
