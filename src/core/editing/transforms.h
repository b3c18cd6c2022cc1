// The text rewrites behind the conversion, paste and file-insertion
// commands: Shift-JIS bytes in, Shift-JIS bytes out, no editor involved.
// Every walk copies a lead byte together with the byte after it, so a
// trail byte that looks like '<', a letter or '\' is never examined or
// changed.
#pragma once

#include <string>
#include <string_view>

namespace mw {

// Every LF-ended line followed by breakText and CR LF, unless the line
// already ends with breakText (any letter case). A line's own CR is dropped
// and a bare LF counts as a line end too. The part after the last LF gets
// nothing. breakText is used as given (callers apply the tag case).
std::string LineBreaksToBR(std::string_view text, std::string_view breakText);

// Every line of the text starts with the prefix; a final line end does not
// start another prefixed line. A "'n'" in the prefix (its first one) becomes
// the line number from 1, so "'n'. " numbers the lines "1. ", "2. "...
std::string PrefixLines(std::string_view text, std::string_view prefix);

// < > " & as character references; an '&' that already begins &amp; &lt;
// &gt; or &quot; (lower case) stays, other references get their '&' escaped.
std::string ToReferences(std::string_view text);
// &lt; &gt; &quot; &amp; (exactly so) back to characters, in one pass;
// &nbsp; and every other reference stay.
std::string FromReferences(std::string_view text);

// Every tab becomes `spaces` spaces (a fixed count, not tab columns).
std::string TabToSpace(std::string_view text, int spaces);
// Spaces outside tags become &nbsp; ('<' opens, '>' closes, depth never
// below 0). A full-width space is a character, not a space.
std::string TransformSpace(std::string_view text);
// Every &nbsp; (exactly so) becomes a space.
std::string ReverseSpace(std::string_view text);

// The text without its tags. The tail of a tag cut by the start of the text
// (a '>' before the first '<') goes too, and so does the text up to a '>'
// that closes no tag: one between tags, or the first after the last tag. A text without '<' or without '>' is unchanged, and
// a '<' that no '>' closes stays with everything after it.
std::string DeleteAllTag(std::string_view text);
// Only the tags of the text, one after the other; the tail of a tag cut by
// the start of the text is kept with the text before it.
std::string DeleteText(std::string_view text);

// Every line trimmed (blanks, tabs and control bytes; a full-width space
// stays) and the lines joined with CR LF; a text that did not end with LF
// is trimmed as a whole, so no line end is added and leading empty lines go.
std::string DeleteTabSpace(std::string_view text);
// Every line trimmed and the lines concatenated without line ends.
std::string DeleteReturn(std::string_view text);

// Lines longer than `column` bytes broken into pieces: `column` bytes when
// that ends a double-byte character, else column - 1 (at least one whole
// character). Lines are joined with CR LF; a text that did not end with LF
// gets no added line end.
std::string InsertLF(std::string_view text, int column);

// One leading tab removed from every line (the part after the last LF too).
std::string UnIndentLines(std::string_view text);

}  // namespace mw
