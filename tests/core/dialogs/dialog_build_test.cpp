// Each dialog model: field sets and the exact text they build.
#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>

#include "core/editing/marked_text.h"
#include "core/dialogs/tag_dialogs.h"

namespace mw {
namespace {

using test::kHyo;
using test::kSo;

using FieldList = std::initializer_list<std::pair<const char*, std::string>>;

struct Row {
  const char* what;
  const TagDialogModel* model;
  FieldList fields;  // set after the creation and show steps
  bool lower;
  std::string preview;
  std::string start = {};
  std::string end = {};
};

// A new dialog as the command opens it, with the fields the author sets.
TagBuild Build(const TagDialogModel& m, FieldList fields, bool lower, bool reEdit = false) {
  DialogFields f = CreateFields(m, "sel");
  if (reEdit) f.Set(kFieldMode, "1");
  m.show(f, reEdit);
  for (const auto& [name, value] : fields) f.Set(name, value);
  EditingOptions o;
  o.lowerCaseTag = lower;
  return m.build(f, o);
}

void Check(std::initializer_list<Row> rows) {
  for (const Row& r : rows) {
    SCOPED_TRACE(r.what);
    const TagBuild b = Build(*r.model, r.fields, r.lower);
    EXPECT_EQ(b.preview, r.preview);
    if (!r.start.empty()) {
      EXPECT_EQ(b.start, r.start);
    }
    if (!r.end.empty()) {
      EXPECT_EQ(b.end, r.end);
    }
  }
}

TEST(OtherDialogs, HorizontalRule) {
  Check({
      {"all defaults: the bare tag", &kHLineDlg, {}, false, "<HR>"},
      {"size 3 lower case", &kHLineDlg, {{"edSize", "3"}}, true, "<hr size=\"3\">"},
      {"left is written", &kHLineDlg, {{"rgAlign", "0"}}, false, "<HR ALIGN=\"left\">"},
      {"center is the default", &kHLineDlg, {{"rgAlign", "1"}}, false, "<HR>"},
      {"stepped down to -1", &kHLineDlg, {{"edWidth", "-1"}, {"edSize", "-1"}}, false, "<HR>"},
      {"width in percent, colour as typed, keyword", &kHLineDlg,
       {{"edWidth", "50"}, {"ckWidth", "1"}, {"cbColor", "#FFaa00"}, {"ckNoShade", "1"}, {"rgAlign", "2"}},
       true, "<hr width=\"50%\" align=\"right\" color=\"#FFaa00\" noshade>"},
      {"value with a quote stays unchanged", &kHLineDlg, {{"cbColor", "a\"b"}}, false,
       "<HR COLOR=\"a\"b\">"},
  });
}

TEST(OtherDialogs, FontBaseFontMeta) {
  Check({
      {"font wraps the selection", &kFontSetDlg,
       {{"cbSize", "+1"}, {"cbColor", "red"}, {"cbFont", "MS " + kSo}, {"cbCLASS", "c"}, {"edTitle", "t"}},
       false, "<FONT SIZE=\"+1\" COLOR=\"red\" FACE=\"MS " + kSo + "\" TITLE=\"t\" CLASS=\"c\">sel</FONT>",
       "<FONT SIZE=\"+1\" COLOR=\"red\" FACE=\"MS " + kSo + "\" TITLE=\"t\" CLASS=\"c\">", "</FONT>"},
      {"common group order", &kFontSetDlg,
       {{"cbStyle", "s"}, {"cbCLASS", "c"}, {"cbID", "i"}, {"cbLang", "ja"}, {"edTitle", "t"}}, true,
       "<font title=\"t\" lang=\"ja\" id=\"i\" class=\"c\" style=\"s\">sel</font>"},
      {"base font always has a size", &kBaseFontDlg, {}, false, "<BASEFONT SIZE=\"3\">"},
      {"base font lower case", &kBaseFontDlg, {{"rgSize", "6"}}, true, "<basefont size=\"7\">"},
      {"new META is a Content-Type line", &kMetaDlg, {{"cbContent", "text/html; charset=SHIFT_JIS"}}, false,
       "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=SHIFT_JIS\">"},
      {"META keywords", &kMetaDlg, {{"cbHttpEquiv", ""}, {"cbName", "keywords"}, {"cbContent", "a,b"}},
       true, "<meta name=\"keywords\" content=\"a,b\">"},
  });
}

TEST(OtherDialogs, AppletAndScript) {
  Check({
      {"applet without code builds nothing", &kAppletDlg, {{"edCODEBASE", "x"}}, false, ""},
      {"applet with a parameter row", &kAppletDlg,
       {{"edCODE", "A.class"}, {"edWidth", "100"}, {"sgParam[1,0]", "n"}, {"sgParam[1,1]", "v"}}, false,
       "<APPLET CODE=\"A.class\" WIDTH=\"100\">\r\n<PARAM NAME=\"n\" VALUE=\"v\">\r\n</APPLET>",
       "<APPLET CODE=\"A.class\" WIDTH=\"100\">\r\n", "</APPLET>"},
      {"applet rows with empty cells included", &kAppletDlg, {{"edCODE", "A"}, {"edRowCount", "2"}}, true,
       "<applet code=\"A\">\r\n<param name=\"\" value=\"\">\r\n<param name=\"\" value=\"\">\r\n</applet>"},
      {"script without SRC hides the selection in a comment", &kScriptDlg, {}, false,
       "<SCRIPT LANGUAGE=\"JavaScript\">\r\n<!--\r\nsel\r\n//-->\r\n</SCRIPT>\r\n",
       "<SCRIPT LANGUAGE=\"JavaScript\">\r\n<!--\r\n", "\r\n//-->\r\n</SCRIPT>\r\n"},
      {"script with SRC drops the selection", &kScriptDlg,
       {{"cbSRC", "a.js"}, {"cbType", "text/javascript"}, {"ckNoScript", "1"}}, true,
       "<script language=\"JavaScript\" type=\"text/javascript\" src=\"a.js\">\r\n</script>\r\n"
       "<noscript>\r\n</noscript>\r\n"},
  });
}

TEST(BlockDialogs, AlignMarkerLink) {
  const auto p = [](std::string name) { return std::pair<const char*, std::string>{kFieldName.data(), name}; };
  Check({
      {"P left", &kHAlignDlg, {p("P"), {"rgAlign", "1"}}, false, "<P ALIGN=\"left\">sel</P>"},
      {"DIV with the empty first item", &kHAlignDlg, {p("DIV"), {"rgAlign", "0"}}, true, "<div>sel</div>"},
      {"CAPTION bottom", &kHAlignDlg, {p("CAPTION"), {"rgVAlign", "1"}}, false,
       "<CAPTION ALIGN=\"bottom\">sel</CAPTION>"},
      {"CAPTION top is not written", &kHAlignDlg, {p("CAPTION"), {"rgVAlign", "0"}}, false,
       "<CAPTION>sel</CAPTION>"},
      {"local link with prefix", &kNameDlg,
       {p("A"), {"Attribute", "HREF"}, {"Prefix", "#"}, {"cbName", "top"}, {"cbOnFocus", "f()"}}, true,
       "<a href=\"#top\" onfocus=\"f()\">sel</a>"},
      {"marker without a name: the selection alone", &kNameDlg, {p("A"), {"Attribute", "NAME"}}, false,
       "sel"},
      {"map name", &kNameDlg, {p("MAP"), {"Attribute", "NAME"}, {"cbName", "m"}, {"cbID", "i"}}, false,
       "<MAP NAME=\"m\" ID=\"i\">sel</MAP>"},
      {"link", &kURLInputDlg, {{"cbURL", "a.html"}, {"cbTarget", "_top"}, {"cbOnBlur", "b()"}}, false,
       "<A HREF=\"a.html\" TARGET=\"_top\" onBlur=\"b()\">sel</A>", "<A HREF=\"a.html\" TARGET=\"_top\" onBlur=\"b()\">",
       "</A>"},
      {"link with an empty URL: the selection unchanged", &kURLInputDlg, {{"cbTarget", "_top"}}, false, "sel"},
  });
}

TEST(BlockDialogs, ListItemsWithTheThreeIndents) {
  struct ListRow {
    const char* what;
    const TagDialogModel* model;
    std::string sel, indent;
    int choice;
    bool lower;
    std::string preview;
  };
  const ListRow rows[] = {
      {"tab: trimmed lines, the last empty", &kULDlg, "a\r\n b\r\n\r\n", "", 1, false,
       "<UL>\r\n\t<LI>a\r\n\t<LI>b\r\n\t<LI>\r\n</UL>"},
      {"none", &kULDlg, "a\nb", "", 0, false, "<UL>\r\n<LI>a\r\n<LI>b\r\n</UL>"},
      {"two blanks, caret-line indent, lower case", &kOLDlg, "x\r" + kHyo, "  ", 2, true,
       "<ol>\r\n    <li>x\r\n    <li>" + kHyo + "\r\n  </ol>"},
      {"empty selection gives no items", &kOLDlg, "", "", 2, false, "<OL>\r\n</OL>"},
  };
  for (const ListRow& r : rows) {
    SCOPED_TRACE(r.what);
    DialogFields f = CreateFields(*r.model, r.sel);
    r.model->show(f, false);
    f.Set(kFieldIndent, r.indent);
    f.SetIndex("rgIndent", r.choice);
    EditingOptions o;
    o.lowerCaseTag = r.lower;
    const TagBuild b = r.model->build(f, o);
    EXPECT_EQ(b.preview, r.preview);
    EXPECT_EQ(b.start, r.preview.substr(0, r.preview.find("\r\n") + 2));
  }
  Check({
      {"UL disc is the default", &kULDlg, {{"rgType", "0"}, {"rgIndent", "0"}}, false, "<UL>\r\n<LI>sel\r\n</UL>"},
      {"UL square", &kULDlg, {{"rgType", "2"}, {"rgIndent", "0"}}, false,
       "<UL TYPE=\"square\">\r\n<LI>sel\r\n</UL>"},
      {"OL start and type", &kOLDlg, {{"edStart", "3"}, {"rgType", "3"}, {"rgIndent", "0"}}, false,
       "<OL START=\"3\" TYPE=\"I\">\r\n<LI>sel\r\n</OL>", "<OL START=\"3\" TYPE=\"I\">\r\n", "</OL>"},
  });
}

TEST(RowCellDialogs, RowAndCell) {
  const auto n = [](std::string name) { return std::pair<const char*, std::string>{kFieldName.data(), name}; };
  Check({
      {"TR attributes in order", &kTRDlg,
       {{"cbStyle", "s"}, {"rgVAlign", "2"}, {"rgAlign", "3"}, {"edBackGround", "b.gif"}, {"cbBgColor", "red"}},
       false, "<TR BGCOLOR=\"red\" BACKGROUND=\"b.gif\" ALIGN=\"right\" VALIGN=\"middle\" STYLE=\"s\">sel</TR>"},
      {"TD colspan then palette red, lower case", &kTHTDDlg, {n("TD"), {"edColSpan", "2"}, {"cbBgColor", "#ff0000"}},
       true, "<td colspan=\"2\" bgcolor=\"#ff0000\">sel</td>", "<td colspan=\"2\" bgcolor=\"#ff0000\">", "</td>"},
      {"rowspan stepped to -1 is left out", &kTHTDDlg, {n("TH"), {"edRowSpan", "-1"}}, false, "<TH>sel</TH>"},
      {"everything", &kTHTDDlg,
       {n("TH"), {"edRowSpan", "2"}, {"edColSpan", "3"}, {"rgAlign", "2"}, {"rgVAlign", "3"}, {"edWidth", "40"},
        {"ckWidth", "1"}, {"edHeight", "9"}, {"cbBgColor", "c"}, {"edBackGround", "b"}, {"ckNOWRAP", "1"},
        {"edTitle", "t"}},
       false,
       "<TH ROWSPAN=\"2\" COLSPAN=\"3\" ALIGN=\"center\" VALIGN=\"bottom\" WIDTH=\"40%\" HEIGHT=\"9\" "
       "BGCOLOR=\"c\" BACKGROUND=\"b\" NOWRAP TITLE=\"t\">sel</TH>"},
  });
}

TEST(FormDialogs, FormInputTextArea) {
  Check({
      {"new form: POST and mailto:, its own line", &kFormDlg, {}, false,
       "<FORM METHOD=\"POST\" ACTION=\"mailto:\">\r\nsel</FORM>\r\n", "<FORM METHOD=\"POST\" ACTION=\"mailto:\">\r\n",
       "</FORM>\r\n"},
      {"form handlers", &kFormDlg, {{"cbMethod", "GET"}, {"edAction", ""}, {"cbOnSubmit", "s()"}}, true,
       "<form method=\"GET\" onsubmit=\"s()\">\r\nsel</form>\r\n"},
      {"input defaults", &kInputDlg, {}, false, "<INPUT TYPE=\"text\">\r\n"},
      {"input with an empty type still has TYPE", &kInputDlg, {{"cbType", ""}}, false, "<INPUT TYPE=\"\">\r\n"},
      {"checked keyword lower-cased", &kInputDlg,
       {{"cbType", "checkbox"}, {"edName", "n"}, {"edValue", "V"}, {"ckChecked", "1"}, {"cbOnChange", "c()"}},
       true, "<input type=\"checkbox\" name=\"n\" value=\"V\" checked onchange=\"c()\">\r\n"},
      {"input numbers", &kInputDlg, {{"edSize", "20"}, {"edMaxLength", "8"}}, false,
       "<INPUT TYPE=\"text\" SIZE=\"20\" MAXLENGTH=\"8\">\r\n"},
      {"textarea with wrap from the list", &kTextAreaDlg, {{"edName", "t"}, {"edRows", "3"}, {"cbWrap", "soft"}},
       false, "<TEXTAREA NAME=\"t\" ROWS=\"3\" WRAP=\"soft\">sel</TEXTAREA>"},
      {"textarea wrap typed by hand is not written", &kTextAreaDlg, {{"cbWrap", "virtual"}}, false,
       "<TEXTAREA>sel</TEXTAREA>"},
  });
}

TEST(FormDialogs, SelectOptionValues) {
  Check({
      {"values 1, a word and empty", &kSelectDlg,
       {{"edName", "s"}, {"edRowCount", "3"}, {"sgOption[1,0]", "1"}, {"sgOption[1,1]", "one"},
        {"sgOption[2,0]", "word"}, {"sgOption[2,1]", "two"}, {"sgOption[3,1]", "three"}},
       false,
       "<SELECT NAME=\"s\">\r\n<OPTION VALUE=1>one\r\n<OPTION VALUE=\"word\">two\r\n<OPTION VALUE=\"\">three\r\n"
       "</SELECT>\r\n"},
      {"zero, hexadecimal, sign; lower case", &kSelectDlg,
       {{"edRowCount", "3"}, {"sgOption[1,0]", "0"}, {"sgOption[2,0]", "$1F"}, {"sgOption[3,0]", "-00"},
        {"ckMultiple", "1"}},
       true,
       "<select multiple>\r\n<option value=0>\r\n<option value=$1F>\r\n<option value=\"-00\">\r\n</select>\r\n"},
      {"a row count below 1 is one row", &kSelectDlg, {{"edRowCount", "0"}}, false,
       "<SELECT>\r\n<OPTION VALUE=\"\">\r\n</SELECT>\r\n"},
  });
  EXPECT_TRUE(IsBareOptionValue("  12"));
  EXPECT_TRUE(IsBareOptionValue("+7"));
  EXPECT_FALSE(IsBareOptionValue("1a"));
  EXPECT_FALSE(IsBareOptionValue("$"));
  EXPECT_FALSE(IsBareOptionValue("99999999999"));
}

TEST(FrameDialogs, Frame) {
  Check({
      {"empty URL builds nothing", &kFrameDlg, {{"edName", "n"}}, false, ""},
      {"margins blanked at show, radios", &kFrameDlg,
       {{"cbURL", "a.html"}, {"edName", "main"}, {"rgScrolling", "2"}, {"rgFrameBorder", "1"}, {"ckNoResize", "1"}},
       false, "<FRAME SRC=\"a.html\" NAME=\"main\" SCROLLING=\"no\" FRAMEBORDER=\"no\" NORESIZE>"},
      {"default radios not written, lower case", &kFrameDlg,
       {{"cbURL", "A.html"}, {"edMarginWidth", "4"}, {"rgScrolling", "0"}, {"cbColor", "Red"}}, true,
       "<frame src=\"A.html\" marginwidth=\"4\" bordercolor=\"Red\">"},
  });
}

TEST(FrameDialogs, FramesetPercentagesAndFrames) {
  DialogFields f = CreateFields(kFrameSetDlg);
  kFrameSetDlg.show(f, false);
  EditingOptions o;
  EXPECT_EQ(kFrameSetDlg.build(f, o).preview, "<FRAMESET>\r\n</FRAMESET>");

  // Two columns of 100 and 300 pixels.
  SetFrameColumnCount(f, 2);
  SetFrameColumnWidths(f, {100, 300});
  f.Set(CellName("sgFrame", 1, 1), "<FRAME SRC=\"l.html\">");
  f.Set(CellName("sgFrame", 1, 2), "<FRAME SRC=\"r.html\">");
  EXPECT_EQ(kFrameSetDlg.build(f, o).preview,
            "<FRAMESET COLS=\"25%,75%\">\r\n<FRAME SRC=\"l.html\">\r\n<FRAME SRC=\"r.html\">\r\n</FRAMESET>");

  // Three equal rows, 2 x 3 cells in reading order, empty cells skipped.
  SetFrameRowCount(f, 3);
  EXPECT_EQ(f.Get(CellName("sgFrame", 1, 0)), "33%");
  EXPECT_EQ(f.Get(CellName("sgFrame", 3, 0)), "34%");
  f.Set(CellName("sgFrame", 2, 1), "c");
  f.Set(CellName("sgFrame", 3, 2), "f");
  f.SetChecked("ckNoFrames", true);
  f.Set("cbOnLoad", "l()");
  o.lowerCaseTag = true;
  EXPECT_EQ(kFrameSetDlg.build(f, o).preview,
            "<frameset cols=\"25%,75%\" rows=\"33%,33%,34%\" onload=\"l()\">\r\n<FRAME SRC=\"l.html\">\r\n"
            "<FRAME SRC=\"r.html\">\r\nc\r\nf\r\n<noframes>\r\n</noframes>\r\n</frameset>");

  // A count that is no number leaves the grid as it was.
  f.Set("edRowCount", "x");
  EXPECT_NE(kFrameSetDlg.build(f, o).preview.find("rows=\"33%,33%,34%\""), std::string::npos);

  EXPECT_EQ(SizePercentages({1, 1, 1}), (std::vector<int>{33, 33, 34}));
  EXPECT_EQ(SizePercentages({50}), (std::vector<int>{100}));
  EXPECT_EQ(SizePercentages({0, 0}), (std::vector<int>{0, 100}));
}

TEST(FrameDialogs, NestedFramesetIsOneFrame) {
  EditingOptions o;
  DialogFields inner = CreateFields(kFrameSetDlg);
  kFrameSetDlg.show(inner, false);
  SetFrameRowCount(inner, 2);
  inner.Set(CellName("sgFrame", 1, 1), "<FRAME SRC=\"a\">");
  inner.Set(CellName("sgFrame", 2, 1), "<FRAME SRC=\"b\">");
  const std::string innerText = kFrameSetDlg.build(inner, o).preview;

  DialogFields outer = CreateFields(kFrameSetDlg);
  kFrameSetDlg.show(outer, false);
  SetFrameColumnCount(outer, 2);
  outer.Set(CellName("sgFrame", 1, 1), "<FRAME SRC=\"menu\">");
  outer.Set(CellName("sgFrame", 1, 2), innerText);
  outer.Set("edBorder", "2");
  EXPECT_EQ(kFrameSetDlg.build(outer, o).preview,
            "<FRAMESET BORDER=\"2\" COLS=\"50%,50%\">\r\n<FRAME SRC=\"menu\">\r\n"
            "<FRAMESET ROWS=\"50%,50%\">\r\n<FRAME SRC=\"a\">\r\n<FRAME SRC=\"b\">\r\n</FRAMESET>\r\n</FRAMESET>");
}

TEST(TagDialogs, ReEditBuildsTheStartTagAlone) {
  for (const TagDialogModel* m : {&kFontSetDlg, &kTRDlg, &kTHTDDlg, &kHAlignDlg, &kTextAreaDlg}) {
    SCOPED_TRACE(std::string(m->dialogClass));
    const TagBuild b = Build(*m, {}, false, true);
    EXPECT_EQ(b.preview.find("sel"), std::string::npos);
    EXPECT_EQ(b.preview.find("</"), std::string::npos);
  }
  EXPECT_EQ(Build(kFormDlg, {}, false, true).preview, "<FORM ACTION=\"mailto:\">\r\n");
  EXPECT_EQ(Build(kULDlg, {{"rgType", "1"}}, false, true).preview, "<UL TYPE=\"circle\">");
}

TEST(TagDialogs, PaletteColourFollowsTheTagCase) {
  EditingOptions o;
  EXPECT_EQ(PaletteColour(255, 0, 0, o), "#FF0000");
  EXPECT_EQ(PaletteColour(0x0a, 0xb0, 0x1c, o), "#0AB01C");
  o.lowerCaseTag = true;
  EXPECT_EQ(PaletteColour(255, 0, 0, o), "#ff0000");
}

TEST(TagDialogs, EveryModelIsFoundByItsClass) {
  for (const TagDialogModel* m : TagDialogModels()) {
    EXPECT_EQ(FindTagDialogModel(m->dialogClass), m);
    EXPECT_FALSE(m->caption.empty());
  }
  EXPECT_EQ(FindTagDialogModel("TTableDlg"), nullptr);
}

}  // namespace
}  // namespace mw
