// What the fuzz targets share: a broken promise stops the run at once,
// naming the line that states it, with the input that broke it kept as
// the finding; and a scratch folder for targets that read and write
// files.
#pragma once

#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <string>

namespace mw::fuzz {

inline void Check(bool ok, const char* file = __builtin_FILE(), int line = __builtin_LINE()) {
  if (ok) return;
  std::fprintf(stderr, "%s:%d: the promise stated here does not hold\n", file, line);
  __builtin_trap();
}

// A folder of the run's own under /tmp, removed when the run ends.
inline const std::string& ScratchFolder() {
  struct Folder {
    std::string path;
    Folder() {
      char name[] = "/tmp/mw-fuzz-XXXXXX";
      if (::mkdtemp(name) == nullptr) std::abort();
      path = name;
    }
    ~Folder() {
      std::error_code ec;
      std::filesystem::remove_all(path, ec);
    }
  };
  static const Folder folder;
  return folder.path;
}

}  // namespace mw::fuzz
