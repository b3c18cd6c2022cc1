// Each group of editing commands registers its handlers here.
#pragma once

namespace mw {

class CommandRegistry;
struct EditingContext;

// The option item "タグを小文字で挿入(&L)": toggles and says which way.
void ToggleLowerCaseTag(EditingContext& ctx);

class SelectionSearch;

// The selection searches that automatic pre-selection uses.
SelectionSearch* DefaultSelectionSearch();

// Calls every group's registration below.
void RegisterEditingCommands(CommandRegistry& r);

void RegisterBasicCommands(CommandRegistry& r);        // undo, clipboard, option items
void RegisterFindReplaceCommands(CommandRegistry& r);  // find_replace
void RegisterRepeatTagCommands(CommandRegistry& r);   // repeat_tag
void RegisterSimpleTagCommands(CommandRegistry& r);   // simple tags, comment, date, attributes
void RegisterSelectionCommands(CommandRegistry& r);   // selection and navigation, jumps
void RegisterTagRemovalCommands(CommandRegistry& r);  // delete and re-case tags
void RegisterTransformCommands(CommandRegistry& r);   // text functions, paste and insert variants

}  // namespace mw
