#include "core/dialogs/edit_tag.h"

#include <cstdlib>
#include <map>

#include "core/dialogs/tag_dialog_commands.h"
#include "core/dialogs/tag_dialogs.h"
#include "core/editing/insertion.h"
#include "core/editing/selection.h"
#include "core/editing/tag_scan.h"
#include "core/editing/tag_text.h"

namespace mw {

namespace {

// --- Dispatch ----------------------------------------------------------------------

bool Has(std::string_view u, std::string_view p) { return Find(u, p) != kNoPos; }

struct DispatchRow {
  std::string_view routine;
  bool (*test)(std::string_view upper);
};

// Substring tests on the whole tag, first match wins: the order matters
// ("<THEAD" would be TH, "<FRAMESET" matches nothing before the generic row).
constexpr DispatchRow kDispatch[] = {
    {"IMG", [](std::string_view u) { return Has(u, "<IMG"); }},
    {"AREA", [](std::string_view u) { return Has(u, "<AREA"); }},
    {"FONT", [](std::string_view u) { return Has(u, "<FONT"); }},
    {"BASEFONT", [](std::string_view u) { return Has(u, "<BASEFONT"); }},
    {"TABLE", [](std::string_view u) { return Has(u, "<TABLE"); }},
    {"TR", [](std::string_view u) { return Has(u, "<TR"); }},
    {"TH", [](std::string_view u) { return Has(u, "<TH"); }},
    {"TD", [](std::string_view u) { return Has(u, "<TD"); }},
    {"OL", [](std::string_view u) { return Has(u, "<OL"); }},
    {"UL", [](std::string_view u) { return Has(u, "<UL"); }},
    {"CAPTION", [](std::string_view u) { return Has(u, "<CAPTION"); }},
    {"HR", [](std::string_view u) { return Has(u, "<HR"); }},
    {"LINK", [](std::string_view u) { return Has(u, "<LINK"); }},
    {"META", [](std::string_view u) { return Has(u, "<META"); }},
    {"P", [](std::string_view u) { return Has(u, "<P>") || Has(u, "<P "); }},
    {"DIV", [](std::string_view u) { return Has(u, "<DIV"); }},
    {"BODY", [](std::string_view u) { return Has(u, "<BODY"); }},
    {"FORM", [](std::string_view u) { return Has(u, "<FORM"); }},
    {"INPUT", [](std::string_view u) { return Has(u, "<INPUT"); }},
    {"TEXTAREA", [](std::string_view u) { return Has(u, "<TEXTAREA"); }},
    {"MAP", [](std::string_view u) { return Has(u, "<MAP"); }},
    {"FRAME", [](std::string_view u) { return Has(u, "<FRAME "); }},
    {"local link", [](std::string_view u) { return Has(u, " HREF=\"#"); }},
    {"link", [](std::string_view u) { return Has(u, " HREF"); }},
    {"marker", [](std::string_view u) { return Has(u, " NAME") && !Has(u, "FRAME"); }},
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
  const std::string u = AsciiUpper(tag);
  for (const DispatchRow& row : kDispatch)
    if (row.test(u)) return row.routine;
  return "generic";
}

std::span<const std::string_view> ReEditRoutines() { return kRoutineNames; }
std::span<const std::string_view> GenericElements() { return kGeneric; }

std::string_view GenericElementOf(std::string_view tag) {
  const std::string u = AsciiUpper(tag);
  for (const std::string_view n : kGeneric) {
    const std::string open = "<" + std::string(n);
    if (Has(u, open + ">") || Has(u, open + " ")) return n;
  }
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

SimpleTagDialog PrepareGenericReEdit(std::string_view tag, std::string_view name,
                                     const EditingOptions& options, std::string& passThrough) {
  SimpleTagDialog d;
  d.caption = FormatMessage(MessageSjis(Msg::ReEditTitle), {name});
  d.name = ApplyTagCase(name, options);
  d.wrap = false;
  const DialogFields f = PresetRows(CommonRows(), tag, passThrough);
  d.lang = f.Get("cbLang");
  d.title = f.Get("edTitle");
  d.style = f.Get("cbStyle");
  d.id = f.Get("cbID");
  d.cls = f.Get("cbCLASS");
  return d;
}

void SetReEditHandler(std::string_view routine, ReEditHandler handler) {
  ExternalHandlers()[std::string(routine)] = std::move(handler);
}

namespace {

void GenericReEdit(EditingContext& ctx, std::string_view tag) {
  const std::string_view name = GenericElementOf(tag);
  if (name.empty() || !ctx.dialogs) return;
  EditorSurface& e = ctx.Editor();
  std::string passThrough;
  const SimpleTagDialog d = PrepareGenericReEdit(tag, name, ctx.options, passThrough);
  // The extra attributes go before the '>' of the start tag.
  auto withPassThrough = [&passThrough](std::string t) {
    if (!passThrough.empty() && !t.empty() && t.back() == '>') t.insert(t.size() - 1, passThrough);
    return t;
  };
  DialogFields f = SimpleTagFields(d, ctx.options);
  const std::string preset = withPassThrough(f.Get(kFieldPreview));
  f.Set(kFieldPreview, preset);
  f.Set(kFieldPassThrough, passThrough);
  const bool ok = ctx.dialogs->Run(kSimpleTagDialogClass, f);
  e.SetFocus();
  if (!ok) return;
  SimpleTagDialog back = SimpleTagFromFields(f);
  back.name = d.name;
  back.wrap = false;
  back.selText.clear();
  const std::string returned = f.Get(kFieldPreview, preset);
  const std::string text = returned != preset ? returned : withPassThrough(BuildSimpleTag(back, ctx.options).preview);
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
    RunReEdit(ctx, *setup->model, std::move(setup->fields));
    return;
  }
  const auto& handlers = ExternalHandlers();
  const auto it = handlers.find(routine);
  if (it != handlers.end() && it->second) it->second(ctx, tag);
}

}  // namespace mw
