// The link list of one page: what the page links to, embeds and defines,
// in five groups, each occurrence with a state that says whether its
// target exists. Text in, groups out; the panel only shows them.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/project/link_tree.h"
#include "core/project/relative_path.h"
#include "core/text/encoding.h"
#include "core/text/messages.h"

namespace mw {

enum class LinkItemState { Group, Marker, File, External, MarkerLink, Broken, Function };

enum class LinkGroupKind { Href, Src, Name, Url, Function };
inline constexpr int kLinkGroupCount = 5;

struct LinkGroupRule {
  LinkGroupKind kind;
  std::string_view title;  // Shift-JIS
  std::string_view key;
  std::string_view opening;
  std::string_view closing;
};
// The five groups in the order the panel lists them.
const std::vector<LinkGroupRule>& LinkGroupRules();

struct LinkItem {
  std::string text;  // the value, or the empty-value text
  LinkItemState state = LinkItemState::Broken;
  friend bool operator==(const LinkItem&, const LinkItem&) = default;
};

struct LinkGroup {
  LinkGroupKind kind = LinkGroupKind::Href;
  std::string title;
  std::vector<LinkItem> items;
};

struct LinkListContext {
  // The page's file; links resolve against its folder. A page never saved
  // has no folder, and none of its local links can be found.
  std::string documentPath;
  // The project's markers while the project window is open, else null.
  const MarkerIndex* projectMarkers = nullptr;
  FolderListing* listing = nullptr;  // optional cache of folder listings
  char separator = kPathSeparator;
};

// All five groups of text, in order, each with its items in text order.
std::vector<LinkGroup> BuildLinkList(std::string_view text, const LinkListContext& context);

// The value between the delimiters with blanks and control bytes trimmed
// and one final backslash dropped (only a backslash of its own, never the
// second byte of a character such as 表).
std::string CleanValue(std::string_view raw);

// [start, end) of the value of the index-th occurrence of the group's key,
// for a jump to it in the text; when fewer occurrences exist, the last one
// found. None when there is none.
struct ValueRange {
  Offset start = 0;
  Offset end = 0;
  friend bool operator==(const ValueRange&, const ValueRange&) = default;
};
std::optional<ValueRange> OccurrenceRange(std::string_view text, std::size_t index,
                                          std::string_view key, std::string_view opening,
                                          std::string_view closing);

// Every occurrence of key, the opening delimiter after the key's first byte
// and the closing one after that: the ranges strictly between the two, in
// text order. Each next key is searched from the previous opening
// delimiter; a key without both delimiters ends the search. Letter case is
// ignored and no match starts on the second byte of a character.
std::vector<ValueRange> FindValues(std::string_view text, std::string_view key,
                                   std::string_view opening, std::string_view closing);

// What opening a link value does (the tree's jump to the target, and the
// command that opens the link at the caret).
enum class LinkTargetAction {
  Shell,         // a URL ("//" in it): the system's handler opens it
  ShowPicture,   // a .gif, .jpg or .png file: the system's viewer shows it
  OpenDocument,  // any other file: opened in the editor (or its tab shown)
  MarkerOnly,    // "#name": only the marker is searched, in the active page
};
struct LinkTargetPlan {
  LinkTargetAction action = LinkTargetAction::Shell;
  std::string path;    // the URL for Shell, else the resolved file
  bool hasMarker = false;
  std::string marker;  // searched in the page that is active afterwards
};
LinkTargetPlan PlanLinkTarget(std::string_view target, std::string_view documentPath,
                              char sep = kPathSeparator);

// The value of the first NAME="..." in text that equals marker exactly
// (letter case included); none when there is none, and the window says
// target + "が見つかりません。".
std::optional<ValueRange> FindMarker(std::string_view text, std::string_view marker);

// The link candidates the link dialogs offer: every file of the marker
// tree and every file + "#" + marker, once each, sorted without regard to
// case. Empty without a project.
std::vector<std::string> UrlCandidates(const LinkTree& markers);

// The style sheet a page links to: the HREF of the LINK element found by
// 'REL="stylesheet" ' (with its space, letter case ignored) within the
// first 4096 bytes; Msg::NoStyleSheet when there is none.
std::string DetectLinkedStyleSheet(std::string_view text);

}  // namespace mw
