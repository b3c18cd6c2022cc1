// The state every editing command shares: where it acts (the active
// document's editor and the clipboard that editor uses), how it asks the
// user, the options and fonts it reads, and the little memory the main
// window keeps between commands. The main window owns one; each command
// takes it by reference.
#pragma once

#include <ctime>
#include <functional>
#include <string>

#include "core/app/display_fonts.h"
#include "core/editing/dialog_host.h"
#include "core/editing/dialog_services.h"
#include "core/editing/editing_options.h"
#include "core/editing/editor_surface.h"
#include "core/editing/tag_scan.h"
#include "core/editing/user_prompts.h"

namespace mw {

struct EditingContext;

// The selection searches that automatic pre-selection runs before a
// wrapping command (the selection and navigation commands provide them).
class SelectionSearch {
 public:
  virtual ~SelectionSearch() = default;
  // Selects the tag before the caret.
  virtual void SelectPreviousTag(EditingContext& ctx) = 0;
  // Selects the element from the selected start tag to its end tag.
  virtual void SelectPreviousTagRange(EditingContext& ctx) = 0;
  // Selects the body text around the caret.
  virtual void SelectPreviousText(EditingContext& ctx) = 0;
};

// Start and end text of the last tag insertion, for the repeat-tag command.
struct RepeatTagPair {
  std::string start;
  std::string end;
  friend bool operator==(const RepeatTagPair&, const RepeatTagPair&) = default;
};

struct EditingContext {
  // Never null while a command runs; changes with the active tab.
  EditorSurface* editor = nullptr;
  // The clipboard the editor's cut, copy and paste use.
  Clipboard* clipboard = nullptr;
  UserPrompts* prompts = nullptr;
  // May be null; automatic pre-selection then does nothing.
  SelectionSearch* selectionSearch = nullptr;
  // Shows tag dialogs and the other dialogs commands open (file choice
  // "OpenDialog" with field FileName, ...). May be null: such commands then
  // do nothing.
  DialogHost* dialogs = nullptr;
  // The lists, memory file and hooks the dialogs read.
  DialogServices services;
  // The active document's path (CurrentFileName); relative paths and some
  // insertions are made from it.
  std::string fileName;
  // The time date and time insertion use; tests pin it.
  std::function<std::time_t()> now = [] { return std::time(nullptr); };

  EditingOptions options;
  DisplayFonts fonts = DesignFonts();

  CurrentTag currentTag;      // recomputed at every selection change
  std::string indentString;   // likewise; empty unless auto indent is on
  RepeatTagPair repeatTag;
  // What the find and replace dialogs hold between their actions.
  std::string findText;
  std::string replaceText;
  FindFlags findFlags;
  // The last panel text a command leaves for the status bar.
  std::string statusText;

  EditorSurface& Editor() const { return *editor; }
  const DisplayFont& Font(FontClass c) const { return fonts[static_cast<std::size_t>(c)]; }
};

}  // namespace mw
