// Paths between a page and the files it links to. Links are written as
// relative URLs with "/" steps; files are found through absolute paths with
// the platform's separator. The separator is a parameter so that the same
// rules serve Windows-style paths, where "\" (0x5C) is also the second byte
// of many Shift-JIS characters (表 = 95 5C) and must not count as a step.
#pragma once

#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace mw {

#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

// A path written in a page is Shift-JIS; the file system names files in
// its own encoding (UTF-8 here, Shift-JIS itself on Windows). A link to
// "表.html" must reach the file the file system calls 表.html, so a link's
// path is converted before it meets the file system, and a path from the
// file system is converted back before it goes into a page. Bytes that are
// no character come through as the lossless view's markers, which no real
// file name holds: such a link is simply not found.
std::string DocumentToFileSystemPath(std::string_view sjis);
std::string FileSystemToDocumentPath(std::string_view native);

// Folders above a file, nearest first: every separator of path (scanned
// from the end; a 0x5C that is the second byte of a double-byte character
// is no separator) gives the prefix up to and including it. At most 20.
std::vector<std::string> AncestorFolders(std::string_view path, char sep = kPathSeparator);

// The relative URL from the page `base` to the file `target`: "../" for
// every folder climbed, then the rest with "/" steps. A target that shares
// no folder with base (another drive) comes back whole with "/" steps.
std::string MakeRelativePath(std::string_view target, std::string_view base,
                             char sep = kPathSeparator);
// The same, telling whether a shared folder was found.
bool TryMakeRelativePath(std::string_view target, std::string_view base, std::string& out,
                         char sep = kPathSeparator);

// The file a relative URL, as typed in the page `base`, points to: the
// leading "../" steps choose the folder above base, the rest follows with
// the separator. Schemes and "#" parts are not recognised; they give a path
// that does not exist.
std::string ResolveRelativePath(std::string_view url, std::string_view base,
                                char sep = kPathSeparator);

// Folder part of a path up to and including its last separator ("" when
// there is none).
std::string FolderOf(std::string_view path, char sep = kPathSeparator);
// What follows the last separator.
std::string FileNameOf(std::string_view path, char sep = kPathSeparator);

// The names of the non-folder entries of folders, read once per folder. A
// full check asks about thousands of links into the same few folders.
class FolderListing {
 public:
  // Whether folder (ending with its separator) holds a non-folder entry
  // named exactly name.
  bool HasFile(const std::string& folder, const std::string& name);

 private:
  std::map<std::string, std::set<std::string>> m_folders;
};

// Whether path names an existing file with exactly this letter case in its
// final name (web servers tell "Index.html" from "index.html"). A folder
// never counts; a path without any folder part is not judged (false).
bool FileExistsExactCase(std::string_view path, FolderListing* listing = nullptr,
                         char sep = kPathSeparator);

}  // namespace mw
