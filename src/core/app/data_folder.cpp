#include "core/app/data_folder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "core/app/data_file.h"
#include "core/app/document_file.h"
#include "core/text/encoding.h"
#include "core/text/lines.h"

namespace mw {

namespace {
// Far more than any list of extensions.
constexpr std::size_t kMaxListBytes = 1u << 20;

void MakeFolders(const std::string& path) {
  for (std::size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
    const std::string part = path.substr(0, slash);
    if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) throw FileError(part, std::strerror(errno));
    if (slash == std::string::npos) return;
  }
}
}  // namespace

std::string ChooseDataFolder(const std::string& programFolder) {
  if (!programFolder.empty() && ::access(programFolder.c_str(), W_OK) == 0) return programFolder;
  std::string base;
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg == '/') base = xdg;
  else if (const char* home = std::getenv("HOME"); home && *home) base = std::string(home) + "/.config";
  else base = "/tmp";
  const std::string folder = base + "/markupwright";
  MakeFolders(folder);
  return folder;
}

std::string DataFilePath(const std::string& folder, std::string_view name) {
  if (!folder.empty() && folder.back() == '/') return folder + std::string(name);
  return folder + "/" + std::string(name);
}

std::vector<std::string> DefaultColouredExtensions() {
  return {"html", "htm", "shtml", "shtm", "htt", "asp"};
}

std::vector<std::string> LoadColouredExtensions(const std::string& folder) {
  DataFileState state;
  const std::string bytes = ReadDataFileBytes(DataFilePath(folder, kFileExtListName), kMaxListBytes, state);
  if (state != DataFileState::Good || bytes.find('\0') != std::string::npos) return DefaultColouredExtensions();
  std::vector<std::string> list;
  for (auto line : SplitLines(bytes)) {
    std::string ext = AsciiLower(Trim(line));
    if (!ext.empty() && ext[0] == '.') ext.erase(0, 1);
    if (!ext.empty()) list.push_back(ext);
  }
  return list;
}

void SaveColouredExtensions(const std::string& folder, const std::vector<std::string>& extensions) {
  std::string text;
  for (const auto& e : extensions) text += e + "\r\n";
  const std::string path = DataFilePath(folder, kFileExtListName);
  DataFileState state;
  const std::string old = ReadDataFileBytes(path, kMaxListBytes, state);
  if (old.find('\0') != std::string::npos) state = DataFileState::Damaged;
  // Written on the user's OK, so always written; a damaged file goes aside.
  if (state == DataFileState::Damaged) KeepDamagedFile(path);
  WriteFileAtomic(path, text);
}

}  // namespace mw
