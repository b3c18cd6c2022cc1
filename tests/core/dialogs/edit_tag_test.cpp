// The re-edit dispatch, the presets it gives each dialog, and round trips:
// a tag built by a dialog, re-opened and confirmed unchanged, comes back as
// it was.
#include "core/dialogs/edit_tag.h"

#include <gtest/gtest.h>

#include "core/editing/marked_text.h"
#include "core/dialogs/tag_dialogs.h"

namespace mw {
namespace {

using test::kHyo;
using test::kSo;

TEST(ReEditDispatch, FirstMatchingRowInOrder) {
  const std::pair<const char*, const char*> rows[] = {
      {"<IMG SRC=\"a.gif\">", "IMG"},
      {"<area shape=rect>", "AREA"},
      {"<BASEFONT SIZE=3>", "BASEFONT"},
      {"<THEAD>", "TH"},
      {"<TD>", "TD"},
      {"<TR>", "TR"},
      {"<p>", "P"},
      {"<P CLASS=x>", "P"},
      {"<PRE>", "generic"},
      {"<LINK REL=\"stylesheet\" HREF=\"a.css\">", "LINK"},
      {"<META NAME=\"x\">", "META"},
      {"<FRAME SRC=\"a\">", "FRAME"},
      {"<FRAMESET ROWS=\"*,*\">", "generic"},
      {"<A HREF=\"#top\">", "local link"},
      {"<A HREF=\"page.html#x\">", "link"},
      {"<A HREF=#top>", "link"},
      {"<SELECT NAME=\"x\">", "marker"},
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
  EXPECT_EQ(GenericElementOf("<BIG>"), "BIG");
  EXPECT_EQ(GenericElementOf("<FRAMESET ROWS=\"*\">"), "");
  EXPECT_EQ(GenericElementOf("<SPANX>"), "");
}

TEST(ParseTagAttributes, NamesAndRawTexts) {
  const auto a = ParseTagAttributes("<TD NOWRAP width=3 TITLE=\"" + kSo + " x\" x='y' z= \"\">");
  ASSERT_EQ(a.size(), 5u);
  EXPECT_EQ(a[0].name, "NOWRAP");
  EXPECT_FALSE(a[0].hasValue);
  EXPECT_EQ(a[1].raw, "width=3");
  EXPECT_EQ(a[2].raw, "TITLE=\"" + kSo + " x\"");
  EXPECT_EQ(a[3].raw, "x='y'");
  EXPECT_EQ(a[4].raw, "z= \"\"");
  EXPECT_FALSE(a[4].hasValue);
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
  EXPECT_EQ(f.Get(kFieldPassThrough), " onClick=\"go()\"");
  EXPECT_EQ(Preset("<A HREF=\"#top\" onClick=\"go()\">", true).Get(kFieldPassThrough), " onclick=\"go()\"");

  f = Preset("<TD NOWRAP>");
  EXPECT_TRUE(f.Checked("ckNOWRAP"));
  f = Preset("<TD>");
  EXPECT_FALSE(f.Checked("ckNOWRAP"));
  EXPECT_EQ(f.Get("edRowSpan"), "");
  EXPECT_EQ(f.Get("edColSpan"), "");

  EXPECT_EQ(Preset("<OL TYPE=\"a\">").Index("rgType"), 1);
  EXPECT_EQ(Preset("<OL TYPE=i>").Index("rgType"), 3);

  f = Preset("<META HTTP-EQUIV=\"Refresh\" CONTENT=\"5\">");
  EXPECT_EQ(f.Get("cbHttpEquiv"), "Refresh");
  EXPECT_EQ(f.Get("cbContent"), "5");
  EXPECT_EQ(Preset("<META NAME=\"keywords\" CONTENT=\"a\">").Get("cbHttpEquiv"), "");

  EXPECT_FALSE(Preset("<INPUT TYPE=\"checkbox\" Checked>").Checked("ckChecked"));
  EXPECT_TRUE(Preset("<INPUT TYPE=\"checkbox\" checked>").Checked("ckChecked"));

  f = Preset("<HR WIDTH=\"50%\" SIZE=0 ALIGN=RIGHT>");
  EXPECT_EQ(f.Get("edWidth"), "50");
  EXPECT_TRUE(f.Checked("ckWidth"));
  EXPECT_EQ(f.Get("edSize"), "");
  EXPECT_EQ(f.Index("rgAlign"), 2);

  EXPECT_EQ(Preset("<BASEFONT SIZE=+1>").Index("rgSize"), 2) << "+1 selects nothing";
  EXPECT_EQ(Preset("<P ALIGN=\"\">").Index("rgAlign"), 0);
  EXPECT_EQ(Preset("<FORM ACTION=\"a.cgi\">").Get("cbMethod"), "") << "no POST added to a re-edit";

  f = Preset("<A NAME=\"m\">");
  EXPECT_EQ(f.Get("cbName"), "m");
  EXPECT_EQ(f.Get("Attribute"), "NAME");
  EXPECT_EQ(f.Get("lbInput"), "\x83\x7D\x81\x5B\x83\x4A\x81\x5B\x96\xBC\x82\xCC\x93\xFC\x97\xCD" /* マーカー名の入力 */);
  f = Preset("<MAP NAME=\"m\">");
  EXPECT_EQ(f.Get(kFieldName), "MAP");
  EXPECT_EQ(f.Get("cbOnFocus#enabled"), "0");
}

TEST(ReEditPresets, GenericRoutine) {
  std::string pass;
  const SimpleTagDialog d = PrepareGenericReEdit("<SPAN CLASS=x onclick=\"a()\">", "SPAN", {}, pass);
  EXPECT_EQ(d.cls, "x");
  EXPECT_EQ(d.name, "SPAN");
  EXPECT_FALSE(d.wrap);
  EXPECT_EQ(pass, " onclick=\"a()\"");
}

// What the dialog returns when the author presses OK without a change.
std::string Confirm(std::string_view tag, bool lower = false) {
  EditingOptions o;
  o.lowerCaseTag = lower;
  const auto s = PrepareReEdit(ReEditRoutineOf(tag), tag, o);
  if (!s) return "(no dialog)";
  return s->model->build(s->fields, o).preview;
}

TEST(ReEditRoundTrip, DialogTagsComeBackUnchanged) {
  const std::string tags[] = {
      "<HR WIDTH=\"50%\" SIZE=\"3\" ALIGN=\"left\" COLOR=\"red\" NOSHADE>",
      "<HR>",
      "<FONT SIZE=\"+1\" COLOR=\"red\" FACE=\"MS " + kSo + "\" TITLE=\"t t\" LANG=\"ja\" ID=\"i\" CLASS=\"c\" "
      "STYLE=\"color: red\">",
      "<BASEFONT SIZE=\"5\">",
      "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=SHIFT_JIS\">",
      "<META NAME=\"keywords\" CONTENT=\"" + kHyo + "\">",
      "<P ALIGN=\"center\" ID=\"x\">",
      "<DIV>",
      "<CAPTION ALIGN=\"bottom\">",
      "<A NAME=\"m\" onFocus=\"f()\">",
      "<MAP NAME=\"m\" TITLE=\"t\">",
      "<A HREF=\"#top\" onClick=\"go()\" onKeyUp=\"k()\">",
      "<A HREF=\"a.html\" TARGET=\"_top\" CLASS=\"c\" onBlur=\"b()\">",
      "<UL TYPE=\"circle\">",
      "<OL START=\"3\" TYPE=\"I\">",
      "<TD ROWSPAN=\"2\" COLSPAN=\"3\" ALIGN=\"center\" VALIGN=\"bottom\" WIDTH=\"40%\" HEIGHT=\"9\" "
      "BGCOLOR=\"c\" BACKGROUND=\"b\" NOWRAP TITLE=\"t\">",
      "<TH WIDTH=\"10\">",
      "<TR BGCOLOR=\"red\" ALIGN=\"right\" VALIGN=\"middle\" STYLE=\"s\">",
      "<TEXTAREA NAME=\"t\" ROWS=\"3\" COLS=\"4\" WRAP=\"soft\" onChange=\"c()\">",
      "<FRAME SRC=\"a.html\" NAME=\"main\" MARGINWIDTH=\"2\" SCROLLING=\"no\" FRAMEBORDER=\"no\" "
      "BORDERCOLOR=\"red\" NORESIZE>",
  };
  for (const std::string& t : tags) EXPECT_EQ(Confirm(t), t);
  for (const std::string& t : {std::string("<hr width=\"50%\" noshade>"), std::string("<td colspan=\"2\">"),
                               std::string("<a href=\"#x\" onclick=\"y\">")})
    EXPECT_EQ(Confirm(t, true), t);
}

TEST(ReEditRoundTrip, WhereTheLookupsChangeTheTag) {
  // Forms and inputs end their tag with a line break in both modes.
  EXPECT_EQ(Confirm("<FORM METHOD=\"POST\" ACTION=\"mailto:\">"), "<FORM METHOD=\"POST\" ACTION=\"mailto:\">\r\n");
  EXPECT_EQ(Confirm("<INPUT TYPE=\"checkbox\" NAME=\"n\" SIZE=\"20\" CHECKED>"),
            "<INPUT TYPE=\"checkbox\" NAME=\"n\" SIZE=\"20\" CHECKED>\r\n");
  // Lower-case list types cannot be chosen: the radio match ignores case.
  EXPECT_EQ(Confirm("<OL TYPE=\"i\">"), "<OL TYPE=\"I\">");
  // Tag case follows the option, as for a new tag.
  EXPECT_EQ(Confirm("<td>"), "<TD>");
  // A base font size that is no item falls back to the default.
  EXPECT_EQ(Confirm("<BASEFONT SIZE=+1>"), "<BASEFONT SIZE=\"3\">");
  // A zero span or size reads as "not set".
  EXPECT_EQ(Confirm("<TD COLSPAN=\"0\">"), "<TD>");
  // A background of a row has no field: it is kept, after the others.
  EXPECT_EQ(Confirm("<TR BACKGROUND=\"b.gif\" ALIGN=\"left\">"), "<TR ALIGN=\"left\" BACKGROUND=\"b.gif\">");
}

TEST(ReEditPassThrough, NothingOfTheTagIsDropped) {
  const std::pair<std::string, std::string> rows[] = {
      {"<FONT COLOR=red onMouseOver=\"x()\">", "<FONT COLOR=\"red\" onMouseOver=\"x()\">"},
      {"<FONT FACE=Arial SIZE=2>", "<FONT SIZE=\"2\" FACE=\"Arial\">"},
      {"<INPUT TYPE=\"checkbox\" Checked>", "<INPUT TYPE=\"checkbox\" Checked>\r\n"},
      {"<P ALIGN=\"justify\">", "<P ALIGN=\"justify\">"},
      {"<TD WIDTH=\"auto\">", "<TD WIDTH=\"auto\">"},
      {"<SELECT NAME=\"x\" SIZE=\"3\">", "<SELECT NAME=\"x\" SIZE=\"3\">"},
      {"<THEAD ALIGN=\"left\">", "<THEAD ALIGN=\"left\">"},
      {"<BASE HREF=\"http://x/\">", "<BASE HREF=\"http://x/\">"},
      {"<A HREF=top.html>", "<A HREF=\"top.html\">"},
      {"<UL COMPACT>", "<UL COMPACT>"},
      {"<META CHARSET=\"x\">", "<META CHARSET=\"x\">"},
      {"<TD CLASS=\"a b\" BGCOLOR=\"light blue\">", "<TD BGCOLOR=\"light blue\" CLASS=\"a b\">"},
      {"<FRAME SRC=\"my page.html\">", "<FRAME SRC=\"my page.html\">"},
  };
  for (const auto& [tag, back] : rows) EXPECT_EQ(Confirm(tag), back) << tag;
}

}  // namespace
}  // namespace mw
