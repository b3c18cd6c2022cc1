// The commands that rewrite the selection, the clipboard text or a file's
// text before it goes into the document (the conversion submenu, the
// processed-paste submenu and the text-file insertion submenu). Each runs
// a function of transforms.h and inserts the result through
// ReplaceSelection, as one undo step.
#pragma once

#include "core/editing/editing_context.h"

namespace mw {

class CommandRegistry;

// The selection start moves back to the start of its line; its end stays.
void ExtendToLineStart(EditorSurface& editor);

// --- The selection ---------------------------------------------------------
void UpperCase1Click(EditingContext& ctx);
void LowerCase1Click(EditingContext& ctx);
void LFtoBRClick(EditingContext& ctx);
// Inserted in the text font.
void DeleteAllTagClick(EditingContext& ctx);
// Inserted in the tag font: bytes that are not coloured stay in it.
void DeleteTextClick(EditingContext& ctx);
// The selection's lines (from the start of the first) quoted with "&gt; ".
void InsertCiteClick(EditingContext& ctx);
// Asks for a prefix ("<LI>" proposed, "'n'" for numbers); Cancel does nothing.
void InsertStrAtTopClick(EditingContext& ctx);
// With a selection, its lines shifted and left selected whatever the caret
// policy; without, a tab typed at the caret or the tab before it deleted.
void IndentClick(EditingContext& ctx);
void UnIndentClick(EditingContext& ctx);
void TransformSpecialCharClick(EditingContext& ctx);
void ReverseSpecialCharClick(EditingContext& ctx);
void TabToSpaceClick(EditingContext& ctx);
void TransformSpaceClick(EditingContext& ctx);
void ReverseSpaceClick(EditingContext& ctx);
void DeleteTabSpaceClick(EditingContext& ctx);
void DeleteReturnClick(EditingContext& ctx);
void InsertLFClick(EditingContext& ctx);
// Width conversions by the kanji converter; nothing when the selection is
// empty, the converter cannot run or nothing changes.
void HankakuKanaToZenkakuClick(EditingContext& ctx);
void ZenkakuKigoToHankakuClick(EditingContext& ctx);

// --- The clipboard text (nothing when it holds no text) -------------------------
void PasteAfterTransformClick(EditingContext& ctx);
void PasteWithBRClick(EditingContext& ctx);
void PasteWithStrClick(EditingContext& ctx);
void PasteWithPREClick(EditingContext& ctx);
void PasteCodeClick(EditingContext& ctx);

// --- A file's text, chosen in "OpenDialog" -------------------------------------------
// The dialog gets Title and Filter (the document filter) and answers with
// FileName; the host starts it in the file panel's folder.
// Read as lines, so it always ends with CR LF; no code conversion. A file
// that cannot be read is reported with the system's reason.
void InsertFileClick(EditingContext& ctx);
void InsertFileAfterTransformClick(EditingContext& ctx);
void InsertFileWithBRClick(EditingContext& ctx);
void InsertFileWithPREClick(EditingContext& ctx);

void RegisterTransformCommands(CommandRegistry& r);

}  // namespace mw
