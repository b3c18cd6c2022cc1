#include "core/editing/transforms.h"

#include <gtest/gtest.h>

#include <string>

#include "marked_text.h"

namespace mw {
namespace {

using test::kA;
using test::kHyo;
using test::kSo;
using test::kTsu;

const std::string kFullSpace = "\x81\x40";  // full-width space: not a blank

struct Row {
  std::string in;
  std::string out;
};

TEST(LineBreaksToBR, EveryLineEndGetsOneBreak) {
  const Row rows[] = {
      {"", ""},
      {"a", "a"},
      {"\r\n", "<BR>\r\n"},
      {"a\r\nb<BR>\r\nc", "a<BR>\r\nb<BR>\r\nc"},
      {"a<br>\r\n", "a<br>\r\n"},
      {"a\r\n\r\n", "a<BR>\r\n<BR>\r\n"},
      // A bare LF ends a line too, and the byte before it is kept.
      {"ab\ncd\n", "ab<BR>\r\ncd<BR>\r\n"},
      {"\n", "<BR>\r\n"},
      {kHyo + "\r\n" + kSo + "\r\n" + kA, kHyo + "<BR>\r\n" + kSo + "<BR>\r\n" + kA},
      {kTsu + "<BR>\r\n", kTsu + "<BR>\r\n"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.in);
    EXPECT_EQ(LineBreaksToBR(row.in, "<BR>"), row.out);
  }
}

TEST(LineBreaksToBR, LowerCaseBreakTextIsAddedAsGiven) {
  EXPECT_EQ(LineBreaksToBR("a\r\nb<BR>\r\nc", "<br>"), "a<br>\r\nb<BR>\r\nc");
}

TEST(PrefixLines, EveryLineStartsWithThePrefix) {
  const struct {
    std::string in, prefix, out;
  } rows[] = {
      {"", "&gt; ", "&gt; "},
      {"a", "<LI>", "<LI>a"},
      {"a\r\nb\r\nc\r\n", "'n'. ", "1. a\r\n2. b\r\n3. c\r\n"},
      {"a\r\n\r\nb", "\t", "\ta\r\n\t\r\n\tb"},
      {"a\nb", "<LI>", "<LI>a\n<LI>b"},
      // Only the first 'n' counts; n without quotes is text.
      {"a\r\nb", "'n''n'", "1'n'a\r\n2'n'b"},
      {"a", "n:", "n:a"},
      {"a\r\nb", kHyo + "'n'" + kSo, kHyo + "1" + kSo + "a\r\n" + kHyo + "2" + kSo + "b"},
      {kTsu + "\r\n" + kA, "> ", "> " + kTsu + "\r\n> " + kA},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.prefix + " on " + row.in);
    EXPECT_EQ(PrefixLines(row.in, row.prefix), row.out);
  }
}

TEST(PrefixLines, NumbersGoPastNine) {
  std::string in, out;
  for (int i = 1; i <= 11; ++i) {
    in += "x\r\n";
    out += std::to_string(i) + ".x\r\n";
  }
  EXPECT_EQ(PrefixLines(in, "'n'."), out);
}

TEST(ToReferences, EscapesMarkupCharactersOnce) {
  const Row rows[] = {
      {"", ""},
      {"a<b & \"c\"", "a&lt;b &amp; &quot;c&quot;"},
      {"x>y", "x&gt;y"},
      {"&lt;", "&lt;"},
      {"&amp;&gt;&quot;", "&amp;&gt;&quot;"},
      {"&copy;", "&amp;copy;"},
      {"&LT;", "&amp;LT;"},
      {"&nbsp;", "&amp;nbsp;"},
      {"&", "&amp;"},
      {"&lt", "&amp;lt"},
      {kHyo + "<" + kA + ">" + kSo, kHyo + "&lt;" + kA + "&gt;" + kSo},
      // A lead byte at the very end is copied alone.
      {"a\x83", "a\x83"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.in);
    EXPECT_EQ(ToReferences(row.in), row.out);
  }
}

TEST(FromReferences, TurnsTheFourReferencesBackInOnePass) {
  const Row rows[] = {
      {"", ""},
      {"&lt;&gt;&quot;&amp;", "<>\"&"},
      {"&amp;lt;", "&lt;"},
      {"&nbsp;&copy;", "&nbsp;&copy;"},
      {"&LT;&lt", "&LT;&lt"},
      {"&&lt;", "&<"},
      {kSo + "&gt;" + kTsu + "&lt;", kSo + ">" + kTsu + "<"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.in);
    EXPECT_EQ(FromReferences(row.in), row.out);
  }
}

TEST(TabToSpace, EachTabBecomesAFixedCount) {
  const struct {
    std::string in;
    int spaces;
    std::string out;
  } rows[] = {
      {"a\tb", 4, "a    b"},
      {"\t\t", 2, "    "},
      {"abc\t", 1, "abc "},
      {"a\tb", 0, "ab"},
      {"a\tb", -3, "ab"},
      {kHyo + "\t" + kA, 2, kHyo + "  " + kA},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.in);
    EXPECT_EQ(TabToSpace(row.in, row.spaces), row.out);
  }
}

TEST(TransformSpace, OnlySpacesOutsideTagsChange) {
  const Row rows[] = {
      {"", ""},
      {"a b <img src=x> c", "a&nbsp;b&nbsp;<img src=x>&nbsp;c"},
      // A stray '>' does not take the depth below 0.
      {"a > b", "a&nbsp;>&nbsp;b"},
      {"<a <b> c> d", "<a <b> c>&nbsp;d"},
      {"<a b", "<a b"},
      {kFullSpace + " ", kFullSpace + "&nbsp;"},
      {kA + " " + kHyo, kA + "&nbsp;" + kHyo},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.in);
    EXPECT_EQ(TransformSpace(row.in), row.out);
  }
}

