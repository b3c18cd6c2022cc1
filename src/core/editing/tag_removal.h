// Commands that take markup away: delete the tag at the caret, the start
// and end tag of the element at the caret, the outermost tags of a
// selection, the markers of a comment; and change the letter case of every
// tag of the document.
#pragma once

#include <string>
#include <string_view>

#include "core/editing/editing_context.h"

namespace mw {

// Deletes the tag containing the caret or after it; a tag wholly before
// the caret is left alone. With no tag found a non-empty selection goes.
void DeleteTag(EditingContext& ctx);

// Deletes the start and end tag of the element whose start tag holds (or
// precedes) the caret, keeping its content. On an end tag, only selects it.
void DeleteCurrentTag(EditingContext& ctx);

// Removes the first and the last tag inside the selection (a single tag
// when there is only one); the text around them stays.
void DeleteOuterTag(EditingContext& ctx);
// The same on a text: what DeleteOuterTag puts in place of it.
std::string WithoutOuterTags(std::string_view selected);

// Removes "<!--" and "-->" of the nearest comment starting before the caret
// (a caret inside "<!--" counts); comments nested in it stay.
void DeleteComment(EditingContext& ctx);

// Element and attribute names of every tag in upper or lower case.
// Attribute values, quoted or not, body text and comments are kept as they
// are: a link target or file name may be case-sensitive on the server.
std::string TagsInCase(std::string_view text, bool upper);
void ToUpperCaseTag(EditingContext& ctx);
void ToLowerCaseTag(EditingContext& ctx);

// The tag at the caret, extended to its matching end tag when it is a
// start tag that has one (used here until the selection commands provide it).
void SelectTagRangeAtCaret(EditingContext& ctx);

}  // namespace mw
