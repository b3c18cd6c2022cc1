// The check of markers and local links across all files of a project: the
// markers every file defines, the links and sources every file uses, and
// whether each local link reaches an existing file (exact letter case) and
// marker. Files in, five trees of (text, status) out.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/project/link_list.h"
#include "core/project/link_tree.h"
#include "core/project/relative_path.h"

namespace mw {

// Appends a file node for fileText's file, with one child per value of the
// rule in text order: an empty value as Msg::LinkEmptyValue (broken), a value
// holding "?" or ":" undecided, any other judged by judge (or a marker
// when judge is empty).
void CollectValues(LinkTree& tree, std::string_view fileText, std::string fileNodeText,
                   const ValueRule& rule,
                   const std::function<LinkStatus(const std::string& value)>& judge = {});

// The status of a link value written in linkingFile, against the markers
// of the project. A target that exists but is no project file cannot have
// its markers checked (undecided).
LinkStatus JudgeLink(const MarkerIndex& markers, std::string_view linkingFile,
                     std::string_view value, FolderListing* listing = nullptr,
                     char sep = kPathSeparator);

struct ProjectLinkTrees {
  LinkTree marker;     // " NAME=" values under the absolute entry
  LinkTree relMarker;  // the same under the entry relative to the active page
  LinkTree href;       // " HREF=" values
  LinkTree url;        // "url(...)" values
  LinkTree image;      // " SRC=" values
};

enum class LinkUpdatePhase { Markers, Links };

struct LinkUpdateOptions {
  // The page open in the editor; the relative marker tree is relative to it.
  std::string activeDocumentPath;
  // Reads a file's text; ReadFileBytes when empty. The window passes one
  // that first converts the file to Shift-JIS when that option is on.
  std::function<std::string(const std::string& path)> readFile;
  // Called after each file with the pass and its percentage (0-100).
  std::function<void(LinkUpdatePhase, int percent)> progress;
  // Asked between files; true ends the update with what it has so far.
  std::function<bool()> stop;
  char separator = kPathSeparator;
};

// The full update: a marker pass over all entries, then a link pass, so a
// link into another project file is judged against all of its markers.
// Entries whose files are missing or are no regular file are skipped, and
// a file listed under several names is read once, under the first. A file
// that exists but cannot be read throws FileError.
ProjectLinkTrees UpdateLocalLinks(const std::vector<std::string>& entries,
                                  const LinkUpdateOptions& options = {});

// The relative marker tree for another active page, from the marker tree
// alone (no file is read).
LinkTree RebuildRelMarkers(const LinkTree& markers, std::string_view activeDocumentPath,
                           char sep = kPathSeparator);

// What a double click (or drag) on the relative marker tree inserts: the
// file's relative path, or path + "#" + marker for a child. Empty when the
// indices name no node.
std::string SendLinkText(const LinkTree& relMarkers, std::size_t fileIndex,
                         std::optional<std::size_t> childIndex);

// The range a jump to the n-th value of a file selects in its text.
inline std::optional<ValueRange> SelectNthValue(std::string_view text, std::size_t n,
                                                const ValueRule& rule) {
  return OccurrenceRange(text, n, rule.key, rule.opening, rule.closing);
}

}  // namespace mw
