// Trees of values found in pages: top-level file nodes, each with one child
// per occurrence in text order. The link page shows five of them, and the
// main window's link list asks the marker tree whether a file defines a
// marker.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace mw {

// What a node stands for; the window shows it as the node's image (the
// enumerator's value is the image index).
enum class LinkStatus { File = 0, Marker = 1, Ok = 2, External = 3, Undecided = 4, Broken = 5 };

struct LinkNode {
  std::string text;  // Shift-JIS, as in the page (file nodes: a path)
  LinkStatus status = LinkStatus::File;
  std::vector<LinkNode> children;
  friend bool operator==(const LinkNode&, const LinkNode&) = default;
};

// Top-level file nodes in file order.
using LinkTree = std::vector<LinkNode>;

// What is searched for one tree: the key (with its leading blank, "=" right
// after the name) and the two delimiters around the value.
struct ValueRule {
  std::string_view key;
  std::string_view opening;
  std::string_view closing;
};
inline constexpr ValueRule kNameRule{" NAME=", "\"", "\""};
inline constexpr ValueRule kHrefRule{" HREF=", "\"", "\""};
inline constexpr ValueRule kUrlRule{"url(", "(", ")"};
inline constexpr ValueRule kSrcRule{" SRC=", "\"", "\""};

// The marker tree as a lookup: file node text (exact) to its marker names
// (exact). The first node of a text wins, as a search of the tree would.
class MarkerIndex {
 public:
  MarkerIndex() = default;
  explicit MarkerIndex(const LinkTree& markers);
  bool HasFile(std::string_view file) const { return Find(file) != nullptr; }
  // Null when the tree has no node for file.
  const std::unordered_set<std::string>* Find(std::string_view file) const;

 private:
  std::unordered_map<std::string, std::unordered_set<std::string>> m_files;
};

}  // namespace mw
