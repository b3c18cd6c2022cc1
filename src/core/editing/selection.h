// Selecting and moving by the pieces of an HTML source: the tag at the
// caret, the element from a start tag to its end tag, attribute values,
// the body text between tags, rows, and fixed places of a page (after
// <HEAD>, before </BODY>, a line number).
//
// Every search starts at the caret and reads only the bytes it needs from
// the editor, because the navigation keys run these on every press, on
// pages of many megabytes. When nothing suitable is found the selection is
// left as it was (or where a search reached, as each routine says); none of
// them reports anything, except a line number out of range.
#pragma once

#include <string_view>

#include "core/editing/editing_context.h"

namespace mw {

class CommandRegistry;

// --- Tags and elements ---------------------------------------------------------

// The tag at the caret, then, for a start tag, on to the end of its end tag
// when there is one. An end tag, or a start tag without an end, stays alone.
void SelectTagRange(EditingContext& ctx);
// The tag containing or before the caret; pressed again, the one before it.
void SelectPreviousTag(EditingContext& ctx);
// The tag containing the caret or the next one. After the last tag the
// caret goes to its end with nothing selected.
void SelectNextTag(EditingContext& ctx);
// The element (or lone tag) before the selection, stepping back over end
// tags to the start tag they close.
void SelectPreviousTagRange(EditingContext& ctx);
void SelectNextTagRange(EditingContext& ctx);

// --- Body text and attribute values ------------------------------------------

// The run of body text around or before the caret, skipping blank runs.
// Does nothing while no tag lies before the caret (ctx.currentTag).
void SelectPreviousText(EditingContext& ctx);
void SelectNextText(EditingContext& ctx);
void SelectPreviousParameter(EditingContext& ctx);
void SelectNextParameter(EditingContext& ctx);
// The best guess around the caret: the element of a selected start tag,
// else the attribute value, the body text or the tag that holds the caret.
void SelectAutoRange(EditingContext& ctx);

// --- Rows and the whole text -------------------------------------------------

void SelectRow(EditingContext& ctx);           // the caret's line with its break
void SelectFromRowStart(EditingContext& ctx);  // caret back to the line start
void SelectToRowEnd(EditingContext& ctx);      // on to the next line's start
void SelectFromStart(EditingContext& ctx);     // back to the start of the text
void SelectToEnd(EditingContext& ctx);         // on to the end of the text
void SelectAllText(EditingContext& ctx);
// What the Backspace key does: deletes the selection, or else the character
// before the caret (a double-byte character or a CR LF as a whole).
void BackSpace(EditingContext& ctx);

// --- Jumps ---------------------------------------------------------------------

// The editor search for pattern from `from` (letter case ignored). On a
// match after offset 0 the caret goes after it (JumpAfter) or before it
// (JumpBefore), its line is centred, and the new caret offset is returned;
// otherwise the search result (0 or -1) is returned and nothing moves.
Offset JumpAfter(EditingContext& ctx, Offset from, std::string_view pattern);
Offset JumpBefore(EditingContext& ctx, Offset from, std::string_view pattern);

void JumpToTop(EditingContext& ctx);
void JumpToBottom(EditingContext& ctx);
void JumpToHeadStart(EditingContext& ctx);  // after <HEAD>
void JumpToHeadEnd(EditingContext& ctx);    // before </HEAD>
void JumpToBodyStart(EditingContext& ctx);  // after the BODY start tag's '>'
void JumpToBodyEnd(EditingContext& ctx);    // before </BODY>
void JumpToBodyTag(EditingContext& ctx);    // before the BODY start tag's '>'
// Asks for a line number and goes there.
void JumpToLineNumber(EditingContext& ctx);
// Caret to the first byte of line n (1 = the first; a line ends at LF).
// Out of range (n < 1 or beyond the last line): a message, nothing moves.
// Returns whether the caret moved.
bool GotoLine(EditingContext& ctx, long long n);

// --- For automatic pre-selection ---------------------------------------------

// The searches above as the SelectionSearch that AutoSelect runs.
class EngineSelectionSearch : public SelectionSearch {
 public:
  void SelectPreviousTag(EditingContext& ctx) override;
  void SelectPreviousTagRange(EditingContext& ctx) override;
  void SelectPreviousText(EditingContext& ctx) override;
};
SelectionSearch& EngineSelectionSearchInstance();

}  // namespace mw
