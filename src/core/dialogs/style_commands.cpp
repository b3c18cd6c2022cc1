// The style commands, and what the style dialogs' fields and buttons do.
#include "core/app/data_folder.h"
#include "core/app/document_file.h"
#include "core/dialogs/dialog_actions.h"
#include "core/dialogs/edit_tag.h"
#include "core/dialogs/style_dialogs.h"
#include "core/dialogs/style_editor.h"
#include "core/dialogs/style_registry.h"
#include "core/dialogs/tag_dialog_commands.h"
#include "core/dialogs/tag_dialogs.h"
#include "core/editing/command_registry.h"
#include "core/editing/insertion.h"
#include "core/editing/simple_tags.h"
#include "core/editing/tag_scan.h"

namespace mw {

namespace {

std::string TagClassPath(const DialogServices& s) { return DataFilePath(s.dataFolder, kTagClassListName); }

TagClassList LoadTagClasses(const DialogServices& s) {
  if (s.dataFolder.empty()) return {};
  return TagClassList::Load(TagClassPath(s));
}

void LoadSelectors(const DialogServices& s, DialogFields& f) {
  SetItems(f, "cbTagClass", LoadTagClasses(s).Selectors());
}

// Runs a dialog of a single insertion: the text replaces the selection and
// becomes the repeat tag. Empty text inserts nothing.
bool RunSingle(EditingContext& ctx, const TagDialogModel& m, DialogFields f) {
  m.show(f, false);
  const DialogOutcome r = RunTagDialog(ctx, m, std::move(f));
  if (!r.ok || r.text.empty()) return false;
  UndoStep step(ctx.Editor());
  ReplaceSelection(ctx, r.text);
  SetRepeatTag(ctx, r.text, "");
  return true;
}

}  // namespace

void MoveCaretIntoHead(EditingContext& ctx) {
  EditorSurface& e = ctx.Editor();
  const Offset head = FindNoCase(e.GetText(), "<HEAD>");
  // Right after the start tag, even when the document begins with it: the
  // head's content goes inside the head.
  e.SetSelStart(head != kNoPos ? head + 6 : e.GetSelStart());
}

void LinkStyleSheetCommand(EditingContext& ctx) {
  EditorSurface& e = ctx.Editor();
  if (!ctx.dialogs) return;
  const Offset found = FindNoCase(e.GetText(), kStyleSheetRel);
  if (found != kNoPos) {
    e.SetSelStart(found);
    UpdateCurrentTag(e, ctx.currentTag);
    EditTag(ctx);
    return;
  }
  MoveCaretIntoHead(ctx);
  if (RunSingle(ctx, kLinkStyleSheetDlg, CreateFields(kLinkStyleSheetDlg)) && ctx.services.linksChanged)
    ctx.services.linksChanged();
}

void StyleBlockCommand(EditingContext& ctx) {
  if (!ctx.dialogs) return;
  MoveCaretIntoHead(ctx);
  DialogFields f = CreateFields(kStyleDlg);
  kStyleDlg.show(f, false);
  const DialogOutcome r = RunTagDialog(ctx, kStyleDlg, std::move(f));
  if (!r.ok || r.text.empty()) return;
  UndoStep step(ctx.Editor());
  // A preview edited by hand keeps the caret at its end.
  const Offset inner = r.text == r.build.preview ? r.build.innerOffset : static_cast<Offset>(r.text.size());
  InsertWrapped(ctx, r.text, inner);
  SetRepeatTag(ctx, "", r.text);
}

void TagStyleCommand(EditingContext& ctx) {
  if (!ctx.dialogs) return;
  DialogFields f = CreateFields(kStyleItemDlg);
  LoadSelectors(ctx.services, f);
  RunSingle(ctx, kStyleItemDlg, std::move(f));
}

void InsertStyleCommand(EditingContext& ctx) {
  if (!ctx.dialogs) return;
  RunSingle(ctx, kInsertStyleDlg, CreateFields(kInsertStyleDlg));
}

void SpanCommand(EditingContext& ctx) {
  SimpleTagInsert(ctx, "SPAN", "<SPAN>", MessageSjis(Msg::SpanDlgCaption), "</SPAN>");
}

void StyleItemSelectorChanged(const DialogServices& s, DialogFields& f) {
  if (const auto style = LoadTagClasses(s).Style(f.Get("cbTagClass"))) f.Set("cbStyle", *style);
}

void StyleItemSave(const DialogServices& s, DialogFields& f) {
  const std::string selector(Trim(f.Get("cbTagClass")));
  if (selector.empty() || s.dataFolder.empty()) return;
  TagClassList list = LoadTagClasses(s);
  list.SetStyle(selector, f.Get("cbStyle"));
  list.Save(TagClassPath(s));
  LoadSelectors(s, f);
}

void StyleItemDelete(const DialogServices& s, DialogFields& f, UserPrompts& prompts) {
  const std::string selector = f.Get("cbTagClass");
  if (!selector.empty() &&
      prompts.Ask(MessageSjis(Msg::StyleItemDeleteQuestion), QuestionButtons::YesNo) == Reply::Yes &&
      !s.dataFolder.empty()) {
    TagClassList list = LoadTagClasses(s);
    if (list.Remove(selector)) list.Save(TagClassPath(s));
    LoadSelectors(s, f);
  }
  f.Set("cbTagClass", {});
}

void RegisterStyleButton(EditingContext& ctx, DialogFields& f) {
  const std::optional<std::string> style = RunStyleEditor(ctx);
  // The lists follow the registry whatever the editor's end.
  const std::vector<std::string> styles = SourceItems(ctx.services, ListSource::Styles, {});
  for (const std::string_view control : {"cbStyle", "sgStyle"})
    if (f.Has(ItemsKey(control)) || f.Has(control)) SetItems(f, control, styles);
  if (style && !style->empty() && f.Has("cbStyle")) f.Set("cbStyle", *style);
}

bool PressDialogButton(EditingContext& ctx, std::string_view dialogClass, std::string_view button,
                       DialogFields& f) {
  try {
    if (dialogClass == kRegisterStyleDlgClass) return ctx.prompts && StyleEditorPress(f, button, *ctx.prompts);
    if (button == "RegisterStyleBtn") {
      RegisterStyleButton(ctx, f);
      return true;
    }
    if (dialogClass == kStyleItemDlg.dialogClass) {
      if (button == "AddBtn") StyleItemSave(ctx.services, f);
      else if (button == "DeleteBtn" && ctx.prompts) StyleItemDelete(ctx.services, f, *ctx.prompts);
      else return false;
      return true;
    }
  } catch (const FileError& e) {
    if (ctx.prompts) ctx.prompts->ShowMessageUtf8(e.what(), MessageKind::Error);
    return true;
  }
  return false;
}

void DialogFieldChanged(EditingContext& ctx, std::string_view dialogClass, std::string_view control,
                        DialogFields& f) {
  try {
    if (dialogClass == kRegisterStyleDlgClass && ctx.prompts) StyleFieldChanged(f, control, *ctx.prompts);
    if (dialogClass == kStyleItemDlg.dialogClass && control == "cbTagClass") StyleItemSelectorChanged(ctx.services, f);
  } catch (const FileError& e) {
    if (ctx.prompts) ctx.prompts->ShowMessageUtf8(e.what(), MessageKind::Error);
  }
}

void RegisterStyleCommands(CommandRegistry& r) {
  // The editor changes the registry, never the document.
  r.Add({"RegisterStyleClick",
         [](EditingContext& ctx, std::string_view) {
           RunStyleEditor(ctx);
           ctx.Editor().SetFocus();
         },
         false});
  r.Add({"LINKRELClick", [](EditingContext& ctx, std::string_view) { LinkStyleSheetCommand(ctx); }});
  r.Add({"STYLEClick", [](EditingContext& ctx, std::string_view) { StyleBlockCommand(ctx); }});
  r.Add({"TagStyleClick", [](EditingContext& ctx, std::string_view) { TagStyleCommand(ctx); }});
  r.Add({"InsertStyleClick", [](EditingContext& ctx, std::string_view) { InsertStyleCommand(ctx); }});
  r.Add({"SPANClick", [](EditingContext& ctx, std::string_view) { SpanCommand(ctx); }});
}

}  // namespace mw
