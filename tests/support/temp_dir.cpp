#include "support/temp_dir.h"

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

namespace mw::test {

namespace fs = std::filesystem;

TempDir::TempDir() {
  char tmpl[] = "/tmp/mw-test-XXXXXX";
  if (!::mkdtemp(tmpl)) std::abort();
  m_dir = tmpl;
}

TempDir::~TempDir() {
  std::error_code ec;
  for (auto it = fs::recursive_directory_iterator(m_dir, ec); !ec && it != fs::end(it); it.increment(ec))
    if (it->is_directory(ec)) fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
  fs::permissions(m_dir, fs::perms::owner_all, fs::perm_options::add, ec);
  fs::remove_all(m_dir, ec);
}

std::string TempDir::Write(const std::string& name, const std::string& bytes) const {
  const std::string p = Path(name);
  std::ofstream(p, std::ios::binary) << bytes;
  return p;
}

bool TempDir::WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out << bytes;
  return static_cast<bool>(out.flush());
}

std::size_t TempDir::EntryCount() const {
  return static_cast<std::size_t>(std::distance(fs::directory_iterator(m_dir), {}));
}

}  // namespace mw::test
