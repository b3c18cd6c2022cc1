#include "core/editing/simple_tags.h"

#include <cstdio>
#include <iterator>
#include <vector>

#include "core/editing/dialog_services.h"
#include "core/editing/command_groups.h"
#include "core/editing/command_registry.h"
#include "core/editing/insertion.h"
#include "core/editing/simple_tag_dialog.h"
#include "core/editing/tag_scan.h"
#include "core/editing/tag_text.h"
#include "core/text/messages.h"

namespace mw {

namespace {

// Each wrapping element: its handler, name and the title of its dialog.
struct SimpleTagRow {
  std::string_view command;
  std::string_view name;
  Msg caption;
};
constexpr SimpleTagRow kSimpleTagRows[] = {
    {"HTMLTagClick", "HTML", Msg::SimpleTagCaptionHtml},
    {"TITLETagClick", "TITLE", Msg::SimpleTagCaptionTitle},
    {"HEADTagClick", "HEAD", Msg::SimpleTagCaptionHead},
    {"BODYTagClick", "BODY", Msg::SimpleTagCaptionBody},
    {"H1Click", "H1", Msg::SimpleTagCaptionH1},
    {"H2Click", "H2", Msg::SimpleTagCaptionH2},
    {"H3Click", "H3", Msg::SimpleTagCaptionH3},
    {"H4Click", "H4", Msg::SimpleTagCaptionH4},
    {"H5Click", "H5", Msg::SimpleTagCaptionH5},
    {"H6Click", "H6", Msg::SimpleTagCaptionH6},
    {"CENTERClick", "CENTER", Msg::SimpleTagCaptionCenter},
    {"BClick", "B", Msg::SimpleTagCaptionB},
    {"IClick", "I", Msg::SimpleTagCaptionI},
    {"UClick", "U", Msg::SimpleTagCaptionU},
    {"TTClick", "TT", Msg::SimpleTagCaptionTt},
    {"STRIKEClick", "STRIKE", Msg::SimpleTagCaptionStrike},
    {"SClick", "S", Msg::SimpleTagCaptionS},
    {"SUPClick", "SUP", Msg::SimpleTagCaptionSup},
    {"SUBClick", "SUB", Msg::SimpleTagCaptionSub},
    {"BIGClick", "BIG", Msg::SimpleTagCaptionBig},
    {"SMALLClick", "SMALL", Msg::SimpleTagCaptionSmall},
    {"ADDRESSClick", "ADDRESS", Msg::SimpleTagCaptionAddress},
    {"CODEClick", "CODE", Msg::SimpleTagCaptionCode},
    {"CITEClick", "CITE", Msg::SimpleTagCaptionCite},
    {"DFNClick", "DFN", Msg::SimpleTagCaptionDfn},
    {"KBDClick", "KBD", Msg::SimpleTagCaptionKbd},
    {"SAMPClick", "SAMP", Msg::SimpleTagCaptionSamp},
    {"VARClick", "VAR", Msg::SimpleTagCaptionVar},
    {"BLOCKQUOTEClick", "BLOCKQUOTE", Msg::SimpleTagCaptionBlockquote},
    {"PREClick", "PRE", Msg::SimpleTagCaptionPre},
    {"EMClick", "EM", Msg::SimpleTagCaptionEm},
    {"STRONGClick", "STRONG", Msg::SimpleTagCaptionStrong},
    {"NOFRAMESClick", "NOFRAMES", Msg::SimpleTagCaptionNoframes},
    {"NOSCRIPTClick", "NOSCRIPT", Msg::SimpleTagCaptionNoscript},
};

struct ListTagRow {
  std::string_view command;
  std::string_view name;
  std::string_view innerStart;
  std::string_view innerEnd;
  Msg caption;
};
constexpr ListTagRow kListTagRows[] = {
    {"DLClick", "DL", "\r\n<DT>", "\r\n<DD>\r\n", Msg::ListTagCaptionDl},
    {"DIRClick", "DIR", "\r\n<LI>", "\r\n", Msg::ListTagCaptionDir},
    {"MENUClick", "MENU", "\r\n<LI>", "\r\n", Msg::ListTagCaptionMenu},
};

// The entries with their titles in Shift-JIS, made once; the registered
// commands keep pointers to them.
const std::vector<SimpleTagEntry>& SimpleTags() {
  static const std::vector<SimpleTagEntry> table = [] {
    std::vector<SimpleTagEntry> t;
    for (const SimpleTagRow& r : kSimpleTagRows) t.push_back({r.command, r.name, MessageSjis(r.caption)});
    return t;
  }();
  return table;
}

const std::vector<ListTagEntry>& ListTags() {
  static const std::vector<ListTagEntry> table = [] {
    std::vector<ListTagEntry> t;
    for (const ListTagRow& r : kListTagRows)
      t.push_back({r.command, r.name, r.innerStart, r.innerEnd, MessageSjis(r.caption)});
    return t;
  }();
  return table;
}

constexpr std::string_view kEventHandlers[] = {
    "onClick",     "onDblClick", "onMouseDown", "onMouseUp", "onMouseOver",
    "onMouseMove", "onMouseOut", "onKeyPress",  "onKeyDown", "onKeyUp",
};
constexpr std::string_view kCommonAttributes[] = {"ID", "CLASS", "STYLE", "TITLE", "LANG", "DIR"};

std::string StartTextOf(std::string_view name) { return "<" + std::string(name) + ">"; }
std::string EndTextOf(std::string_view name) { return "</" + std::string(name) + ">"; }

// Wraps directly, or through the simple-tag dialog; the selection is
// already where the command wants it.
void WrapOrAsk(EditingContext& ctx, std::string_view name, std::string_view startText,
               std::string_view innerEnd, std::string_view innerStart, std::string_view caption,
               std::string_view endText) {
  EditorSurface& e = ctx.Editor();
  const EditingOptions& o = ctx.options;
  if (o.directTagInsert) {
    WrapSelection(ctx, ApplyTagCase(name, o));
    SetRepeatTag(ctx, ApplyTagCase(startText, o), ApplyTagCase(endText, o));
    e.SetFocus();
    return;
  }
  if (ctx.dialogs == nullptr) return;
  SimpleTagDialog d;
  d.caption = std::string(caption);
  d.name = ApplyTagCase(name, o);
  d.innerStart = ApplyTagCase(innerStart, o);
  d.innerEnd = ApplyTagCase(innerEnd, o);
  d.selText = e.GetSelText();
  DialogFields f = SimpleTagFields(d, o);
  FillCommonItemLists(f, ctx.services, e.GetText());
  const std::string presetPreview = f.Get("reTag");
  const bool ok = ctx.dialogs->Run(kSimpleTagDialogClass, f);
  e.SetFocus();
  if (!ok) return;
  // The command's own texts stand; only the attributes and the preview
  // come back from the author.
  SimpleTagDialog back = SimpleTagFromFields(f);
  back.caption = d.caption;
  back.name = d.name;
  back.innerStart = d.innerStart;
  back.innerEnd = d.innerEnd;
  back.selText = d.selText;
  back.wrap = true;
  const SimpleTagBuild b = BuildSimpleTag(back, o);
  // A preview the author edited by hand is inserted as it stands; one left
  // as preset follows the fields.
  const std::string returned = f.Get("reTag", presetPreview);
  const std::string& text = returned != presetPreview ? returned : b.preview;
  SetRepeatTag(ctx, b.startText, b.endText);
  InsertWrapped(ctx, text, b.innerOffset);
}

char LowerLetter(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string TwoDigits(int v) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02d", v);
  return buf;
}

void InsertNow(EditingContext& ctx, const std::string& format) {
  const std::time_t t = ctx.now();
  std::tm local{};
  localtime_r(&t, &local);
  UndoStep step(ctx.Editor());
  InsertPlain(ctx, FormatDateTime(format, local));
}

}  // namespace

std::span<const SimpleTagEntry> SimpleTagTable() { return SimpleTags(); }

bool IsDocumentTag(const SimpleTagEntry& entry) { return entry.command.ends_with("TagClick"); }
std::span<const ListTagEntry> ListTagTable() { return ListTags(); }
std::span<const std::string_view> EventHandlerCaptions() { return kEventHandlers; }
std::span<const std::string_view> CommonAttributeCaptions() { return kCommonAttributes; }

const SimpleTagEntry* FindSimpleTag(std::string_view name) {
  for (const auto& entry : SimpleTags())
    if (entry.name == name) return &entry;
  return nullptr;
}

void SimpleTagInsert(EditingContext& ctx, std::string_view name, std::string_view startText,
                     std::string_view caption, std::string_view endText) {
  UndoStep step(ctx.Editor());
  AutoSelect(ctx);
  WrapOrAsk(ctx, name, startText, {}, {}, caption, endText);
}

void ListTagInsert(EditingContext& ctx, std::string_view name, std::string_view startText,
                   std::string_view innerEnd, std::string_view innerStart,
                   std::string_view caption, std::string_view endText) {
  UndoStep step(ctx.Editor());
  WrapOrAsk(ctx, name, startText, innerEnd, innerStart, caption, endText);
}

void InsertBreak(EditingContext& ctx) {
  EditorSurface& e = ctx.Editor();
  UndoStep step(e);
  const std::string text = ApplyTagCase("<BR>", ctx.options);
  ReplaceSelection(ctx, text);
  SetRepeatTag(ctx, text, "");
  if (e.GetSelLength() > 0) e.SetSelStart(e.GetSelStart() + e.GetSelLength());
}

void InsertSingleTag(EditingContext& ctx, std::string_view tag) {
  EditorSurface& e = ctx.Editor();
  UndoStep step(e);
  const std::string text = ApplyTagCase(tag, ctx.options);
  ReplaceSelection(ctx, text);
  SetRepeatTag(ctx, text, "");
  e.SetFocus();
}

void InsertCharacterReference(EditingContext& ctx, std::string_view reference) {
  EditorSurface& e = ctx.Editor();
  UndoStep step(e);
  const Offset s0 = e.GetSelStart();
  ReplaceSelection(ctx, reference);
  e.SetSelStart(s0 + static_cast<Offset>(reference.size()));
}

void InsertComment(EditingContext& ctx) {
  EditorSurface& e = ctx.Editor();
  UndoStep step(e);
  AutoSelect(ctx);
  const Offset s0 = e.GetSelStart();
  {
    UpdateSuspension quiet(e);
    const std::string text = "<!--" + e.GetSelText() + "-->";
    // A comment is shown whole in the special font, not coloured as tags.
    e.SetTypingFormat(ctx.Font(FontClass::Special));
    e.SetSelText(text);
    SetRepeatTag(ctx, "<!--", "-->");
    e.SetSelStart(s0 + static_cast<Offset>(text.size()));
  }
  e.SetFocus();
}

std::string FormatDateTime(std::string_view format, const std::tm& t) {
  std::string out;
  bool afterHour = false;
  for (std::size_t i = 0; i < format.size();) {
    const std::size_t n = CharLength(format, i);
    const char c = n == 1 ? LowerLetter(format[i]) : '\0';
    if (c != 'y' && c != 'm' && c != 'd' && c != 'h' && c != 'n' && c != 's') {
      out.append(format.substr(i, n));
      i += n;
      continue;
    }
    std::size_t run = 1;
    const std::size_t most = c == 'y' ? 4 : 2;
    while (run < most && i + run < format.size() && LowerLetter(format[i + run]) == c) ++run;
    i += run;
    int v = 0;
    switch (c) {
      case 'y':
        v = t.tm_year + 1900;
        out += run > 2 ? std::to_string(v) : TwoDigits(v % 100);
        afterHour = false;
        continue;
      case 'm': v = afterHour ? t.tm_min : t.tm_mon + 1; break;
      case 'd': v = t.tm_mday; break;
      case 'h': v = t.tm_hour; break;
      case 'n': v = t.tm_min; break;
      default: v = t.tm_sec; break;
    }
    afterHour = c == 'h';
    out += run == 2 ? TwoDigits(v) : std::to_string(v);
  }
  return out;
}

void InsertDate(EditingContext& ctx) { InsertNow(ctx, ctx.options.dateFormat); }
void InsertTime(EditingContext& ctx) { InsertNow(ctx, ctx.options.timeFormat); }

void InsertAttribute(EditingContext& ctx, std::string_view caption,
                     std::span<const std::string> styleChoices) {
  if (caption.empty() || ctx.prompts == nullptr) return;
  StringRequest ask;
  ask.mode = InputMode::Plain;
  ask.title = FormatMessage(MessageSjis(Msg::AttributeInsertTitle), {caption});
  ask.label = FormatMessage(MessageSjis(Msg::AttributeInsertLabel), {caption});
  if (caption == "LANG") ask.choices.assign(std::begin(kLangChoices), std::end(kLangChoices));
  if (caption == "STYLE") ask.choices.assign(styleChoices.begin(), styleChoices.end());
  const auto typed = ctx.prompts->AskString(ask);
  if (!typed) return;
  EditorSurface& e = ctx.Editor();
  UndoStep step(e);
  const Offset s0 = e.GetSelStart();
  const std::string text = ApplyTagCase(caption, ctx.options) + "=\"" + *typed + "\"";
  InsertPlain(ctx, text);
  // The author goes on typing the value, whatever the caret policy.
  e.SetSelStart(s0 + static_cast<Offset>(text.size()) - 1);
}

void RegisterSimpleTagCommands(CommandRegistry& r) {
  for (const SimpleTagEntry& entry : SimpleTags()) {
    // HTML, TITLE, HEAD and BODY re-edit an existing tag in its dialog;
    // the tag dialogs register them.
    if (IsDocumentTag(entry)) continue;
    r.Add({std::string(entry.command), [&entry](EditingContext& ctx, std::string_view) {
             SimpleTagInsert(ctx, entry.name, StartTextOf(entry.name), entry.caption, EndTextOf(entry.name));
           }});
  }
  for (const ListTagEntry& entry : ListTags()) {
    r.Add({std::string(entry.command), [&entry](EditingContext& ctx, std::string_view) {
             ListTagInsert(ctx, entry.name, StartTextOf(entry.name), entry.innerEnd, entry.innerStart,
                           entry.caption, EndTextOf(entry.name));
           }});
  }
  r.Add({"BRClick", [](EditingContext& ctx, std::string_view) { InsertBreak(ctx); }});
  const std::pair<const char*, const char*> singles[] = {
      {"LIClick", "<LI>"}, {"DTClick", "<DT>"}, {"DDClick", "<DD>"}};
  for (const auto& [command, tag] : singles)
    r.Add({command, [tag = tag](EditingContext& ctx, std::string_view) { InsertSingleTag(ctx, tag); }});
  const std::pair<const char*, const char*> references[] = {
      {"LTClick", "&lt;"},     {"GTClick", "&gt;"},          {"QuoteClick", "&quot;"},
      {"AndClick", "&amp;"},   {"HalfSpaceClick", "&nbsp;"},
  };
  for (const auto& [command, ref] : references)
    r.Add({command, [ref = ref](EditingContext& ctx, std::string_view) { InsertCharacterReference(ctx, ref); }});
  r.Add({"COMMENT1Click", [](EditingContext& ctx, std::string_view) { InsertComment(ctx); }});
  r.Add({"InsertDateClick", [](EditingContext& ctx, std::string_view) { InsertDate(ctx); }});
  r.Add({"InsertTimeClick", [](EditingContext& ctx, std::string_view) { InsertTime(ctx); }});
  // One handler for the event-handler and common-attribute items; the
  // item's caption is the attribute.
  r.Add({"onClick1Click", [](EditingContext& ctx, std::string_view caption) { InsertAttribute(ctx, caption); }});
}

}  // namespace mw
