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

// --- Presets -------------------------------------------------------------------------

enum class Lookup { Bare, Quoted };
enum class Set {
  Text,            // the value, empty when absent
  TextAfterFirst,  // the value without its first byte (the '#')
  Int,             // a decimal number, else the default
  Percent,         // as Int; a '%' value checks the ck box of the field
  Radio,           // the item equal to the value, letter case ignored
  RadioAfterFirst, // as Radio, but never the first item
};

struct Preset {
  std::string_view key;  // with its leading blank
  Lookup lookup;
  std::string_view control;
  Set set = Set::Text;
  int def = 0;
  // A value the field cannot take is kept beside it, unless the dialog
  // always writes the attribute (a second one would contradict it).
  bool keepUnread = true;
};

#define MW_COMMON_PRESETS                                                                  \
  Preset{" LANG", Lookup::Bare, "cbLang"}, Preset{" TITLE", Lookup::Quoted, "edTitle"},    \
      Preset{" STYLE", Lookup::Quoted, "cbStyle"}, Preset{" ID", Lookup::Bare, "cbID"},    \
      Preset{" CLASS", Lookup::Bare, "cbCLASS"}

constexpr Preset kFontPresets[] = {
    {" COLOR", Lookup::Bare, "cbColor"},   {" FACE", Lookup::Quoted, "cbFont"},
    {" LANG", Lookup::Bare, "cbLang"},     {" TITLE", Lookup::Quoted, "edTitle"},
    {" STYLE", Lookup::Quoted, "cbStyle"}, {" ID", Lookup::Bare, "cbID"},
    {" CLASS", Lookup::Bare, "cbCLASS"},   {" SIZE", Lookup::Bare, "cbSize"},
};
constexpr Preset kBaseFontPresets[] = {{" SIZE", Lookup::Bare, "rgSize", Set::Radio, 0, false}};
constexpr Preset kTRPresets[] = {
    MW_COMMON_PRESETS,
    {" BGCOLOR", Lookup::Bare, "cbBgColor"},
    {" ALIGN", Lookup::Bare, "rgAlign", Set::Radio},
    {" VALIGN", Lookup::Bare, "rgVAlign", Set::Radio},
};
constexpr Preset kTHPresets[] = {
    MW_COMMON_PRESETS,
    {" BGCOLOR", Lookup::Bare, "cbBgColor"},
    {" BACKGROUND", Lookup::Quoted, "edBackGround"},
    {" ALIGN", Lookup::Bare, "rgAlign", Set::Radio},
    {" VALIGN", Lookup::Bare, "rgVAlign", Set::Radio},
    {" WIDTH", Lookup::Bare, "edWidth", Set::Percent, -1},
    {" HEIGHT", Lookup::Bare, "edHeight", Set::Percent, -1},
    {" ROWSPAN", Lookup::Bare, "edRowSpan", Set::Int, -1},
    {" COLSPAN", Lookup::Bare, "edColSpan", Set::Int, -1},
};
constexpr Preset kTDPresets[] = {
    MW_COMMON_PRESETS,
    {" BGCOLOR", Lookup::Bare, "cbBgColor"},
    {" BACKGROUND", Lookup::Quoted, "edBackGround"},
    {" ALIGN", Lookup::Bare, "rgAlign", Set::Radio},
    {" VALIGN", Lookup::Bare, "rgVAlign", Set::Radio},
    {" WIDTH", Lookup::Bare, "edWidth", Set::Percent, -1},
    {" HEIGHT", Lookup::Bare, "edHeight", Set::Percent, -1},
    {" ROWSPAN", Lookup::Bare, "edRowSpan", Set::Int, 0},
    {" COLSPAN", Lookup::Bare, "edColSpan", Set::Int, 0},
};
constexpr Preset kOLPresets[] = {
    MW_COMMON_PRESETS,
    {" TYPE", Lookup::Bare, "rgType", Set::Radio},
    {" START", Lookup::Bare, "edStart", Set::Int, 0},
};
constexpr Preset kULPresets[] = {MW_COMMON_PRESETS, {" TYPE", Lookup::Bare, "rgType", Set::Radio}};
constexpr Preset kCaptionPresets[] = {MW_COMMON_PRESETS,
                                      {" ALIGN", Lookup::Bare, "rgVAlign", Set::Radio}};
