// The re-edit dispatch and the presets it gives each dialog.
#include "core/dialogs/edit_tag.h"

#include <gtest/gtest.h>

#include "core/dialogs/tag_dialogs.h"
#include "core/editing/marked_text.h"

namespace mw {
namespace {

using test::kSo;

TEST(ReEditDispatch, ByTheWholeElementName) {
  const std::pair<const char*, const char*> rows[] = {
      {"<IMG SRC=\"a.gif\">", "IMG"},
      {"<area shape=rect>", "AREA"},
      {"<BASEFONT SIZE=3>", "BASEFONT"},
      {"<TD>", "TD"},
      {"<Tr>", "TR"},
      {"<p>", "P"},
      {"<P CLASS=x>", "P"},
      {"<P\r\nALIGN=center>", "P"},
      {"<DIV\tID=x>", "DIV"},
      {"<FRAME>", "FRAME"},
      {"<FRAME\r\nSRC=\"a\">", "FRAME"},
      {"<LINK REL=\"stylesheet\" HREF=\"a.css\">", "LINK"},
      {"<META NAME=\"x\">", "META"},
      {"<PRE>", "generic"},
      // A name is never taken for a longer one, nor text in a value for a tag.
      {"<THEAD>", "generic"},
      {"<TRACK SRC=x>", "generic"},
      {"<FONTX>", "generic"},
      {"<SPAN TITLE=\"<IMG\">", "generic"},
      {"<B TITLE=\"a<TD\">", "generic"},
      {"<FRAMESET ROWS=\"*,*\">", "generic"},
      // Then by attribute, whole names only.
      {"<A HREF=\"#top\">", "local link"},
      {"<A HREF=\"page.html#x\">", "link"},
      {"<A HREF=#top>", "link"},
      {"<A href='x.html'>", "link"},
      {"<A HREFLANG=\"en\">", "generic"},
      {"<SPAN TITLE=\"x HREF=y\">", "generic"},
      {"<SELECT NAME=\"x\">", "marker"},
      {"<A NAME=\"frame1\">", "marker"},
      {"<A NAMES=\"x\">", "generic"},
      {"<IFRAME NAME=\"x\">", "generic"},
      {"<B>", "generic"},
      {"", "generic"},
  };
  for (const auto& [tag, routine] : rows) EXPECT_EQ(ReEditRoutineOf(tag), routine) << tag;
}

TEST(ReEditDispatch, GenericElements) {
  EXPECT_EQ(GenericElements().size(), 55u);
  EXPECT_EQ(GenericElementOf("<b>"), "B");
  EXPECT_EQ(GenericElementOf("<SPAN CLASS=x>"), "SPAN");
  EXPECT_EQ(GenericElementOf("<SPAN\r\nCLASS=x>"), "SPAN");
  EXPECT_EQ(GenericElementOf("<BIG>"), "BIG");
  EXPECT_EQ(GenericElementOf("<FRAMESET ROWS=\"*\">"), "");
  EXPECT_EQ(GenericElementOf("<SPANX>"), "");
  EXPECT_EQ(GenericElementOf("<THEAD>"), "");
}

DialogFields Preset(std::string_view tag, bool lower = false) {
  EditingOptions o;
  o.lowerCaseTag = lower;
  auto s = PrepareReEdit(ReEditRoutineOf(tag), tag, o);
  EXPECT_TRUE(s.has_value()) << tag;
  return s ? s->fields : DialogFields{};
}

TEST(ReEditPresets, FieldsFromTheTag) {
  auto f = Preset("<A HREF=\"#top\" onClick=\"go()\">");
  EXPECT_EQ(f.Get(kFieldCaption), "\x93\xAF\x88\xEA\x83\x74\x83\x40\x83\x43\x83\x8B\x93\xE0\x82\xCC\x83\x41\x83\x93\x83\x4A\x81\x5B\x95\xD2\x8F\x57" /* 同一ファイル内のアンカー編集 */);
  EXPECT_EQ(f.Get("cbName"), "top");

  f = Preset("<TD NOWRAP>");
  EXPECT_TRUE(f.Checked("ckNOWRAP"));
  f = Preset("<TD>");
  EXPECT_FALSE(f.Checked("ckNOWRAP"));
  EXPECT_EQ(f.Get("edRowSpan"), "");
  EXPECT_EQ(f.Get("edColSpan"), "");
  // A keyword is an attribute of that name, not a word anywhere in the tag.
  EXPECT_FALSE(Preset("<TD TITLE=\"a nowrap\">").Checked("ckNOWRAP"));
  EXPECT_FALSE(Preset("<HR TITLE=\"NOSHADE\">").Checked("ckNoShade"));
  EXPECT_TRUE(Preset("<INPUT TYPE=\"checkbox\" Checked>").Checked("ckChecked"));
  EXPECT_TRUE(Preset("<FRAME SRC=a NoResize>").Checked("ckNoResize"));

  // List types: the item written exactly so, a and A being different.
  EXPECT_EQ(Preset("<OL TYPE=\"a\">").Index("rgType"), 2);
  EXPECT_EQ(Preset("<OL TYPE=A>").Index("rgType"), 1);
  EXPECT_EQ(Preset("<OL TYPE=i>").Index("rgType"), 4);
  EXPECT_EQ(Preset("<UL TYPE=\"Circle\">").Index("rgType"), 1);

  f = Preset("<META HTTP-EQUIV=\"Refresh\" CONTENT=\"5\">");
  EXPECT_EQ(f.Get("cbHttpEquiv"), "Refresh");
  EXPECT_EQ(f.Get("cbContent"), "5");
  EXPECT_EQ(Preset("<META NAME=\"keywords\" CONTENT=\"a\">").Get("cbHttpEquiv"), "");

  f = Preset("<HR WIDTH=\"50%\" SIZE=0 ALIGN=RIGHT>");
  EXPECT_EQ(f.Get("edWidth"), "50");
  EXPECT_TRUE(f.Checked("ckWidth"));
  EXPECT_EQ(f.Get("edSize"), "");
  EXPECT_EQ(f.Index("rgAlign"), 2);
  EXPECT_EQ(Preset("<HR WIDTH=\"abc\">").Get("edWidth"), "");

  // Values in single quotes, unquoted values with parentheses, names that
  // begin other names.
  f = Preset("<A HREF='x.html' TITLE='single q'>");
  EXPECT_EQ(f.Get("cbURL"), "x.html");
  EXPECT_EQ(f.Get("edTitle"), "single q");
  EXPECT_EQ(Preset("<A HREFLANG=\"en\" HREF=\"x.html\">").Get("cbURL"), "x.html");
  EXPECT_EQ(Preset("<A HREF=x onFocus=go() TARGET=_top>").Get("cbOnFocus"), "go()");
  EXPECT_EQ(Preset("<P TITLE=\"x LANG=y\">").Get("cbLang"), "");
  EXPECT_EQ(Preset("<FONT CLASS=\"a b\" FACE=MS" + kSo + ">").Get("cbFont"), "MS" + kSo);

  EXPECT_EQ(Preset("<BASEFONT SIZE=+1>").Index("rgSize"), 2) << "+1 is no item";
  EXPECT_EQ(Preset("<P ALIGN=\"\">").Index("rgAlign"), 0);
  EXPECT_EQ(Preset("<FORM ACTION=\"a.cgi\">").Get("cbMethod"), "") << "no POST added to a re-edit";
  EXPECT_EQ(Preset("<FORM ACTION=\"a.cgi\">").Get("edAction"), "a.cgi");

  f = Preset("<A NAME=\"m\">");
  EXPECT_EQ(f.Get("cbName"), "m");
  EXPECT_EQ(f.Get("Attribute"), "NAME");
  EXPECT_EQ(f.Get("lbInput"), "\x83\x7D\x81\x5B\x83\x4A\x81\x5B\x96\xBC\x82\xCC\x93\xFC\x97\xCD" /* マーカー名の入力 */);
  f = Preset("<MAP NAME=\"m\" onFocus=\"f()\">");
  EXPECT_EQ(f.Get(kFieldName), "MAP");
  EXPECT_EQ(f.Get("cbOnFocus#enabled"), "0");
  EXPECT_EQ(f.Get("cbOnFocus"), "") << "a map's handlers are not its fields";
  // P reads the horizontal alignment, CAPTION the vertical one.
  EXPECT_EQ(Preset("<P ALIGN=right>").Index("rgAlign"), 3);
  EXPECT_EQ(Preset("<CAPTION ALIGN=bottom>").Index("rgVAlign"), 1);
  EXPECT_EQ(Preset("<CAPTION ALIGN=bottom>").Index("rgAlign", 0), 0);
}

TEST(ReEditPresets, GenericRoutine) {
  const DialogFields f = PrepareGenericReEdit("<SPAN CLASS=x onclick=\"a()\">", "SPAN", {});
  EXPECT_EQ(f.Get("cbCLASS"), "x");
  EXPECT_EQ(f.Get(kFieldName), "SPAN");
  EXPECT_EQ(f.Get(kFieldWrap), "0");
  EXPECT_EQ(f.Get(kFieldCaption), "<SPAN>\x82\xCC\x8D\xC4\x95\xD2\x8F\x57" /* <SPAN>の再編集 */);
  // The preview is the tag as OK writes it: the handler is there.
  EXPECT_EQ(f.Get(kFieldPreview), "<SPAN CLASS=x onclick=\"a()\">");
}

}  // namespace
}  // namespace mw
