// Runs the command-line tool as a user would and collects what it said.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace mw::test {

struct CliResult {
  int status = -1;
  std::string out;
  std::string err;
};

CliResult RunCli(const std::vector<std::string>& args);

// A fresh folder under /tmp, removed by the destructor.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  std::string Path(const std::string& name) const { return (m_dir / name).string(); }
  std::string Write(const std::string& name, const std::string& bytes) const;

 private:
  std::filesystem::path m_dir;
};

}  // namespace mw::test
