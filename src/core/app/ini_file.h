// Settings files in the initialisation-file form: "[section]" lines, then
// "key=value" lines. Reading and writing follow the private-profile rules
// authors' existing files rely on: section and key names ignore letter
// case; a missing key or a value that is not an integer gives the default;
// writing a key replaces its line in place or adds it to its section, and
// every other line (unknown sections, keys, comments) stays as it was.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mw {

class IniFile {
 public:
  IniFile() = default;
  // A missing file is an empty one; other read errors, and a name that is
  // no regular file (a FIFO, a device, a folder), throw FileError.
  static IniFile Load(const std::string& path);
  static IniFile Parse(std::string_view bytes);

  std::optional<std::string> Get(std::string_view section, std::string_view key) const;
  std::string GetString(std::string_view section, std::string_view key, std::string_view def) const;
  // The whole value must be a decimal integer (optional sign), else def.
  int GetInt(std::string_view section, std::string_view key, int def) const;
  // The same, and a value outside [min, max] gives def too.
  int GetInt(std::string_view section, std::string_view key, int def, int min, int max) const;
  // Any non-zero integer is true.
  bool GetBool(std::string_view section, std::string_view key, bool def) const;

  // A value ends at its first line break; one that begins or ends with a
  // byte reading trims (a space, a tab, any control byte) or has enclosing
  // quotes is written in quotes, so it reads back unchanged.
  void Set(std::string_view section, std::string_view key, std::string_view value);
  void SetInt(std::string_view section, std::string_view key, int value);
  void SetBool(std::string_view section, std::string_view key, bool value);

  // The section names in file order, as written (a name given twice once).
  std::vector<std::string> Sections() const;
  // Removes the section's header and every line up to the next section.
  void EraseSection(std::string_view section);

  // The file's bytes: every line followed by CR LF.
  std::string Serialize() const;
  // Written atomically; throws FileError.
  void Save(const std::string& path) const;

 private:
  // Index of the section's header line, or npos.
  std::size_t FindSection(std::string_view section) const;
  // Index of the key's line within the section starting at header, or npos.
  std::size_t FindKey(std::size_t header, std::string_view key) const;
  std::size_t SectionEnd(std::size_t header) const;

  std::vector<std::string> m_lines;
};

}  // namespace mw
