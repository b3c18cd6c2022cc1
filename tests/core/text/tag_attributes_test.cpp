// The tag reader: element name and attributes as HTML reads them.
#include "core/text/tag_attributes.h"

#include <gtest/gtest.h>

namespace mw {
namespace {

const std::string kSo = "\x83\x5C";  // ソ: trail byte '\'
const std::string kA = "\x83\x41";   // ア: trail byte 'A'

// The attributes in one line: NAME, NAME=v, NAME="v", NAME='v', joined by |.
std::string Show(std::string_view tag) {
  const TagText t = ReadTag(tag);
  std::string out = t.name;
  for (const TagAttribute& a : t.attributes) {
    out += "|" + a.name;
    switch (a.quote) {
      case AttributeQuote::None: break;
      case AttributeQuote::Unquoted: out += "=" + a.value; break;
      case AttributeQuote::Double: out += "=\"" + a.value + "\""; break;
      case AttributeQuote::Single: out += "='" + a.value + "'"; break;
    }
  }
  return out;
}

TEST(ReadTag, AttributeSyntax) {
  const std::pair<std::string, std::string> rows[] = {
      {"<A HREF='x.html' TITLE='single q'>", "A|HREF='x.html'|TITLE='single q'"},
      {"<A HREF=\"x.html\" onClick=go()>", "A|HREF=\"x.html\"|onClick=go()"},
      {"<A HREFLANG=\"en\" HREF=\"x.html\">", "A|HREFLANG=\"en\"|HREF=\"x.html\""},
      {"<P TITLE=\"x LANG=y\">", "P|TITLE=\"x LANG=y\""},
      {"<A HREF=\"x.html\" onClick=go() TARGET=\"_top\">", "A|HREF=\"x.html\"|onClick=go()|TARGET=\"_top\""},
      {"<TD NOWRAP width=3 x = 'y' z= \"\">", "TD|NOWRAP|width=3|x='y'|z=\"\""},
      {"<INPUT TYPE=checkbox Checked>", "INPUT|TYPE=checkbox|Checked"},
      // Blanks of every kind, CR LF included, between and around "=".
      {"<TD\r\nWIDTH\t=\r\n\"3\"\r\nALIGN=left\f>", "TD|WIDTH=\"3\"|ALIGN=left"},
      // A slash between attributes is skipped; inside an unquoted value it
      // is part of it.
      {"<BR CLEAR=all />", "BR|CLEAR=all"},
      {"<A HREF=a/b.html/>", "A|HREF=a/b.html/"},
      {"<IMG/SRC=\"a\"/ALT=b>", "IMG|SRC=\"a\"|ALT=b"},
      // Quotes of the other kind are text; a value may follow a value.
      {"<A TITLE='say \"hi\"' ALT=\"it's\">", "A|TITLE='say \"hi\"'|ALT=\"it's\""},
      {"<A B=\"1\"C=\"2\">", "A|B=\"1\"|C=\"2\""},
      {"<A B=x\"y>", "A|B=x\"y"},
      // A '>' in quotes does not end the tag; a quote left open runs to it.
      {"<A TITLE=\"a > b\" ID=c>", "A|TITLE=\"a > b\"|ID=c"},
      {"<A TITLE=\"open>", "A|TITLE=\"open\""},
      {"<A TITLE='open", "A|TITLE='open'"},
      // No value after "=": an empty unquoted one.
      {"<A HREF= >", "A|HREF="},
      {"<A =x>", "A|=x"},
      // Double-byte characters, trail bytes that look like ASCII.
      {"<SPAN TITLE=" + kSo + " CLASS=\"" + kA + "\">", "SPAN|TITLE=" + kSo + "|CLASS=\"" + kA + "\""},
      {"<" + kA + " " + kSo + "=1>", kA + "|" + kSo + "=1"},
      // Not a start tag.
      {"</B>", ""},
      {"<!-- x -->", ""},
      {"< B>", ""},
      {"B>", ""},
      {"", ""},
      {"<B", "B"},
      {"<B>", "B"},
  };
  for (const auto& [tag, shown] : rows) EXPECT_EQ(Show(tag), shown) << tag;
}

TEST(ReadTag, PositionsCoverTheTextAsWritten) {
  const std::string tag = "<TD\r\n WIDTH = \"3\"  NOWRAP\r\n>";
  const TagText t = ReadTag(tag);
  ASSERT_EQ(t.attributes.size(), 2u);
  EXPECT_EQ(t.nameEnd, 3u);
  EXPECT_EQ(tag.substr(t.attributes[0].lead, t.attributes[0].begin - t.attributes[0].lead), "\r\n ");
  EXPECT_EQ(AttributeText(tag, t.attributes[0]), "WIDTH = \"3\"");
  EXPECT_EQ(AttributeText(tag, t.attributes[1]), "NOWRAP");
  EXPECT_EQ(tag.substr(t.tail), "\r\n>");
}

TEST(ReadTag, ValuesThatWouldTakeInWhatFollows) {
  for (const char* tag : {"<A TITLE=\"open>", "<A B=1 TITLE='open", "<A HREF= >", "<A HREF="}) {
    const TagText t = ReadTag(tag);
    ASSERT_FALSE(t.attributes.empty()) << tag;
    EXPECT_TRUE(t.attributes.back().unclosed) << tag;
  }
  for (const char* tag : {"<A TITLE=\"shut\">", "<A B=1>", "<A B>", "<A B=''>"})
    EXPECT_FALSE(ReadTag(tag).attributes.back().unclosed) << tag;
}

TEST(FindAttribute, WholeNameAnyCase) {
  const auto a = ReadTagAttributes("<A HREFLANG=en title=t HREF=x.html HREF=second>");
  ASSERT_NE(FindAttribute(a, "href"), nullptr);
  EXPECT_EQ(FindAttribute(a, "href")->value, "x.html") << "the first of two";
  EXPECT_EQ(FindAttribute(a, "TITLE")->value, "t");
  EXPECT_EQ(FindAttribute(a, "HREFL"), nullptr);
  EXPECT_EQ(FindAttribute(a, "LANG"), nullptr);
}

}  // namespace
}  // namespace mw
