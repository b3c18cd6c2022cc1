#include "core/editing/tag_text.h"

#include <gtest/gtest.h>

#include "marked_text.h"

namespace mw {
namespace {

using test::kA;
using test::kHyo;
using test::kSo;
using test::kTsu;
using test::ParseMarked;

TEST(TagNameOf, Table) {
  struct Case { std::string tag, name; };
  const Case cases[] = {
      {"<TD>", "td"},
      {"</td>", "td"},
      {"<td width=3>", "td"},
      {"<A HREF=\"x\">", "a"},
      {"</B >", "b"},
      {"<A\r\nHREF=x>", "a\r\nhref=x"},     // a line break does not end the name
      {"<BR", "b"},                         // no '>': the last byte still goes
      {"TD>", ""},
      {"", ""},
      {"<", ""},
      {"</", ""},
      {"<>", ""},
      {"< B>", ""},
      {"<" + kTsu + "A>", kTsu + "a"},      // trail 'c' is not folded, 'A' is
      {"<X" + kHyo + ">", "x" + kHyo},
      {"<X" + kHyo, "x"},                   // never half a character
      {"</" + kSo + kA + ">", kSo + kA},
  };
  for (const auto& c : cases) EXPECT_EQ(TagNameOf(c.tag), c.name) << c.tag;
}

TEST(FindMatchingEndTag, Table) {
  // '|' just after the start tag, the expected end tag marked {..}; no
  // braces = none.
  struct Case { std::string input, name, expected; };
  const Case cases[] = {
      {"<b>|x</b>", "b", "<b>x{</b>}"},
      {"<b>|x<br>y</b>", "b", "<b>x<br>y</b>"},                  // <br counts as a nested <b
      {"<div>|<div></div></div>", "div", "<div><div></div>{</div>}"},
      {"<p>|x</P>", "p", "<p>x{</P>}"},
      {"<b>|x</b >", "b", "<b>x</b >"},
      {"<b>|x", "b", "<b>x"},
      {"<b>|<B>x</b>", "b", "<b><B>x</b>"},
      {"<a>|" + kTsu + "<abbr>" + kHyo + "</abbr></a></a>", "a",
       "<a>" + kTsu + "<abbr>" + kHyo + "</abbr></a>{</a>}"},
      {"<td>|" + kA + "\\" + kSo + "</TD>", "td", "<td>" + kA + "\\" + kSo + "{</TD>}"},
      {"<b>|</b>", "", "<b></b>"},                                // no name: nothing to close
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.input);
    const auto in = ParseMarked(c.input);
    EXPECT_EQ(FindMatchingEndTag(in.text, in.start, c.name), ParseMarked(c.expected).start);
  }
}

TEST(GetAttributeValue, Table) {
  struct Case { std::string tag, key, value; };
  const Case cases[] = {
      {"<TD WIDTH=50>", " WIDTH", "50"},
      {"<FONT COLOR=\"#FF0000\">", " COLOR", "#FF0000"},
      {"<HR NOSHADE>", " SIZE", ""},
      {"<IMG ALT=\"a b\">", " ALT", "\"a"},                          // cut at the blank
      {"<IMG WIDTH=100 HEIGHT=\"50\">", " WIDTH", "100"},
      {"<IMG WIDTH=100 HEIGHT=\"50\">", " HEIGHT", "50"},
      {"<img width = 7 >", " WIDTH", "7"},
      {"<HR NOSHADE>", " NOSHADE", ""},
      {"<A TITLE=\"x\"\"y\">", " TITLE", "x\"y"},                  // "" stands for one quote
      {"<A TITLE=\"\">", " TITLE", "\"\""},                          // empty unquoted: kept
      {"<A TITLE=\"ab>", " TITLE", "a"},                           // no closing quote
      {"<A HREF=\"x\" TITLE=\" WIDTH=9\">", " WIDTH", "9\""},      // found inside another value
      {"<A TITLE=\"" + kTsu + kHyo + "\">", " TITLE", kTsu + kHyo},
      {"<A TITLE=" + kSo + kHyo + ">", " TITLE", kSo + kHyo},
      {"<A TITLE=" + kSo + kHyo, " TITLE", kSo},                  // never half a character
      {"<A TITLE=\"" + kSo + kHyo, " TITLE", kSo},
      {"<A TITLE=x>", "", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(GetAttributeValue(c.tag, c.key), c.value) << c.tag << " /" << c.key;
}

TEST(GetQuotedAttributeValue, Table) {
  struct Case { std::string tag, key, value; };
  const Case cases[] = {
      {"<A HREF=\"x\" TARGET=\"_top\">", " HREF", "x"},
      {"<A HREF=\"x\" TARGET=\"_top\">", " TARGET", "_top"},
      {"<A HREF=\"a b.html\">", " HREF", "a b.html"},
      {"<a href=\"" + kHyo + kTsu + ".html\">", " HREF", kHyo + kTsu + ".html"},
      {"<A TITLE=\"a\" b\" HREF=\"y\">", " TITLE", "a"},          // cut at quote + space
      {"<A HREF=x>", " HREF", "="},                               // unquoted: between "nothing" and the end
      {"<A NAME=\"n\">", " HREF", ""},
      {"<A HREF=\"\">", " HREF", ""},
      {"<A HREF=\"" + kHyo + ">", " HREF", ""},                   // never half a character
  };
  for (const auto& c : cases) EXPECT_EQ(GetQuotedAttributeValue(c.tag, c.key), c.value) << c.tag << " /" << c.key;
}

TEST(ApplyTagCase, LowerCasesOnlyWithTheOption) {
  EditingOptions lower;
  lower.lowerCaseTag = true;
  EXPECT_EQ(ApplyTagCase("<BR>", lower), "<br>");
  EXPECT_EQ(ApplyTagCase("<BR>", EditingOptions{}), "<BR>");
  EXPECT_EQ(ApplyTagCase(" TITLE=\"" + kA + kTsu, lower), " title=\"" + kA + kTsu);
}

}  // namespace
}  // namespace mw
