#include "core/project/project_file.h"

#include <algorithm>
#include <filesystem>
#include <unordered_set>

#include "core/app/document_file.h"
#include "core/text/encoding.h"
#include "core/text/lines.h"
#include "core/text/unicode_view.h"
#include "core/text/utf8.h"

namespace mw {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kUtf8Signature = "\xEF\xBB\xBF";

bool IsAscii(std::string_view s) {
  for (const char c : s)
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  return true;
}

bool IsValidUtf8(std::string_view s) {
  for (std::size_t i = 0; i < s.size();) {
    const Utf8Char c = DecodeUtf8(s, i);
    if (!c.valid) return false;
    i += c.length;
  }
  return true;
}

}  // namespace

std::string ProjectTextFromFile(std::string_view bytes) {
  if (bytes.starts_with(kUtf8Signature)) return std::string(bytes.substr(kUtf8Signature.size()));
#ifdef _WIN32
  return std::string(bytes);
#else
  if (IsValidUtf8(bytes)) return std::string(bytes);
  return SjisToUnicodeView(bytes);
#endif
}

std::string ProjectFileBytes(std::string_view text) {
#ifdef _WIN32
  return std::string(text);
#else
  if (IsAscii(text)) return std::string(text);
  if (IsValidUtf8(text)) {
    const SjisFromView sjis = UnicodeViewToSjis(text);
    // Written only when reading it back gives every path exactly: the
    // reader takes valid UTF-8 for UTF-8, and half-width katakana pairs
    // can form it by chance (ﾃｽ is C3 BD, UTF-8's ý).
    if (sjis.badAt == std::string::npos && !IsValidUtf8(sjis.bytes) && SjisToUnicodeView(sjis.bytes) == text)
      return sjis.bytes;
  }
  std::string out(kUtf8Signature);
  out += text;
  return out;
#endif
}

bool IsAbsoluteEntry(std::string_view line, char sep) {
  if (sep == '/') return line.starts_with('/');
  return !FolderOf(line, sep).empty();
}

std::vector<std::string> ParseProjectText(std::string_view text, std::string_view projectPath,
                                          char sep) {
  std::vector<std::string> entries;
  const std::string untitled = DocumentToFileSystemPath(MessageSjis(Msg::UntitledDocumentName));
  for (const std::string_view line : SplitLines(text)) {
    if (line.empty()) continue;
    if (IsAbsoluteEntry(line, sep) || line == untitled) entries.emplace_back(line);
    else entries.push_back(ResolveRelativePath(line, projectPath, sep));
  }
  return entries;
}

std::string ProjectFileText(const std::vector<std::string>& entries, std::string_view projectPath,
                            bool relative, char sep) {
  const std::string untitled = DocumentToFileSystemPath(MessageSjis(Msg::UntitledDocumentName));
  std::string text;
  for (const std::string& e : entries) {
    std::string rel;
    // A page named like a new document, beside the project file, would read
    // back as the window's untitled document and lose its folder: it stays
    // absolute.
    if (relative && TryMakeRelativePath(e, projectPath, rel, sep) && rel != untitled) text += rel;
    else text += e;
    text += "\r\n";
  }
  return text;
}

bool OpenProjectFile(Project& project, const std::string& path) {
  std::error_code ec;
  if (!fs::is_regular_file(path, ec)) return false;
  const std::string text = ProjectTextFromFile(ReadFileBytes(path));
  project.path = path;
  project.entries = ParseProjectText(text, path);
  project.modified = false;
  return true;
}

void WriteProjectFile(const Project& project, const std::string& path, bool relative) {
  WriteFileAtomic(path, ProjectFileBytes(ProjectFileText(project.entries, path, relative)));
}

namespace {

bool IsFile(const std::string& path) {
  std::error_code ec;
  return fs::exists(path, ec) && !fs::is_directory(path, ec);
}

}  // namespace

bool AddProjectFile(Project& project, const std::string& path) {
  for (const std::string& e : project.entries)
    if (EqualsNoCase(e, path)) return false;
  if (!IsFile(path)) return false;
  project.entries.push_back(path);
  project.modified = true;
  return true;
}

