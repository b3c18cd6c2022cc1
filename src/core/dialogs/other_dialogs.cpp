// Horizontal rule, font, base font, META, applet and script dialogs.
#include "core/dialogs/tag_dialogs.h"
#include "core/editing/tag_text.h"

namespace mw {

namespace {

TagBuild SingleBuild(std::string text) {
  TagBuild b;
  b.start = text;
  b.innerOffset = static_cast<Offset>(text.size());
  b.preview = std::move(text);
  return b;
}

std::string ElementOf(const DialogFields& f, std::string_view fallback) {
  std::string name = f.Get(kFieldName);
  return name.empty() ? std::string(fallback) : name;
}

// --- THLineDlg -------------------------------------------------------------------

constexpr ControlSpec kHLineControls[] = {
    {"edWidth", "\x95\x9D (&W\x81\x6A" /* 幅 (&W） */},
    {"ckWidth", "%"},
    {"edSize", "\x91\xBE\x82\xB3 (&S\x81\x6A" /* 太さ (&S） */},
    {"rgAlign", "\x88\xCA\x92\x75(&A)" /* 位置(&A) */, "left\ncenter\nright"},
    {"cbColor", "\x90\x46(&C)" /* 色(&C) */, {}, ListSource::Colours},
    {"ckNoShade", "\x97\xA7\x91\xCC\x8A\xB4\x82\xF0\x82\xC2\x82\xAF\x82\xC8\x82\xA2(&X)" /* 立体感をつけない(&X) */},
};

void CreateHLine(DialogFields& f) {
  f.Set("edWidth", "-1");
  f.SetChecked("ckWidth", false);
  f.Set("edSize", "-1");
  f.SetIndex("rgAlign", 1);
  f.Set("cbColor", "");
  f.SetChecked("ckNoShade", false);
}

void ShowHLine(DialogFields& f, bool) { BlankUnset(f, {"edWidth", "edSize"}, true); }

TagBuild BuildHLine(const DialogFields& f, const EditingOptions& o) {
  TagWriter w(o);
  w.Open(ElementOf(f, "HR"))
      .Size("WIDTH", NumberText(f, "edWidth"), f.Checked("ckWidth"))
      .Attr("SIZE", NumberText(f, "edSize"))
      .Radio("ALIGN", "left\ncenter\nright", f.Index("rgAlign", 1), 1)
      .Attr("COLOR", f.Get("cbColor"))
      .Keyword(" NOSHADE", f.Checked("ckNoShade"))
      .PassThrough(f)
      .Raw(">");
  return SingleBuild(w.Text());
}

// --- TFontSetDlg -----------------------------------------------------------------

constexpr std::string_view kFontSizes = "1\n2\n3\n4\n5\n6\n7\n+1\n-1\n+2\n-2\n+3\n-3\n+4\n-4\n+5\n-5\n+6\n-6";

constexpr ControlSpec kFontSetControls[] = {
    {"cbSize", "\x83\x54\x83\x43\x83\x59(&S)" /* サイズ(&S) */, kFontSizes},
    {"cbColor", "\x90\x46(&C)" /* 色(&C) */, {}, ListSource::Colours},
    {"cbFont", "\x83\x74\x83\x48\x83\x93\x83\x67\x96\xBC(&F)" /* フォント名(&F) */, {}, ListSource::Fonts},
    MW_COMMON_CONTROLS,
};

void CreateFontSet(DialogFields& f) {
  f.Set("cbSize", "");
  f.Set("cbColor", "");
  f.Set("cbFont", "");
  CreateCommon(f);
}

TagBuild BuildFontSet(const DialogFields& f, const EditingOptions& o) {
  TagWriter w(o);
  const std::string element = ElementOf(f, "FONT");
  w.Open(element)
      .Attr("SIZE", f.Get("cbSize"))
      .Attr("COLOR", f.Get("cbColor"))
      .Attr("FACE", f.Get("cbFont"))
      .Common(f)
      .PassThrough(f)
      .Raw(">");
  return WrapBuild(f, w.Text(), ApplyTagCase("</" + element + ">", o));
}

// --- TBaseFontDlg ----------------------------------------------------------------

constexpr std::string_view kBaseFontSizes = "1\n2\n3\n4\n5\n6\n7";

constexpr ControlSpec kBaseFontControls[] = {
    {"rgSize", "\x95\x57\x8F\x80\x83\x54\x83\x43\x83\x59(&S)" /* 標準サイズ(&S) */, kBaseFontSizes},
};

void CreateBaseFont(DialogFields& f) { f.SetIndex("rgSize", 2); }

TagBuild BuildBaseFont(const DialogFields& f, const EditingOptions& o) {
  const auto sizes = SplitItems(kBaseFontSizes);
  const int i = f.Index("rgSize", 2);
  const std::string size = i >= 0 && i < static_cast<int>(sizes.size()) ? sizes[static_cast<std::size_t>(i)] : "";
  TagWriter w(o);
  // SIZE is always written: a base font without a size says nothing.
  w.Open(ElementOf(f, "BASEFONT")).Syntax(" SIZE=\"").Raw(size).Raw("\"").PassThrough(f).Raw(">");
  return SingleBuild(w.Text());
}

// --- TMetaDlg --------------------------------------------------------------------

constexpr ControlSpec kMetaControls[] = {
    {"cbHttpEquiv", "&HTTP-EQUIVE", "Content-Type\nrefresh"},
    {"cbName", "&NAME", "keywords\ndescription"},
    {"cbContent", "&CONTENT",
     "text/html; charset=SHIFT_JIS\ntext/html; charset=ISO-2022-JP\ntext/html; charset=EUC-JP\n"
     "text/html; charset=X-SJIS\n0\n1\n2\n3\n4\n5"},
};

void CreateMeta(DialogFields& f) {
  f.Set("cbHttpEquiv", "");
  f.Set("cbName", "");
  f.Set("cbContent", "");
}

// A new META starts as a Content-Type line; a re-edited one keeps what it
// had, so a keywords line does not gain an HTTP-EQUIV.
void ShowMeta(DialogFields& f, bool reEdit) {
  if (!reEdit) f.Set("cbHttpEquiv", "Content-Type");
}

TagBuild BuildMeta(const DialogFields& f, const EditingOptions& o) {
  TagWriter w(o);
  w.Open(ElementOf(f, "META"))
      .Attr("HTTP-EQUIV", f.Get("cbHttpEquiv"))
      .Attr("NAME", f.Get("cbName"))
      .Attr("CONTENT", f.Get("cbContent"))
      .PassThrough(f)
      .Raw(">");
  return SingleBuild(w.Text());
}

// --- TAppletDlg ------------------------------------------------------------------

constexpr ControlSpec kAppletControls[] = {
    {"edCODE", "Java\x83\x41\x83\x76\x83\x8C\x83\x62\x83\x67\x83\x74\x83\x40\x83\x43\x83\x8B\x96\xBC(&A)" /* Javaアプレットファイル名(&A) */},
    {"edCODEBASE", "Java\x83\x41\x83\x76\x83\x8C\x83\x62\x83\x67\x82\xCC\x83\x66\x83\x42\x83\x8C\x83\x4E\x83\x67\x83\x8A(&D)" /* Javaアプレットのディレクトリ(&D) */},
    {"edWidth", "\x95\x9D(&W)" /* 幅(&W) */},
    {"edHeight", "\x8D\x82\x82\xB3(&H)" /* 高さ(&H) */},
    {"sgParam", "Java\x83\x41\x83\x76\x83\x8C\x83\x62\x83\x67\x82\xCC\x83\x70\x83\x89\x83\x81\x81\x5B\x83\x5E\x90\xDD\x92\xE8(&P)" /* Javaアプレットのパラメータ設定(&P) */, "NAME\nVALUE"},
    {"edRowCount", "\x8D\x73\x90\x94(&L)" /* 行数(&L) */},
};

void CreateApplet(DialogFields& f) {
  f.Set("edCODE", "");
  f.Set("edCODEBASE", "");
  f.Set("edWidth", "0");
  f.Set("edHeight", "0");
  f.Set("edRowCount", "1");
  f.Set(CellName("sgParam", 0, 0), "NAME");
  f.Set(CellName("sgParam", 0, 1), "VALUE");
}

void ShowApplet(DialogFields& f, bool) { BlankUnset(f, {"edWidth", "edHeight"}, true); }

TagBuild BuildApplet(const DialogFields& f, const EditingOptions& o) {
  TagBuild b;
  const std::string code = f.Get("edCODE");
  if (code.empty()) return b;
  TagWriter w(o);
  w.Open("APPLET")
      .Syntax(" CODE=\"")
      .Raw(code)
      .Raw("\"")
      .Attr("CODEBASE", f.Get("edCODEBASE"))
      .Attr("WIDTH", NumberText(f, "edWidth"))
      .Attr("HEIGHT", NumberText(f, "edHeight"))
      .Raw(">\r\n");
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

constexpr ControlSpec kScriptControls[] = {
    {"cbLanguage", "\x83\x58\x83\x4E\x83\x8A\x83\x76\x83\x67\x8C\xBE\x8C\xEA(&L)" /* スクリプト言語(&L) */, "JavaScript\nVBScript"},
    {"cbType", "&TYPE", "text/javascript\ntext/vbscript"},
    {"cbSRC", "&SRC"},
    {"ckNoScript", "&NOSCRIPT\x83\x5E\x83\x4F\x82\xE0\x91\x7D\x93\xFC" /* &NOSCRIPTタグも挿入 */},
};

void CreateScript(DialogFields& f) {
  f.Set("cbLanguage", "JavaScript");
  f.Set("cbType", "");
  f.Set("cbSRC", "");
  f.SetChecked("ckNoScript", false);
}

TagBuild BuildScript(const DialogFields& f, const EditingOptions& o) {
  const std::string src = f.Get("cbSRC");
  TagWriter w(o);
  w.Open("SCRIPT")
      .Syntax(" LANGUAGE=\"")
      .Raw(f.Get("cbLanguage"))
      .Raw("\"")
      .Attr("TYPE", f.Get("cbType"))
      .Attr("SRC", src)
      .Raw(">\r\n");
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

const TagDialogModel kHLineDlg{"THLineDlg", "\x90\x85\x95\xBD\x90\xFC\x82\xCC\x90\xDD\x92\xE8 <HR>\x81\x46\x81\x40\x83\x75\x83\x8D\x83\x62\x83\x4E\x83\x8C\x83\x78\x83\x8B" /* 水平線の設定 <HR>：　ブロックレベル */, InsertWay::Single,
                               kHLineControls, CreateHLine, ShowHLine, BuildHLine};
const TagDialogModel kFontSetDlg{"TFontSetDlg", "\x83\x74\x83\x48\x83\x93\x83\x67\x90\xDD\x92\xE8<FONT></FONT>\x81\x46\x81\x40\x83\x43\x83\x93\x83\x89\x83\x43\x83\x93" /* フォント設定<FONT></FONT>：　インライン */,
                                 InsertWay::Wrap, kFontSetControls, CreateFontSet, NoShowStep,
                                 BuildFontSet};
const TagDialogModel kBaseFontDlg{"TBaseFontDlg", "\x95\x57\x8F\x80\x83\x74\x83\x48\x83\x93\x83\x67\x83\x54\x83\x43\x83\x59<BASEFONT>\x81\x46\x81\x40\x83\x43\x83\x93\x83\x89\x83\x43\x83\x93" /* 標準フォントサイズ<BASEFONT>：　インライン */,
                                  InsertWay::SingleAfter, kBaseFontControls, CreateBaseFont,
                                  NoShowStep, BuildBaseFont};
const TagDialogModel kMetaDlg{"TMetaDlg", "<META>- \x83\x77\x83\x62\x83\x5F\x82\xC9\x91\x7D\x93\xFC" /* <META>- ヘッダに挿入 */, InsertWay::ByCommand,
                              kMetaControls, CreateMeta, ShowMeta, BuildMeta};
const TagDialogModel kAppletDlg{"TAppletDlg", "Java\x83\x41\x83\x76\x83\x8C\x83\x62\x83\x67<APPLET></APPLET>\x81\x46\x81\x40\x83\x43\x83\x93\x83\x89\x83\x43\x83\x93" /* Javaアプレット<APPLET></APPLET>：　インライン */,
                                InsertWay::Own, kAppletControls, CreateApplet, ShowApplet, BuildApplet};
const TagDialogModel kScriptDlg{"TScriptDlg",
                                "\x83\x58\x83\x4E\x83\x8A\x83\x76\x83\x67\x82\xCC\x90\xDD\x92\xE8<SCRIPT></SCRIPT>\x81\x46\x81\x40\x83\x43\x83\x93\x83\x89\x83\x43\x83\x93\x81\x69\x83\x77\x83\x62\x83\x5F\x97\x76\x91\x66\x81\x6A" /* スクリプトの設定<SCRIPT></SCRIPT>：　インライン（ヘッダ要素） */,
                                InsertWay::Own, kScriptControls, CreateScript, NoShowStep, BuildScript};

}  // namespace mw
