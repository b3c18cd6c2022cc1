// The style insertion dialogs and commands: a style-sheet LINK in the head
// (TLinkStyleSheetDlg, also the LINK re-edit), a STYLE block of selector
// rules (TStyleDlg), one selector rule from TagClassList.txt
// (TStyleItemDlg), a registered style as text, quoted value or STYLE
// attribute (TInsertStyleDlg), and SPAN; with the style editor's command.
#pragma once

#include <string_view>

#include "core/dialogs/tag_dialog.h"
#include "core/editing/editing_context.h"

namespace mw {

class CommandRegistry;

extern const TagDialogModel kLinkStyleSheetDlg;  // TLinkStyleSheetDlg
extern const TagDialogModel kStyleDlg;           // TStyleDlg
extern const TagDialogModel kStyleItemDlg;       // TStyleItemDlg
extern const TagDialogModel kInsertStyleDlg;     // TInsertStyleDlg

// The search that finds a document's style-sheet link.
inline constexpr std::string_view kStyleSheetRel = "REL=\"stylesheet\" ";

// Where a new LINK or STYLE block goes: right after the first "<HEAD>";
// without one, at the caret.
void MoveCaretIntoHead(EditingContext& ctx);

// LINKRELClick: re-edits the existing style-sheet link, or opens the
// dialog for a new one in the head.
void LinkStyleSheetCommand(EditingContext& ctx);
// STYLEClick, TagStyleClick, InsertStyleClick, SPANClick.
void StyleBlockCommand(EditingContext& ctx);
void TagStyleCommand(EditingContext& ctx);
void InsertStyleCommand(EditingContext& ctx);
void SpanCommand(EditingContext& ctx);

// The TStyleItemDlg's selector box chose or typed a selector: its section's
// style goes into cbStyle (kept when the section has none).
void StyleItemSelectorChanged(const DialogServices& s, DialogFields& f);
// "リストに保存": the style under the selector in TagClassList.txt.
void StyleItemSave(const DialogServices& s, DialogFields& f);
// "リストから削除": asks; Yes removes the selector's section. The selector
// box is emptied whatever the answer.
void StyleItemDelete(const DialogServices& s, DialogFields& f, UserPrompts& prompts);

// RegisterStyleClick, LINKRELClick, STYLEClick, TagStyleClick,
// InsertStyleClick, SPANClick.
void RegisterStyleCommands(CommandRegistry& r);

}  // namespace mw
