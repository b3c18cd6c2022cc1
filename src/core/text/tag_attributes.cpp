#include "core/text/tag_attributes.h"

#include "core/text/encoding.h"

namespace mw {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f'; }

}  // namespace

TagText ReadTag(std::string_view tag) {
  TagText t;
  const std::size_t n = tag.size();
  if (n < 2 || tag[0] != '<' || IsBlank(tag[1]) || tag[1] == '/' || tag[1] == '>' || tag[1] == '!' ||
      tag[1] == '?')
    return t;
  std::size_t i = 1;
  while (i < n && !IsBlank(tag[i]) && tag[i] != '/' && tag[i] != '>') ++i;
  t.name = std::string(tag.substr(1, i - 1));
  t.nameEnd = t.tail = i;
  while (i < n) {
    const std::size_t lead = i;
    while (i < n && (IsBlank(tag[i]) || tag[i] == '/')) ++i;
    if (i >= n || tag[i] == '>') break;
    TagAttribute a;
    a.lead = lead;
    a.begin = i;
    // A name may begin with '=' (it is then part of the name, as in HTML).
    ++i;
    while (i < n && !IsBlank(tag[i]) && tag[i] != '/' && tag[i] != '>' && tag[i] != '=') ++i;
    a.name = std::string(tag.substr(a.begin, i - a.begin));
    a.end = i;
    std::size_t j = i;
    while (j < n && IsBlank(tag[j])) ++j;
    if (j < n && tag[j] == '=') {
      ++j;
      while (j < n && IsBlank(tag[j])) ++j;
      if (j < n && (tag[j] == '"' || tag[j] == '\'')) {
        const char q = tag[j];
        a.quote = q == '"' ? AttributeQuote::Double : AttributeQuote::Single;
        const std::size_t open = ++j;
        std::size_t close = tag.find(q, open);
        if (close == std::string_view::npos) {
          // Left open: the value runs to the '>' the tag ends with.
          close = n > open && tag[n - 1] == '>' ? n - 1 : n;
          a.value = std::string(tag.substr(open, close - open));
          a.unclosed = true;
          j = close;
        } else {
          a.value = std::string(tag.substr(open, close - open));
          j = close + 1;
        }
      } else {
        a.quote = AttributeQuote::Unquoted;
        const std::size_t open = j;
        while (j < n && !IsBlank(tag[j]) && tag[j] != '>') ++j;
        a.value = std::string(tag.substr(open, j - open));
        a.unclosed = a.value.empty();
      }
      i = a.end = j;
    }
    t.attributes.push_back(std::move(a));
    t.tail = i;
  }
  return t;
}

const TagAttribute* FindAttribute(std::span<const TagAttribute> attributes, std::string_view name) {
  for (const TagAttribute& a : attributes)
    if (EqualsNoCase(a.name, name)) return &a;
  return nullptr;
}

}  // namespace mw
