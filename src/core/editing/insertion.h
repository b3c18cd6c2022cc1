// The insertion routines every command uses to change the active document:
// the text replaces the selection, the markup in it is coloured in the
// display fonts at once, and the caret or selection ends where the author's
// caret policy says. Each routine is one undo step and one repaint.
#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "core/display/html_to_rtf.h"
#include "core/editing/editing_context.h"
#include "core/editing/formatted_text.h"

namespace mw {

// --- Colouring a fragment ------------------------------------------------

// The classes a freshly inserted fragment is drawn in, covering every byte,
// adjacent runs of one class merged, offsets relative to the fragment:
// tags in the tag font (tags separated only by line breaks form one run),
// double-quoted values inside tags in the parameter font, and &lt; &gt;
// &quot; &amp; &nbsp; in the special font. Unlike the whole-document
// colouring, comments and other references stay as typed.
std::vector<ColourRun> FragmentRuns(std::string_view fragment);

// Colours [a, a + n) of a rich-text control by FragmentRuns (text-class
// bytes keep their format); the caret ends at a + n.
void ColourFragment(EditorSurface& control, Offset a, Offset n, const DisplayFonts& fonts);

// The text as PreparePreview would leave it in an empty control.
FormattedText ColouredFragment(std::string_view text, const EditingOptions& options,
                               const DisplayFonts& fonts);

// Tab stop i (0 to 31) of a preview, in points: text-font size x iTabStop x
// (i + 1) / 2, truncated. The preview control applies them itself.
std::array<int, 32> PreviewTabStops(const DisplayFont& textFont, int tabStop);

// Inserts text at the control's caret (replacing its selection) in the text
// font and colours it when quick colouring is on. A dialog fills its cleared
// preview this way.
void PreparePreview(EditorSurface& control, std::string_view text, const EditingOptions& options,
                    const DisplayFonts& fonts);

// --- Insertion into the active document ------------------------------------

// The text replaces the selection, coloured as PreparePreview colours it.
// AfterEdited: caret after it; otherwise it is selected. An empty text only
// deletes the selection, whatever the policy.
void ReplaceSelection(EditingContext& ctx, std::string_view text);
// The preview's whole content replaces the selection with its own formats.
void ReplaceSelection(EditingContext& ctx, const FormattedText& preview);

// For a text that embeds the previously selected text at innerOffset (the
// length of everything before it): as ReplaceSelection, except that under
// KeepPrevious the embedded text ends up selected.
void InsertWrapped(EditingContext& ctx, std::string_view text, Offset innerOffset);
void InsertWrapped(EditingContext& ctx, const FormattedText& preview, Offset innerOffset);

// Wraps the selection in <name> and </name>; name is used as given (callers
// apply the tag case). Leaves the repeat-tag pair alone.
void WrapSelection(EditingContext& ctx, std::string_view name);

// The text replaces the selection in the current typing format, uncoloured.
// AfterEdited: caret after it; otherwise it is selected.
void InsertPlain(EditingContext& ctx, std::string_view text);

// Remembers the last tag insertion for the repeat-tag command.
void SetRepeatTag(EditingContext& ctx, std::string_view startText, std::string_view endText);

// Before a wrapping command, when the option is on and nothing is selected:
// selects the element whose start tag holds the caret, or else the body
// text around the caret; a result that does not contain the caret is undone.
void AutoSelect(EditingContext& ctx);

// --- Paste commands ------------------------------------------------------------

// The ordinary paste; unless AfterEdited, the pasted text is selected.
void EditPaste(EditingContext& ctx);
// Pastes the clipboard's text coloured like an inserted tag.
void PasteWithTagFont(EditingContext& ctx);

}  // namespace mw
