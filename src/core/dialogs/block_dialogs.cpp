// Alignment blocks (P, DIV, CAPTION), markers and links, and the two list
// dialogs.
#include "core/dialogs/tag_dialogs.h"
#include "core/dialogs/tag_reedit.h"
#include "core/editing/tag_text.h"

namespace mw {

namespace {

// --- THAlignDlg ------------------------------------------------------------------

constexpr Binding kHAlignRows[] = {
    Radio("rgAlign", "ALIGN", "水平方向(&H)", "\nleft\ncenter\nright"),
    // Shown instead of rgAlign for CAPTION only.
    Radio("rgVAlign", "ALIGN", "位置(&P)", "top\nbottom"),
    MW_COMMON_ROWS,
};

// A caption is placed above or below its table, not left or right: the
// vertical group replaces the horizontal one.
void ShowHAlign(DialogFields& f, bool) {
  const bool caption = EqualsNoCase(f.Get(kFieldName), "CAPTION");
  f.SetChecked("rgAlign#visible", !caption);
  f.SetChecked("rgVAlign#visible", caption);
}

TagBuild BuildHAlign(const DialogFields& f, const EditingOptions& o) {
  const std::string element = ElementOf(f, "P");
  TagWriter w(o);
  w.Open(element).Attributes(f, kHAlignRows).Raw(">");
  return WrapBuild(f, w.Text(), ApplyTagCase("</" + element + ">", o));
}

constexpr std::string_view kVerticalOnly[] = {"rgAlign"};
constexpr std::string_view kHorizontalOnly[] = {"rgVAlign"};
constexpr ReEditSpec kHAlignReEdits[] = {
    {"CAPTION", "CAPTION", {}, {}, kVerticalOnly},
    {"P", "P", {}, {}, kHorizontalOnly},
    {"DIV", "DIV", {}, {}, kHorizontalOnly},
};

// --- TNameDlg --------------------------------------------------------------------

// The name is written as the attribute the command gives (HREF with the
// prefix "#" for a local link, NAME for a marker or map).
constexpr Binding kNameRows[] = {
    Anchor("cbName", "ジャンプ先のマーカー（アンカー）名(&M)").LabelFrom("lbInput"),
    MW_COMMON_ROWS,
    Handler("cbOnFocus", "onFocus"),
    Handler("cbOnBlur", "onBlur"),
};

// Without a name there is no tag to write: the selection stays as it is.
TagBuild KeepSelection(const DialogFields& f) {
  TagBuild b;
  b.preview = f.Get(kFieldSelText);
  return b;
}

TagBuild BuildName(const DialogFields& f, const EditingOptions& o) {
  if (RequiredMissing(f, kNameRows)) return KeepSelection(f);
  const std::string element = ElementOf(f, "A");
  TagWriter w(o);
  w.Open(element).Attributes(f, kNameRows).Raw(">");
  return WrapBuild(f, w.Text(), ApplyTagCase("</" + element + ">", o));
}

// A map has no event handlers of its own to offer.
constexpr std::string_view kNameHandlers[] = {"cbOnFocus", "cbOnBlur"};
constexpr ReEditSpec kNameReEdits[] = {
    {.routine = "MAP", .element = "MAP", .unread = kNameHandlers, .disableUnread = true, .attribute = "NAME",
     .label = {Msg::MapNameLabel}},
    {.routine = "local link", .element = "A", .title = {Msg::LocalLinkReEditTitle}, .attribute = "HREF",
     .prefix = "#"},
    {.routine = "marker", .element = "A", .titleName = "A NAME=...", .attribute = "NAME",
     .label = {Msg::MarkerNameLabel}},
};

// --- TURLInputDlg ----------------------------------------------------------------

constexpr Binding kURLInputRows[] = {
    Combo("cbURL", "HREF", "&URL名", {}, ListSource::Urls).Required().Ref(Msg::HtmlFileFilter),
    Combo("cbTarget", "TARGET", "ターゲットフレーム名(&T)", "_blank\n_parent\n_self\n_top"),
    MW_COMMON_ROWS,
    Handler("cbOnFocus", "onFocus"),
    Handler("cbOnBlur", "onBlur"),
};

TagBuild BuildURLInput(const DialogFields& f, const EditingOptions& o) {
  if (RequiredMissing(f, kURLInputRows)) return KeepSelection(f);
  const std::string element = ElementOf(f, "A");
  TagWriter w(o);
  w.Open(element).Attributes(f, kURLInputRows).Raw(">");
  return WrapBuild(f, w.Text(), ApplyTagCase("</" + element + ">", o));
}

constexpr ReEditSpec kURLInputReEdits[] = {
    {.routine = "link", .element = "A", .titleName = "A HREF=..."},
};

// --- TULDlg and TOLDlg -----------------------------------------------------------

constexpr std::string_view kIndentItems = "なし\nタブ\n半角二つ";

constexpr Binding kULRows[] = {
    Radio("rgType", "TYPE", "行頭記号(&T)", "disc\ncircle\nsquare"),
    MW_COMMON_ROWS,
    Radio("rgIndent", {}, "インデント(&I)", kIndentItems, 2),
};

constexpr Binding kOLRows[] = {
    Number("edStart", "START", "スタート番号(&N)", 0),
    Radio("rgType", "TYPE", "ラベル形式(&T)", "1\nA\na\nI\ni"),
    MW_COMMON_ROWS,
    Radio("rgIndent", {}, "インデント(&I)", kIndentItems, 2),
};

TagBuild ListBuild(const DialogFields& f, const EditingOptions& o, std::string_view element,
                   const TagWriter& start) {
  TagBuild b;
  const std::string tag = start.Text();
  b.innerOffset = static_cast<Offset>(tag.size());
  if (IsReEdit(f)) {
    b.start = b.preview = tag;
    return b;
  }
  const std::string indent = f.Get(kFieldIndent);
  const std::string endTag = ApplyTagCase("</" + std::string(element) + ">", o);
  b.start = tag + "\r\n";
  b.end = endTag;
  b.preview = tag + "\r\n" + ListItemLines(f.Get(kFieldSelText), indent, f.Index("rgIndent", 2), o) +
              indent + endTag;
  return b;
}

TagBuild BuildUL(const DialogFields& f, const EditingOptions& o) {
  const std::string element = ElementOf(f, "UL");
  TagWriter w(o);
  w.Open(element).Attributes(f, kULRows).Raw(">");
  return ListBuild(f, o, element, w);
}

TagBuild BuildOL(const DialogFields& f, const EditingOptions& o) {
  const std::string element = ElementOf(f, "OL");
  TagWriter w(o);
  w.Open(element).Attributes(f, kOLRows).Raw(">");
  return ListBuild(f, o, element, w);
}

constexpr ReEditSpec kULReEdits[] = {{"UL", "UL"}};
constexpr ReEditSpec kOLReEdits[] = {{"OL", "OL"}};

bool IsBlankOrControl(char c) { return static_cast<unsigned char>(c) <= 0x20; }

}  // namespace

std::string ListItemLines(std::string_view selText, std::string_view indent, int indentChoice,
                          const EditingOptions& options) {
  static constexpr std::string_view kPrefixes[] = {"<LI>", "\t<LI>", "  <LI>"};
  const std::string prefix =
      ApplyTagCase(kPrefixes[indentChoice >= 0 && indentChoice < 3 ? indentChoice : 0], options);
  std::string out;
  std::size_t from = 0;
  while (from < selText.size()) {
    std::size_t end = selText.find_first_of("\r\n", from);
    if (end == std::string_view::npos) end = selText.size();
    std::string_view line = selText.substr(from, end - from);
    while (!line.empty() && IsBlankOrControl(line.front())) line.remove_prefix(1);
    while (!line.empty() && IsBlankOrControl(line.back())) line.remove_suffix(1);
    out += std::string(indent) + prefix + std::string(line) + "\r\n";
    if (end < selText.size() && selText[end] == '\r' && end + 1 < selText.size() && selText[end + 1] == '\n')
      ++end;
    from = end + 1;
  }
  return out;
}

const TagDialogModel kHAlignDlg{"THAlignDlg", {Msg::HAlignDlgCaption}, InsertWay::Wrap, kHAlignRows, BuildHAlign,
                                nullptr, ShowHAlign, kHAlignReEdits};
const TagDialogModel kNameDlg{"TNameDlg", {Msg::NameDlgCaption}, InsertWay::Wrap, kNameRows, BuildName, nullptr,
                              nullptr, kNameReEdits};
const TagDialogModel kURLInputDlg{"TURLInputDlg", {Msg::URLInputDlgCaption}, InsertWay::Wrap, kURLInputRows,
                                  BuildURLInput, nullptr, nullptr, kURLInputReEdits};
const TagDialogModel kULDlg{"TULDlg", {Msg::ULDlgCaption}, InsertWay::Block, kULRows, BuildUL, nullptr, nullptr,
                            kULReEdits};
const TagDialogModel kOLDlg{"TOLDlg", {Msg::OLDlgCaption}, InsertWay::Block, kOLRows, BuildOL, nullptr, nullptr,
                            kOLReEdits};

std::string_view ListSection(const TagDialogModel& model) {
  if (&model == &kULDlg) return "UL";
  if (&model == &kOLDlg) return "OL";
  return {};
}

}  // namespace mw
