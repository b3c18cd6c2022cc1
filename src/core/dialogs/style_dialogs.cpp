// The style insertion dialogs' models.
#include "core/dialogs/style_dialogs.h"

#include "core/dialogs/tag_dialogs.h"
#include "core/dialogs/tag_reedit.h"
#include "core/editing/tag_text.h"

namespace mw {

namespace {

// --- TLinkStyleSheetDlg ------------------------------------------------------------

constexpr Binding kLinkStyleSheetRows[] = {
    Combo("cbRel", "REL", "RE&L", "stylesheet\nmade\nnext\nprevious\nparent").Starts("stylesheet").Always(),
    Combo("cbType", "TYPE", "&TYPE").Starts("text/css").Always(),
    Text("edURL", "HREF", "スタイルシートファイル名(&S)").Required().Ref(Msg::StyleSheetFilter),
};

// Without a file there is no link to write.
TagBuild BuildLinkStyleSheet(const DialogFields& f, const EditingOptions& o) {
  if (RequiredMissing(f, kLinkStyleSheetRows)) return {};
  TagWriter w(o);
  w.Open("LINK").Attributes(f, kLinkStyleSheetRows).Raw(">");
  return SingleBuild(w.Text());
}

constexpr ReEditSpec kLinkStyleSheetReEdits[] = {{"LINK", "LINK"}};

// --- TStyleDlg ---------------------------------------------------------------------

constexpr Binding kStyleRows[] = {
    Grid("sgStyle", "右クリックで登録済みスタイルの入力ができます", "TAG\nStyle", "edRowCount").From(ListSource::Styles),
    Count("edRowCount", "行数(&R)"),
};

constexpr DialogButton kStyleButtons[] = {{"RegisterStyleBtn", Msg::StyleBlockEditButton}};

// The rules stop at the first row with an empty cell; the selection goes
// after the last rule, inside the comment.
TagBuild BuildStyleBlock(const DialogFields& f, const EditingOptions& o) {
  TagBuild b;
  std::string text = ApplyTagCase("\r\n<STYLE TYPE=\"text/css\">\r\n", o) + "<!--\r\n";
  const int rows = GridCount(f, "edRowCount");
  for (int r = 1; r <= rows; ++r) {
    const std::string tag = f.Get(CellName("sgStyle", r, 0));
    const std::string style = f.Get(CellName("sgStyle", r, 1));
    if (tag.empty() || style.empty()) break;
    text += tag + "{" + style + "}\r\n";
  }
  b.innerOffset = static_cast<Offset>(text.size());
  text += "-->\r\n" + ApplyTagCase("</STYLE>\r\n", o);
  b.preview = std::move(text);
  return b;
}

// --- TStyleItemDlg -----------------------------------------------------------------

constexpr Binding kStyleItemRows[] = {
    Combo("cbTagClass", {}, "&TAG (+ .CLASS)").PopupPresses(Msg::StyleItemDeletePopup, "DeleteBtn"),
    Combo("cbStyle", {}, "スタイル(&Y)", {}, ListSource::Styles),
};

constexpr DialogButton kStyleItemButtons[] = {{"AddBtn", Msg::StyleItemSave}, {"DeleteBtn", Msg::StyleItemDelete}};

TagBuild BuildStyleItem(const DialogFields& f, const EditingOptions&) {
  const std::string selector = f.Get("cbTagClass");
  if (selector.empty()) return {};
  return SingleBuild(selector + "{" + f.Get("cbStyle") + "}\r\n");
}

// --- TInsertStyleDlg ---------------------------------------------------------------

constexpr Binding kInsertStyleRows[] = {
    Combo("cbStyle", {}, "挿入するスタイル(&Y)", {}, ListSource::Styles),
    Radio("rgOption", {}, "オプション(&O)", "style　（そのまま）\n\"style\"\nSTYLE=\"style\"", 2)
        .Hint(Msg::InsertStyleOptionHint),
};

// Nothing chosen inserts nothing, rather than an empty attribute.
TagBuild BuildInsertStyle(const DialogFields& f, const EditingOptions& o) {
  const std::string style = f.Get("cbStyle");
  if (style.empty()) return {};
  switch (f.Index("rgOption", 2)) {
    case 0: return SingleBuild(style);
    case 1: return SingleBuild("\"" + style + "\"");
    default: return SingleBuild(ApplyTagCase("STYLE=\"", o) + style + "\"");
  }
}

}  // namespace

const TagDialogModel kLinkStyleSheetDlg{"TLinkStyleSheetDlg", {Msg::LinkStyleSheetCaption}, InsertWay::Single,
                                        kLinkStyleSheetRows, BuildLinkStyleSheet, nullptr, nullptr,
                                        kLinkStyleSheetReEdits};
const TagDialogModel kStyleDlg{"TStyleDlg",      {Msg::StyleBlockCaption}, InsertWay::ByCommand, kStyleRows,
                               BuildStyleBlock, nullptr, nullptr, {}, kStyleButtons};
const TagDialogModel kStyleItemDlg{"TStyleItemDlg", {Msg::StyleItemCaption}, InsertWay::Single, kStyleItemRows,
                                   BuildStyleItem,  nullptr, nullptr, {}, kStyleItemButtons};
// A style, a quoted style or an attribute: text, not a tag.
const TagDialogModel kInsertStyleDlg{"TInsertStyleDlg",
                                     {Msg::InsertStyleCaption},
                                     InsertWay::Single,
                                     kInsertStyleRows,
                                     BuildInsertStyle,
                                     nullptr,
                                     nullptr,
                                     {},
                                     {},
                                     nullptr,
                                     nullptr,
                                     {Msg::PreviewTextLabel},
                                     {Msg::InsertStylePreviewHint}};

}  // namespace mw
