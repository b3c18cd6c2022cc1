#include "core/project/link_list.h"

#include <algorithm>
#include <unordered_set>

#include "core/editing/tag_text.h"

namespace mw {

MarkerIndex::MarkerIndex(const LinkTree& markers) {
  for (const LinkNode& file : markers) {
    if (m_files.contains(file.text)) continue;
    auto& names = m_files[file.text];
    for (const LinkNode& m : file.children) names.insert(m.text);
  }
}

const std::unordered_set<std::string>* MarkerIndex::Find(std::string_view file) const {
  const auto it = m_files.find(std::string(file));
  return it == m_files.end() ? nullptr : &it->second;
}

const std::vector<LinkGroupRule>& LinkGroupRules() {
  static const std::vector<LinkGroupRule> rules = {
      {LinkGroupKind::Href, MessageSjis(Msg::LinkGroupHref), " HREF=", "\"", "\""},
      {LinkGroupKind::Src, MessageSjis(Msg::LinkGroupSrc), " SRC=", "\"", "\""},
      {LinkGroupKind::Name, MessageSjis(Msg::LinkGroupName), " NAME=", "\"", "\""},
      {LinkGroupKind::Url, MessageSjis(Msg::LinkGroupUrl), "url(", "(", ")"},
      {LinkGroupKind::Function, MessageSjis(Msg::LinkGroupFunction), "function ", " ", "{"},
  };
  return rules;
}

std::vector<ValueRange> FindValues(std::string_view text, std::string_view key,
                                   std::string_view opening, std::string_view closing) {
  std::vector<ValueRange> values;
  std::size_t p = 0;
  while (true) {
    const Offset b = FindNoCase(text, key, p);
    if (b == kNoPos) break;
    // The key and delimiters are ASCII, so one byte past a match is still
    // the start of a character.
    const Offset o = FindNoCase(text, opening, static_cast<std::size_t>(b) + 1);
    if (o == kNoPos) break;
    const std::size_t valueStart = static_cast<std::size_t>(o) + opening.size();
    const Offset c = FindNoCase(text, closing, static_cast<std::size_t>(o) + 1);
    if (c == kNoPos) break;
    values.push_back({static_cast<Offset>(valueStart), std::max<Offset>(c, valueStart)});
    p = static_cast<std::size_t>(o);
  }
  return values;
}

std::string CleanValue(std::string_view raw) {
  std::string_view v = Trim(raw);
  if (!v.empty() && v.back() == '\\' && IsCharBoundary(v, v.size() - 1)) v.remove_suffix(1);
  return std::string(v);
}

namespace {

bool LooksExternal(std::string_view value) {
  return value.find('?') != std::string_view::npos || value.find(':') != std::string_view::npos;
}

LinkItemState JudgeItem(const std::string& value, LinkGroupKind kind, const LinkListContext& c) {
  if (LooksExternal(value)) return LinkItemState::External;
  const std::size_t hash = value.find('#');
  const std::string filePart = value.substr(0, hash);
  const std::string marker = hash == std::string::npos ? std::string() : value.substr(hash + 1);
  const std::string resolved =
      ResolveRelativePath(DocumentToFileSystemPath(filePart), c.documentPath, c.separator);
  if (!filePart.empty() && FileExistsExactCase(resolved, c.listing, c.separator)) {
    if (hash == std::string::npos) return LinkItemState::File;
    if (c.projectMarkers) {
      const auto* names = c.projectMarkers->Find(resolved);
      if (names && !names->contains(marker)) return LinkItemState::Broken;
    }
    return LinkItemState::MarkerLink;
  }
  const std::string lower = AsciiLower(filePart);
  if (lower.starts_with("http") || lower.starts_with("mailto:")) return LinkItemState::External;
  if (filePart.empty()) return LinkItemState::MarkerLink;
  if (kind == LinkGroupKind::Name) return LinkItemState::Marker;
  if (kind == LinkGroupKind::Function) return LinkItemState::Function;
  return LinkItemState::Broken;
}

}  // namespace

std::vector<LinkGroup> BuildLinkList(std::string_view text, const LinkListContext& context) {
  std::vector<LinkGroup> groups;
  for (const LinkGroupRule& rule : LinkGroupRules()) {
    LinkGroup g{rule.kind, std::string(rule.title), {}};
    for (const ValueRange& r : FindValues(text, rule.key, rule.opening, rule.closing)) {
      const std::string value = CleanValue(
          text.substr(static_cast<std::size_t>(r.start), static_cast<std::size_t>(r.end - r.start)));
      if (value.empty()) g.items.push_back({MessageSjis(Msg::LinkEmptyValue), LinkItemState::Broken});
      else g.items.push_back({value, JudgeItem(value, rule.kind, context)});
    }
    groups.push_back(std::move(g));
  }
  return groups;
}

std::optional<ValueRange> OccurrenceRange(std::string_view text, std::size_t index,
                                          std::string_view key, std::string_view opening,
                                          std::string_view closing) {
  std::optional<ValueRange> found;
  std::size_t p = 0;
  for (std::size_t i = 0; i <= index; ++i) {
    const Offset k = FindNoCase(text, key, p);
    if (k == kNoPos) break;
    const Offset o = FindNoCase(text, opening, static_cast<std::size_t>(k) + 1);
    if (o == kNoPos) break;
    const Offset e = FindNoCase(text, closing, static_cast<std::size_t>(o) + 1);
    if (e == kNoPos) break;
    found = ValueRange{o + static_cast<Offset>(opening.size()), e};
    p = static_cast<std::size_t>(o);
  }
  return found;
}

LinkTargetPlan PlanLinkTarget(std::string_view target, std::string_view documentPath, char sep) {
  LinkTargetPlan plan;
  if (target.find("//") != std::string_view::npos) {
    plan.path = target;
    return plan;
  }
  const std::size_t hash = target.find('#');
  if (hash != std::string_view::npos) {
    plan.hasMarker = true;
    plan.marker = target.substr(hash + 1);
  }
  if (hash == 0) {
    plan.action = LinkTargetAction::MarkerOnly;
    return plan;
  }
  const std::string_view file =
      hash != std::string_view::npos ? target.substr(0, hash) : target.substr(0, target.find('?'));
  plan.path = ResolveRelativePath(file, documentPath, sep);
  const std::size_t dot = file.rfind('.');
  const std::string ext = dot == std::string_view::npos ? std::string() : AsciiLower(file.substr(dot));
  if (ext == ".gif" || ext == ".jpg" || ext == ".png") {
    plan.action = LinkTargetAction::ShowPicture;
    plan.hasMarker = false;
    plan.marker.clear();
  } else {
    plan.action = LinkTargetAction::OpenDocument;
  }
  return plan;
}

std::optional<ValueRange> FindMarker(std::string_view text, std::string_view marker) {
  std::size_t from = 0;
  while (true) {
    const Offset name = FindNoCase(text, "NAME", from);
    if (name == kNoPos) return std::nullopt;
    const Offset open = Find(text, "\"", static_cast<std::size_t>(name) + 4);
    if (open == kNoPos) return std::nullopt;
    const Offset close = Find(text, "\"", static_cast<std::size_t>(open) + 1);
    if (close == kNoPos) return std::nullopt;
    const auto start = static_cast<std::size_t>(open) + 1;
    if (text.substr(start, static_cast<std::size_t>(close) - start) == marker)
      return ValueRange{static_cast<Offset>(start), close};
    from = static_cast<std::size_t>(close);
  }
}

std::vector<std::string> UrlCandidates(const LinkTree& markers) {
  std::vector<std::string> list;
  std::unordered_set<std::string> seen;
  const auto add = [&](std::string s) {
    if (seen.insert(s).second) list.push_back(std::move(s));
  };
  for (const LinkNode& file : markers) {
    add(file.text);
    for (const LinkNode& m : file.children) add(file.text + "#" + m.text);
  }
  std::stable_sort(list.begin(), list.end(),
                   [](const std::string& a, const std::string& b) { return AsciiLower(a) < AsciiLower(b); });
  return list;
}

std::string DetectLinkedStyleSheet(std::string_view text) {
  constexpr std::string_view kRel = "REL=\"stylesheet\" ";
  const std::string_view head = text.substr(0, 4096);
  const Offset r = FindNoCase(head, kRel);
  if (r == kNoPos) return MessageSjis(Msg::NoStyleSheet);
  const std::size_t after = static_cast<std::size_t>(r) + kRel.size();
  const std::string_view window = text.substr(after, 100);
  const std::size_t gt = window.find('>');
  if (gt == std::string_view::npos) return MessageSjis(Msg::NoStyleSheet);
  // The tag text runs from the byte before REL through the '>', so only an
  // HREF written after REL is seen.
  const std::size_t from = r > 0 ? static_cast<std::size_t>(r) - 1 : 0;
  return GetQuotedAttributeValue(text.substr(from, after + gt + 1 - from), " HREF");
}

}  // namespace mw
