// The editing menu's plain commands (undo, clipboard) and its
// option items, registered by handler name.
#include "core/editing/command_groups.h"
#include "core/editing/command_registry.h"
#include "core/editing/editing_context.h"
#include "core/editing/insertion.h"
#include "core/editing/typing.h"
#include "core/text/messages.h"

namespace mw {

void ToggleLowerCaseTag(EditingContext& ctx) {
  ctx.options.lowerCaseTag = !ctx.options.lowerCaseTag;
  if (ctx.prompts)
    ctx.prompts->ShowMessage(MessageSjis(ctx.options.lowerCaseTag ? Msg::LowerCaseTagOn : Msg::LowerCaseTagOff),
                             MessageKind::Information, {});
}

void RegisterBasicCommands(CommandRegistry& r) {
  r.Add({"EditUndoClick", [](EditingContext& ctx, std::string_view) { ctx.Editor().Undo(); }});
  r.Add({"EditCutClick", [](EditingContext& ctx, std::string_view) { ctx.Editor().Cut(); }});
  r.Add({"EditCopyClick", [](EditingContext& ctx, std::string_view) { ctx.Editor().Copy(); }, false});
  r.Add({"EditPasteClick", [](EditingContext& ctx, std::string_view) { EditPaste(ctx); }});
  r.Add({"PasteWithTagFontClick", [](EditingContext& ctx, std::string_view) { PasteWithTagFont(ctx); }});

  r.Add({"AutoSelectClick", [](EditingContext& ctx, std::string_view) { ToggleAutoSelect(ctx); }, false});
  r.Add({"DirectTagInsertClick", [](EditingContext& ctx, std::string_view) { ToggleDirectTagInsert(ctx); },
         false});
  r.Add({"LowerCaseTagClick", [](EditingContext& ctx, std::string_view) { ToggleLowerCaseTag(ctx); }, false});
  r.Add({"AutoIndentClick", [](EditingContext& ctx, std::string_view) { ToggleAutoIndent(ctx); }, false});
  // One handler serves the radio items of the caret policy and of file
  // drops; the item's name tells them apart.
  r.Add({"DropThenOpenClick", [](EditingContext& ctx, std::string_view item) {
           if (!item.empty()) ClickOptionItem(ctx.options, "b" + std::string(item));
         }, false});
}

}  // namespace mw
