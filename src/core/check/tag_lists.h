// The three name lists that say which elements exist and whether their end
// tag is required, optional or forbidden. The author edits them, so they are
// kept as plain files beside the program; a missing file means the built-in
// names. Lookups ignore letter case, because authors write tags either way.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace mw {

// A set of element names, kept in alphabetical order without regard to
// case. Names keep the case they were typed in; an upper-cased copy of each
// answers lookups in constant time, since the checker asks once per tag.
class TagList {
 public:
  TagList() = default;
  explicit TagList(const std::vector<std::string>& names);

  // Whole-name lookup ignoring ASCII case (double-byte characters exact).
  bool Contains(std::string_view name) const;
  // The same for a name already in upper case (the checker's form).
  bool ContainsUpper(const std::string& upperName) const { return m_upper.contains(upperName); }
  // The list's own upper-case copy of the name, or null: a scan can hold
  // on to it instead of a string of its own while the list is unchanged.
  const std::string* FindUpper(const std::string& upperName) const {
    const auto it = m_upper.find(upperName);
    return it == m_upper.end() ? nullptr : &*it;
  }

  // Adds the name at its sorted place unless it is there already in any
  // case; false when it was there.
  bool Add(std::string_view name);
  // Removes the entry equal to name ignoring case; false when absent.
  bool Remove(std::string_view name);

  const std::vector<std::string>& Names() const { return m_names; }

  // The file form: Shift-JIS, one name a line, each followed by CR LF.
  std::string FileText() const;
  // Reads the file form; CR LF, LF and CR all end a line. Empty lines are
  // not names (one would make "<>" pass as a known element).
  static TagList FromFileText(std::string_view text);

 private:
  void Rebuild();
  std::vector<std::string> m_names;
  std::unordered_set<std::string> m_upper;
};

enum class TagListKind { Twin, Omissible, Single };

// End tag required / may be omitted / none.
struct TagLists {
  TagList twin;
  TagList omissible;
  TagList single;

  TagList& Of(TagListKind k);
  const TagList& Of(TagListKind k) const;
};

// The file name of each list in the program folder.
std::string_view TagListFileName(TagListKind k);

// The names a list starts with when its file does not exist.
TagList BuiltInTagList(TagListKind k);
TagLists BuiltInTagLists();

// Each list from its file in folder when the file exists, else built in.
// An unreadable existing file throws FileError, like any file input.
TagLists LoadTagLists(const std::filesystem::path& folder);

// The lists as a newly opened checker reads them: from the folder of the
// running program.
TagLists LoadProgramTagLists();

// Replaces the list's file in folder with the list ("保存"). Throws FileError.
void SaveTagList(const std::filesystem::path& folder, TagListKind k, const TagList& list);

}  // namespace mw
