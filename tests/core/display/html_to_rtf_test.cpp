#include "core/display/html_to_rtf.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

namespace mw {
namespace {

// Text black, tag blue bold, special red, parameter green; all 10 points.
DisplayFonts ExampleFonts() {
  DisplayFonts f;
  f[0] = {"", 10, kClBlack, false, false, false, false};
  f[1] = {"", 10, kClBlue, true, false, false, false};
  f[2] = {"", 10, kClRed, false, false, false, false};
  f[3] = {"", 10, kClGreen, false, false, false, false};
  return f;
}

const std::string kHeader =
    "{\\rtf1\\ansi{\\colortbl\\red0\\green0\\blue0;\\red0\\green0\\blue255;"
    "\\red255\\green0\\blue0;\\red0\\green128\\blue0;}\\plain\\fs20\\cf0 ";

// Expected RTF bodies are written with [T] [G] [S] [P] for the text, tag,
// special and parameter class strings.
std::string Expand(std::string s) {
  const std::pair<std::string, std::string> marks[] = {
      {"[T]", "\\plain\\fs20\\cf0 "},
      {"[G]", "\\plain\\fs20\\b\\cf1 "},
      {"[S]", "\\plain\\fs20\\cf2 "},
      {"[P]", "\\plain\\fs20\\cf3 "},
  };
  for (const auto& [mark, cls] : marks)
    for (std::size_t at = s.find(mark); at != std::string::npos; at = s.find(mark, at + cls.size()))
      s.replace(at, mark.size(), cls);
  return s;
}

// The RTF between the header and the closing "\par}".
std::string Body(std::string_view html) {
  const std::string rtf = HtmlToRtf(html, ExampleFonts());
  EXPECT_EQ(rtf.substr(0, kHeader.size()), kHeader);
  EXPECT_EQ(rtf.substr(rtf.size() - 5), "\\par}");
  return rtf.substr(kHeader.size(), rtf.size() - kHeader.size() - 5);
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  EXPECT_TRUE(in) << path;
  return {std::istreambuf_iterator<char>(in), {}};
}

TEST(RtfStrings, ClassStringAndColourEntry) {
  struct Case { DisplayFont font; int index; const char* want; };
  const Case cases[] = {
      {{"", 10, kClBlue, true, false, false, false}, 1, "\\plain\\fs20\\b\\cf1 "},
      {{"", 9, kClBlack, false, false, false, false}, 0, "\\plain\\fs18\\cf0 "},
      {{"", 12, kClRed, true, true, true, true}, 2, "\\plain\\fs24\\b\\i\\ul\\strike\\cf2 "},
      {{"", 11, kClRed, false, true, false, true}, 3, "\\plain\\fs22\\i\\strike\\cf3 "},
  };
  for (const auto& c : cases) EXPECT_EQ(RtfClassString(c.font, c.index), c.want);

  EXPECT_EQ(RtfColourEntry(0x00123456), "\\red86\\green52\\blue18;");
  // A system colour is not resolved: window text gives red 8.
  EXPECT_EQ(RtfColourEntry(kClWindowText), "\\red8\\green0\\blue0;");
}

TEST(HtmlToRtf, WorkedExample) {
  const std::string want = kHeader +
                           Expand("[G]<A HREF=[P]\"x\"[G]>[T]abc[S]&amp;[T][G]</A>[T]") + "\\par}";
  EXPECT_EQ(HtmlToRtf("<A HREF=\"x\">abc&amp;</A>", ExampleFonts()), want);
}

TEST(HtmlToRtf, EmptyInputIsHeaderAndOneParagraph) {
  EXPECT_EQ(HtmlToRtf("", ExampleFonts()), kHeader + "\\par}");
}

TEST(HtmlToRtf, DesignFontsHeader) {
  const std::string rtf = HtmlToRtf("");
  EXPECT_EQ(rtf,
            "{\\rtf1\\ansi{\\colortbl\\red8\\green0\\blue0;\\red0\\green0\\blue255;"
            "\\red255\\green0\\blue0;\\red0\\green128\\blue0;}\\plain\\fs20\\cf0 \\par}");
}

// Row names are the input; expectations use the class marks.
TEST(HtmlToRtf, TokenRules) {
  struct Case { std::string in; std::string want; };
  const Case cases[] = {
      // A reference runs to ';' through spaces; unknown ones keep the class.
      {"a & b<", "a & b[G]<"},
      {"&LT;x", "[S]&LT;[T]x"},
      {"&copy;x", "&copy;x"},
      {"&amp&lt;", "&amp[S]&lt;[T]"},
      {"&a\"b", "&a\"b"},
      // A known reference inside a value: special, then text up to the quote.
      {"<A HREF=\"a&amp;b\">", "[G]<A HREF=[P]\"a[S]&amp;[T]b\"[G]>[T]"},
      // References inside a tag token are not tokens of their own.
      {"<a b=&amp;>", "[G]<a b=&amp;>[T]"},
      {"<B><I>x", "[G]<B><I>[T]x"},
      {"<B><!-- c -->", "[G]<B>[T][S]<!-- c -->[T]"},
      {"a<b", "a[G]<b"},
      {"x>y", "x>[T]y"},
      // Comments: the dashes of "<!--" count; a stray "-->" only resets.
      {"<!-->x", "[S]<!-->[T]x"},
      {"<!-- <b> \"q\" &amp; -->x", "[S]<!-- <b> \"q\" &amp; -->[T]x"},
      {"a-->b", "a-->[T]b"},
      {"<!-- a <!-- b -->x", "[S]<!-- a <!-- b -->[T]x"},
      // A second comment start on a later line nests: one end is not enough.
      {"<!-- a\n<!-- b -->x\n-->y",
       "[S]<!-- a\n\\par\n[S]<!-- b -->x\n\\par\n-->[T]y"},
      // Inside a comment a tag start changes nothing; quotes follow the tag
      // that was open when the comment began.
      {"<!-- c\n<b \"q\"> -->", "[S]<!-- c\n\\par\n<b \"q\"> -->[T]"},
      {"<a\n<!-- c\n\"q\" -->", "[G]<a\n\\par\n[S]<!-- c\n\\par\n[P]\"q\"[G] -->[T]"},
      // Quotes outside tags are plain.
      {"say \"hi\"", "say \"hi\""},
      // Script contents get no special treatment.
      {"<script>if (a < b) x=\"y\"</script>",
       "[G]<script>[T]if (a [G]< b) x=[P]\"y\"[G][G]</script>[T]"},
      // RTF specials are escaped, also as trail bytes; DBCS stays in the tag font.
      {"a\\b{c}", "a\\\\b\\{c\\}"},
      {"\x95\x5C", "\x95\\\\"},                                  // 表
      {"<a title=\x95\x5C\x83\x7B>", "[G]<a title=\x95\\\\\x83\\{>[T]"},  // 表ボ
      {"<a \x83\x41=\"\x83\x5C\">", "[G]<a \x83\x41=[P]\"\x83\\\\\"[G]>[T]"},  // ア ソ
      // A control byte starts no run, but a run keeps tabs and controls.
      {"\ta\tb\x01", "\ta\tb\x01"},
      {"a\x7f<", "a\x7f[G]<"},
  };
  for (const auto& c : cases) EXPECT_EQ(Body(c.in), Expand(c.want)) << c.in;
}

TEST(HtmlToRtf, LineEndsBecomeParagraphs) {
  struct Case { std::string in; std::string want; };
  const Case cases[] = {
      {"a\r\nb", "a\r\n\\par\nb"},
      {"a\rb", "a\n\\par\rb"},
      {"a\nb", "a\n\\par\nb"},
      {"a\n\rb", "a\n\\par\n\n\\par\rb"},  // LF CR: two lines
      {"a\r", "a\n\\par\r"},
      {"\r\n\r\n", "\r\n\\par\n\r\n\\par\n"},
      // A line end inside a tag or comment cuts the token there.
      {"<a\r\nb>", "[G]<a\r\n\\par\nb>[T]"},
      {"<!--\r\n-->", "[S]<!--\r\n\\par\n-->[T]"},
  };
  for (const auto& c : cases) EXPECT_EQ(Body(c.in), Expand(c.want)) << c.in;
}

TEST(HtmlToRtf, NulEndsTheDocument) {
  EXPECT_EQ(Body(std::string("<b>\0<i>x", 8)), Expand("[G]<b>[T]"));
  EXPECT_EQ(Body(std::string("a\r\n\0\r\n", 6)), "a\r\n\\par\n");
  EXPECT_EQ(Body(std::string("\0", 1)), "");
}

TEST(HtmlToRtf, LeadByteAtTheEnd) {
  EXPECT_EQ(Body("<a>\x95"), Expand("[G]<a>[T]\x95"));
  EXPECT_EQ(Body("<a\x95"), Expand("[G]<a\x95"));
}

// A line longer than the 4095 bytes the scan window can hold is cut; what
// follows the cut is scanned afresh, so a reference inside a tag becomes a
// token of its own there.
TEST(HtmlToRtf, LongLinesAreCutAtTheScanWindow) {
  const std::string b4093(4093, 'b');
  struct Case { const char* name; std::string in; std::string want; };
  const Case cases[] = {
      {"cut just before &amp;", "<a" + b4093 + "&amp;>",
       "[G]<a" + b4093 + "[S]&amp;[T]>[T]"},
      {"cut just after &", "<a" + std::string(4092, 'b') + "&amp;>",
       "[G]<a" + std::string(4092, 'b') + "&amp;>[T]"},
      // The window starts at the line start after a refill.
      {"window restarts at the line", "xy\r\n<a" + b4093 + "&amp;>",
       "xy\r\n\\par\n[G]<a" + b4093 + "[S]&amp;[T]>[T]"},
      // When the byte before the window's last is a lead byte the cut moves
      // one byte back, which shifts every later cut of the line by one.
      {"lead byte moves the cut", std::string(4094, 'x') + "\x82\xA0<a" + std::string(4091, 'b') + "&amp;>",
       std::string(4094, 'x') + "\x82\xA0[G]<a" + std::string(4091, 'b') + "[S]&amp;[T]>[T]"},
      // A comment cut mid-line goes on as text runs, still in the special
      // font, and its end is found across the cut.
      {"comment cut", "<!--" + std::string(4091, 'c') + "-->x",
       "[S]<!--" + std::string(4091, 'c') + "-->[T]x"},
      {"comment cut between dashes and >", "<!--" + std::string(4089, 'c') + "-->x",
       "[S]<!--" + std::string(4089, 'c') + "-->[T]x"},
  };
  for (const auto& c : cases) EXPECT_EQ(Body(c.in), Expand(c.want)) << c.name;
}

// The LF of a CR LF may fall outside the window that holds the CR; the pair
// still ends one line.
TEST(HtmlToRtf, CrLfSplitByARefillIsOneLineEnd) {
  const std::string a4094(4094, 'a');
  EXPECT_EQ(Body(a4094 + "\r\nb"), a4094 + "\r\n\\par\nb");
  EXPECT_EQ(Body(a4094 + "\r\rb"), a4094 + "\n\\par\r\n\\par\rb");
  // 4095 bytes then CR LF: the cut falls before the CR.
  const std::string a4095(4095, 'a');
  EXPECT_EQ(Body(a4095 + "\r\nb"), a4095 + "\r\n\\par\nb");
}

TEST(HtmlToRtf, ConverterAppendsToItsOutput) {
  std::string out = "x";
  THTMLtoRTFConverter converter("<b>", out);
  const DisplayFonts fonts = ExampleFonts();
  converter.SetTextFont(fonts[0]);
  converter.SetTagFont(fonts[1]);
  converter.SetSpecialFont(fonts[2]);
  converter.SetParameterFont(fonts[3]);
  converter.BuildColourTable(fonts);
  converter.Convert();
  EXPECT_EQ(out, "x" + kHeader + Expand("[G]<b>[T]") + "\\par}");
}

// A Shift-JIS page with CR LF lines, comments, references, values and
// trail bytes that are RTF specials, converted with the design fonts.
TEST(HtmlToRtf, GoldenPage) {
  const std::string html = ReadFile(MW_FIXTURES "/rtf/page.html");
  const std::string want = ReadFile(MW_FIXTURES "/rtf/page.rtf");
  EXPECT_EQ(HtmlToRtf(html), want);
}

}  // namespace
}  // namespace mw
