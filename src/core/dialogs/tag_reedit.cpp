#include "core/dialogs/tag_reedit.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "core/dialogs/tag_dialogs.h"
#include "core/text/tag_attributes.h"
#include "core/text/unicode_view.h"

namespace mw {

namespace {

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

// The edit that takes attribute i out of the tag. Its blanks before go
// with it, unless what follows it would then touch the attribute before
// (A="1"B="2", A=x B="1"/);
// between a bare name and a name that begins with '=' (a stray "=x") a
// '/' stays, or the two would read as a name and its value.
struct Edit {
  std::size_t from, to;
  std::string text;
};
Edit Removal(std::string_view tag, const std::vector<TagAttribute>& attributes, std::size_t i) {
  const TagAttribute& a = attributes[i];
  const bool last = i + 1 == attributes.size();
  if (!last && i > 0 && !attributes[i - 1].HasValue() && attributes[i + 1].name.starts_with('='))
    return {a.begin, a.end, "/"};
  const char c = a.end < tag.size() ? tag[a.end] : '>';
  const bool blankAfter = c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '>';
  // A '/' right after it would join an unquoted value before it (B=x/).
  const bool keepBlank =
      !blankAfter && (c != '/' || (i > 0 && attributes[i - 1].quote == AttributeQuote::Unquoted));
  return {keepBlank ? a.begin : a.lead, a.end, {}};
}

// Rows that write an attribute of the tag own it in a re-edit.
bool Owns(const Binding& b) { return !b.attribute.empty() || b.kind == Kind::Anchor; }

std::string ShownKey(const Binding& b) { return std::string(b.control) + std::string(kShownSuffix); }

// What the author sees of a row: its field, and the "%" box with a size.
std::string RowState(const DialogFields& f, const Binding& b) {
  switch (b.kind) {
    case Kind::Percent: return f.Get(b.control) + (f.Checked(b.check) ? "\n%" : "\n");
    case Kind::Radio: return std::to_string(f.Index(b.control, b.initial));
    case Kind::Keyword: return f.Checked(b.control) ? "1" : "0";
    default: return f.Get(b.control);
  }
}

// The radio item a value names: the item written exactly so first (list
// types a and A differ), else one that differs only in letter case.
std::optional<int> RadioItem(const Binding& b, std::string_view value) {
  const auto items = SplitItems(UnicodeViewToSjis(b.items).bytes);
  for (std::size_t i = 0; i < items.size(); ++i)
    if (items[i] == value) return static_cast<int>(i);
  for (std::size_t i = 0; i < items.size(); ++i)
    if (EqualsNoCase(items[i], value)) return static_cast<int>(i);
  return std::nullopt;
}

// Sets the row's field from the attribute it owns (nullptr: the tag has
// none). A value the field cannot show leaves the field as created; the
// attribute stays as written all the same.
void PresetRow(DialogFields& f, const Binding& b, const TagAttribute* a, std::string_view prefix) {
  const std::string value = a ? a->value : std::string();
  switch (b.kind) {
    case Kind::Anchor:
      f.Set(b.control, value.starts_with(prefix) ? value.substr(prefix.size()) : value);
      break;
    case Kind::Number:
      if (const auto n = ReadInt(value)) f.Set(b.control, std::to_string(*n));
      break;
    case Kind::Percent: {
      const bool percent = value.find('%') != std::string::npos;
      const auto n = ReadInt(percent ? std::string_view(value).substr(0, value.size() - 1) : value);
      if (n) f.Set(b.control, std::to_string(*n));
      f.SetChecked(b.check, percent);
      break;
    }
    case Kind::Radio:
      if (const auto i = a ? RadioItem(b, value) : std::nullopt) f.SetIndex(b.control, *i);
      break;
    case Kind::Keyword: f.SetChecked(b.control, a != nullptr); break;
    case Kind::Text:
    case Kind::Combo:
    case Kind::Colour:
    case Kind::Handler:
      f.Set(b.control, !b.valuePrefix.empty() && value.starts_with(b.valuePrefix)
                           ? value.substr(b.valuePrefix.size())
                           : value);
      break;
    case Kind::Count:
    case Kind::Grid:
    case Kind::FrameGrid: break;
  }
}

bool Unread(const ReEditSpec& spec, std::string_view control) {
  return std::find(spec.unread.begin(), spec.unread.end(), control) != spec.unread.end();
}

// The name of the attribute a row writes.
std::string AttributeOf(const DialogFields& f, const Binding& b) {
  return b.kind == Kind::Anchor ? f.Get(kFieldAttribute, "HREF") : std::string(b.attribute);
}

void KeepShown(DialogFields& f, std::span<const Binding> rows, const ReEditSpec* spec) {
  for (const Binding& b : rows)
    if (Owns(b) && !(spec && Unread(*spec, b.control))) f.Set(ShownKey(b), RowState(f, b));
}

}  // namespace

DialogFields PresetFromTag(const TagDialogModel& model, const ReEditSpec& spec, std::string_view tag,
                           const EditingOptions&) {
  DialogFields f = CreateFields(model);
  f.Set(kFieldMode, "1");
  f.Set(kFieldCaption, spec.title.empty()
                           ? FormatMessage(MessageSjis(Msg::ReEditTitle),
                                           {spec.titleName.empty() ? spec.element : spec.titleName})
                           : spec.title.Sjis());
  f.Set(kFieldName, std::string(spec.element));
  if (!spec.attribute.empty()) {
    f.Set(kFieldAttribute, std::string(spec.attribute));
    f.Set(kFieldPrefix, std::string(spec.prefix));
  }
  if (!spec.label.empty()) f.Set("lbInput", spec.label.Sjis());
  f.Set(kFieldReEditTag, std::string(tag));

  const TagText t = ReadTag(tag);
  for (const Binding& b : model.rows) {
    if (Unread(spec, b.control)) {
      if (spec.disableUnread) f.Set(std::string(b.control) + "#enabled", "0");
      continue;
    }
    if (Owns(b)) PresetRow(f, b, FindAttribute(t.attributes, AttributeOf(f, b)), spec.prefix);
  }
  model.show(f, true);
  KeepShown(f, model.rows, &spec);
  return f;
}

void PresetRows(DialogFields& f, std::span<const Binding> rows, std::string_view tag) {
  f.Set(kFieldMode, "1");
  f.Set(kFieldReEditTag, std::string(tag));
  const TagText t = ReadTag(tag);
  for (const Binding& b : rows)
    if (Owns(b)) PresetRow(f, b, FindAttribute(t.attributes, AttributeOf(f, b)), {});
  KeepShown(f, rows, nullptr);
}

std::string ReEditedTag(std::span<const Binding> rows, const DialogFields& f, const EditingOptions& options) {
  std::string tag = f.Get(kFieldReEditTag);
  const TagText t = ReadTag(tag);
  if (t.name.empty() || RequiredMissing(f, rows)) return tag;
  std::vector<Edit> edits;
  std::string added;
  for (const Binding& b : rows) {
    const std::string key = ShownKey(b);
    if (!f.Has(key) || RowState(f, b) == f.Get(key)) continue;
    TagWriter w(options);
    w.Attributes(f, std::span<const Binding>(&b, 1));
    const std::string& text = w.Text();  // " NAME=\"value\"", or nothing
    const std::string name = AttributeOf(f, b);
    const TagAttribute* a = FindAttribute(t.attributes, name);
    if (a == nullptr) added += text;
    else if (text.empty()) edits.push_back(Removal(tag, t.attributes, static_cast<std::size_t>(a - t.attributes.data())));
    // The new value under the name as the author spelt it.
    else edits.push_back({a->begin, a->end, a->name + text.substr(std::min(text.size(), 1 + name.size()))});
  }
  // From the end backwards, so that the positions still hold. A quote left
  // open would take in what follows it: new attributes go before it.
  std::size_t at = t.tail;
  if (!t.attributes.empty() && t.attributes.back().unclosed) {
    const TagAttribute& open = t.attributes.back();
    at = open.lead;
    // A name that begins with '=' would read as the value of a keyword
    // before it: a '/' ends the keyword. Written up against it
    // (A="1"B="open), a blank keeps them apart.
    if (!added.empty() && open.name.starts_with('=')) added += '/';
    if (!added.empty() && open.lead == open.begin) added += ' ';
  }
  edits.push_back({at, at, added});
  // At one place a replacement goes before the insertion, which then lands
  // in front of it.
  std::sort(edits.begin(), edits.end(),
            [](const Edit& x, const Edit& y) { return x.from != y.from ? x.from > y.from : x.to > y.to; });
  for (const Edit& e : edits) tag.replace(e.from, e.to - e.from, e.text);
  return tag;
}

TagBuild TagDialogModel::build(const DialogFields& f, const EditingOptions& options) const {
  if (IsReEdit(f) && f.Has(kFieldReEditTag)) return SingleBuild(ReEditedTag(rows, f, options));
  return tag(f, options);
}

}  // namespace mw
