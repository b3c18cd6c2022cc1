// Horizontal rule, font, base font, META, applet and script dialogs.
#include "core/dialogs/tag_dialogs.h"
#include "core/dialogs/tag_reedit.h"
#include "core/editing/tag_text.h"

namespace mw {

namespace {

// --- THLineDlg -------------------------------------------------------------------

constexpr Binding kHLineRows[] = {
    Percent("edWidth", "ckWidth", "WIDTH", "幅 (&W）", -1),
    Number("edSize", "SIZE", "太さ (&S）", -1),
    Radio("rgAlign", "ALIGN", "位置(&A)", "left\ncenter\nright", 1),
    Colour("cbColor", "COLOR", "色(&C)"),
    Keyword("ckNoShade", "NOSHADE", "立体感をつけない(&X)"),
};

TagBuild BuildHLine(const DialogFields& f, const EditingOptions& o) {
  TagWriter w(o);
  w.Open(ElementOf(f, "HR")).Attributes(f, kHLineRows).Raw(">");
  return SingleBuild(w.Text());
}

constexpr ReEditSpec kHLineReEdits[] = {{"HR", "HR"}};

// --- TFontSetDlg -----------------------------------------------------------------

constexpr std::string_view kFontSizes = "1\n2\n3\n4\n5\n6\n7\n+1\n-1\n+2\n-2\n+3\n-3\n+4\n-4\n+5\n-5\n+6\n-6";

constexpr Binding kFontSetRows[] = {
    Combo("cbSize", "SIZE", "サイズ(&S)", kFontSizes),
    Colour("cbColor", "COLOR", "色(&C)"),
    Combo("cbFont", "FACE", "フォント名(&F)", {}, ListSource::Fonts),
    MW_COMMON_ROWS,
};

TagBuild BuildFontSet(const DialogFields& f, const EditingOptions& o) {
  TagWriter w(o);
  const std::string element = ElementOf(f, "FONT");
  w.Open(element).Attributes(f, kFontSetRows).Raw(">");
  return WrapBuild(f, w.Text(), ApplyTagCase("</" + element + ">", o));
}

constexpr ReEditSpec kFontSetReEdits[] = {{"FONT", "FONT"}};

// --- TBaseFontDlg ----------------------------------------------------------------

constexpr Binding kBaseFontRows[] = {
    // SIZE is always written: a base font without a size says nothing.
    Radio("rgSize", "SIZE", "標準サイズ(&S)", "1\n2\n3\n4\n5\n6\n7", 2).Always(),
};

TagBuild BuildBaseFont(const DialogFields& f, const EditingOptions& o) {
  TagWriter w(o);
  w.Open(ElementOf(f, "BASEFONT")).Attributes(f, kBaseFontRows).Raw(">");
  return SingleBuild(w.Text());
}

constexpr ReEditSpec kBaseFontReEdits[] = {{"BASEFONT", "BASEFONT"}};

// --- TMetaDlg --------------------------------------------------------------------

// A new META starts as a Content-Type line; a re-edited one keeps what it
// had, so a keywords line does not gain an HTTP-EQUIV.
constexpr Binding kMetaRows[] = {
    Combo("cbHttpEquiv", "HTTP-EQUIV", "&HTTP-EQUIVE", "Content-Type\nrefresh").NewTag("Content-Type"),
    Combo("cbName", "NAME", "&NAME", "keywords\ndescription"),
    Combo("cbContent", "CONTENT", "&CONTENT",
          "text/html; charset=SHIFT_JIS\ntext/html; charset=ISO-2022-JP\ntext/html; charset=EUC-JP\n"
          "text/html; charset=X-SJIS\n0\n1\n2\n3\n4\n5")
        ,
};

TagBuild BuildMeta(const DialogFields& f, const EditingOptions& o) {
  TagWriter w(o);
  w.Open(ElementOf(f, "META")).Attributes(f, kMetaRows).Raw(">");
  return SingleBuild(w.Text());
}

constexpr ReEditSpec kMetaReEdits[] = {{"META", "META"}};

// --- TAppletDlg ------------------------------------------------------------------

constexpr Binding kAppletRows[] = {
    Text("edCODE", "CODE", "Javaアプレットファイル名(&A)").Required().Ref(Msg::AnyFileFilter),
    Text("edCODEBASE", "CODEBASE", "Javaアプレットのディレクトリ(&D)"),
    Number("edWidth", "WIDTH", "幅(&W)", 0),
    Number("edHeight", "HEIGHT", "高さ(&H)", 0),
    Grid("sgParam", "Javaアプレットのパラメータ設定(&P)", "NAME\nVALUE", "edRowCount"),
    Count("edRowCount", "行数(&L)"),
};

TagBuild BuildApplet(const DialogFields& f, const EditingOptions& o) {
  TagBuild b;
  if (RequiredMissing(f, kAppletRows)) return b;
  TagWriter w(o);
  w.Open("APPLET").Attributes(f, kAppletRows).Raw(">\r\n");
  b.start = w.Text();
  std::string params;
  const int rows = GridCount(f, "edRowCount");
  for (int r = 1; r <= rows; ++r) {
    params += ApplyTagCase("<PARAM NAME=\"", o) + f.Get(CellName("sgParam", r, 0)) + "\"" +
              ApplyTagCase(" VALUE=\"", o) + f.Get(CellName("sgParam", r, 1)) + "\">\r\n";
  }
  b.end = ApplyTagCase("</APPLET>", o);
  b.innerOffset = static_cast<Offset>(b.start.size());
  b.preview = b.start + params + b.end;
  return b;
}

// --- TScriptDlg ------------------------------------------------------------------

constexpr Binding kScriptRows[] = {
    Combo("cbLanguage", "LANGUAGE", "スクリプト言語(&L)", "JavaScript\nVBScript").Starts("JavaScript").Always(),
    Combo("cbType", "TYPE", "&TYPE", "text/javascript\ntext/vbscript"),
    Combo("cbSRC", "SRC", "&SRC").Ref(Msg::AnyFileFilter),
    Keyword("ckNoScript", {}, "&NOSCRIPTタグも挿入"),
};

TagBuild BuildScript(const DialogFields& f, const EditingOptions& o) {
  const std::string src = f.Get("cbSRC");
  TagWriter w(o);
  w.Open("SCRIPT").Attributes(f, kScriptRows).Raw(">\r\n");
  TagBuild b;
  b.start = w.Text();
  if (src.empty()) {
    // Inline code is hidden from browsers that do not know the element.
    b.start += "<!--\r\n";
    b.end = "\r\n//-->\r\n";
  }
  b.end += ApplyTagCase("</SCRIPT>\r\n", o);
  if (f.Checked("ckNoScript")) b.end += ApplyTagCase("<NOSCRIPT>\r\n</NOSCRIPT>\r\n", o);
  b.innerOffset = static_cast<Offset>(b.start.size());
  // Code in a file of its own makes the selection meaningless inside.
  b.preview = b.start + (src.empty() ? f.Get(kFieldSelText) : std::string()) + b.end;
  return b;
}

}  // namespace

const TagDialogModel kHLineDlg{"THLineDlg", {Msg::HLineDlgCaption}, InsertWay::Single, kHLineRows, BuildHLine,
                               nullptr, nullptr, kHLineReEdits};
const TagDialogModel kFontSetDlg{"TFontSetDlg", {Msg::FontSetDlgCaption}, InsertWay::Wrap, kFontSetRows,
                                 BuildFontSet, nullptr, nullptr, kFontSetReEdits};
const TagDialogModel kBaseFontDlg{"TBaseFontDlg", {Msg::BaseFontDlgCaption}, InsertWay::SingleAfter, kBaseFontRows,
                                  BuildBaseFont, nullptr, nullptr, kBaseFontReEdits};
const TagDialogModel kMetaDlg{"TMetaDlg", {Msg::MetaDlgCaption}, InsertWay::ByCommand, kMetaRows, BuildMeta,
                              nullptr, nullptr, kMetaReEdits};
const TagDialogModel kAppletDlg{"TAppletDlg", {Msg::AppletDlgCaption}, InsertWay::Own, kAppletRows, BuildApplet};
const TagDialogModel kScriptDlg{"TScriptDlg", {Msg::ScriptDlgCaption}, InsertWay::Own, kScriptRows, BuildScript};

}  // namespace mw