constexpr Preset kPPresets[] = {MW_COMMON_PRESETS,
                                {" ALIGN", Lookup::Bare, "rgAlign", Set::RadioAfterFirst}};
constexpr Preset kHRPresets[] = {
    {" COLOR", Lookup::Bare, "cbColor"},
    {" SIZE", Lookup::Bare, "edSize", Set::Int, 0},
    {" WIDTH", Lookup::Bare, "edWidth", Set::Percent, -1},
    {" ALIGN", Lookup::Bare, "rgAlign", Set::Radio},
};
constexpr Preset kMetaPresets[] = {
    {" HTTP-EQUIV", Lookup::Quoted, "cbHttpEquiv"},
    {" NAME", Lookup::Quoted, "cbName"},
    {" CONTENT", Lookup::Quoted, "cbContent"},
};
constexpr Preset kFormPresets[] = {
    {" ENCTYPE", Lookup::Quoted, "cbEncType"}, {" METHOD", Lookup::Bare, "cbMethod"},
    {" ACTION", Lookup::Quoted, "edAction"},   {" NAME", Lookup::Quoted, "edName"},
    {" onSubmit", Lookup::Quoted, "cbOnSubmit"}, {" onReset", Lookup::Quoted, "cbOnReset"},
};
constexpr Preset kInputPresets[] = {
    {" TYPE", Lookup::Bare, "cbType"},
    {" NAME", Lookup::Quoted, "edName"},
    {" SRC", Lookup::Quoted, "edImageFile"},
    {" VALUE", Lookup::Quoted, "edValue"},
    {" SIZE", Lookup::Bare, "edSize", Set::Int, 0},
    {" MAXLENGTH", Lookup::Bare, "edMaxLength", Set::Int, 0},
    MW_COMMON_PRESETS,
    {" onFocus", Lookup::Quoted, "cbOnFocus"},
    {" onBlur", Lookup::Quoted, "cbOnBlur"},
    {" onSelect", Lookup::Quoted, "cbOnSelect"},
    {" onChange", Lookup::Quoted, "cbOnChange"},
};
constexpr Preset kTextAreaPresets[] = {
    MW_COMMON_PRESETS,
    {" NAME", Lookup::Quoted, "edName"},
    {" WRAP", Lookup::Bare, "cbWrap"},
    {" ROWS", Lookup::Bare, "edRows", Set::Int, 0},
    {" COLS", Lookup::Bare, "edCols", Set::Int, 0},
    {" onFocus", Lookup::Quoted, "cbOnFocus"},
    {" onBlur", Lookup::Quoted, "cbOnBlur"},
    {" onSelect", Lookup::Quoted, "cbOnSelect"},
    {" onChange", Lookup::Quoted, "cbOnChange"},
};
constexpr Preset kFramePresets[] = {
    {" STYLE", Lookup::Quoted, "cbStyle"},
    {" SRC", Lookup::Bare, "cbURL"},
    {" BORDERCOLOR", Lookup::Quoted, "cbColor"},
    {" NAME", Lookup::Bare, "edName"},
    {" MARGINWIDTH", Lookup::Bare, "edMarginWidth", Set::Int, -1},
    {" MARGINHEIGHT", Lookup::Bare, "edMarginHeight", Set::Int, -1},
    {" SCROLLING", Lookup::Bare, "rgScrolling", Set::Radio},
    {" FRAMEBORDER", Lookup::Bare, "rgFrameBorder", Set::Radio},
};
constexpr Preset kMarkerPresets[] = {
    {" NAME", Lookup::Quoted, "cbName"},
    MW_COMMON_PRESETS,
    {" onFocus", Lookup::Quoted, "cbOnFocus"},
    {" onBlur", Lookup::Quoted, "cbOnBlur"},
};
constexpr Preset kMapPresets[] = {{" NAME", Lookup::Quoted, "cbName"}, MW_COMMON_PRESETS};
constexpr Preset kLocalLinkPresets[] = {
    {" HREF", Lookup::Quoted, "cbName", Set::TextAfterFirst},
    MW_COMMON_PRESETS,
    {" onFocus", Lookup::Quoted, "cbOnFocus"},
    {" onBlur", Lookup::Quoted, "cbOnBlur"},
};
constexpr Preset kLinkPresets[] = {
    {" HREF", Lookup::Quoted, "cbURL"},
    {" TARGET", Lookup::Bare, "cbTarget"},
    MW_COMMON_PRESETS,
    {" onFocus", Lookup::Quoted, "cbOnFocus"},
    {" onBlur", Lookup::Quoted, "cbOnBlur"},
};
constexpr Preset kGenericPresets[] = {MW_COMMON_PRESETS};

