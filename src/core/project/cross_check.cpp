#include "core/project/cross_check.h"

#include "core/app/document_file.h"
#include "core/project/file_set.h"
#include "core/project/relative_path.h"
#include "core/text/encoding.h"
#include "core/text/messages.h"

namespace mw {

void CollectValues(LinkTree& tree, std::string_view fileText, std::string fileNodeText,
                   const ValueRule& rule,
                   const std::function<LinkStatus(const std::string& value)>& judge) {
  LinkNode file{std::move(fileNodeText), LinkStatus::File, {}};
  for (const ValueRange& r : FindValues(fileText, rule.key, rule.opening, rule.closing)) {
    std::string value = CleanValue(fileText.substr(static_cast<std::size_t>(r.start),
                                                   static_cast<std::size_t>(r.end - r.start)));
    LinkStatus status;
    if (value.empty()) {
      value = MessageSjis(Msg::LinkEmptyValue);
      status = LinkStatus::Broken;
    } else if (value.find_first_of("?:") != std::string::npos) {
      status = LinkStatus::Undecided;
    } else {
      status = judge ? judge(value) : LinkStatus::Marker;
    }
    file.children.push_back({std::move(value), status, {}});
  }
  tree.push_back(std::move(file));
}

LinkStatus JudgeLink(const MarkerIndex& markers, std::string_view linkingFile,
                     std::string_view value, FolderListing* listing, char sep) {
  if (value.starts_with('#')) {
    const auto* names = markers.Find(linkingFile);
    if (!names) return LinkStatus::Undecided;
    return names->contains(std::string(value.substr(1))) ? LinkStatus::Ok : LinkStatus::Broken;
  }
  const std::size_t hash = value.find('#');
  const std::string_view path = value.substr(0, hash);
  const std::string resolved = ResolveRelativePath(DocumentToFileSystemPath(path), linkingFile, sep);
  if (!path.empty() && FileExistsExactCase(resolved, listing, sep)) {
    if (hash == std::string_view::npos) return LinkStatus::Ok;
    const auto* names = markers.Find(resolved);
    if (!names) return LinkStatus::Undecided;
    return names->contains(std::string(value.substr(hash + 1))) ? LinkStatus::Ok
                                                                 : LinkStatus::Broken;
  }
  const std::string lower = AsciiLower(value);
  if (lower.starts_with("http") || lower.starts_with("mailto:")) return LinkStatus::External;
  return LinkStatus::Broken;
}

ProjectLinkTrees UpdateLocalLinks(const std::vector<std::string>& entries,
                                  const LinkUpdateOptions& options) {
  ProjectLinkTrees trees;
  const auto read = [&](const std::string& path) {
    return options.readFile ? options.readFile(path) : ReadRegularFile(path);
  };
  // A page reached by two names is read once, under the first.
  const std::vector<std::string> present = ExistingFilesOnce(entries);
  const std::size_t n = present.size();
  const auto report = [&](LinkUpdatePhase phase, std::size_t i) {
    if (options.progress) options.progress(phase, static_cast<int>((i * 100 + 100) / n));
  };
  const auto stopped = [&] { return options.stop && options.stop(); };

  for (std::size_t i = 0; i < n && !stopped(); ++i) {
    const std::string& entry = present[i];
    const std::string text = read(entry);
    CollectValues(trees.marker, text, entry, kNameRule);
    CollectValues(trees.relMarker, text,
                  MakeRelativePath(entry, options.activeDocumentPath, options.separator), kNameRule);
    report(LinkUpdatePhase::Markers, i);
  }

  const MarkerIndex index(trees.marker);
  FolderListing listing;
  for (std::size_t i = 0; i < n && !stopped(); ++i) {
    const std::string& entry = present[i];
    const std::string text = read(entry);
    const auto judge = [&](const std::string& value) {
      return JudgeLink(index, entry, value, &listing, options.separator);
    };
    CollectValues(trees.href, text, entry, kHrefRule, judge);
    CollectValues(trees.url, text, entry, kUrlRule, judge);
    CollectValues(trees.image, text, entry, kSrcRule, judge);
    report(LinkUpdatePhase::Links, i);
  }
  return trees;
}

LinkTree RebuildRelMarkers(const LinkTree& markers, std::string_view activeDocumentPath, char sep) {
  LinkTree rel;
  for (const LinkNode& file : markers) {
    LinkNode node{MakeRelativePath(file.text, activeDocumentPath, sep), LinkStatus::File, {}};
    for (const LinkNode& m : file.children) node.children.push_back({m.text, LinkStatus::Marker, {}});
    rel.push_back(std::move(node));
  }
  return rel;
}

std::string SendLinkText(const LinkTree& relMarkers, std::size_t fileIndex,
                         std::optional<std::size_t> childIndex) {
  if (fileIndex >= relMarkers.size()) return {};
  const LinkNode& file = relMarkers[fileIndex];
  // File nodes hold names as the file system spells them; the page's text
  // is Shift-JIS, as the markers already are.
  const std::string path = FileSystemToDocumentPath(file.text);
  if (!childIndex) return path;
  if (*childIndex >= file.children.size()) return {};
  return path + "#" + file.children[*childIndex].text;
}

}  // namespace mw
