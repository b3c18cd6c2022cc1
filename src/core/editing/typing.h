// What happens as the author types: the caret line's indent, the live tag
// font (the typing format follows '<', '>' and quotes, so markup is coloured
// as it is typed) and auto indent on Enter. The editor's key-press handler
// and every dialog preview's handler call KeyPress.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/editing/editing_context.h"

namespace mw {

// The tabs and spaces that begin the caret's logical line, up to the caret;
// empty when auto indent is off.
std::string IndentStringAt(const EditorSurface& editor, bool autoIndent);

// The selection-change update: the current tag and the indent string.
void SelectionChanged(EditingContext& ctx);

// Whether a document with this file name is shown coloured: its extension,
// lower-cased and without the dot, is in the list (itself lower case).
bool IsColouredFileName(std::string_view fileName, const std::vector<std::string>& extensions);

// Handles one typed byte (Enter is '\r'). colouredDocument: the active
// document's file name passes IsColouredFileName. Returns true when the key
// was consumed (its text, if any, already inserted); false when the editor
// should type it as usual.
bool KeyPress(EditingContext& ctx, char key, bool colouredDocument);
// The same for a key typed into a dialog's preview control: the rules and
// the indent string are the active document's, the text is the preview's.
bool KeyPress(EditingContext& ctx, EditorSurface& control, char key, bool colouredDocument);

// The editing menu's option items.
void ChooseCaretPolicy(EditingContext& ctx, CaretPolicy policy);
void ToggleAutoSelect(EditingContext& ctx);
void ToggleAutoIndent(EditingContext& ctx);
// Tells the author which way simple wrapping tags now go in.
void ToggleDirectTagInsert(EditingContext& ctx);

// 単純挟み込みタグはダイアログ表示なしで直接挿入します。
inline constexpr std::string_view kDirectTagInsertOn =
    "\x92\x50\x8f\x83\x8b\xb2\x82\xdd\x8d\x9e\x82\xdd\x83\x5e\x83\x4f\x82\xcd\x83\x5f\x83\x43\x83\x41"
    "\x83\x8d\x83\x4f\x95\x5c\x8e\xa6\x82\xc8\x82\xb5\x82\xc5\x92\xbc\x90\xda\x91\x7d\x93\xfc\x82\xb5"
    "\x82\xdc\x82\xb7\x81\x42";
// 単純挟み込みタグもダイアログ表示後、挿入します。
inline constexpr std::string_view kDirectTagInsertOff =
    "\x92\x50\x8f\x83\x8b\xb2\x82\xdd\x8d\x9e\x82\xdd\x83\x5e\x83\x4f\x82\xe0\x83\x5f\x83\x43\x83\x41"
    "\x83\x8d\x83\x4f\x95\x5c\x8e\xa6\x8c\xe3\x81\x41\x91\x7d\x93\xfc\x82\xb5\x82\xdc\x82\xb7\x81\x42";

}  // namespace mw