// Keyword attributes a dialog reads as a check box.
enum class Flag { None, NoShade, NoWrap, Checked, NoResize };

struct Routine {
  std::string_view name;
  const TagDialogModel* model;
  std::string_view element;  // the element the dialog writes
  std::string_view title;    // Shift-JIS window title
  std::span<const Preset> presets;
  Flag flag = Flag::None;
  // TNameDlg's attribute, prefix and label.
  std::string_view attribute = {};
  std::string_view prefix = {};
  std::string_view label = {};
  // The event handlers outside the dialog's fields go into the pass-through
  // text in this fixed order, the keyword in the tag case.
  bool handlerPassThrough = false;
  // The dialog is handed the tag itself as its selected text, so a name or
  // URL emptied in the dialog gives the tag back unchanged.
  bool tagAsSelection = false;
};

const Routine kRoutines[] = {
    {"FONT", &kFontSetDlg, "FONT", "<FONT>\x82\xCC\x8D\xC4\x95\xD2\x8F\x57" /* <FONT>の再編集 */, kFontPresets},
    {"BASEFONT", &kBaseFontDlg, "BASEFONT", "<BASEFONT>\x82\xCC\x8D\xC4\x95\xD2\x8F\x57" /* <BASEFONT>の再編集 */, kBaseFontPresets},
    {"TR", &kTRDlg, "TR", "<TR>\x82\xCC\x8D\xC4\x95\xD2\x8F\x57" /* <TR>の再編集 */, kTRPresets},
    {"TH", &kTHTDDlg, "TH", "<TH>\x82\xCC\x8D\xC4\x95\xD2\x8F\x57" /* <TH>の再編集 */, kTHPresets, Flag::NoWrap},
    {"TD", &kTHTDDlg, "TD", "<TD>\x82\xCC\x8D\xC4\x95\xD2\x8F\x57" /* <TD>の再編集 */, kTDPresets, Flag::NoWrap},
    {"OL", &kOLDlg, "OL", "<OL>\x82\xCC\x8D\xC4\x95\xD2\x8F\x57" /* <OL>の再編集 */, kOLPresets},
    {"UL", &kULDlg, "UL", "<UL>\x82\xCC\x8D\xC4\x95\xD2\x8F\x57" /* <UL>の再編集 */, kULPresets},
    {"CAPTION", &kHAlignDlg, "CAPTION", "<CAPTION>\x82\xCC\x8D\xC4\x95\xD2\x8F\x57" /* <CAPTION>の再編集 */, kCaptionPresets},
    {"HR", &kHLineDlg, "HR", "<HR>\x82\xCC\x8D\xC4\x95\xD2\x8F\x57" /* <HR>の再編集 */, kHRPresets, Flag::NoShade},
    {"META", &kMetaDlg, "META", "<META>\x82\xCC\x8D\xC4\x95\xD2\x8F\x57" /* <META>の再編集 */, kMetaPresets},
    {"P", &kHAlignDlg, "P", "<P>\x82\xCC\x8D\xC4\x95\xD2\x8F\x57" /* <P>の再編集 */, kPPresets},
    {"DIV", &kHAlignDlg, "DIV", "<DIV>\x82\xCC\x8D\xC4\x95\xD2\x8F\x57" /* <DIV>の再編集 */, kPPresets},
    {"FORM", &kFormDlg, "FORM", "<FORM>\x82\xCC\x8D\xC4\x95\xD2\x8F\x57" /* <FORM>の再編集 */, kFormPresets},
    {"INPUT", &kInputDlg, "INPUT", "<INPUT>\x82\xCC\x8D\xC4\x95\xD2\x8F\x57" /* <INPUT>の再編集 */, kInputPresets, Flag::Checked},
    {"TEXTAREA", &kTextAreaDlg, "TEXTAREA", "<TEXTAREA>\x82\xCC\x8D\xC4\x95\xD2\x8F\x57" /* <TEXTAREA>の再編集 */, kTextAreaPresets},
    {"MAP", &kNameDlg, "MAP", "<MAP>\x82\xCC\x8D\xC4\x95\xD2\x8F\x57" /* <MAP>の再編集 */, kMapPresets, Flag::None, "NAME", "",
     "\x83\x7D\x83\x62\x83\x76\x96\xBC\x82\xCC\x93\xFC\x97\xCD" /* マップ名の入力 */, false, true},
    {"FRAME", &kFrameDlg, "FRAME", "<FRAME>\x82\xCC\x8D\xC4\x95\xD2\x8F\x57" /* <FRAME>の再編集 */, kFramePresets, Flag::NoResize},
    {"local link", &kNameDlg, "A", "\x93\xAF\x88\xEA\x83\x74\x83\x40\x83\x43\x83\x8B\x93\xE0\x82\xCC\x83\x41\x83\x93\x83\x4A\x81\x5B\x95\xD2\x8F\x57" /* 同一ファイル内のアンカー編集 */, kLocalLinkPresets, Flag::None,
     "HREF", "#", {}, true, true},
    {"link", &kURLInputDlg, "A", "<A HREF=...>\x82\xCC\x8D\xC4\x95\xD2\x8F\x57" /* <A HREF=...>の再編集 */, kLinkPresets, Flag::None, {}, {}, {}, true,
     true},
    {"marker", &kNameDlg, "A", "<A NAME=...>\x82\xCC\x8D\xC4\x95\xD2\x8F\x57" /* <A NAME=...>の再編集 */, kMarkerPresets, Flag::None, "NAME", "",
     "\x83\x7D\x81\x5B\x83\x4A\x81\x5B\x96\xBC\x82\xCC\x93\xFC\x97\xCD" /* マーカー名の入力 */, false, true},
};

