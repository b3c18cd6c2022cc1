#include "core/check/tag_lists.h"

#include <algorithm>
#include <initializer_list>

#include "core/app/document_file.h"
#include "core/text/encoding.h"

namespace mw {
namespace {

// Alphabetical without regard to case; names differing only in case keep a
// fixed order so that a saved file does not change from run to run.
bool NameLess(const std::string& a, const std::string& b) {
  const std::string ua = AsciiUpper(a);
  const std::string ub = AsciiUpper(b);
  return ua != ub ? ua < ub : a < b;
}

std::vector<std::string> Names(std::initializer_list<const char*> names) {
  return {names.begin(), names.end()};
}

}  // namespace

TagList::TagList(const std::vector<std::string>& names) : m_names(names) {
  std::stable_sort(m_names.begin(), m_names.end(), NameLess);
  Rebuild();
}

void TagList::Rebuild() {
  m_upper.clear();
  for (const auto& n : m_names) m_upper.insert(AsciiUpper(n));
}

bool TagList::Contains(std::string_view name) const { return ContainsUpper(AsciiUpper(name)); }

bool TagList::Add(std::string_view name) {
  if (Contains(name)) return false;
  std::string n(name);
  m_names.insert(std::upper_bound(m_names.begin(), m_names.end(), n, NameLess), n);
  m_upper.insert(AsciiUpper(n));
  return true;
}

bool TagList::Remove(std::string_view name) {
  const std::string upper = AsciiUpper(name);
  const auto it = std::find_if(m_names.begin(), m_names.end(),
                               [&](const std::string& n) { return AsciiUpper(n) == upper; });
  if (it == m_names.end()) return false;
  m_names.erase(it);
  Rebuild();  // a file may hold the same name in two cases
  return true;
}

std::string TagList::FileText() const {
  std::string out;
  for (const auto& n : m_names) out.append(n).append("\r\n");
  return out;
}

TagList TagList::FromFileText(std::string_view text) {
  std::vector<std::string> names;
  std::size_t i = 0;
  while (i < text.size()) {
    const std::size_t end = std::min(text.find_first_of("\r\n", i), text.size());
    if (end > i) names.emplace_back(text.substr(i, end - i));
    i = end;
    if (i < text.size() && text[i] == '\r') ++i;
    if (i < text.size() && text[i] == '\n') ++i;
  }
  return TagList(names);
}

TagList& TagLists::Of(TagListKind k) {
  return k == TagListKind::Twin ? twin : k == TagListKind::Omissible ? omissible : single;
}

const TagList& TagLists::Of(TagListKind k) const {
  return k == TagListKind::Twin ? twin : k == TagListKind::Omissible ? omissible : single;
}

std::string_view TagListFileName(TagListKind k) {
  switch (k) {
    case TagListKind::Twin: return "TwinTag.txt";
    case TagListKind::Omissible: return "OmissibleTag.txt";
    case TagListKind::Single: return "SingleTag.txt";
  }
  return {};
}

TagList BuiltInTagList(TagListKind k) {
  switch (k) {
    case TagListKind::Twin:
      return TagList(Names({"A",        "ABBR",    "ACRONYM", "ADDRESS",  "APPLET",   "B",      "BIG",
                            "BLOCKQUOTE", "BODY",  "BUTTON",  "CAPTION",  "CENTER",   "CITE",   "CODE",
                            "DEL",      "DFN",     "DIR",     "DIV",      "DL",       "EM",     "FIELDSET",
                            "FONT",     "FORM",    "FRAMESET", "H1",      "H2",       "H3",     "H4",
                            "H5",       "H6",      "HEAD",    "HTML",     "I",        "IFRAME", "INS",
                            "KBD",      "LABEL",   "LEGEND",  "MAP",      "MENU",     "NOBR",   "NOFRAMES",
                            "NOSCRIPT", "OBJECT",  "OL",      "OPTGROUP", "PRE",      "Q",      "S",
                            "SAMP",     "SCRIPT",  "SELECT",  "SMALL",    "SPAN",     "STRIKE", "STRONG",
                            "STYLE",    "SUB",     "SUP",     "TABLE",    "TEXTAREA", "TITLE",  "TT",
                            "U",        "UL",      "VAR",     "WBR"}));
    case TagListKind::Omissible:
      return TagList(Names({"COLGROUP", "DD", "DT", "LI", "OPTION", "P", "TBODY", "TD", "TFOOT", "TH",
                            "THEAD", "TR"}));
    case TagListKind::Single:
      return TagList(Names({"!DOCTYPE", "AREA", "BASE", "BASEFONT", "BR", "COL", "FRAME", "HR", "IMG",
                            "INPUT", "ISINDEX", "LINK", "META", "PARAM"}));
  }
  return {};
}

TagLists BuiltInTagLists() {
  return {BuiltInTagList(TagListKind::Twin), BuiltInTagList(TagListKind::Omissible),
          BuiltInTagList(TagListKind::Single)};
}

TagLists LoadTagLists(const std::filesystem::path& folder) {
  TagLists lists;
  for (const auto k : {TagListKind::Twin, TagListKind::Omissible, TagListKind::Single}) {
    const std::filesystem::path file = folder / TagListFileName(k);
    std::error_code ec;
    lists.Of(k) = std::filesystem::exists(file, ec) ? TagList::FromFileText(ReadFileBytes(file.string()))
                                                    : BuiltInTagList(k);
  }
  return lists;
}

TagLists LoadProgramTagLists() {
  std::error_code ec;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? BuiltInTagLists() : LoadTagLists(exe.parent_path());
}

void SaveTagList(const std::filesystem::path& folder, TagListKind k, const TagList& list) {
  WriteFileAtomic((folder / TagListFileName(k)).string(), list.FileText());
}

}  // namespace mw
