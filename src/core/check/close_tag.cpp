#include "core/check/close_tag.h"

#include "core/check/tag_check.h"
#include "core/editing/command_registry.h"
#include "core/editing/insertion.h"
#include "core/editing/tag_text.h"

namespace mw {

void CloseTag(EditingContext& ctx, const TagLists& lists) {
  EditorSurface& e = ctx.Editor();
  const std::string name = InnermostOpenTag(e.GetTextRange(0, e.GetSelStart()), lists);
  if (name.empty()) return;
  const std::string endTag = ApplyTagCase("</" + name + ">", ctx.options);
  UndoStep step(e);
  const Offset s0 = e.GetSelStart();
  ReplaceSelection(ctx, endTag);
  e.SetSelStart(s0 + static_cast<Offset>(endTag.size()));
}

void RegisterCheckCommands(CommandRegistry& r) {
  // A fresh checker for every use, so edits to the list files count at once.
  // Listed with the tag removal commands, as the menu has it.
  r.Add({"CloseTagClick", [](EditingContext& ctx, std::string_view) { CloseTag(ctx, LoadProgramTagLists()); }},
        "ToUpperCaseTagClick");
}

}  // namespace mw