const Routine* FindRoutine(std::string_view name) {
  for (const Routine& r : kRoutines)
    if (r.name == name) return &r;
  return nullptr;
}

constexpr std::string_view kPassedHandlers[] = {
    " onClick",     " onDblClick", " onMouseDown", " onMouseUp", " onMouseOver",
    " onMouseMove", " onMouseOut", " onKeyPress",  " onKeyDown", " onKeyUp",
};

std::string_view ItemsOf(const TagDialogModel& model, std::string_view control) {
  for (const ControlSpec& c : model.controls)
    if (c.name == control) return c.items;
  return {};
}

// A number as the spin controls read it: optional sign and decimal digits.
std::optional<int> ReadInt(std::string_view v) {
  if (v.empty()) return std::nullopt;
  std::size_t i = v[0] == '-' || v[0] == '+' ? 1 : 0;
  if (i == v.size()) return std::nullopt;
  long long n = 0;
  for (; i < v.size(); ++i) {
    if (v[i] < '0' || v[i] > '9') return std::nullopt;
    n = n * 10 + (v[i] - '0');
    if (n > 2147483647LL) return std::nullopt;
  }
  return static_cast<int>(v[0] == '-' ? -n : n);
}

std::string_view KeyName(std::string_view key) { return key.substr(1); }

// Whether the attribute's value is written in double quotes; nullopt when
// the tag has no such attribute of its own.
std::optional<bool> QuotedInTag(std::string_view tag, std::string_view name) {
  for (const TagAttribute& a : ParseTagAttributes(tag)) {
    if (!EqualsNoCase(a.name, name)) continue;
    const std::size_t eq = a.raw.find('=');
    if (eq == std::string::npos) return false;
    const std::string_view v = Trim(std::string_view(a.raw).substr(eq + 1));
    return !v.empty() && v.front() == '"';
  }
  return std::nullopt;
}

// The value as the tag writes it. A bare lookup would cut a quoted value at
// its first blank (CLASS="a b"), and a quoted lookup of a bare value reads
// on into the next attribute, so the way the value is written decides.
std::string ReadValue(std::string_view tag, const Preset& p) {
  const auto quoted = QuotedInTag(tag, KeyName(p.key));
  const bool useQuoted = quoted ? *quoted : p.lookup == Lookup::Quoted;
  return useQuoted ? GetQuotedAttributeValue(tag, p.key) : GetAttributeValue(tag, p.key);
}

