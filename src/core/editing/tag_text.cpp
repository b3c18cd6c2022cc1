#include "core/editing/tag_text.h"

#include <optional>

#include "core/text/encoding.h"

namespace mw {

namespace {

// The rules below cut a tag's last byte off, meant for its '>'. When a
// broken tag ends in a double-byte character instead, that leaves its lead
// byte alone at the end; it is dropped, so no result holds half a character.
std::string DropBrokenTail(std::string s) {
  const auto last = static_cast<Offset>(s.size()) - 1;
  if (!s.empty() && IsLeadByte(static_cast<unsigned char>(s.back())) && CharBoundary(s, last) == last)
    s.pop_back();
  return s;
}

bool MatchesAt(std::string_view text, std::size_t at, std::string_view pattern) {
  return at + pattern.size() <= text.size() && EqualsNoCase(text.substr(at, pattern.size()), pattern);
}

// The text after an opening quote up to the closing one, "" standing for a
// quote; without a closing quote, the rest less its last character.
std::string Unquote(std::string_view v) {
  std::string out;
  std::size_t i = 1;
  while (true) {
    const std::size_t q = v.find('"', i);
    if (q == std::string_view::npos) {
      const std::string_view rest = v.substr(i);
      out += rest.substr(0, rest.empty() ? 0 : rest.size() - 1);
      return out;
    }
    out += v.substr(i, q - i);
    if (q + 1 < v.size() && v[q + 1] == '"') {
      out += '"';
      i = q + 2;
    } else {
      return out;
    }
  }
}

// The part of a tag after the key, or nullopt when the key is absent.
std::optional<std::string_view> AfterKey(std::string_view tag, std::string_view key) {
  if (key.empty()) return std::nullopt;
  const Offset a = FindNoCase(tag, key);
  if (a == kNoPos) return std::nullopt;
  return tag.substr(static_cast<std::size_t>(a) + key.size());
}

}  // namespace

std::string TagNameOf(std::string_view tag) {
  const std::size_t blank = tag.find(' ');
  const std::size_t a = blank == std::string_view::npos ? tag.size() : blank + 1;  // 1-based
  std::size_t from = 0;
  if (tag.starts_with("</"))
    from = 2;
  else if (tag.starts_with("<"))
    from = 1;
  else
    return {};
  if (a <= from + 1) return {};
  const std::size_t end = a - 1;  // drops the blank, or the last byte when there is none
  return DropBrokenTail(AsciiLower(tag.substr(from, end - from)));
}

Offset FindMatchingEndTag(std::string_view text, Offset afterStartTag, std::string_view name) {
  // An empty name would make every '<' a nested start and "</>" the end:
  // there is no element to close.
  if (name.empty() || afterStartTag < 0 || afterStartTag > static_cast<Offset>(text.size())) return kNoPos;
  std::string startPattern = "<";
  startPattern.append(name);
  std::string endPattern = "</";
  endPattern.append(name).append(">");
  int depth = 1;
  // Both patterns begin with '<', which is never a trail byte, so looking
  // only at '<' bytes keeps matches on character starts.
  for (std::size_t p = static_cast<std::size_t>(afterStartTag);
       (p = text.find('<', p)) != std::string_view::npos; ++p) {
    if (MatchesAt(text, p, endPattern)) {
      if (--depth == 0) return static_cast<Offset>(p);
    } else if (MatchesAt(text, p, startPattern)) {
      ++depth;
    }
  }
  return kNoPos;
}

std::string GetAttributeValue(std::string_view tag, std::string_view key) {
  const auto after = AfterKey(tag, key);
  if (!after) return {};
  std::string_view r = Trim(*after);
  if (const std::size_t eq = r.find('='); eq != std::string_view::npos) r = Trim(r.substr(eq + 1));
  if (r.empty()) return {};
  const std::size_t space = r.find(' ');
  const std::string_view value =
      Trim(r.substr(0, space == std::string_view::npos ? r.size() - 1 : space));
  if (value.starts_with('"')) {
    std::string unquoted = Unquote(value);
    if (!unquoted.empty()) return DropBrokenTail(std::move(unquoted));
  }
  return DropBrokenTail(std::string(value));
}

std::string GetQuotedAttributeValue(std::string_view tag, std::string_view key) {
  const auto after = AfterKey(tag, key);
  if (!after) return {};
  const std::string_view r = *after;
  const std::size_t quote = r.find('"');
  const std::size_t from = quote == std::string_view::npos ? 0 : quote + 1;
  const std::size_t close = r.find("\" ");
  // Without a quote followed by a space the value ends before the last two
  // bytes, normally the closing quote and the '>'.
  const Offset end = close == std::string_view::npos ? static_cast<Offset>(r.size()) - 2
                                                     : static_cast<Offset>(close);
  if (end <= static_cast<Offset>(from)) return {};
  return DropBrokenTail(std::string(r.substr(from, static_cast<std::size_t>(end) - from)));
}

std::string ApplyTagCase(std::string_view syntax, const EditingOptions& options) {
  return options.lowerCaseTag ? AsciiLower(syntax) : std::string(syntax);
}

}  // namespace mw
