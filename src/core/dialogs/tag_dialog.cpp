#include "core/dialogs/tag_dialog.h"

#include "core/editing/tag_text.h"

namespace mw {

bool IsReEdit(const DialogFields& f) { return f.Get(kFieldMode) == "1"; }

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
  // Handler names keep their mixed case unless tags are lower-cased.
  m_text += ApplyTagCase(" " + std::string(name) + "=\"", m_options);
  m_text += value;
  if (percent) m_text += '%';
  m_text += '"';
  return *this;
}

TagWriter& TagWriter::Keyword(std::string_view keyword, bool on) {
  if (on) m_text += ApplyTagCase(keyword, m_options);
  return *this;
}

std::string NumberText(const DialogFields& f, std::string_view control) {
  std::string v = f.Get(control);
  return v == "-1" ? std::string() : v;
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

TagBuild SingleBuild(std::string text) {
  TagBuild b;
  b.start = text;
  b.innerOffset = static_cast<Offset>(text.size());
  b.preview = std::move(text);
  return b;
}

std::string ElementOf(const DialogFields& f, std::string_view fallback) {
  std::string name = f.Get(kFieldName);
  return name.empty() ? std::string(fallback) : name;
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

}  // namespace mw