TEST(ReverseSpace, ExactNbspOnly) {
  const Row rows[] = {
      {"a&nbsp;b", "a b"},
      {"&nbsp;&nbsp;", "  "},
      {"&NBSP;&nbsp", "&NBSP;&nbsp"},
      {"&amp;nbsp;", "&amp;nbsp;"},
      {kTsu + "&nbsp;" + kSo, kTsu + " " + kSo},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.in);
    EXPECT_EQ(ReverseSpace(row.in), row.out);
  }
}

TEST(DeleteAllTag, KeepsTheTextBetweenTags) {
  const Row rows[] = {
      {"", ""},
      {"abc", "abc"},
      {"x<b>y</b>z", "xyz"},
      {"<b>", ""},
      // The selection starts inside a tag.
      {"ab>cd<i>e", "cde"},
      // Without '>' or without '<' nothing is a tag.
      {"a<b", "a<b"},
      {"ab>cd", "ab>cd"},
      // A '>' outside a tag is body text.
      {"<P>x > y</P>", "x > y"},
      {"x<b>y>z", "xy>z"},
      {"x<b>y>z<i>w", "xy>zw"},
      // An unclosed '<' after a tag stays with the rest, once.
      {"x<b>y<c", "xy<c"},
      {"<a href=\"" + kSo + "\">" + kTsu + "</a>" + kHyo, kTsu + kHyo},
      {kA + "<br>" + kHyo, kA + kHyo},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.in);
    EXPECT_EQ(DeleteAllTag(row.in), row.out);
  }
}

TEST(DeleteText, KeepsOnlyTheTags) {
  const Row rows[] = {
      {"", ""},
      {"abc", ""},
      {"x<b>y</b>z", "<b></b>"},
      {"<b>\r\n<i>", "<b><i>"},
      // The tail of a tag cut by the selection start stays with its text.
      {"ab>cd<i>e", "ab><i>"},
      {"<b", ""},
      {"<i>x<b", "<i>"},
      {"<a title=" + kHyo + ">" + kA + "</a>" + kSo, "<a title=" + kHyo + "></a>"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.in);
    EXPECT_EQ(DeleteText(row.in), row.out);
  }
}

TEST(DeleteTabSpace, TrimsEveryLine) {
  const Row rows[] = {
      {"", ""},
      {" a \r\n\tb\t\r\n", "a\r\nb\r\n"},
      // Without a final LF no line end is added, and leading empty lines go.
      {" a \r\n b ", "a\r\nb"},
      {"\r\n\r\n a", "a"},
      {"a\rb\n", "a\r\nb\r\n"},
      {kFullSpace + "a" + kFullSpace + " ", kFullSpace + "a" + kFullSpace},
      {"\t" + kHyo + " \r\n " + kSo, kHyo + "\r\n" + kSo},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.in);
    EXPECT_EQ(DeleteTabSpace(row.in), row.out);
  }
}

TEST(DeleteReturn, JoinsTrimmedLines) {
  const Row rows[] = {
      {"", ""},
      {" a \r\n b \r\n", "ab"},
      {"a\r\n\r\nb\nc\rd", "abcd"},
      {kHyo + "\r\n\t" + kSo + kFullSpace, kHyo + kSo + kFullSpace},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.in);
    EXPECT_EQ(DeleteReturn(row.in), row.out);
  }
}

std::string Repeat(const std::string& s, int n) {
  std::string r;
  for (int i = 0; i < n; ++i) r += s;
  return r;
}

TEST(InsertLF, BreaksLongLinesByBytes) {
  const struct {
    std::string name, in;
    int column;
    std::string out;
  } rows[] = {
      {"100 x", Repeat("x", 100) + "\r\n", 74, Repeat("x", 73) + "\r\n" + Repeat("x", 27) + "\r\n"},
      {"74 x stay", Repeat("x", 74), 74, Repeat("x", 74)},
      {"37 kanji stay", Repeat(kHyo, 37), 74, Repeat(kHyo, 37)},
      // Byte 74 ends a character: the piece takes all 74.
      {"38 kanji", Repeat(kHyo, 38), 74, Repeat(kHyo, 37) + "\r\n" + kHyo},
      // Byte 74 starts a character: the piece stops before it.
      {"x + 37 kanji", "x" + Repeat(kSo, 37), 74, "x" + Repeat(kSo, 36) + "\r\n" + kSo},
      {"several pieces", "abcdefgh\r\n", 3, "ab\r\ncd\r\nef\r\ngh\r\n"},
      // No line end is added, and indentation and trailing blanks stay.
      {"indent kept", "\tabcdef ", 4, "\tab\r\ncde\r\nf "},
      // A column too narrow for any piece still takes one character.
      {"column 1", "ab" + kA, 1, "a\r\nb\r\n" + kA},
      {"column 0", "ab", 0, "a\r\nb"},
      {"empty", "", 74, ""},
      {"short and empty lines", "a\r\n\r\nb\nc", 74, "a\r\n\r\nb\r\nc"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(InsertLF(row.in, row.column), row.out);
  }
}

TEST(UnIndentLines, DropsOneLeadingTabPerLine) {
  const Row rows[] = {
      {"", ""},
      {"\t\ta\r\n\t\tb", "\ta\r\n\tb"},
      {"a\r\n\tb\r\n", "a\r\nb\r\n"},
      {" \tc\r\n\t", " \tc\r\n"},
      {"\t" + kSo + "\r\n" + kHyo, kSo + "\r\n" + kHyo},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.in);
    EXPECT_EQ(UnIndentLines(row.in), row.out);
  }
}

}  // namespace
}  // namespace mw
