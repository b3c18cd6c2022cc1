// Applying the editor settings to a document's editor, and the display
// refresh that recolours a document in place.
#pragma once

#include "gui/display/scintilla_surface.h"

namespace mw {

// The editor initialiser: word wrap, background, fonts, tab stops, gutter,
// text limit. Runs for every new editor and again whenever the settings
// change, for every open editor.
void ConfigureEditor(ScintillaSurface& surface, const EditorLook& look);

// The display refresh: applies `look` again and, when `recolour`, colours
// the text the editor holds anew (the markup colouring when `coloured`,
// else the text font throughout). The text is never reloaded from disk,
// so a file saved in another code set cannot come back as different
// bytes. The selection, the logical line at the top of the view, the
// modified flag and the undo history stay.
void RefreshDisplay(ScintillaSurface& surface, const EditorLook& look, bool recolour, bool coloured);
// The same with the editor's present settings and colouring.
void RefreshDisplay(ScintillaSurface& surface);

}  // namespace mw
