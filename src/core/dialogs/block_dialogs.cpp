// Alignment blocks (P, DIV, CAPTION), markers and links, and the two list
// dialogs.
#include "core/dialogs/tag_dialogs.h"
#include "core/editing/tag_text.h"

namespace mw {

namespace {

constexpr std::string_view kHAlignItems = "\nleft\ncenter\nright";
constexpr std::string_view kVAlignItems = "top\nbottom";
constexpr std::string_view kFocusHandlers[] = {"onFocus", "onBlur"};

std::string ElementOf(const DialogFields& f, std::string_view fallback) {
  std::string name = f.Get(kFieldName);
  return name.empty() ? std::string(fallback) : name;
}

// --- THAlignDlg ------------------------------------------------------------------

constexpr ControlSpec kHAlignControls[] = {
    {"rgAlign", "\x90\x85\x95\xBD\x95\xFB\x8C\xFC(&H)" /* 水平方向(&H) */, kHAlignItems},
    // Shown instead of rgAlign for CAPTION only.
    {"rgVAlign", "\x88\xCA\x92\x75(&P)" /* 位置(&P) */, kVAlignItems},
    MW_COMMON_CONTROLS,
};

void CreateHAlign(DialogFields& f) {
  f.SetIndex("rgAlign", 0);
  f.SetIndex("rgVAlign", 0);
  CreateCommon(f);
}

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
  w.Open(element)
      .Radio("ALIGN", kHAlignItems, f.Index("rgAlign", 0))
      .Radio("ALIGN", kVAlignItems, f.Index("rgVAlign", 0))
      .Common(f)
      .PassThrough(f)
      .Raw(">");
  return WrapBuild(f, w.Text(), ApplyTagCase("</" + element + ">", o));
}

// --- TNameDlg --------------------------------------------------------------------

constexpr ControlSpec kNameControls[] = {
    {"cbName", "\x83\x57\x83\x83\x83\x93\x83\x76\x90\xE6\x82\xCC\x83\x7D\x81\x5B\x83\x4A\x81\x5B\x81\x69\x83\x41\x83\x93\x83\x4A\x81\x5B\x81\x6A\x96\xBC(&M)" /* ジャンプ先のマーカー（アンカー）名(&M) */},
    MW_COMMON_CONTROLS,
    {"cbOnFocus", "onFocus"},
    {"cbOnBlur", "onBlur"},
};

void CreateName(DialogFields& f) {
  f.Set("cbName", "");
  CreateCommon(f);
  f.Set("cbOnFocus", "");
  f.Set("cbOnBlur", "");
}

// Without a name there is no tag to write: the selection stays as it is.
TagBuild KeepSelection(const DialogFields& f) {
  TagBuild b;
  b.preview = f.Get(kFieldSelText);
  return b;
}

TagBuild BuildName(const DialogFields& f, const EditingOptions& o) {
  const std::string name = f.Get("cbName");
  if (name.empty()) return KeepSelection(f);
  const std::string element = ElementOf(f, "A");
  TagWriter w(o);
  w.Open(element)
      .Syntax(" " + f.Get(kFieldAttribute, "HREF") + "=\"")
      .Raw(f.Get(kFieldPrefix))
      .Raw(name)
      .Raw("\"")
      .Common(f)
      .Handlers(f, kFocusHandlers)
      .PassThrough(f)
      .Raw(">");
  return WrapBuild(f, w.Text(), ApplyTagCase("</" + element + ">", o));
}

// --- TURLInputDlg ----------------------------------------------------------------

constexpr ControlSpec kURLInputControls[] = {
    {"cbURL", "&URL\x96\xBC" /* &URL名 */, {}, ListSource::Urls},
    {"cbTarget", "\x83\x5E\x81\x5B\x83\x51\x83\x62\x83\x67\x83\x74\x83\x8C\x81\x5B\x83\x80\x96\xBC(&T)" /* ターゲットフレーム名(&T) */, "_blank\n_parent\n_self\n_top"},
    MW_COMMON_CONTROLS,
    {"cbOnFocus", "onFocus"},
    {"cbOnBlur", "onBlur"},
};

void CreateURLInput(DialogFields& f) {
  f.Set("cbURL", "");
  f.Set("cbTarget", "");
  CreateCommon(f);
  f.Set("cbOnFocus", "");
  f.Set("cbOnBlur", "");
}

TagBuild BuildURLInput(const DialogFields& f, const EditingOptions& o) {
  const std::string url = f.Get("cbURL");
  if (url.empty()) return KeepSelection(f);
  const std::string element = ElementOf(f, "A");
  TagWriter w(o);
  w.Open(element)
      .Syntax(" HREF=\"")
      .Raw(url)
      .Raw("\"")
      .Attr("TARGET", f.Get("cbTarget"))
      .Common(f)
      .Handlers(f, kFocusHandlers)
      .PassThrough(f)
      .Raw(">");
  return WrapBuild(f, w.Text(), ApplyTagCase("</" + element + ">", o));
}

// --- TULDlg and TOLDlg -----------------------------------------------------------

constexpr std::string_view kIndentItems = "\x82\xC8\x82\xB5\n\x83\x5E\x83\x75\n\x94\xBC\x8A\x70\x93\xF1\x82\xC2" /* なし\nタブ\n半角二つ */;
constexpr std::string_view kULTypes = "disc\ncircle\nsquare";
constexpr std::string_view kOLTypes = "1\nA\na\nI\ni";

constexpr ControlSpec kULControls[] = {
    {"rgType", "\x8D\x73\x93\xAA\x8B\x4C\x8D\x86(&T)" /* 行頭記号(&T) */, kULTypes},
    MW_COMMON_CONTROLS,
    {"rgIndent", "\x83\x43\x83\x93\x83\x66\x83\x93\x83\x67(&I)" /* インデント(&I) */, kIndentItems},
};

constexpr ControlSpec kOLControls[] = {
    {"edStart", "\x83\x58\x83\x5E\x81\x5B\x83\x67\x94\xD4\x8D\x86(&N)" /* スタート番号(&N) */},
    {"rgType", "\x83\x89\x83\x78\x83\x8B\x8C\x60\x8E\xAE(&T)" /* ラベル形式(&T) */, kOLTypes},
    MW_COMMON_CONTROLS,
    {"rgIndent", "\x83\x43\x83\x93\x83\x66\x83\x93\x83\x67(&I)" /* インデント(&I) */, kIndentItems},
};

void CreateList(DialogFields& f) {
  f.SetIndex("rgType", 0);
  CreateCommon(f);
  f.SetIndex("rgIndent", 2);
}

void CreateOL(DialogFields& f) {
  f.Set("edStart", "0");
  CreateList(f);
}

void ShowOL(DialogFields& f, bool) { BlankUnset(f, {"edStart"}, true); }

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
  w.Open(element).Radio("TYPE", kULTypes, f.Index("rgType", 0)).Common(f).PassThrough(f).Raw(">");
  return ListBuild(f, o, element, w);
}

