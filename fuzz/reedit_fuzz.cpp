// Random tags, read as attributes and re-edited with F2 and OK.
//
// The reader: attributes lie in order inside the tag, each name where it
// stands, and the list written out again reads back the same. F2 and OK
// with nothing changed gives the document back byte for byte; with one
// field changed, every attribute but that field's comes back with its
// value, none is gained, none is written twice. Every routine, opened on
// any tag and confirmed unchanged, gives the tag back as it was; the
// older substring readers of the tag take any tag.
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "core/dialogs/edit_tag.h"
#include "core/dialogs/tag_dialogs.h"
#include "core/editing/memory_editor.h"
#include "core/editing/tag_text.h"
#include "core/text/tag_attributes.h"

namespace {

using namespace mw;

void Check(bool ok) {
  if (!ok) __builtin_trap();
}

void CheckReader(std::string_view tag) {
  const TagText t = ReadTag(tag);
  std::size_t at = t.nameEnd;
  for (const TagAttribute& a : t.attributes) {
    Check(a.lead >= at && a.lead <= a.begin && a.begin < a.end && a.end <= tag.size());
    Check(!a.name.empty() && tag.substr(a.begin, a.name.size()) == a.name);
    Check(AttributeText(tag, a).find(a.value) != std::string_view::npos);
    at = a.end;
  }
  Check(t.tail >= at && t.tail <= tag.size());
  if (t.name.empty()) return;
  // Written out again with blanks and quotes of its own, the list reads
  // back the same.
  std::string again = "<" + t.name;
  bool bare = false;
  for (const TagAttribute& a : t.attributes) {
    // After a bare name, " =x" would be its value.
    again += (bare && a.name.starts_with('=') ? "/" : " ") + a.name;
    bare = !a.HasValue();
    if (!a.HasValue()) continue;
    if (a.value.find('"') == std::string::npos) again += "=\"" + a.value + "\"";
    else if (a.value.find('\'') == std::string::npos) again += "='" + a.value + "'";
    else return;
  }
  again += ">";
  const TagText back = ReadTag(again);
  Check(back.name == t.name && back.attributes.size() == t.attributes.size());
  for (std::size_t i = 0; i < back.attributes.size(); ++i) {
    Check(back.attributes[i].name == t.attributes[i].name);
    Check(back.attributes[i].value == t.attributes[i].value);
    Check(back.attributes[i].HasValue() == t.attributes[i].HasValue());
  }
}

// Confirms the dialog, first changing the field picked (if any).
class Host : public DialogHost {
 public:
  explicit Host(std::uint8_t pick, std::uint8_t value) : m_pick(pick), m_value(value) {}
  bool Run(std::string_view dialogClass, DialogFields& fields) override {
    shown = true;
    if (m_pick == 0) return true;
    std::span<const Binding> rows = CommonRows();
    if (const TagDialogModel* m = FindTagDialogModel(dialogClass)) rows = m->rows;
    std::vector<const Binding*> owned;
    for (const Binding& b : rows)
      if (fields.Has(std::string(b.control) + std::string(kShownSuffix))) owned.push_back(&b);
    if (owned.empty()) return true;
    const Binding& b = *owned[m_pick % owned.size()];
    changed = b.kind == Kind::Anchor ? fields.Get(kFieldAttribute, "HREF") : std::string(b.attribute);
    // Values without quotes, so what the field writes is one attribute.
    static const char* const kValues[] = {"", "0", "1", "2", "50", "x y", "\x83\x5C", "-1", "abc"};
    const std::string v = kValues[m_value % std::size(kValues)];
    if (b.kind == Kind::Percent && (m_value & 0x80)) fields.SetChecked(b.check, !fields.Checked(b.check));
    else fields.Set(b.control, v);
    return true;
  }
  bool shown = false;
  std::string changed;  // the attribute of the field changed

 private:
  std::uint8_t m_pick, m_value;
};

std::map<std::string, std::vector<std::string>> ValuesByName(std::string_view tag) {
  std::map<std::string, std::vector<std::string>> out;
  for (const TagAttribute& a : ReadTagAttributes(tag)) out[AsciiUpper(a.name)].push_back(a.value);
  return out;
}

constexpr std::string_view kElements[] = {
    "HR", "FONT", "BASEFONT", "TR", "TH", "TD", "OL", "UL", "CAPTION", "META", "P",    "DIV",
    "FORM", "INPUT", "TEXTAREA", "MAP", "FRAME", "A", "SPAN", "B", "H1", "OBJECT", "SELECT", "td",
    "IMG", "AREA", "TABLE", "LINK", "BODY", "FRAMESET", "IFRAME",
};

// Each routine on the tag as it is, confirmed without a change.
void CheckEveryRoutine(std::string_view tag) {
  const EditingOptions options;
  for (const std::string_view routine : ReEditRoutines()) {
    const auto setup = PrepareReEdit(routine, tag, options);
    if (!setup) continue;
    Check(setup->model->build(setup->fields, options).preview == tag);
  }
  for (const std::string_view key : {" HREF", " NAME", " WIDTH", " SRC", "=", ""}) {
    (void)GetAttributeValue(tag, key);
    (void)GetQuotedAttributeValue(tag, key);
  }
  (void)TagNameOf(tag);
}

void CheckReEdit(const std::uint8_t* data, std::size_t size) {
  if (size < 3) return;
  // The tag: an element of a re-edit routine, then the input without the
  // brackets (the caret's tag is found by them).
  std::string tag = "<" + std::string(kElements[data[0] % std::size(kElements)]) + " ";
  for (std::size_t i = 3; i < size; ++i)
    if (data[i] != '<' && data[i] != '>') tag += static_cast<char>(data[i]);
  tag += ">";
  const std::string document = tag + "x";

  MemoryClipboard clipboard;
  MemoryEditor editor{clipboard, DesignFonts()[0]};
  EditingContext ctx;
  ctx.editor = &editor;
  ctx.clipboard = &clipboard;
  Host host(data[1], data[2]);
  ctx.dialogs = &host;
  editor.Load(document);
  editor.SetSelection(1, 1);
  EditTag(ctx);
  const std::string result = editor.GetText();
  if (!host.shown || host.changed.empty()) {
    Check(result == document);
    return;
  }
  Check(result.size() > 1 && result.back() == 'x');
  const std::string after = result.substr(0, result.size() - 1);
  Check(ReadTag(after).name == ReadTag(tag).name);
  auto before = ValuesByName(tag);
  auto now = ValuesByName(after);
  const std::string changed = AsciiUpper(host.changed);
  auto was = before[changed];
  auto is = now[changed];
  before.erase(changed);
  now.erase(changed);
  Check(before == now);
  // The changed one: replaced, removed or added once; the later ones of
  // the same name stay.
  if (was.empty()) {
    Check(is.size() <= 1);
  } else {
    Check(is.size() == was.size() || is.size() + 1 == was.size());
    Check(std::equal(was.begin() + 1, was.end(), is.end() - static_cast<std::ptrdiff_t>(was.size() - 1)));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > 4096) return 0;
  CheckReader(std::string_view(reinterpret_cast<const char*>(data), size));
  CheckReEdit(data, size);
  if (size > 0 && data[0] == '<') CheckEveryRoutine(std::string_view(reinterpret_cast<const char*>(data), size));
  return 0;
}