// Sets one field from the tag; false when the tag has a value the field
// cannot take (a word in a number field, an unknown radio item).
bool ApplyPreset(DialogFields& f, const TagDialogModel& model, const Preset& p, std::string_view tag) {
  const std::string value = ReadValue(tag, p);
  switch (p.set) {
    case Set::Text:
      f.Set(p.control, value);
      return !value.empty();
    case Set::TextAfterFirst:
      f.Set(p.control, value.empty() ? value : value.substr(1));
      return !value.empty();
    case Set::Int: {
      const auto n = ReadInt(value);
      f.Set(p.control, std::to_string(n ? *n : p.def));
      return n.has_value();
    }
    case Set::Percent: {
      std::string number = value;
      const bool percent = value.find('%') != std::string::npos;
      if (percent) number.pop_back();
      const auto n = ReadInt(number);
      f.Set(p.control, std::to_string(n ? *n : p.def));
      f.SetChecked("ck" + std::string(p.control.substr(2)), percent);
      return n.has_value();
    }
    case Set::Radio:
    case Set::RadioAfterFirst: {
      const auto items = SplitItems(ItemsOf(model, p.control));
      const std::string lower = AsciiLower(value);
      for (std::size_t i = 0; i < items.size(); ++i) {
        if (!EqualsNoCase(items[i], lower)) continue;
        if (p.set == Set::RadioAfterFirst && i == 0) return false;
        f.SetIndex(p.control, static_cast<int>(i));
        return true;
      }
      return false;
    }
  }
  return false;
}

bool FlagOf(Flag flag, std::string_view tag) {
  switch (flag) {
    case Flag::None: return false;
    case Flag::NoShade: return Has(AsciiUpper(tag), "NOSHADE");
    case Flag::NoWrap: return Has(AsciiLower(tag), " nowrap");
    case Flag::Checked: return Has(tag, " CHECKED") || Has(tag, " checked");
    case Flag::NoResize: return Has(AsciiLower(tag), "noresize");
  }
  return false;
}

std::string_view FlagName(Flag flag) {
  switch (flag) {
    case Flag::None: return {};
    case Flag::NoShade: return "NOSHADE";
    case Flag::NoWrap: return "NOWRAP";
    case Flag::Checked: return "CHECKED";
    case Flag::NoResize: return "NORESIZE";
  }
  return {};
}

// Everything of the tag the dialog will not write back: attributes without
// a field, and values the field could not take, as they were written.
// A keyword the dialog did not recognise (written "Checked") stays as well.
std::string PassThroughOf(std::string_view tag, std::span<const Preset> presets,
                          const std::vector<std::string_view>& rejected, Flag flag, bool flagSet,
                          const std::vector<std::string_view>& alsoKnown) {
  std::string out;
  for (const TagAttribute& a : ParseTagAttributes(tag)) {
    bool known = flag != Flag::None && flagSet && EqualsNoCase(a.name, FlagName(flag));
    for (const Preset& p : presets)
      if (EqualsNoCase(a.name, KeyName(p.key))) known = true;
    for (const auto k : alsoKnown)
      if (EqualsNoCase(a.name, k)) known = true;
    bool lost = false;
    for (const auto k : rejected)
      if (EqualsNoCase(a.name, k)) lost = true;
    // A value the dialog could not read is kept only when there is one.
    if (!known || (lost && a.hasValue)) out += " " + a.raw;
  }
  return out;
}

