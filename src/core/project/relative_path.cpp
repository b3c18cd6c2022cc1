#include "core/project/relative_path.h"

#include <filesystem>

#include "core/text/unicode_view.h"
#include "core/text/encoding.h"

namespace mw {

namespace {

constexpr std::size_t kMaxAncestors = 20;

// Positions of the separators that are characters of their own.
std::vector<std::size_t> SeparatorPositions(std::string_view path, char sep) {
  std::vector<std::size_t> at;
  for (std::size_t i = 0; i < path.size(); i += CharLength(path, i))
    if (path[i] == sep) at.push_back(i);
  return at;
}

std::string SeparatorsToSlash(std::string_view path, char sep) {
  std::string out(path);
  if (sep == '/') return out;
  for (const std::size_t i : SeparatorPositions(path, sep)) out[i] = '/';
  return out;
}

}  // namespace

namespace {
bool IsAscii(std::string_view s) {
  for (const char c : s)
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  return true;
}
}  // namespace

std::string DocumentToFileSystemPath(std::string_view sjis) {
#ifdef _WIN32
  return std::string(sjis);
#else
  return IsAscii(sjis) ? std::string(sjis) : SjisToUnicodeView(sjis);
#endif
}

std::string FileSystemToDocumentPath(std::string_view native) {
#ifdef _WIN32
  return std::string(native);
#else
  if (IsAscii(native)) return std::string(native);
  // A name Shift-JIS cannot hold keeps its own bytes from there on: the
  // page then shows it garbled rather than losing it.
  SjisFromView r = UnicodeViewToSjis(native);
  if (r.badAt != std::string::npos) r.bytes.append(native.substr(r.badAt));
  return r.bytes;
#endif
}

std::vector<std::string> AncestorFolders(std::string_view path, char sep) {
  const auto at = SeparatorPositions(path, sep);
  std::vector<std::string> prefixes;
  for (auto it = at.rbegin(); it != at.rend() && prefixes.size() < kMaxAncestors; ++it)
    prefixes.emplace_back(path.substr(0, *it + 1));
  return prefixes;
}

bool TryMakeRelativePath(std::string_view target, std::string_view base, std::string& out,
                         char sep) {
  const auto prefixes = AncestorFolders(base, sep);
  for (std::size_t k = 0; k < prefixes.size(); ++k) {
    // The folder must begin the target: a folder name that merely occurs
    // inside another path ("/b/a/" holds "/a/") is not a shared folder.
    if (!target.starts_with(prefixes[k])) continue;
    std::string rel;
    for (std::size_t i = 0; i < k; ++i) rel += "../";
    rel += SeparatorsToSlash(target.substr(prefixes[k].size()), sep);
    out = std::move(rel);
    return true;
  }
  out = SeparatorsToSlash(target, sep);
  return false;
}

std::string MakeRelativePath(std::string_view target, std::string_view base, char sep) {
  std::string out;
  TryMakeRelativePath(target, base, out, sep);
  return out;
}

std::string ResolveRelativePath(std::string_view url, std::string_view base, char sep) {
  const auto prefixes = AncestorFolders(base, sep);
  // Only the steps that begin the URL climb; a "../" further in belongs to
  // the rest and is left to the file system.
  std::size_t n = 0;
  while (url.substr(3 * n).starts_with("../")) ++n;
  std::string rest(url.substr(3 * n));
  if (sep != '/')
    for (char& c : rest)
      if (c == '/') c = sep;  // 0x2F is never the second byte of a character
  if (prefixes.empty()) return rest;
  // Climbing above the top folder stays there, as a browser does; without
  // this the result would be a bare relative path, judged against whatever
  // the current folder happens to be.
  const std::string& folder = n < prefixes.size() ? prefixes[n] : prefixes.back();
  return folder + rest;
}

std::string FolderOf(std::string_view path, char sep) {
  const auto at = SeparatorPositions(path, sep);
  return at.empty() ? std::string() : std::string(path.substr(0, at.back() + 1));
}

std::string FileNameOf(std::string_view path, char sep) {
  const auto at = SeparatorPositions(path, sep);
  return std::string(at.empty() ? path : path.substr(at.back() + 1));
}

bool FolderListing::HasFile(const std::string& folder, const std::string& name) {
  auto it = m_folders.find(folder);
  if (it == m_folders.end()) {
    std::set<std::string> names;
    std::error_code ec;
    for (auto e = std::filesystem::directory_iterator(folder, ec);
         !ec && e != std::filesystem::directory_iterator(); e.increment(ec)) {
      std::error_code typeEc;
      if (!e->is_directory(typeEc)) names.insert(e->path().filename().string());
    }
    it = m_folders.emplace(folder, std::move(names)).first;
  }
  return it->second.contains(name);
}

bool FileExistsExactCase(std::string_view path, FolderListing* listing, char sep) {
  const std::string folder = FolderOf(path, sep);
  const std::string name = FileNameOf(path, sep);
  if (folder.empty() || name.empty()) return false;
  if (listing) return listing->HasFile(folder, name);
  FolderListing once;
  return once.HasFile(folder, name);
}

}  // namespace mw
