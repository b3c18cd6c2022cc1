// The editing menu's plain commands (undo, clipboard) and its
// option items, registered by handler name.
#include "core/editing/command_groups.h"
#include "core/editing/command_registry.h"
#include "core/editing/editing_context.h"
#include "core/editing/insertion.h"
#include "core/editing/typing.h"

namespace mw {

namespace {
// "タグを小文字で挿入します。" / "タグを大文字で挿入します。"
constexpr std::string_view kLowerCaseOn =
    "\x83\x5e\x83\x4f\x82\xf0\x8f\xac\x95\xb6\x8e\x9a\x82\xc5\x91\x7d\x93\xfc\x82\xb5\x82\xdc\x82\xb7\x81\x42";
constexpr std::string_view kLowerCaseOff =
    "\x83\x5e\x83\x4f\x82\xf0\x91\xe5\x95\xb6\x8e\x9a\x82\xc5\x91\x7d\x93\xfc\x82\xb5\x82\xdc\x82\xb7\x81\x42";
}  // namespace

void ToggleLowerCaseTag(EditingContext& ctx) {
  ctx.options.lowerCaseTag = !ctx.options.lowerCaseTag;
  if (ctx.prompts)
    ctx.prompts->ShowMessage(ctx.options.lowerCaseTag ? kLowerCaseOn : kLowerCaseOff,
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
