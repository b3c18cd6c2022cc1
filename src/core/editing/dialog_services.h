// What dialogs read besides their own fields: the list files of the data
// folder (colours, styles), the class and ID names of the page and of the
// style sheet it links, the project's link candidates, the installed fonts,
// the memory file PreviousSetting.txt, and hooks the main window keeps
// current. The editing context carries one; nothing holds it globally.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/editing/dialog_host.h"

namespace mw {

inline constexpr std::string_view kColorListName = "ColorList.txt";
inline constexpr std::string_view kStyleListName = "StyleList.txt";
inline constexpr std::string_view kPreviousSettingName = "PreviousSetting.txt";

struct DialogServices {
  std::string dataFolder;  // empty: no list files, nothing remembered
  // The project's file names and file#marker texts, sorted; empty without
  // a project window.
  std::function<std::vector<std::string>()> urlCandidates;
  // The text of the style sheet the document links, when it exists.
  std::function<std::string(const std::string& documentText)> linkedStyleSheet;
  // The names of the installed fonts.
  std::function<std::vector<std::string>()> fontNames;
  // The relative URL of a file chosen with a reference button, from the
  // file's path and the document's path.
  std::function<std::string(const std::string& file, const std::string& document)> makeRelativePath;
  // Called after OK in a dialog that changes links (link, marker, map,
  // frame), so a shown link list can be rebuilt.
  std::function<void()> linksChanged;
  // The main window's save command on the active document; true when the
  // document now exists on disk.
  std::function<bool()> saveDocument;
  // Shows a page in a browser (the button that asked: IEBtn, NNBtn or
  // BrowseBtn); without it no page is shown.
  std::function<void(std::string_view button, const std::string& path)> showInBrowser;
  // Takes a temporary file into the main window's list, deleted later.
  std::function<void(const std::string& path)> registerTempFile;
  // Where file choices start: the file list panel's folder.
  std::function<std::string()> startFolder;
};

// Where a control's item list comes from besides its fixed items.
enum class ListSource { None, Colours, Styles, Classes, Ids, Urls, Fonts };

// The LANG choices every common attribute group offers, '\n' between them.
inline constexpr std::string_view kLangItems = "ja\nen\nen-US\nfr\nde\nzh";

// Items separated by '\n'; an empty first line is an empty first item.
std::vector<std::string> SplitItems(std::string_view items);

// The items a source gives for a page with this text.
std::vector<std::string> SourceItems(const DialogServices& s, ListSource source, std::string_view documentText);

// The lines of a list file (CR LF, CR or LF ends; a last empty line is no
// item); empty when the file is missing.
std::vector<std::string> LoadListFile(const std::string& path);

// Class (prefix ".") or ID (prefix "#") names from the STYLE block of a
// document: only when "</STYLE>" lies in the first 4096 bytes.
std::vector<std::string> StyleBlockCandidates(std::string_view documentText, std::string_view prefix);
// The same names from a whole style-sheet file.
std::vector<std::string> StyleSheetCandidates(std::string_view sheetText, std::string_view prefix);

// The item list of a control in its fields, as the view fills the combo
// box: "<control>#items", items separated by '\n'.
std::string ItemsKey(std::string_view control);
void SetItems(DialogFields& f, std::string_view control, const std::vector<std::string>& items);
std::vector<std::string> GetItems(const DialogFields& f, std::string_view control);

// The choices of the common attribute group alone (LANG, ID, CLASS, STYLE),
// for dialogs that have the group but no model of their own.
void FillCommonItemLists(DialogFields& f, const DialogServices& s, std::string_view documentText);

// PreviousSetting.txt: an integer remembered under [section] key.
int ReadPreviousInt(const DialogServices& s, std::string_view section, std::string_view key, int def);
void WritePreviousInt(const DialogServices& s, std::string_view section, std::string_view key, int value);

}  // namespace mw