TagBuild BuildOL(const DialogFields& f, const EditingOptions& o) {
  const std::string element = ElementOf(f, "OL");
  TagWriter w(o);
  w.Open(element)
      .Attr("START", NumberText(f, "edStart"))
      .Radio("TYPE", kOLTypes, f.Index("rgType", 0))
      .Common(f)
      .PassThrough(f)
      .Raw(">");
  return ListBuild(f, o, element, w);
}

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

const TagDialogModel kHAlignDlg{"THAlignDlg", "\x91\xB5\x82\xA6\x95\xFB" /* 揃え方 */, InsertWay::Wrap, kHAlignControls, CreateHAlign,
                                ShowHAlign, BuildHAlign};
const TagDialogModel kNameDlg{"TNameDlg",
                              "\x93\xAF\x88\xEA\x83\x74\x83\x40\x83\x43\x83\x8B\x93\xE0\x82\xCC\x83\x7D\x81\x5B\x83\x4A\x81\x5B\x82\xD6\x83\x57\x83\x83\x83\x93\x83\x76<A HREF ...></A>\x81\x46\x81\x40\x83\x43\x83\x93\x83\x89\x83\x43\x83\x93" /* 同一ファイル内のマーカーへジャンプ<A HREF ...></A>：　インライン */,
                              InsertWay::Wrap, kNameControls, CreateName, NoShowStep, BuildName};
const TagDialogModel kURLInputDlg{"TURLInputDlg", "\x83\x6E\x83\x43\x83\x70\x81\x5B\x83\x8A\x83\x93\x83\x4E<A HREF=...></A>\x81\x46\x81\x40\x83\x43\x83\x93\x83\x89\x83\x43\x83\x93" /* ハイパーリンク<A HREF=...></A>：　インライン */,
                                  InsertWay::Wrap, kURLInputControls, CreateURLInput, NoShowStep,
                                  BuildURLInput};
const TagDialogModel kULDlg{"TULDlg", "\x94\xD4\x8D\x86\x82\xC8\x82\xB5\x83\x8A\x83\x58\x83\x67<UL></UL>\x81\x46\x81\x40\x83\x75\x83\x8D\x83\x62\x83\x4E\x83\x8C\x83\x78\x83\x8B" /* 番号なしリスト<UL></UL>：　ブロックレベル */, InsertWay::Block,
                            kULControls, CreateList, NoShowStep, BuildUL};
const TagDialogModel kOLDlg{"TOLDlg", "\x94\xD4\x8D\x86\x95\x74\x82\xAB\x83\x8A\x83\x58\x83\x67\x82\xCC\x8D\xEC\x90\xAC<OL></OL>\x81\x46\x81\x40\x83\x75\x83\x8D\x83\x62\x83\x4E\x83\x8C\x83\x78\x83\x8B" /* 番号付きリストの作成<OL></OL>：　ブロックレベル */,
                            InsertWay::Block, kOLControls, CreateOL, ShowOL, BuildOL};

std::string_view ListSection(const TagDialogModel& model) {
  if (&model == &kULDlg) return "UL";
  if (&model == &kOLDlg) return "OL";
  return {};
}

}  // namespace mw
