// A fresh folder under /tmp for tests that work on real files; removed
// with everything in it (write permission restored first) at the end.
#pragma once

#include <filesystem>
#include <string>

namespace mw::test {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& dir() const { return m_dir; }
  std::string Path(const std::string& name) const { return (m_dir / name).string(); }
  // Writes bytes to name inside the folder and returns its path.
  std::string Write(const std::string& name, const std::string& bytes) const;
  // Writes bytes to any path; false when it cannot.
  static bool WriteFile(const std::string& path, const std::string& bytes);
  // How many entries the folder holds (to see that no temporary remains).
  std::size_t EntryCount() const;

 private:
  std::filesystem::path m_dir;
};

}  // namespace mw::test
