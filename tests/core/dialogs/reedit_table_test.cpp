// F2 and OK on a tag, through the command as the command line runs it:
// every tag comes back as it was when nothing is changed, and with one
// field changed only that field's attribute differs, compared attribute by
// attribute (none lost, none gained, none written twice).
#include <gtest/gtest.h>

#include <map>
#include <optional>

#include "core/dialogs/edit_tag.h"
#include "core/editing/editing_fixture.h"
#include "core/text/tag_attributes.h"

namespace mw {
namespace {

using test::kA;
using test::kSo;
using test::kTsu;

// Confirms every dialog, with the fields given set over the presets.
class ConfirmingHost : public DialogHost {
 public:
  bool Run(std::string_view dialogClass, DialogFields& fields) override {
    shownClass = std::string(dialogClass);
    for (const auto& [name, value] : set.values) fields.Set(name, value);
    shownPreview = fields.Get("reTag");
    return true;
  }
  DialogFields set;
  std::string shownClass;
  std::string shownPreview;
};

struct ReEditRun {
  std::string result;       // the document after OK
  std::string dialogClass;  // the dialog shown; empty when none
};

ReEditRun ReEdit(const std::string& tag, const DialogFields& set = {}, bool lower = false) {
  test::EditingFixture fx;
  ConfirmingHost host;
  host.set = set;
  fx.ctx.dialogs = &host;
  fx.ctx.options.lowerCaseTag = lower;
  fx.editor.Load(tag + "text");
  fx.editor.SetSelection(1, 1);
  EditTag(fx.ctx);
  return {fx.editor.GetText(), host.shownClass};
}

// Attribute name (upper case) -> its values in order.
using Attributes = std::map<std::string, std::vector<std::string>>;

Attributes AttributesOf(std::string_view tag) {
  Attributes out;
  for (const TagAttribute& a : ReadTagAttributes(tag)) out[AsciiUpper(a.name)].push_back(a.value);
  return out;
}

struct Row {
  std::string tag;
  std::string field;  // the one field the author changes
  std::string value;
  std::string attribute;            // the attribute that changes
  std::optional<std::string> after;  // its value then; nullopt: removed
};

// At least one tag of every routine this folder has a dialog for, with
// the ways of writing attributes authors use.
const Row kRows[] = {
    // HR
    {"<HR WIDTH=\"abc\">", "edWidth", "50", "WIDTH", "50"},
    {"<HR SIZE=0 NOSHADE>", "cbColor", "red", "COLOR", "red"},
    {"<HR ALIGN=RIGHT title=\"NOSHADE\">", "ckNoShade", "1", "NOSHADE", ""},
    {"<HR\r\nWIDTH=\"50%\"\r\nSIZE=3>", "ckWidth", "0", "WIDTH", "50"},
    // FONT, BASEFONT
    {"<FONT COLOR=red onMouseOver='x(\"a\")'>", "cbSize", "+1", "SIZE", "+1"},
    {"<FONT FACE='MS " + kSo + "' SIZE=2 class=c>", "cbColor", "blue", "COLOR", "blue"},
    {"<BASEFONT SIZE=+1>", "rgSize", "4", "SIZE", "5"},
    {"<BASEFONT SIZE=\"4\" ID=b>", "rgSize", "0", "SIZE", "1"},
    // TR, TH, TD
    {"<TR BGCOLOR=red ALIGN=justify onClick=f()>", "edBackGround", "b.gif", "BACKGROUND", "b.gif"},
    {"<TR BACKGROUND=\"a.gif\" VALIGN=top>", "edBackGround", "b.gif", "BACKGROUND", "b.gif"},
    {"<TH ABBR=\"x\" COLSPAN=2 NOWRAP>", "edRowSpan", "3", "ROWSPAN", "3"},
    {"<TD WIDTH=\"50%\" HEIGHT=abc onclick=\"f()\">", "edHeight", "10", "HEIGHT", "10"},
    {"<TD nowrap=\"nowrap\" CLASS=\"a b\">", "ckNOWRAP", "0", "NOWRAP", std::nullopt},
    {"<TD TITLE=\"a nowrap\" BGCOLOR=#fff>", "cbBgColor", "red", "BGCOLOR", "red"},
    {"<td colspan=2 Width=10 COLSPAN=9>", "edColSpan", "3", "COLSPAN", "3"},
    {"<TD COLSPAN=\"0\" ROWSPAN=\"1\">", "edRowSpan", "", "ROWSPAN", std::nullopt},
    // OL, UL
    {"<OL TYPE=\"i\" START=3>", "edStart", "4", "START", "4"},
    {"<OL type=a compact>", "rgType", "3", "TYPE", "I"},
    {"<UL TYPE=square COMPACT>", "cbLang", "en", "LANG", "en"},
    // CAPTION, P, DIV
    {"<CAPTION ALIGN=top STYLE='color: red'>", "rgVAlign", "1", "ALIGN", "bottom"},
    {"<CAPTION ALIGN=\"left\">", "edTitle", "t", "TITLE", "t"},
    {"<P ALIGN=\"justify\">", "rgAlign", "2", "ALIGN", "center"},
    {"<P ALIGN=\"\" TITLE=\"x LANG=y\">", "cbLang", "ja", "LANG", "ja"},
    {"<P\r\nCLASS=c\r\nID=i>", "cbID", "j", "ID", "j"},
    {"<DIV align=Center onMouseOut=\"o()\">", "rgAlign", "0", "ALIGN", std::nullopt},
    // META
    {"<META HTTP-EQUIV=\"Refresh\" CONTENT=\"5; URL=x.html\">", "cbContent", "10", "CONTENT", "10"},
    {"<META NAME=keywords CONTENT='a,b' LANG=ja>", "cbName", "description", "NAME", "description"},
    // FORM, INPUT, TEXTAREA
    {"<FORM ACTION=\"a.cgi\" METHOD=post TARGET=_top>", "edName", "f", "NAME", "f"},
    {"<FORM name='f' onSubmit=\"return v(this)\">", "cbOnReset", "r()", "ONRESET", "r()"},
    {"<INPUT TYPE=checkbox NAME=c Checked>", "ckChecked", "0", "CHECKED", std::nullopt},
    {"<INPUT NAME=\"q\" SIZE=10 disabled tabindex=2>", "edMaxLength", "20", "MAXLENGTH", "20"},
    {"<INPUT TYPE=\"image\" SRC='b.gif' ALT=\"b\">", "edValue", "v", "VALUE", "v"},
    {"<TEXTAREA NAME=t ROWS=3 COLS=40 WRAP=virtual>", "edRows", "5", "ROWS", "5"},
    {"<TEXTAREA WRAP=\"soft\" readonly>", "cbWrap", "hard", "WRAP", "hard"},
    // FRAME
    {"<FRAME SRC=\"a.html\" MARGINWIDTH=\"0\" SCROLLING=AUTO>", "edName", "main", "NAME", "main"},
    {"<FRAME NAME=x>", "cbURL", "b.html", "SRC", "b.html"},
    {"<FRAME SRC=a.html NORESIZE frameborder=0>", "rgFrameBorder", "1", "FRAMEBORDER", "no"},
    // MAP, marker, local link, link
    {"<MAP NAME=\"m\" onFocus=\"f()\">", "cbName", "n", "NAME", "n"},
    {"<A NAME=\"frame1\" onClick=go()>", "cbName", "f2", "NAME", "f2"},
    {"<SELECT NAME=\"x\" SIZE=\"3\" MULTIPLE>", "cbName", "y", "NAME", "y"},
    {"<BUTTON NAME=b TYPE=submit>", "edTitle", "t", "TITLE", "t"},
    {"<A HREF=\"#top\" onClick=go() TARGET=_top>", "cbName", "bottom", "HREF", "#bottom"},
    {"<A HREF='x.html' TITLE='single q'>", "cbURL", "y.html", "HREF", "y.html"},
    {"<A HREF=\"x.html\" onClick=go() TARGET=\"_top\">", "cbURL", "y.html", "HREF", "y.html"},
    {"<A HREFLANG=\"en\" HREF=\"x.html\">", "cbTarget", "_blank", "TARGET", "_blank"},
    {"<A HREF=x.html onFocus=\"f()\" ONBLUR=b()>", "cbOnBlur", "c()", "ONBLUR", "c()"},
    {"<A HREF=\"a.html\" onMouseOver=\"s('" + kTsu + "')\" onKeyUp=k()>", "edTitle", kA, "TITLE", kA},
    // IMG, AREA
    {"<IMG SRC=\"a.gif\" WIDTH=\"50%\" USEMAP=\"#m\" onClick=\"z()\">", "edAlt", "pic", "ALT", "pic"},
    {"<img src=a.gif border=0 class=c>", "cbNAME", "m2", "USEMAP", "#m2"},
    {"<IMG SRC='" + kSo + ".png' HEIGHT=80 LONGDESC=\"d.html\">", "edHeight", "90", "HEIGHT", "90"},
    {"<IMG SRC=\"a.gif\" USEMAP=\"#m\" ALIGN=LEFT>", "rgAlign", "0", "ALIGN", std::nullopt},
    {"<AREA SHAPE=\"rect\" COORDS=\"1,2,3,4\" HREF=\"b.html\" ALT=\"x\" TARGET=\"_top\">", "edCoords",
     "5,6,7,8", "COORDS", "5,6,7,8"},
    {"<area shape=circle coords=\"9,9,3\" href=c.html nohref>", "cbOnFocus", "f()", "ONFOCUS", "f()"},
    {"<AREA SHAPE=poly COORDS=\"0,0,9,0,5,5\" HREF=\"#" + kTsu + "\" onMouseOver=\"s()\">", "cbURL", "d.html",
     "HREF", "d.html"},
    // The generic routine.
    {"<SPAN CLASS=x onclick=\"f()\">", "cbStyle", "color: red", "STYLE", "color: red"},
    {"<SCRIPT LANGUAGE=\"JavaScript\" SRC=\"a.js\">", "cbLang", "en", "LANG", "en"},
    {"<OBJECT CLASSID=\"clsid:x\" DATA=a>", "cbCLASS", "c", "CLASS", "c"},
    {"<B title='it\"s'>", "edTitle", "new", "TITLE", "new"},
    {"<H1 ID=top ALIGN=center>", "cbID", "t2", "ID", "t2"},
    {"<BLOCKQUOTE CITE=\"http://x/?a=1&b=2\">", "cbLang", "en", "LANG", "en"},
    {"<TT\tSTYLE=\"a:b\">", "cbStyle", "", "STYLE", std::nullopt},
    {"<SPAN TITLE=\"" + kSo + kA + "\" CLASS=" + kTsu + ">", "cbCLASS", kSo, "CLASS", kSo},
};

TEST(ReEditTable, UnchangedTagsComeBackAsWritten) {
  for (const Row& r : kRows) {
    const ReEditRun run = ReEdit(r.tag);
    EXPECT_FALSE(run.dialogClass.empty()) << r.tag << ": no dialog";
    EXPECT_EQ(run.result, r.tag + "text");
  }
}

TEST(ReEditTable, OneFieldChangedChangesOneAttribute) {
  for (const Row& r : kRows) {
    SCOPED_TRACE(r.tag + " " + r.field + "=" + r.value);
    DialogFields set;
    set.Set(r.field, r.value);
    const ReEditRun run = ReEdit(r.tag, set);
    ASSERT_TRUE(run.result.ends_with(">text"));
    const std::string tag = run.result.substr(0, run.result.size() - 4);
    Attributes expected = AttributesOf(r.tag);
    auto& values = expected[r.attribute];
    if (!r.after) values.erase(values.begin());
    else if (values.empty()) values.push_back(*r.after);
    else values.front() = *r.after;
    if (values.empty()) expected.erase(r.attribute);
    EXPECT_EQ(AttributesOf(tag), expected) << tag;
    // The element name as written, nothing after the attributes.
    EXPECT_EQ(ReadTag(tag).name, ReadTag(r.tag).name);
  }
}

TEST(ReEditTable, TagCaseAppliesToWhatTheDialogWrites) {
  DialogFields set;
  set.Set("edSize", "3");
  EXPECT_EQ(ReEdit("<HR NOSHADE>", set, true).result, "<HR NOSHADE size=\"3\">text");
  set = {};
  set.Set("cbOnFocus", "f()");
  EXPECT_EQ(ReEdit("<A HREF=\"#x\" onClick=\"y\">", set, true).result,
            "<A HREF=\"#x\" onClick=\"y\" onfocus=\"f()\">text");
  EXPECT_EQ(ReEdit("<A HREF=\"#x\" ONCLICK=\"y\">", set).result, "<A HREF=\"#x\" ONCLICK=\"y\" onFocus=\"f()\">text");
  // A changed attribute keeps the name as it was spelt.
  EXPECT_EQ(ReEdit("<A HREF=\"#x\" ONFOCUS=g()>", set, true).result, "<A HREF=\"#x\" ONFOCUS=\"f()\">text");
}

TEST(ReEditTable, WhatTheIssueFoundIsMended) {
  struct Case {
    std::string tag;
    std::vector<std::pair<std::string, std::string>> set;
    std::string result;
  };
  const Case cases[] = {
      {"<A HREF='x.html' TITLE='single q'>", {}, "<A HREF='x.html' TITLE='single q'>"},
      {"<A HREF=\"x.html\" onClick=go()>", {}, "<A HREF=\"x.html\" onClick=go()>"},
      {"<A HREFLANG=\"en\" HREF=\"x.html\">", {}, "<A HREFLANG=\"en\" HREF=\"x.html\">"},
      {"<SCRIPT LANGUAGE=\"JavaScript\" SRC=\"a.js\">", {}, "<SCRIPT LANGUAGE=\"JavaScript\" SRC=\"a.js\">"},
      {"<OBJECT CLASSID=\"clsid:x\">", {}, "<OBJECT CLASSID=\"clsid:x\">"},
      {"<P TITLE=\"x LANG=y\">", {}, "<P TITLE=\"x LANG=y\">"},
      {"<A HREF=\"x.html\" onClick=go() TARGET=\"_top\">", {{"cbURL", "y.html"}},
       "<A HREF=\"y.html\" onClick=go() TARGET=\"_top\">"},
      {"<HR WIDTH=\"abc\">", {{"edWidth", "50"}}, "<HR WIDTH=\"50\">"},
      {"<INPUT TYPE=\"checkbox\" Checked>", {{"ckChecked", "1"}}, "<INPUT TYPE=\"checkbox\" Checked>"},
      {"<P ALIGN=\"justify\">", {{"rgAlign", "2"}}, "<P ALIGN=\"center\">"},
      {"<TR BACKGROUND=\"a.gif\">", {{"edBackGround", "b.gif"}}, "<TR BACKGROUND=\"b.gif\">"},
      // Values the fields cannot show stay as written.
      {"<P ALIGN=\"justify\" ID=x>", {{"cbID", "y"}}, "<P ALIGN=\"justify\" ID=\"y\">"},
      {"<OL TYPE=\"i\">", {{"cbLang", "en"}}, "<OL TYPE=\"i\" LANG=\"en\">"},
      {"<TEXTAREA WRAP=\"virtual\">", {{"edName", "t"}}, "<TEXTAREA WRAP=\"virtual\" NAME=\"t\">"},
      {"<FRAME SRC=\"a\" MARGINWIDTH=\"0\">", {{"edName", "n"}}, "<FRAME SRC=\"a\" MARGINWIDTH=\"0\" NAME=\"n\">"},
      {"<BASEFONT SIZE=+1>", {}, "<BASEFONT SIZE=+1>"},
      // A re-edit replaces the start tag alone: no line break after it.
      {"<INPUT TYPE=\"text\">", {{"edSize", "3"}}, "<INPUT TYPE=\"text\" SIZE=\"3\">"},
      // No SRC left for a frame: the tag stays.
      {"<FRAME SRC=\"a\">", {{"cbURL", ""}}, "<FRAME SRC=\"a\">"},
      // Attributes written without blanks between them, a quote left open.
      {"<SPAN TITLE=\"a\"CLASS=\"b\">", {{"edTitle", ""}}, "<SPAN CLASS=\"b\">"},
      {"<SPAN ID=i TITLE=\"a\"CLASS=\"b\">", {{"edTitle", ""}}, "<SPAN ID=i CLASS=\"b\">"},
      {"<SPAN TITLE=\"open>", {{"cbID", "i"}}, "<SPAN ID=\"i\" TITLE=\"open>"},
      {"<SPAN TITLE='open>", {{"edTitle", "shut"}, {"cbID", "i"}}, "<SPAN ID=\"i\" TITLE=\"shut\">"},
      {"<SPAN CLASS=c/>", {{"cbID", "i"}}, "<SPAN CLASS=c/ ID=\"i\">"},
      {"<SPAN DATA= >", {{"cbID", "i"}}, "<SPAN ID=\"i\" DATA= >"},
      {"<SPAN B=\"1\"TITLE=\"open>", {{"cbID", "i"}}, "<SPAN B=\"1\" ID=\"i\" TITLE=\"open>"},
      {"<SPAN B ID=x =y>", {{"cbID", ""}}, "<SPAN B / =y>"},
      {"<TD =H=>", {{"ckNOWRAP", "1"}}, "<TD NOWRAP/ =H=>"},
      {"<SPAN B=x ID=\"i\"/C>", {{"cbID", ""}}, "<SPAN B=x /C>"},
      {"<SPAN B=\"x\" ID=\"i\"/C>", {{"cbID", ""}}, "<SPAN B=\"x\"/C>"},
      {"<SPAN CLASS=\"c\" />", {{"cbID", "i"}}, "<SPAN CLASS=\"c\" ID=\"i\" />"},
      // The map dialog's picture fields are not the AREA tag's: its ALT and
      // a picture chosen stay out of it.
      {"<AREA SHAPE=\"rect\" COORDS=\"1,2,3,4\" HREF=\"b.html\" ALT=\"x\">",
       {{"edAlt", "y"}, {"cbImageFile", "a.gif"}, {"ckIMG", "1"}, {"ckMAP", "1"}},
       "<AREA SHAPE=\"rect\" COORDS=\"1,2,3,4\" HREF=\"b.html\" ALT=\"x\">"},
      // USEMAP shows the map's name without its "#", and gets it back.
      {"<IMG SRC=a.gif USEMAP=\"#m\">", {{"cbNAME", "n"}}, "<IMG SRC=a.gif USEMAP=\"#n\">"},
      {"<IMG SRC=a.gif>", {{"edBorder", "2"}, {"ckWidth", "1"}, {"edWidth", "50"}},
       "<IMG SRC=a.gif WIDTH=\"50%\" BORDER=\"2\">"},
      // The author's edit of the preview is what goes in.
      {"<SPAN CLASS=x onclick=\"f()\">", {{"reTag", "<SPAN CLASS=y onclick=\"f()\">"}}, "<SPAN CLASS=y onclick=\"f()\">"},
  };
  for (const Case& c : cases) {
    DialogFields set;
    for (const auto& [k, v] : c.set) set.Set(k, v);
    EXPECT_EQ(ReEdit(c.tag, set).result, c.result + "text") << c.tag;
  }
}

TEST(ReEditTable, TheSimpleTagPreviewIsWhatOkWrites) {
  test::EditingFixture fx;
  ConfirmingHost host;
  fx.ctx.dialogs = &host;
  fx.editor.Load("<SPAN CLASS=x onclick=\"f()\">y</SPAN>");
  fx.editor.SetSelection(1, 1);
  EditTag(fx.ctx);
  EXPECT_EQ(host.shownClass, "TSimpleReDlg");
  EXPECT_EQ(host.shownPreview, "<SPAN CLASS=x onclick=\"f()\">");
}

}  // namespace
}  // namespace mw
