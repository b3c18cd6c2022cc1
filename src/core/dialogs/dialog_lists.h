// The lists the tag dialogs offer in their combo boxes, read from the data
// folder and the active document, and the choices they remember between
// runs. Missing files give empty lists: no dialog complains about them.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "dialogs/tag_dialog.h"

namespace mw {

inline constexpr std::string_view kColorListName = "ColorList.txt";
inline constexpr std::string_view kStyleListName = "StyleList.txt";
inline constexpr std::string_view kPreviousSettingName = "PreviousSetting.txt";

// What the dialogs read besides their own fields. The main window sets it
// once (data folder) and keeps the hooks current.
struct DialogResources {
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
};

// Open-file filters of the reference buttons.
inline constexpr std::string_view kHtmlFilter = "html\xCC\xA7\xB2\xD9 (*.htm*; *.shtm*)|*.htm*; *.shtm*|\x82\xB7\x82\xD7\x82\xC4\x82\xCC\xCC\xA7\xB2\xD9 (*.*)|*.*" /* htmlﾌｧｲﾙ (*.htm*; *.shtm*)|*.htm*; *.shtm*|すべてのﾌｧｲﾙ (*.*)|*.* */;
inline constexpr std::string_view kImageFilter =
    "\xB2\xD2\xB0\xBC\xDE\xCC\xA7\xB2\xD9 (*.jpg,*.gif,*.png)|*.jpg;*.gif;*png|\x82\xB7\x82\xD7\x82\xC4\x82\xCC\xCC\xA7\xB2\xD9 (*.*)|*.*" /* ｲﾒｰｼﾞﾌｧｲﾙ (*.jpg,*.gif,*.png)|*.jpg;*.gif;*png|すべてのﾌｧｲﾙ (*.*)|*.* */;
inline constexpr std::string_view kAnyFileFilter = "\x82\xB7\x82\xD7\x82\xC4\x82\xCC\xCC\xA7\xB2\xD9 (*.*)|*.*" /* すべてのﾌｧｲﾙ (*.*)|*.* */;

// A reference button works only for a document saved on disk: a relative
// path needs the document's folder.
bool ReferenceButtonEnabled(const std::string& documentPath);

// The choices of the common attribute group alone (LANG, ID, CLASS, STYLE),
// for dialogs that have the group but no model of their own.
void FillCommonItemLists(DialogFields& f, const DialogResources& r, std::string_view documentText);
// The field gets the chosen file as a relative URL with slashes; false
// (field unchanged) when no relative path can be made.
bool ApplyReferenceChoice(DialogFields& f, std::string_view control, const std::string& file,
                          const std::string& documentPath, const DialogResources& r);

DialogResources& TagDialogResources();

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

// Fills every control's item list: fixed items, then the list its source
// gives (colours, styles, class and ID candidates of documentText, URL
// candidates, fonts).
void FillItemLists(DialogFields& f, const TagDialogModel& model, const DialogResources& r,
                   std::string_view documentText);

// PreviousSetting.txt: an integer remembered under [section] key.
int ReadPreviousInt(const DialogResources& r, std::string_view section, std::string_view key, int def);
void WritePreviousInt(const DialogResources& r, std::string_view section, std::string_view key, int value);

}  // namespace mw
