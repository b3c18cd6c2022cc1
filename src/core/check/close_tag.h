// Completing markup with the checker's eyes: the end tag of the innermost
// element still open before the caret, as the tag checker's caret scan
// sees it with the three tag lists.
#pragma once

#include "core/check/tag_lists.h"
#include "core/editing/editing_context.h"

namespace mw {

class CommandRegistry;

// Inserts the end tag of the innermost element open before the caret, as
// the tag checker sees it with the given lists (omissible ones ignored);
// the caret ends after it. Nothing when every element is closed.
void CloseTag(EditingContext& ctx, const TagLists& lists);

// CloseTagClick.
void RegisterCheckCommands(CommandRegistry& r);

}  // namespace mw
