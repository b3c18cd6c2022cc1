// The style editor TRegisterStyleDlg as a model: its property fields, the
// style text they give (reStyle), the registry list (lbStyle) and what its
// buttons do, on the dialog's fields. The window and the command line run
// the same routines; the window only shows the fields.
//
// Fields besides the properties (style_text.h): "reStyle" the style text,
// "lbStyle#items" the registry ('\n' between entries), "lbStyle" the
// selected entry (-1 none), "ckUpperCase", "StyleModified" ("1" when a
// keyword, colour, unit or font field changed since the last add,
// overwrite, new or choice of an entry).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/editing/dialog_services.h"
#include "core/editing/editing_context.h"
#include "core/editing/user_prompts.h"

namespace mw {

inline constexpr std::string_view kRegisterStyleDlgClass = "TRegisterStyleDlg";
inline constexpr std::string_view kFieldStyleText = "reStyle";
inline constexpr std::string_view kFieldStyleList = "lbStyle";
inline constexpr std::string_view kFieldUpperCase = "ckUpperCase";
inline constexpr std::string_view kFieldStyleModified = "StyleModified";

std::vector<std::string> StyleEntries(const DialogFields& f);
void SetStyleEntries(DialogFields& f, const std::vector<std::string>& entries);
// The selected entry, -1 when none (or out of range).
int SelectedStyle(const DialogFields& f);

// The editor as it opens: colour, font and keyword lists, the remembered
// "大文字で登録", the registry from StyleList.txt, every field empty.
DialogFields StyleEditorFields(const DialogServices& s);

// What the editor does when a field was given a new value, by typing or
// choosing: a number of exactly 0 is emptied, keyword, colour, unit and
// font changes mark the style modified, and the style text is rebuilt; a
// new lbStyle choice fills the fields from that entry.
void StyleFieldChanged(DialogFields& f, std::string_view control, UserPrompts& prompts);

// Unsaved changes: asks whether to add them (Yes adds). Yes without a
// change.
Reply AskAddChangedStyle(DialogFields& f, UserPrompts& prompts);

void StyleEditorNew(DialogFields& f, UserPrompts& prompts);
void StyleEditorAdd(DialogFields& f);
void StyleEditorOverwrite(DialogFields& f);
// Asks first; only Yes removes the entry.
void StyleEditorDelete(DialogFields& f, UserPrompts& prompts);
// The author chose entry `index` of the list.
void StyleEditorSelect(DialogFields& f, int index, UserPrompts& prompts);
// The question OK asks; its answer only decides whether to add.
void StyleEditorOk(DialogFields& f, UserPrompts& prompts);

// NewBtn, AddBtn, ReplaceBtn, DeleteBtn (and the list's "スタイルの削除"),
// OkBtn; false for any other name.
bool StyleEditorPress(DialogFields& f, std::string_view button, UserPrompts& prompts);

// RegisterStyleClick: shows the editor; at OK the registry and the option
// are written. The style text the editor held at OK, or nullopt when it
// was cancelled.
std::optional<std::string> RunStyleEditor(EditingContext& ctx);

}  // namespace mw
