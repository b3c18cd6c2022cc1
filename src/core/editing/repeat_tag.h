// The repeat tag: the start and end text of the last tag insertion, applied
// again to another selection with one command, edited in a small dialog, or
// taken from the element at the caret.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "core/editing/editing_context.h"

namespace mw {

// True while the repeat-insert command (menu, popup, toolbar) is enabled.
bool CanRepeatTag(const RepeatTagPair& pair);

// Applies the repeat-tag pair to the selection. Both texts empty: nothing.
// One empty: their concatenation replaces the selection and the caret ends
// after it. Both set: after automatic pre-selection the selection is
// wrapped; a comment pair goes in uncoloured in the special font, as the
// comment command inserts it. The pair itself is left unchanged.
void RepeatInsertTag(EditingContext& ctx);

// The start and end tag proposed from a selected element X: X[a, f] for
// the first '<' a and first '>' f when a < f, and X[b, g] for the last
// '<' b and last '>' g when a < b < g; either is empty otherwise.
RepeatTagPair ProposeRepeatTag(std::string_view selected);

// The repeat dialog's content. The GUI fills its two fields with
// PreparePreview (coloured) from preTag and postTag and reads them back.
struct RepeatTagDialog {
  std::string preTag;   // rePreTag
  std::string postTag;  // rePostTag
};

// Shows the dialog modally; the user edits the fields in place. True on OK.
class RepeatTagDialogRunner {
 public:
  virtual ~RepeatTagDialogRunner() = default;
  virtual bool Run(RepeatTagDialog& dialog) = 0;
};

// Opens the dialog on the pair; OK stores both fields as they stand,
// Cancel changes nothing. True on OK.
bool EditRepeatTag(EditingContext& ctx, RepeatTagDialogRunner& runner);

// Selects the element at the caret (selectTagRange; from an end tag, the
// element is found back from just inside it), proposes its first and last
// tag in the dialog, and stores them on OK. True on OK.
bool ExtractRepeatTag(EditingContext& ctx, const std::function<void(EditingContext&)>& selectTagRange,
                      RepeatTagDialogRunner& runner);

// Hands the trimmed fields to the registered tags, unless a line break or a
// tab in either refuses it with a message. True when handed over.
using RegisterTagHandler = std::function<void(std::string_view start, std::string_view end)>;
bool RegisterRepeatTag(const RepeatTagDialog& dialog, UserPrompts& prompts,
                       const RegisterTagHandler& registerTag);

}  // namespace mw
