// The two style registries of the data folder.
//
// StyleList.txt: one style per line (CR LF), kept in the order of the style
// editor's list, alphabetical without regard to letter case. A line is
// taken exactly as written, whatever it holds; only blank lines carry
// nothing and are left out.
//
// TagClassList.txt: the style of each selector (H1, P.note), an ini-form
// file with one section per selector, in file order, and the key STYLE.
// Saving changes only the section concerned: every other line, including
// lines that are no section, key or comment, stays exactly as it was.
//
// Both files are written atomically, like documents.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mw {

inline constexpr std::string_view kTagClassListName = "TagClassList.txt";

// Case-blind alphabetical order of the editor's list.
bool StyleLess(std::string_view a, std::string_view b);
// Where a style goes in a sorted list (after entries that sort equal).
std::size_t SortedPlace(const std::vector<std::string>& sorted, std::string_view style);

// A missing file is an empty list; the list comes back sorted.
std::vector<std::string> LoadStyleList(const std::string& path);
std::vector<std::string> ParseStyleList(std::string_view bytes);
std::string SerializeStyleList(const std::vector<std::string>& styles);
// Throws FileError.
void SaveStyleList(const std::string& path, const std::vector<std::string>& styles);

class TagClassList {
 public:
  // A missing file is an empty list; throws FileError on other errors.
  static TagClassList Load(const std::string& path);
  static TagClassList Parse(std::string_view bytes);

  // The section names, in file order.
  std::vector<std::string> Selectors() const;
  // The STYLE of a selector (letter case ignored); nullopt when the section
  // or its key is missing.
  std::optional<std::string> Style(std::string_view selector) const;
  // Sets the STYLE, adding the section at the end when it is new.
  void SetStyle(std::string_view selector, std::string_view style);
  // Removes the section's header and its keys; false when there is none.
  bool Remove(std::string_view selector);

  std::string Serialize() const;
  // Throws FileError.
  void Save(const std::string& path) const;

 private:
  std::size_t FindSection(std::string_view selector) const;
  std::size_t SectionEnd(std::size_t header) const;

  std::vector<std::string> m_lines;
};

}  // namespace mw
