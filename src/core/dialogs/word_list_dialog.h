// The one-line input with a remembered word list (TInsertStrDlg): a value
// typed or picked from a list that keeps the most recently used entries
// first. Mode 0 asks for one value without a list; mode 1 offers the line
// prefixes of PreString.txt, mode 2 the URLs and other words of
// BookMark.txt.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/editing/editing_context.h"

namespace mw {

inline constexpr std::string_view kWordListDialogClass = "TInsertStrDlg";
inline constexpr std::string_view kPreStringName = "PreString.txt";
inline constexpr std::string_view kBookMarkName = "BookMark.txt";

enum class WordListMode { Single = 0, PreString = 1, BookMark = 2 };

// The items mode 1 offers while PreString.txt does not exist.
const std::vector<std::string>& BuiltInPreStrings();

class WordListDialog {
 public:
  // Loads the mode's list from dataFolder (nothing is read or written when
  // it is empty) and chooses the first item.
  WordListDialog(WordListMode mode, std::string dataFolder);

  WordListMode Mode() const { return m_mode; }
  const std::vector<std::string>& Items() const { return m_items; }
  // The chosen item (-1 for none) and the text of cbStr.
  int chosen = -1;
  std::string text;

  bool HasListButtons() const { return m_mode != WordListMode::Single; }  // AddBtn, DeleteBtn
  bool HasRefButton() const { return m_mode == WordListMode::BookMark; }

  // AddBtn: the text to the top of the list (moved when it is there), saved.
  void Add();
  // DeleteBtn: the chosen item is deleted, the first remaining one chosen,
  // the list saved. Without a chosen item, the message to show.
  std::optional<std::string> Delete();
  // OK: a text in the list moves to the top and is chosen; the list is
  // saved when it is not empty. A new text is not added.
  void Ok();

  // The fields the view shows (cbStr, its items, Mode) and back.
  DialogFields Fields() const;
  void FromFields(const DialogFields& f);

 private:
  void MoveToTop(std::size_t i);
  void Save() const;
  std::string FilePath() const;

  WordListMode m_mode;
  std::string m_folder;
  std::vector<std::string> m_items;
};

// InsertURLClick: the word list of mode 2; the text at OK is inserted at the
// caret as plain text.
void InsertRegisteredWord(EditingContext& ctx, const std::string& dataFolder);

// A command's one-line question shown as this dialog: the request's mode
// picks the list (plain: the request's own choices, no list kept), its
// title and label caption the dialog, its text starts the field. The list
// is kept as OK keeps it. The text at OK, or nullopt for Cancel.
std::optional<std::string> AskWithWordList(DialogHost& host, const StringRequest& request,
                                           const std::string& dataFolder);

}  // namespace mw
