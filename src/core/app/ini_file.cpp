#include "core/app/ini_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cctype>
#include <cstdlib>
#include <cstring>

#include "core/app/document_file.h"
#include "core/text/encoding.h"
#include "core/text/lines.h"

namespace mw {

namespace {

constexpr std::size_t npos = std::string::npos;

// The name of a "[name]" line, or nullopt for any other line.
std::optional<std::string_view> SectionName(std::string_view line) {
  const std::string_view t = Trim(line);
  if (t.size() < 2 || t.front() != '[') return std::nullopt;
  const auto close = t.find(']');
  if (close == std::string_view::npos) return std::nullopt;
  return Trim(t.substr(1, close - 1));
}

bool KeyOfLine(std::string_view line, std::string_view& key, std::string_view& value) {
  const auto eq = line.find('=');
  if (eq == std::string_view::npos) return false;
  key = Trim(line.substr(0, eq));
  value = Trim(line.substr(eq + 1));
  return !key.empty() && key.front() != ';';
}

}  // namespace

IniFile IniFile::Load(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) {
    if (errno == ENOENT) return IniFile();
    throw FileError(path, std::strerror(errno));
  }
  // A FIFO or device of that name would block the read or never end; it is
  // no settings file, and is never written over either.
  if (!S_ISREG(st.st_mode)) throw FileError(path, "not a regular file");
  return Parse(ReadFileBytes(path));
}

IniFile IniFile::Parse(std::string_view bytes) {
  IniFile ini;
  for (auto line : SplitLines(bytes)) ini.m_lines.emplace_back(line);
  return ini;
}

std::size_t IniFile::FindSection(std::string_view section) const {
  for (std::size_t i = 0; i < m_lines.size(); ++i) {
    const auto name = SectionName(m_lines[i]);
    if (name && EqualsNoCase(*name, section)) return i;
  }
  return npos;
}

std::vector<std::string> IniFile::Sections() const {
  std::vector<std::string> names;
  for (const std::string& line : m_lines) {
    const auto name = SectionName(line);
    if (!name) continue;
    bool seen = false;
    for (const std::string& n : names) seen = seen || EqualsNoCase(n, *name);
    if (!seen) names.emplace_back(*name);
  }
  return names;
}

void IniFile::EraseSection(std::string_view section) {
  // Every header of that name: a key is read from the first, but a second
  // one left behind would bring the section back.
  for (std::size_t header = FindSection(section); header != npos; header = FindSection(section))
    m_lines.erase(m_lines.begin() + static_cast<std::ptrdiff_t>(header),
                  m_lines.begin() + static_cast<std::ptrdiff_t>(SectionEnd(header)));
}

std::size_t IniFile::SectionEnd(std::size_t header) const {
  std::size_t i = header + 1;
  while (i < m_lines.size() && !SectionName(m_lines[i])) ++i;
  return i;
}

std::size_t IniFile::FindKey(std::size_t header, std::string_view key) const {
  const std::size_t end = SectionEnd(header);
  for (std::size_t i = header + 1; i < end; ++i) {
    std::string_view k, v;
    if (KeyOfLine(m_lines[i], k, v) && EqualsNoCase(k, key)) return i;
  }
  return npos;
}

std::optional<std::string> IniFile::Get(std::string_view section, std::string_view key) const {
  const std::size_t header = FindSection(section);
  if (header == npos) return std::nullopt;
  const std::size_t line = FindKey(header, key);
  if (line == npos) return std::nullopt;
  std::string_view k, v;
  KeyOfLine(m_lines[line], k, v);
  // A value written in double quotes is read without them.
  if (v.size() >= 2 && v.front() == '"' && v.back() == '"') v = v.substr(1, v.size() - 2);
  return std::string(v);
}

std::string IniFile::GetString(std::string_view section, std::string_view key, std::string_view def) const {
  auto v = Get(section, key);
  return v ? *v : std::string(def);
}

int IniFile::GetInt(std::string_view section, std::string_view key, int def) const {
  const auto v = Get(section, key);
  if (!v || v->empty()) return def;
  char* end = nullptr;
  errno = 0;
  const long n = std::strtol(v->c_str(), &end, 10);
  if (*end != '\0' || errno != 0 || n < INT_MIN || n > INT_MAX || !(std::isdigit(static_cast<unsigned char>(v->back()))))
    return def;
  return static_cast<int>(n);
}

int IniFile::GetInt(std::string_view section, std::string_view key, int def, int min, int max) const {
  const int v = GetInt(section, key, def);
  return v < min || v > max ? def : v;
}

bool IniFile::GetBool(std::string_view section, std::string_view key, bool def) const {
  return GetInt(section, key, def ? 1 : 0) != 0;
}

void IniFile::Set(std::string_view section, std::string_view key, std::string_view value) {
  // One line per key: a line break in the value (a folder name may hold
  // one) would start lines of its own, even sections, so the value ends
  // there.
  value = value.substr(0, value.find_first_of("\r\n"));
  // Reading trims spaces and control bytes and takes off enclosing quotes;
  // such a value is written in quotes so it reads back as it was (a file
  // without quotes reads as before).
  const auto trimmed = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
  const bool quote = !value.empty() && (trimmed(value.front()) || trimmed(value.back()) ||
                                        (value.size() >= 2 && value.front() == '"' && value.back() == '"'));
  std::string line = std::string(key) + "=" + (quote ? "\"" + std::string(value) + "\"" : std::string(value));
  std::size_t header = FindSection(section);
  if (header == npos) {
    if (!m_lines.empty() && !Trim(m_lines.back()).empty()) m_lines.emplace_back();
    m_lines.push_back("[" + std::string(section) + "]");
    m_lines.push_back(std::move(line));
    return;
  }
  const std::size_t at = FindKey(header, key);
  if (at != npos) {
    m_lines[at] = std::move(line);
    return;
  }
  // After the section's last non-blank line, so blank separators stay last.
  std::size_t end = SectionEnd(header);
  while (end > header + 1 && Trim(m_lines[end - 1]).empty()) --end;
  m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(end), std::move(line));
}

void IniFile::SetInt(std::string_view section, std::string_view key, int value) {
  Set(section, key, std::to_string(value));
}

void IniFile::SetBool(std::string_view section, std::string_view key, bool value) {
  Set(section, key, value ? "1" : "0");
}

std::string IniFile::Serialize() const {
  std::string out;
  for (const auto& l : m_lines) {
    out += l;
    out += "\r\n";
  }
  return out;
}

void IniFile::Save(const std::string& path) const { WriteFileAtomic(path, Serialize()); }

}  // namespace mw
