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

}  // namespace mw
