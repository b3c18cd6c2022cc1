// Find and replace in the active document. The find and replace dialogs
// are the GUI's; they hand their current texts and flags to these steps at
// each action and re-place themselves afterwards. Searching always runs
// forward from the end of the selection.
#pragma once

#include <string>
#include <string_view>

#include "core/editing/editing_context.h"

namespace mw {

// What a dialog holds at the moment the user acts.
struct FindRequest {
  std::string findText;
  std::string replaceText;
  FindFlags flags;
  bool replaceAll = false;
};

// "\"text\"が見つかりませんでした。"
std::string NotFoundMessage(std::string_view findText);
// The status-bar text after a replace-all: "12個所、置換しました。".
std::string ReplacedCountText(int count);

// The find text a dialog opens with: the selection when there is one,
// otherwise what the dialog already held.
std::string InitialFindText(const EditorSurface& editor, std::string_view current);

// The find step. Selects the next occurrence and centres its line; when
// there is none, reports it and puts the caret at 0 so the next search
// starts at the top. An empty find text does nothing. True when found.
bool FindNext(EditingContext& ctx, const FindRequest& request);

struct ReplaceResult {
  int count = 0;
  // For the status bar after a replace-all; empty otherwise.
  std::string statusText;
};

// The replace action, single or all, as one undo step and one repaint.
// A selection equal to the find text (letter case ignored) is replaced
// first. A single replacement then selects the next occurrence, or
// replaces the first one found when the selection did not match. Replace
// all works from the selection to the end of the document and leaves the
// caret at 0. Replacements go in as plain text in the typing format, and
// each next search starts after the inserted text. An empty find text
// does nothing.
ReplaceResult Replace(EditingContext& ctx, const FindRequest& request);

}  // namespace mw
