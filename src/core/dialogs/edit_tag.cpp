#include "core/dialogs/edit_tag.h"

#include <cstdlib>
#include <map>

#include "core/dialogs/picture_dialogs.h"
#include "core/dialogs/tag_dialog_commands.h"
#include "core/dialogs/tag_dialogs.h"
#include "core/editing/insertion.h"
#include "core/editing/selection.h"
#include "core/editing/tag_scan.h"
#include "core/editing/tag_text.h"
#include "core/text/tag_attributes.h"

namespace mw {

namespace {

// --- Dispatch ----------------------------------------------------------------------

// The routines of an element, by the element's whole name; the routine is
// named after it.
constexpr std::string_view kElementRoutines[] = {
    "IMG", "AREA", "FONT", "BASEFONT", "TABLE", "TR",    "TH",       "TD",  "OL",    "UL",    "CAPTION",
    "HR",  "LINK", "META", "P",        "DIV",   "BODY",  "FORM",     "INPUT", "TEXTAREA", "MAP", "FRAME",
};

constexpr std::string_view kRoutineNames[] = {
    "IMG",  "AREA", "FONT", "BASEFONT", "TABLE", "TR",    "TH",       "TD",  "OL",
    "UL",   "CAPTION", "HR", "LINK",    "META",  "P",     "DIV",      "BODY", "FORM",
    "INPUT", "TEXTAREA", "MAP", "FRAME", "local link", "link", "marker", "generic",
};

constexpr std::string_view kGeneric[] = {
    "ABBR", "ACRONYM", "ADDRESS", "B",        "BDO",      "BIG",    "BLOCKQUOTE", "BUTTON", "CAPTION",
    "CENTER", "CITE",  "CODE",    "DEL",      "DFN",      "DIR",    "DL",         "EM",     "FIELDSET",
    "H1",   "H2",      "H3",      "H4",       "H5",       "H6",     "HEAD",       "HTML",   "I",
    "IFRAME", "INS",   "KBD",     "LABEL",    "LEGEND",   "MAP",    "MENU",       "NOFRAMES", "NOSCRIPT",
    "OBJECT", "OPTGROUP", "PRE",  "Q",        "S",        "SAMP",   "SCRIPT",     "SMALL",  "SPAN",
    "STRIKE", "STRONG", "SUB",    "SUP",      "TT",       "TITLE",  "U",          "VAR",    "NOBR",
    "WBR",
};

// The routine of this folder's dialogs with that name, and its dialog.
std::pair<const TagDialogModel*, const ReEditSpec*> FindRoutine(std::string_view name) {
  for (const TagDialogModel* m : TagDialogModels())
    for (const ReEditSpec& r : m->reEdits)
      if (r.routine == name) return {m, &r};
  return {nullptr, nullptr};
}

std::map<std::string, ReEditHandler, std::less<>>& ExternalHandlers() {
  static std::map<std::string, ReEditHandler, std::less<>> handlers;
  return handlers;
}

}  // namespace

std::string_view ReEditRoutineOf(std::string_view tag) {
  const TagText t = ReadTag(tag);
  if (t.name.empty()) return "generic";
  for (const std::string_view e : kElementRoutines)
    if (EqualsNoCase(t.name, e)) return e;
  if (const TagAttribute* href = FindAttribute(t.attributes, "HREF")) {
    const bool local = href->quote == AttributeQuote::Double && href->value.starts_with('#');
    return local ? "local link" : "link";
  }
  // A frame's or frameset's NAME names the frame, not a marker.
  if (FindAttribute(t.attributes, "NAME") && FindNoCase(t.name, "FRAME") == kNoPos) return "marker";
  return "generic";
}

std::span<const std::string_view> ReEditRoutines() { return kRoutineNames; }
std::span<const std::string_view> GenericElements() { return kGeneric; }

std::string_view GenericElementOf(std::string_view tag) {
  const std::string name = ReadTag(tag).name;
  for (const std::string_view n : kGeneric)
    if (EqualsNoCase(name, n)) return n;
  return {};
}

std::optional<ReEditSetup> PrepareReEdit(std::string_view routineName, std::string_view tag,
                                         const EditingOptions& options) {
  const auto [model, spec] = FindRoutine(routineName);
  if (!model) return std::nullopt;
  ReEditSetup s;
  s.model = model;
  s.fields = PresetFromTag(*model, *spec, tag, options);
  return s;
}

DialogFields PrepareGenericReEdit(std::string_view tag, std::string_view name, const EditingOptions& options) {
  SimpleTagDialog d;
  d.caption = FormatMessage(MessageSjis(Msg::ReEditTitle), {name});
  d.name = ApplyTagCase(name, options);
  d.wrap = false;
  DialogFields f = SimpleTagFields(d, options);
  PresetRows(f, CommonRows(), tag);
  f.Set(kFieldPreview, SimpleTagText(f, options));
  return f;
}

std::string SimpleTagText(const DialogFields& f, const EditingOptions& options) {
  if (IsReEdit(f) && f.Has(kFieldReEditTag)) return ReEditedTag(CommonRows(), f, options);
  return BuildSimpleTag(SimpleTagFromFields(f), options).preview;
}

void SetReEditHandler(std::string_view routine, ReEditHandler handler) {
  ExternalHandlers()[std::string(routine)] = std::move(handler);
}

namespace {

void GenericReEdit(EditingContext& ctx, std::string_view tag) {
  const std::string_view name = GenericElementOf(tag);
  if (name.empty() || !ctx.dialogs) return;
  EditorSurface& e = ctx.Editor();
  DialogFields f = PrepareGenericReEdit(tag, name, ctx.options);
  const std::string preset = f.Get(kFieldPreview);
  const bool ok = ctx.dialogs->Run(kSimpleTagDialogClass, f);
  e.SetFocus();
  if (!ok) return;
  // A preview edited by hand is taken as it stands.
  const std::string returned = f.Get(kFieldPreview, preset);
  const std::string text = returned != preset ? returned : SimpleTagText(f, ctx.options);
  UndoStep step(e);
  ReplaceSelection(ctx, text);
}

}  // namespace

void EditTag(EditingContext& ctx) {
  EditorSurface& e = ctx.Editor();
  SelectTagRange(ctx);
  if (e.GetSelText().rfind("</", 0) == 0) {
    e.SetSelStart(e.GetSelStart() + 1);
    SelectPreviousTagRange(ctx);
  }
  SelectTag(e, ctx.currentTag);
  const std::string tag = e.GetSelLength() > 0 ? e.GetSelText() : std::string();
  const std::string_view routine = ReEditRoutineOf(tag);
  if (routine == "generic") {
    GenericReEdit(ctx, tag);
    return;
  }
  if (auto setup = PrepareReEdit(routine, tag, ctx.options)) {
    if (setup->model == &kImageDlg) {
      DialogEnv env;
      env.services = &ctx.services;
      env.documentPath = ctx.fileName;
      ShowTagPicture(setup->fields, env);
    }
    RunReEdit(ctx, *setup->model, std::move(setup->fields));
    return;
  }
  const auto& handlers = ExternalHandlers();
  const auto it = handlers.find(routine);
  if (it != handlers.end() && it->second) it->second(ctx, tag);
}

}  // namespace mw
