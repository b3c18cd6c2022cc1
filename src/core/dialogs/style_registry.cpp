#include "core/dialogs/style_registry.h"

#include <algorithm>

#include "core/app/document_file.h"
#include "core/app/ini_file.h"
#include "core/editing/dialog_services.h"
#include "core/text/encoding.h"
#include "core/text/lines.h"

namespace mw {

namespace {

constexpr std::size_t npos = std::string::npos;
constexpr std::string_view kStyleKey = "STYLE";

std::optional<std::string_view> SectionName(std::string_view line) {
  const std::string_view t = Trim(line);
  if (t.size() < 2 || t.front() != '[') return std::nullopt;
  const auto close = t.find(']');
  if (close == std::string_view::npos) return std::nullopt;
  return Trim(t.substr(1, close - 1));
}

// The value of a "STYLE=value" line.
std::optional<std::string> StyleOfLine(std::string_view line) {
  const auto eq = line.find('=');
  if (eq == std::string_view::npos || !EqualsNoCase(Trim(line.substr(0, eq)), kStyleKey)) return std::nullopt;
  std::string_view v = Trim(line.substr(eq + 1));
  // Enclosing double quotes are the file form's, not the style's.
  if (v.size() >= 2 && v.front() == '"' && v.back() == '"') v = v.substr(1, v.size() - 2);
  return std::string(v);
}

}  // namespace

bool StyleLess(std::string_view a, std::string_view b) { return AsciiLower(a) < AsciiLower(b); }

std::size_t SortedPlace(const std::vector<std::string>& sorted, std::string_view style) {
  const auto it = std::upper_bound(sorted.begin(), sorted.end(), style,
                                   [](std::string_view s, const std::string& e) { return StyleLess(s, e); });
  return static_cast<std::size_t>(it - sorted.begin());
}

std::vector<std::string> ParseStyleList(std::string_view bytes) {
  std::vector<std::string> styles;
  for (const std::string_view line : SplitLines(bytes))
    if (!Trim(line).empty()) styles.emplace_back(line);
  std::stable_sort(styles.begin(), styles.end(), [](const std::string& a, const std::string& b) { return StyleLess(a, b); });
  return styles;
}

std::vector<std::string> LoadStyleList(const std::string& path) {
  std::string bytes;
  for (const std::string& line : LoadListFile(path)) bytes += line + "\r\n";
  return ParseStyleList(bytes);
}

std::string SerializeStyleList(const std::vector<std::string>& styles) {
  std::string bytes;
  for (const std::string& s : styles) bytes += s + "\r\n";
  return bytes;
}

void SaveStyleList(const std::string& path, const std::vector<std::string>& styles) {
  WriteFileAtomic(path, SerializeStyleList(styles));
}

TagClassList TagClassList::Load(const std::string& path) {
  // The settings file reader's checks: a missing file is empty, a FIFO or
  // device is refused.
  return Parse(IniFile::Load(path).Serialize());
}

TagClassList TagClassList::Parse(std::string_view bytes) {
  TagClassList list;
  for (const std::string_view line : SplitLines(bytes)) list.m_lines.emplace_back(line);
  // A final line end is no line of its own.
  if (!list.m_lines.empty() && list.m_lines.back().empty()) list.m_lines.pop_back();
  return list;
}

std::vector<std::string> TagClassList::Selectors() const {
  std::vector<std::string> names;
  for (const std::string& line : m_lines)
    if (const auto name = SectionName(line); name && !name->empty()) names.emplace_back(*name);
  return names;
}

std::size_t TagClassList::FindSection(std::string_view selector) const {
  for (std::size_t i = 0; i < m_lines.size(); ++i)
    if (const auto name = SectionName(m_lines[i]); name && EqualsNoCase(*name, selector)) return i;
  return npos;
}

std::size_t TagClassList::SectionEnd(std::size_t header) const {
  std::size_t i = header + 1;
  while (i < m_lines.size() && !SectionName(m_lines[i])) ++i;
  return i;
}

std::optional<std::string> TagClassList::Style(std::string_view selector) const {
  const std::size_t h = FindSection(selector);
  if (h == npos) return std::nullopt;
  for (std::size_t i = h + 1; i < SectionEnd(h); ++i)
    if (auto s = StyleOfLine(m_lines[i])) return s;
  return std::nullopt;
}

void TagClassList::SetStyle(std::string_view selector, std::string_view style) {
  const std::string line = std::string(kStyleKey) + "=" + std::string(style);
  std::size_t h = FindSection(selector);
  if (h == npos) {
    m_lines.push_back("[" + std::string(selector) + "]");
    m_lines.push_back(line);
    return;
  }
  const std::size_t end = SectionEnd(h);
  for (std::size_t i = h + 1; i < end; ++i) {
    if (StyleOfLine(m_lines[i])) {
      m_lines[i] = line;
      return;
    }
  }
  // After the section's last non-blank line, so a blank separator stays
  // before the next section.
  std::size_t at = end;
  while (at > h + 1 && Trim(m_lines[at - 1]).empty()) --at;
  m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(at), line);
}

bool TagClassList::Remove(std::string_view selector) {
  const std::size_t h = FindSection(selector);
  if (h == npos) return false;
  const std::size_t end = SectionEnd(h);
  // The header and its key lines go; a line of no form (a hand-edited
  // remark, say) is no part of the section's setting and stays.
  std::vector<std::string> kept;
  for (std::size_t i = h + 1; i < end; ++i) {
    const std::string_view t = Trim(m_lines[i]);
    if (!t.empty() && t.find('=') == std::string_view::npos) kept.push_back(m_lines[i]);
  }
  m_lines.erase(m_lines.begin() + static_cast<std::ptrdiff_t>(h), m_lines.begin() + static_cast<std::ptrdiff_t>(end));
  m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(h), kept.begin(), kept.end());
  return true;
}

std::string TagClassList::Serialize() const {
  std::string bytes;
  for (const std::string& line : m_lines) bytes += line + "\r\n";
  return bytes;
}

void TagClassList::Save(const std::string& path) const { WriteFileAtomic(path, Serialize()); }

}  // namespace mw
