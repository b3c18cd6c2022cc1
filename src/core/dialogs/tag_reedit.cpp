#include "core/dialogs/tag_reedit.h"

#include <optional>

#include "core/dialogs/tag_dialogs.h"
#include "core/editing/tag_scan.h"
#include "core/editing/tag_text.h"
#include "core/text/unicode_view.h"

namespace mw {

namespace {

bool Has(std::string_view text, std::string_view part) { return Find(text, part) != kNoPos; }

constexpr std::string_view kPassedHandlers[] = {
    " onClick",     " onDblClick", " onMouseDown", " onMouseUp", " onMouseOver",
    " onMouseMove", " onMouseOut", " onKeyPress",  " onKeyDown", " onKeyUp",
};

// A number as the spin controls read it: optional sign and decimal digits.
std::optional<int> ReadInt(std::string_view v) {
  if (v.empty()) return std::nullopt;
  std::size_t i = v[0] == '-' || v[0] == '+' ? 1 : 0;
  if (i == v.size()) return std::nullopt;
  long long n = 0;
  for (; i < v.size(); ++i) {
    if (v[i] < '0' || v[i] > '9') return std::nullopt;
    n = n * 10 + (v[i] - '0');
    if (n > 2147483647LL) return std::nullopt;
  }
  return static_cast<int>(v[0] == '-' ? -n : n);
}

// Whether the attribute's value is written in double quotes; nullopt when
// the tag has no such attribute of its own.
std::optional<bool> QuotedInTag(std::string_view tag, std::string_view name) {
  for (const TagAttribute& a : ParseTagAttributes(tag)) {
    if (!EqualsNoCase(a.name, name)) continue;
    const std::size_t eq = a.raw.find('=');
    if (eq == std::string::npos) return false;
    const std::string_view v = Trim(std::string_view(a.raw).substr(eq + 1));
    return !v.empty() && v.front() == '"';
  }
  return std::nullopt;
}

// The value as the tag writes it. A bare lookup would cut a quoted value at
// its first blank (CLASS="a b"), and a quoted lookup of a bare value reads
// on into the next attribute, so the way the value is written decides.
std::string ReadValue(std::string_view tag, std::string_view name, Read read) {
  const std::string key = " " + std::string(name);
  const auto quoted = QuotedInTag(tag, name);
  const bool useQuoted = quoted ? *quoted : read == Read::Quoted;
  return useQuoted ? GetQuotedAttributeValue(tag, key) : GetAttributeValue(tag, key);
}

bool IsKeywordRead(Read r) {
  return r == Read::KeywordAnywhere || r == Read::KeywordAfterBlank || r == Read::KeywordExactCase;
}

// Whether the tag has the keyword, as the row looks for it.
bool KeywordInTag(const Binding& b, std::string_view tag) {
  const std::string word(b.attribute);
  switch (b.read) {
    case Read::KeywordAnywhere: return Has(AsciiUpper(tag), AsciiUpper(word));
    case Read::KeywordAfterBlank: return Has(AsciiLower(tag), " " + AsciiLower(word));
    case Read::KeywordExactCase: return Has(tag, " " + word) || Has(tag, " " + AsciiLower(word));
    default: return false;
  }
}

// One row read from the tag.
struct RowRead {
  const Binding* row;
  std::string_view name;  // the attribute read
  std::string_view prefix;
};

// Sets the row's field from the tag; false when the tag has a value the
// field cannot take (a word in a number field, an unknown radio item).
bool ApplyRow(DialogFields& f, const RowRead& r, std::string_view tag) {
  const Binding& b = *r.row;
  const std::string value = ReadValue(tag, r.name, b.read);
  switch (b.kind) {
    case Kind::Anchor:
      f.Set(b.control, value.empty() ? value : value.substr(std::min(r.prefix.size(), value.size())));
      return !value.empty();
    case Kind::Number: {
      const auto n = ReadInt(value);
      f.Set(b.control, std::to_string(n ? *n : b.initial));
      return n.has_value();
    }
    case Kind::Percent: {
      std::string number = value;
      const bool percent = value.find('%') != std::string::npos;
      if (percent) number.pop_back();
      const auto n = ReadInt(number);
      f.Set(b.control, std::to_string(n ? *n : b.initial));
      f.SetChecked(b.check, percent);
      return n.has_value();
    }
    case Kind::Radio: {
      const auto items = SplitItems(UnicodeViewToSjis(b.items).bytes);
      const std::string lower = AsciiLower(value);
      for (std::size_t i = 0; i < items.size(); ++i) {
        if (!EqualsNoCase(items[i], lower)) continue;
        if (b.skipFirstItem && i == 0) return false;
        f.SetIndex(b.control, static_cast<int>(i));
        return true;
      }
      return false;
    }
    default:
      f.Set(b.control, value);
      return !value.empty();
  }
}

bool NamedIn(std::string_view name, const std::vector<std::string_view>& names) {
  for (const auto n : names)
    if (EqualsNoCase(name, n)) return true;
  return false;
}

// The presets of the rows read, the keywords found; what the tag has
// besides goes into passThrough: attributes no row reads, values a row
// could not take (when there is one), keywords not recognised ("Checked").
void ApplyRows(DialogFields& f, const std::vector<RowRead>& reads, std::span<const Binding> keywords,
               std::string_view tag, std::vector<std::string_view> known, std::string& passThrough) {
  std::vector<std::string_view> rejected;
  for (const RowRead& r : reads) {
    known.push_back(r.name);
    if (!ApplyRow(f, r, tag) && r.row->keepUnread) rejected.push_back(r.name);
  }
  for (const Binding& b : keywords) {
    const bool on = KeywordInTag(b, tag);
    f.SetChecked(b.control, on);
    if (on) known.push_back(b.attribute);
  }
  for (const TagAttribute& a : ParseTagAttributes(tag)) {
    if (!NamedIn(a.name, known) || (NamedIn(a.name, rejected) && a.hasValue)) passThrough += " " + a.raw;
  }
}

// The element as the tag writes it, when it is not the one the dialog
// would write (a THEAD found by the TH test stays a THEAD).
std::string ElementOverride(std::string_view tag, std::string_view expected) {
  std::size_t i = 1;
  while (i < tag.size() && tag[i] != ' ' && tag[i] != '>' && tag[i] != '\t' && tag[i] != '\r' &&
         tag[i] != '\n')
    i += CharLength(tag, i);
  const std::string_view written = tag.substr(1, std::min(i, tag.size()) - 1);
  if (written.empty() || EqualsNoCase(written, expected)) return std::string(expected);
  return std::string(written);
}

bool Unread(const ReEditSpec& spec, std::string_view control) {
  for (const auto c : spec.unread)
    if (c == control) return true;
  return false;
}

}  // namespace

std::vector<TagAttribute> ParseTagAttributes(std::string_view tag) {
  std::vector<TagAttribute> out;
  auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  std::size_t i = tag.empty() || tag[0] != '<' ? 0 : 1;
  // Past the element name.
  while (i < tag.size() && !blank(tag[i]) && tag[i] != '>') i += CharLength(tag, i);
  while (i < tag.size()) {
    while (i < tag.size() && (blank(tag[i]) || tag[i] == '/')) ++i;
    if (i >= tag.size() || tag[i] == '>') break;
    const std::size_t start = i;
    while (i < tag.size() && !blank(tag[i]) && tag[i] != '=' && tag[i] != '>') i += CharLength(tag, i);
    TagAttribute a;
    a.name = std::string(tag.substr(start, i - start));
    std::size_t j = i;
    while (j < tag.size() && blank(tag[j])) ++j;
    if (j < tag.size() && tag[j] == '=') {
      a.hasValue = true;
      ++j;
      while (j < tag.size() && blank(tag[j])) ++j;
      if (j < tag.size() && (tag[j] == '"' || tag[j] == '\'')) {
        const char q = tag[j++];
        const std::size_t open = j;
        while (j < tag.size() && tag[j] != q) j += CharLength(tag, j);
        a.hasValue = j > open;
        if (j < tag.size()) ++j;
      } else {
        const std::size_t open = j;
        while (j < tag.size() && !blank(tag[j]) && tag[j] != '>') j += CharLength(tag, j);
        a.hasValue = j > open;
      }
      i = j;
    }
    a.raw = std::string(tag.substr(start, i - start));
    if (!a.name.empty()) out.push_back(std::move(a));
  }
  return out;
}

DialogFields PresetFromTag(const TagDialogModel& model, const ReEditSpec& spec, std::string_view tag,
                           const EditingOptions& options) {
  DialogFields f = CreateFields(model);
  f.Set(kFieldMode, "1");
  f.Set(kFieldCaption, spec.title.empty()
                           ? FormatMessage(MessageSjis(Msg::ReEditTitle),
                                           {spec.titleName.empty() ? spec.element : spec.titleName})
                           : spec.title.Sjis());
  f.Set(kFieldName, ElementOverride(tag, spec.element));
  if (!spec.attribute.empty()) {
    f.Set(kFieldAttribute, std::string(spec.attribute));
    f.Set(kFieldPrefix, std::string(spec.prefix));
  }
  if (!spec.label.empty()) f.Set("lbInput", spec.label.Sjis());
  if (spec.tagAsSelection) f.Set(kFieldSelText, std::string(tag));

  std::vector<RowRead> reads;
  std::vector<Binding> keywords;
  for (const Binding& b : model.rows) {
    if (Unread(spec, b.control)) {
      if (spec.disableUnread) f.Set(std::string(b.control) + "#enabled", "0");
      continue;
    }
    if (b.read == Read::No) continue;
    if (IsKeywordRead(b.read)) keywords.push_back(b);
    else reads.push_back({&b, b.kind == Kind::Anchor ? spec.attribute : b.attribute, spec.prefix});
  }
  std::string passThrough;
  std::vector<std::string_view> known;
  if (spec.handlerPassThrough) {
    for (const std::string_view key : kPassedHandlers) {
      const std::string value = GetQuotedAttributeValue(tag, key);
      if (value.empty()) continue;
      passThrough += ApplyTagCase(std::string(key) + "=\"", options) + value + "\"";
      known.push_back(key.substr(1));
    }
  }
  ApplyRows(f, reads, keywords, tag, std::move(known), passThrough);
  f.Set(kFieldPassThrough, passThrough);
  model.show(f, true);
  return f;
}

DialogFields PresetRows(std::span<const Binding> rows, std::string_view tag, std::string& passThrough) {
  DialogFields f;
  std::vector<RowRead> reads;
  for (const Binding& b : rows)
    if (b.read != Read::No) reads.push_back({&b, b.attribute, {}});
  passThrough.clear();
  ApplyRows(f, reads, {}, tag, {}, passThrough);
  return f;
}

}  // namespace mw