bool HasColouredExtension(std::string_view path, const std::vector<std::string>& extensions) {
  const std::string name = FileNameOf(path);
  const std::size_t dot = name.rfind('.');
  if (dot == std::string::npos) return false;
  const std::string ext = AsciiLower(std::string_view(name).substr(dot + 1));
  return std::find(extensions.begin(), extensions.end(), ext) != extensions.end();
}

namespace {

struct WalkCalls {
  const std::vector<std::string>& extensions;
  bool recursive;
  const std::function<void(const std::string&)>& visit;
  const std::function<bool()>& stop;
  const std::function<void(const std::string&, int)>& unlisted;
};

// Returns false when stopped.
bool Walk(const fs::path& folder, const WalkCalls& c) {
  std::vector<fs::directory_entry> items;
  std::error_code ec;
  for (auto it = fs::directory_iterator(folder, ec); !ec && it != fs::directory_iterator();
       it.increment(ec))
    items.push_back(*it);
  // A folder that cannot be read is named, not passed over as empty.
  if (ec && c.unlisted) c.unlisted(folder.string(), ec.value());
  std::sort(items.begin(), items.end(), [](const auto& a, const auto& b) {
    return a.path().filename().string() < b.path().filename().string();
  });
  for (const auto& item : items) {
    std::error_code typeEc;
    if (item.is_directory(typeEc)) {
      // Folder links are not followed: a link back up would never end.
      if (c.recursive && !item.is_symlink(typeEc) && !Walk(item.path(), c)) return false;
    } else if (HasColouredExtension(item.path().string(), c.extensions)) {
      c.visit(item.path().string());
    }
    if (c.stop && c.stop()) return false;
  }
  return true;
}

}  // namespace

void WalkFolder(const std::string& folder, const std::vector<std::string>& extensions,
                bool recursive, const std::function<void(const std::string&)>& visit,
                const std::function<bool()>& stop,
                const std::function<void(const std::string&, int)>& unlisted) {
  std::string f = folder;
  while (f.size() > 1 && f.back() == kPathSeparator) f.pop_back();
  Walk(fs::path(f), WalkCalls{extensions, recursive, visit, stop, unlisted});
}

std::size_t AddProjectFolder(Project& project, const std::string& folder,
                             const std::vector<std::string>& extensions) {
  // A folder of thousands of files: one set of the listed names instead of
  // a scan of the list for every file.
  std::unordered_set<std::string> listed;
  for (const std::string& e : project.entries) listed.insert(AsciiLower(e));
  std::size_t added = 0;
  WalkFolder(folder, extensions, true, [&](const std::string& path) {
    if (!listed.insert(AsciiLower(path)).second || !IsFile(path)) return;
    project.entries.push_back(path);
    project.modified = true;
    ++added;
  });
  return added;
}

void SortProject(Project& project) {
  std::stable_sort(project.entries.begin(), project.entries.end(),
                   [](const std::string& a, const std::string& b) { return AsciiLower(a) < AsciiLower(b); });
}

bool RemoveProjectEntry(Project& project, std::size_t i) {
  if (i >= project.entries.size()) return false;
  project.entries.erase(project.entries.begin() + static_cast<std::ptrdiff_t>(i));
  project.modified = true;
  return true;
}

bool MoveProjectEntry(Project& project, std::size_t from, std::size_t to) {
  auto& e = project.entries;
  if (from >= e.size()) return false;
  std::string moved = std::move(e[from]);
  e.erase(e.begin() + static_cast<std::ptrdiff_t>(from));
  e.insert(e.begin() + static_cast<std::ptrdiff_t>(std::min(to, e.size())), std::move(moved));
  project.modified = true;
  return true;
}

bool RenameProjectEntry(Project& project, std::string_view oldPath, const std::string& newPath) {
  if (oldPath == newPath) return false;
  for (std::string& e : project.entries) {
    if (e != oldPath) continue;
    e = newPath;
    project.modified = true;
    return true;
  }
  return false;
}

SaveAnswer AskSaveProject(const Project& project, const std::function<SaveAnswer()>& ask,
                          const std::function<bool()>& save) {
  if (!project.modified) return SaveAnswer::Yes;
  const SaveAnswer answer = ask();
  if (answer == SaveAnswer::Yes && !save()) return SaveAnswer::Cancel;
  return answer;
}

}  // namespace mw
