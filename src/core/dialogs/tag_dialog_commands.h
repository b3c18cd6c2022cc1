// The commands that open the tag dialogs, and how a dialog's result goes
// into the document. The dialog host shows the fields (a window, or values
// from the command line); everything else happens here.
#pragma once

#include <string_view>

#include "core/dialogs/tag_dialog.h"
#include "core/editing/editing_context.h"
#include "core/editing/simple_tags.h"

namespace mw {

class CommandRegistry;

struct DialogOutcome {
  bool ok = false;
  std::string text;  // what OK inserts
  TagBuild build;    // the build from the fields as the author left them
  DialogFields fields;
};

// Shows a dialog: item lists filled, preview built. At OK the fields are
// built again; a preview the author edited by hand is taken as it stands.
DialogOutcome RunTagDialog(EditingContext& ctx, const TagDialogModel& model, DialogFields f);

// Re-edit mode: the result replaces the selected start tag (and for the
// single ways becomes the repeat tag).
void RunReEdit(EditingContext& ctx, const TagDialogModel& model, DialogFields f);

// A new tag from a dialog, as a menu or toolbar command opens it.
struct NewTagRequest {
  const TagDialogModel* model = nullptr;
  bool autoSelect = false;  // automatic pre-selection first
  bool takesSelection = false;
  std::string_view element = {};    // shared dialogs: the element name
  std::string_view attribute = {};  // TNameDlg
  std::string_view prefix = {};     // TNameDlg
  DialogText caption = {};  // replaces the form caption when set
  DialogText label = {};    // TNameDlg's lbInput
};
void OpenTagDialog(EditingContext& ctx, const NewTagRequest& request);

// HTML, TITLE, HEAD, BODY: a document holds one of each, so an existing
// one is re-edited instead of a second being inserted.
void DocumentTagInsert(EditingContext& ctx, const SimpleTagEntry& entry);
// Puts the caret inside the existing tag at offset found and re-edits it.
void ReEditExistingTag(EditingContext& ctx, std::string_view name, Offset found);

// BASEFONT: an existing one is re-edited; otherwise a new one goes at the
// end of the selection.
void BaseFontCommand(EditingContext& ctx);
// META: a new line right after <HEAD> (at the caret without one).
void MetaCommand(EditingContext& ctx);

// HRClick, FONTClick, ..., HTMLTagClick ... and EditTagClick.
void RegisterTagDialogCommands(CommandRegistry& r);

}  // namespace mw