// The element as the tag writes it, when it is not the one the dialog
// would write (a THEAD found by the TH test stays a THEAD).
std::string ElementOverride(std::string_view tag, std::string_view expected) {
  std::size_t i = 1;
  while (i < tag.size() && tag[i] != ' ' && tag[i] != '>' && tag[i] != '\t' && tag[i] != '\r' &&
         tag[i] != '\n')
    i += CharLength(tag, i);
  const std::string_view written = tag.substr(1, std::min(i, tag.size()) - 1);
  if (written.empty() || EqualsNoCase(written, expected)) return std::string(expected);
  return std::string(written);
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

std::vector<TagAttribute> ParseTagAttributes(std::string_view tag) {
  std::vector<TagAttribute> out;
  auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  std::size_t i = tag.empty() || tag[0] != '<' ? 0 : 1;
  // Past the element name.
  while (i < tag.size() && !blank(tag[i]) && tag[i] != '>') i += CharLength(tag, i);
  while (i < tag.size()) {
    while (i < tag.size() && (blank(tag[i]) || tag[i] == '/')) ++i;
    if (i >= tag.size() || tag[i] == '>') break;
    const std::size_t start = i;
    while (i < tag.size() && !blank(tag[i]) && tag[i] != '=' && tag[i] != '>') i += CharLength(tag, i);
    TagAttribute a;
    a.name = std::string(tag.substr(start, i - start));
    std::size_t j = i;
    while (j < tag.size() && blank(tag[j])) ++j;
    if (j < tag.size() && tag[j] == '=') {
      a.hasValue = true;
      ++j;
      while (j < tag.size() && blank(tag[j])) ++j;
      if (j < tag.size() && (tag[j] == '"' || tag[j] == '\'')) {
        const char q = tag[j++];
        const std::size_t open = j;
        while (j < tag.size() && tag[j] != q) j += CharLength(tag, j);
        a.hasValue = j > open;
        if (j < tag.size()) ++j;
      } else {
        const std::size_t open = j;
        while (j < tag.size() && !blank(tag[j]) && tag[j] != '>') j += CharLength(tag, j);
        a.hasValue = j > open;
      }
      i = j;
    }
    a.raw = std::string(tag.substr(start, i - start));
    if (!a.name.empty()) out.push_back(std::move(a));
  }
  return out;
}

std::optional<ReEditSetup> PrepareReEdit(std::string_view routineName, std::string_view tag,
                                         const EditingOptions& options) {
  const Routine* r = FindRoutine(routineName);
  if (!r) return std::nullopt;
  ReEditSetup s;
  s.model = r->model;
  DialogFields& f = s.fields;
  f = CreateFields(*r->model);
  f.Set(kFieldMode, "1");
  f.Set(kFieldCaption, std::string(r->title));
  f.Set(kFieldName, ElementOverride(tag, r->element));
  if (!r->attribute.empty()) {
    f.Set(kFieldAttribute, std::string(r->attribute));
    f.Set(kFieldPrefix, std::string(r->prefix));
  }
  if (!r->label.empty()) f.Set("lbInput", std::string(r->label));
  if (r->tagAsSelection) f.Set(kFieldSelText, std::string(tag));
  // MAP has no event-handler fields.
  if (r->name == "MAP") {
    f.Set("cbOnFocus#enabled", "0");
    f.Set("cbOnBlur#enabled", "0");
  }
  std::vector<std::string_view> rejected;
  for (const Preset& p : r->presets)
    if (!ApplyPreset(f, *r->model, p, tag) && p.keepUnread) rejected.push_back(KeyName(p.key));
  const bool flagSet = FlagOf(r->flag, tag);
  if (r->flag != Flag::None) {
    static constexpr std::string_view kFlagControls[] = {{}, "ckNoShade", "ckNOWRAP", "ckChecked", "ckNoResize"};
    f.SetChecked(kFlagControls[static_cast<int>(r->flag)], flagSet);
  }
  std::string passThrough;
  std::vector<std::string_view> alsoKnown;
  if (r->handlerPassThrough) {
    for (const std::string_view key : kPassedHandlers) {
      const std::string value = GetQuotedAttributeValue(tag, key);
      if (value.empty()) continue;
      passThrough += ApplyTagCase(std::string(key) + "=\"", options) + value + "\"";
      alsoKnown.push_back(KeyName(key));
    }
  }
  passThrough += PassThroughOf(tag, r->presets, rejected, r->flag, flagSet, alsoKnown);
  f.Set(kFieldPassThrough, passThrough);
  r->model->show(f, true);
  return s;
}

SimpleTagDialog PrepareGenericReEdit(std::string_view tag, std::string_view name,
                                     const EditingOptions& options, std::string& passThrough) {
  SimpleTagDialog d;
  d.caption = "<" + std::string(name) + ">\x82\xCC\x8D\xC4\x95\xD2\x8F\x57" /* >の再編集 */;
  d.name = ApplyTagCase(name, options);
  d.wrap = false;
  DialogFields f;
  std::vector<std::string_view> rejected;
  for (const Preset& p : kGenericPresets)
    if (!ApplyPreset(f, kFontSetDlg, p, tag)) rejected.push_back(KeyName(p.key));
  d.lang = f.Get("cbLang");
  d.title = f.Get("edTitle");
  d.style = f.Get("cbStyle");
  d.id = f.Get("cbID");
  d.cls = f.Get("cbCLASS");
  passThrough = PassThroughOf(tag, kGenericPresets, rejected, Flag::None, false, {});
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
