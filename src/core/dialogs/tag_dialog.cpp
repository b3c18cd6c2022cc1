#include "core/dialogs/tag_dialog.h"

#include "core/editing/tag_text.h"

namespace mw {

bool IsReEdit(const DialogFields& f) { return f.Get(kFieldMode) == "1"; }

void NoShowStep(DialogFields&, bool) {}

TagWriter& TagWriter::Open(std::string_view name) {
  m_text += ApplyTagCase("<" + std::string(name), m_options);
  return *this;
}

TagWriter& TagWriter::Syntax(std::string_view text) {
  m_text += ApplyTagCase(text, m_options);
  return *this;
}

TagWriter& TagWriter::Raw(std::string_view text) {
  m_text += text;
  return *this;
}

TagWriter& TagWriter::Attr(std::string_view name, std::string_view value) {
  return Size(name, value, false);
}

TagWriter& TagWriter::Size(std::string_view name, std::string_view value, bool percent) {
  if (value.empty()) return *this;
  m_text += ApplyTagCase(" " + std::string(name) + "=\"", m_options);
  m_text += value;
  if (percent) m_text += '%';
  m_text += '"';
  return *this;
}

TagWriter& TagWriter::Radio(std::string_view name, std::string_view items, int index, int notSet) {
  if (index == notSet || index < 0) return *this;
  const auto list = SplitItems(items);
  if (static_cast<std::size_t>(index) >= list.size()) return *this;
  return Attr(name, list[static_cast<std::size_t>(index)]);
}

TagWriter& TagWriter::Keyword(std::string_view keyword, bool on) {
  if (on) m_text += ApplyTagCase(keyword, m_options);
  return *this;
}

TagWriter& TagWriter::Common(const DialogFields& f) {
  Attr("TITLE", f.Get("edTitle"));
  Attr("LANG", f.Get("cbLang"));
  Attr("ID", f.Get("cbID"));
  Attr("CLASS", f.Get("cbCLASS"));
  return Attr("STYLE", f.Get("cbStyle"));
}

TagWriter& TagWriter::Handlers(const DialogFields& f, std::span<const std::string_view> handlers) {
  for (const auto h : handlers) {
    const std::string value = f.Get(HandlerControl(h));
    if (value.empty()) continue;
    // Handler names keep their mixed case unless tags are lower-cased.
    m_text += ApplyTagCase(" " + std::string(h) + "=\"", m_options);
    m_text += value;
    m_text += '"';
  }
  return *this;
}

TagWriter& TagWriter::PassThrough(const DialogFields& f) { return Raw(f.Get(kFieldPassThrough)); }

std::string HandlerControl(std::string_view handler) {
  std::string c = "cb" + std::string(handler);
  if (c.size() > 2 && c[2] >= 'a' && c[2] <= 'z') c[2] = static_cast<char>(c[2] - 'a' + 'A');
  return c;
}

std::string NumberText(const DialogFields& f, std::string_view control) {
  std::string v = f.Get(control);
  return v == "-1" ? std::string() : v;
}

void BlankUnset(DialogFields& f, std::initializer_list<std::string_view> controls, bool zeroToo) {
  for (const auto c : controls) {
    const std::string v = f.Get(c);
    if (v == "-1" || (zeroToo && v == "0")) f.Set(c, "");
  }
}

TagBuild WrapBuild(const DialogFields& f, std::string start, std::string end) {
  TagBuild b;
  b.innerOffset = static_cast<Offset>(start.size());
  if (IsReEdit(f)) {
    b.preview = start;
    b.start = std::move(start);
    return b;
  }
  b.preview = start + f.Get(kFieldSelText) + end;
  b.start = std::move(start);
  b.end = std::move(end);
  return b;
}

std::string PaletteColour(unsigned char red, unsigned char green, unsigned char blue,
                          const EditingOptions& options) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string t = "#";
  for (const unsigned char c : {red, green, blue}) {
    t += kHex[c >> 4];
    t += kHex[c & 15];
  }
  return ApplyTagCase(t, options);
}

void CreateCommon(DialogFields& f) {
  for (const auto c : {"edTitle", "cbLang", "cbID", "cbCLASS", "cbStyle"}) f.Set(c, "");
}

}  // namespace mw
