#include "core/dialogs/tag_dialog_commands.h"

#include "core/dialogs/dialog_actions.h"

#include "core/dialogs/dialog_lists.h"
#include "core/dialogs/edit_tag.h"
#include "core/dialogs/style_dialogs.h"
#include "core/dialogs/table_dialog.h"
#include "core/dialogs/tag_dialogs.h"
#include "core/dialogs/word_list_dialog.h"
#include "core/editing/command_registry.h"
#include "core/editing/insertion.h"
#include "core/editing/simple_tags.h"
#include "core/editing/tag_scan.h"

namespace mw {

namespace {

constexpr std::string_view kIndentKey = "INDENT";

// Links, markers and frames change what the link list shows.
void AfterLinkDialog(const EditingContext& ctx, const TagDialogModel& m) {
  const auto& changed = ctx.services.linksChanged;
  if (changed && (&m == &kURLInputDlg || &m == &kNameDlg || &m == &kFrameDlg || &m == &kLinkStyleSheetDlg ||
                  &m == &kImageDlg || &m == &kAREADlg))
    changed();
}

}  // namespace

DialogOutcome RunTagDialog(EditingContext& ctx, const TagDialogModel& model, DialogFields f) {
  DialogOutcome out;
  if (!ctx.dialogs) return out;
  FillItemLists(f, model, ctx.services, ctx.Editor().GetText());
  const std::string preset = model.build(f, ctx.options).preview;
  f.Set(kFieldPreview, preset);
  // A dialog without buttons of its own takes the steps every dialog shares.
  TagDialogActions shared(ctx, model);
  if (f.actions == nullptr) f.actions = &shared;
  out.ok = ctx.dialogs->Run(model.dialogClass, f);
  if (f.actions == &shared) f.actions = nullptr;
  ctx.Editor().SetFocus();
  if (!out.ok) return out;
  out.build = model.build(f, ctx.options);
  const std::string returned = f.Get(kFieldPreview, preset);
  out.text = returned != preset ? returned : out.build.preview;
  out.fields = std::move(f);
  return out;
}

void RunReEdit(EditingContext& ctx, const TagDialogModel& model, DialogFields f) {
  const DialogOutcome r = RunTagDialog(ctx, model, std::move(f));
  if (!r.ok) return;
  UndoStep step(ctx.Editor());
  ReplaceSelection(ctx, r.text);
  switch (model.way) {
    case InsertWay::Single:
    case InsertWay::ByCommand: SetRepeatTag(ctx, r.text, ""); break;
    case InsertWay::SingleAfter: SetRepeatTag(ctx, "", r.text); break;
    default: break;
  }
  if (model.remember) model.remember(r.fields, ctx.services);
  AfterLinkDialog(ctx, model);
}

void OpenTagDialog(EditingContext& ctx, const NewTagRequest& q) {
  if (!q.model || !ctx.dialogs) return;
  const TagDialogModel& m = *q.model;
  EditorSurface& e = ctx.Editor();
  UndoStep step(e);
  if (q.autoSelect) AutoSelect(ctx);
  DialogFields f = CreateFields(m, q.takesSelection ? e.GetSelText() : std::string());
  if (!q.element.empty()) f.Set(kFieldName, std::string(q.element));
  if (!q.attribute.empty()) f.Set(kFieldAttribute, std::string(q.attribute));
  f.Set(kFieldPrefix, std::string(q.prefix));
  if (!q.caption.empty()) f.Set(kFieldCaption, q.caption.Sjis());
  if (!q.label.empty()) f.Set("lbInput", q.label.Sjis());
  f.Set(kFieldIndent, ctx.indentString);
  const std::string_view section = ListSection(m);
  if (!section.empty()) f.SetIndex("rgIndent", ReadPreviousInt(ctx.services, section, kIndentKey, 2));
  m.show(f, false);
  const DialogOutcome r = RunTagDialog(ctx, m, std::move(f));
  if (!r.ok) return;
  if (!section.empty())
    WritePreviousInt(ctx.services, section, kIndentKey, r.fields.Index("rgIndent", 2));
  const TagBuild& b = r.build;
  switch (m.way) {
    case InsertWay::Wrap:
      // Without a tag (a link with no URL) the selection is put back as it
      // was and the repeat pair stays.
      if (!b.start.empty()) SetRepeatTag(ctx, b.start, b.end);
      InsertWrapped(ctx, r.text, b.innerOffset);
      break;
    case InsertWay::Block:
      SetRepeatTag(ctx, b.start, b.end);
      ReplaceSelection(ctx, r.text);
      break;
    case InsertWay::Single:
    case InsertWay::ByCommand:
      ReplaceSelection(ctx, r.text);
      SetRepeatTag(ctx, r.text, "");
      break;
    case InsertWay::SingleAfter:
      ReplaceSelection(ctx, r.text);
      SetRepeatTag(ctx, "", r.text);
      break;
    case InsertWay::Own:
      if (&m == &kScriptDlg && r.fields.Get("cbSRC").empty()) {
        InsertWrapped(ctx, r.text, b.innerOffset);
      } else {
        // An applet, or a script from a file: nothing of the old selection
        // is inside to keep selected.
        ReplaceSelection(ctx, r.text);
      }
      SetRepeatTag(ctx, b.start, b.end);
      break;
  }
  if (m.remember) m.remember(r.fields, ctx.services);
  AfterLinkDialog(ctx, m);
}

void DocumentTagInsert(EditingContext& ctx, const SimpleTagEntry& entry) {
  EditorSurface& e = ctx.Editor();
  const Offset found = e.FindText("<" + std::string(entry.name), 0);
  if (found < 0) {
    const std::string name(entry.name);
    SimpleTagInsert(ctx, name, "<" + name + ">", entry.caption, "</" + name + ">");
  } else {
    ReEditExistingTag(ctx, entry.name, found);
  }
  e.SetFocus();
}

void ReEditExistingTag(EditingContext& ctx, std::string_view name, Offset found) {
  EditorSurface& e = ctx.Editor();
  e.SetSelStart(found + 1);
  UpdateCurrentTag(e, ctx.currentTag);
  if (name == "BODY") CentreCaretLine(e);
  // The existing tag opens in its dialog, as F2 would open it.
  EditTag(ctx);
}

void BaseFontCommand(EditingContext& ctx) {
  EditorSurface& e = ctx.Editor();
  const Offset found = FindNoCase(e.GetText(), "<BASEFONT");
  if (found != kNoPos) {
    e.SetSelStart(found + 1);
    UpdateCurrentTag(e, ctx.currentTag);
    CentreCaretLine(e);
    EditTag(ctx);
    return;
  }
  e.SetSelStart(e.GetSelStart() + e.GetSelLength());
  OpenTagDialog(ctx, {&kBaseFontDlg});
}

void MetaCommand(EditingContext& ctx) {
  EditorSurface& e = ctx.Editor();
  if (!ctx.dialogs) return;
  const Offset head = FindNoCase(e.GetText(), "<HEAD>");
  if (head != kNoPos) e.SetSelStart(head + 6);
  else e.SetSelLength(0);
  DialogFields f = CreateFields(kMetaDlg);
  kMetaDlg.show(f, false);
  const DialogOutcome r = RunTagDialog(ctx, kMetaDlg, std::move(f));
  if (!r.ok) return;
  UndoStep step(e);
  ReplaceSelection(ctx, "\r\n");
  e.SetSelStart(e.GetSelStart() + e.GetSelLength());
  ReplaceSelection(ctx, r.text);
  SetRepeatTag(ctx, r.text, "");
}

void RegisterTagDialogCommands(CommandRegistry& r) {
  struct Row {
    const char* command;
    NewTagRequest request;
  };
  static const Row kRows[] = {
      {"HRClick", {&kHLineDlg}},
      {"FONTClick", {&kFontSetDlg, true, true}},
      {"HREFClick", {&kURLInputDlg, true, true}},
      {"HREFMClick", {&kNameDlg, true, true, "A", "HREF", "#"}},
      {"NAMEClick", {&kNameDlg, true, true, "A", "NAME", "", {Msg::MarkerDlgCaption}, {Msg::MarkerNameLabel}}},
      {"MAPClick", {&kNameDlg, true, true, "MAP", "NAME", "", {Msg::MapDlgCaption}, {Msg::MapNameLabel}}},
      {"TRClick", {&kTRDlg, true, true}},
      {"THClick", {&kTHTDDlg, true, true, "TH", {}, {}, {Msg::THDlgCaption}}},
      {"TDClick", {&kTHTDDlg, true, true, "TD", {}, {}, {Msg::TDDlgCaption}}},
      {"PClick", {&kHAlignDlg, true, true, "P", {}, {}, {Msg::PDlgCaption}}},
      {"DIVClick", {&kHAlignDlg, true, true, "DIV", {}, {}, {Msg::DIVDlgCaption}}},
      {"CAPTIONClick", {&kHAlignDlg, true, true, "CAPTION"}},
      {"ULClick", {&kULDlg, true, true}},
      {"OLClick", {&kOLDlg, true, true}},
      {"FRAMESETClick", {&kFrameSetDlg}},
      {"FRAMEClick", {&kFrameDlg}},
      {"APPLETClick", {&kAppletDlg}},
      {"SCRIPTClick", {&kScriptDlg, true, true}},
      {"FORMClick", {&kFormDlg, true, true}},
      {"TEXTAREAClick", {&kTextAreaDlg, true, true}},
      {"INPUTClick", {&kInputDlg}},
      {"SELECTClick", {&kSelectDlg}},
      {"IMGClick", {&kImageDlg}},
      {"AREAClick", {&kAREADlg}},
  };
  for (const Row& row : kRows) {
    const NewTagRequest* q = &row.request;
    r.Add({row.command, [q](EditingContext& ctx, std::string_view) { OpenTagDialog(ctx, *q); }});
  }
  for (const SimpleTagEntry& entry : SimpleTagTable()) {
    if (!IsDocumentTag(entry)) continue;
    // Listed with the simple tag commands, before the headings, as before.
    r.Add({std::string(entry.command), [&entry](EditingContext& ctx, std::string_view) { DocumentTagInsert(ctx, entry); }},
          "H1Click");
  }
  RegisterTableDialogCommands(r);
  r.Add({"BASEFONTClick", [](EditingContext& ctx, std::string_view) { BaseFontCommand(ctx); }});
  r.Add({"METAClick", [](EditingContext& ctx, std::string_view) { MetaCommand(ctx); }});
  r.Add({"InsertURLClick", [](EditingContext& ctx, std::string_view) {
           InsertRegisteredWord(ctx, ctx.services.dataFolder);
         }});
  r.Add({"EditTagClick", [](EditingContext& ctx, std::string_view) { EditTag(ctx); }});
  RegisterStyleCommands(r);
}

}  // namespace mw
