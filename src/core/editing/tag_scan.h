// Finding tags and attribute values around the caret. These are plain text
// scans, not a parser: a tag is whatever lies between a '<' and the next
// '>', whatever quotes or comments are in between, because that is what the
// author sees coloured as a tag and what every tag command acts on.
#pragma once

#include <optional>
#include <string_view>

#include "core/editing/editor_surface.h"

namespace mw {

// A range of the document. For a tag search, start is kNoPos when no '<'
// lies before the caret and length 0 means "no tag".
struct TextSpan {
  Offset start = kNoPos;
  Offset length = 0;
  friend bool operator==(const TextSpan&, const TextSpan&) = default;
};

// The tag containing or preceding the caret. The caret itself counts as
// "before" the tag that starts there unless the selection begins with that
// '<'. When the caret is after a complete tag, the last tag before it is
// found however far back it lies; when it is inside a tag (after its '<'),
// the tag runs to the next '>' (length 0 when none follows).
TextSpan FindTagAtCaret(std::string_view text, Offset selStart, std::string_view selText);
// The same on an editor, reading only the bytes near the caret, so the cost
// of a caret move does not grow with the size of the document before it.
TextSpan FindTagAtCaret(const EditorSurface& editor);

// The tag at the caret as the main window keeps it for the active document.
struct CurrentTag {
  Offset start = 0;
  Offset length = 0;
  friend bool operator==(const CurrentTag&, const CurrentTag&) = default;
};

// The update at every selection change: as FindTagAtCaret, except that with
// no '<' before the caret the old length stays while text is selected or the
// input method is composing (a half-typed word must not clear the tag).
void UpdateCurrentTag(const EditorSurface& editor, CurrentTag& current);

// Selects the tag at the caret when there is one (else leaves the selection
// alone) and stores the result as the current tag either way.
TextSpan SelectTag(EditorSurface& editor, CurrentTag& current);

// The attribute value whose '=' is the last one before the caret (in or out
// of a tag): after the '=' and any blanks and an opening quote, up to the
// closing quote, or for a bare value up to the first '>', '<', space or ';'.
// nullopt when there is no '=' before the caret.
std::optional<TextSpan> ParameterAtCaret(std::string_view text, Offset caret);

// Scrolls so that the caret's line is the (visible rows / 2)-th visible line.
void CentreCaretLine(EditorSurface& editor);

}  // namespace mw
