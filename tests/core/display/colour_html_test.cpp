#include <gtest/gtest.h>

#include <string>

#include "core/display/html_to_rtf.h"

namespace mw {
namespace {

// Runs written as {G:<b>}{T:x}, with T G S P for text, tag, special and
// parameter; also checks that the runs tile the input and are merged.
std::string Render(std::string_view html) {
  const std::vector<ColourRun> runs = ColourHtml(html);
  std::string out;
  std::size_t next = 0;
  for (std::size_t i = 0; i < runs.size(); ++i) {
    const ColourRun& r = runs[i];
    EXPECT_EQ(r.start, next) << "gap or overlap in " << html;
    EXPECT_GT(r.length, 0u);
    if (i > 0) {
      EXPECT_NE(runs[i - 1].cls, r.cls) << "unmerged runs in " << html;
    }
    out += '{';
    out += "TGSP"[static_cast<int>(r.cls)];
    out += ':';
    out += html.substr(r.start, r.length);
    out += '}';
    next = r.start + r.length;
  }
  EXPECT_EQ(next, html.size()) << html;
  return out;
}

TEST(ColourHtml, RunsFollowTheRtfClasses) {
  struct Case { std::string in; std::string want; };
  const Case cases[] = {
      {"", ""},
      {"abc", "{T:abc}"},
      {"<A HREF=\"x\">abc&amp;</A>", "{G:<A HREF=}{P:\"x\"}{G:>}{T:abc}{S:&amp;}{G:</A>}"},
      // The rest of a value after a known reference is text; the closing
      // quote is drawn before the switch back to the tag font.
      {"<a b=\"1&lt;2\">", "{G:<a b=}{P:\"1}{S:&lt;}{T:2\"}{G:>}"},
      {"a &copy; b", "{T:a &copy; b}"},
      {"x<!-- c -->y", "{T:x}{S:<!-- c -->}{T:y}"},
      // Nested comment start on a later line: the first end leaves special.
      {"<!--\r\n<!-- -->x\r\n-->y", "{S:<!--\r\n<!-- -->x\r\n-->}{T:y}"},
      {"a-->b", "{T:a-->b}"},
      // A DBCS character in a tag keeps the tag font (表 = 95 5C, ア = 83 41).
      {"<p \x95\x5C\x83\x41>t", "{G:<p \x95\x5C\x83\x41>}{T:t}"},
      {"\x83\x41<b>\x95\x5C", "{T:\x83\x41}{G:<b>}{T:\x95\x5C}"},
      {"<B><I>x", "{G:<B><I>}{T:x}"},
  };
  for (const auto& c : cases) EXPECT_EQ(Render(c.in), c.want) << c.in;
}

// The editor shows bytes after a NUL; the RTF ends there, so they are text.
TEST(ColourHtml, BytesFromANulOnAreText) {
  EXPECT_EQ(Render(std::string("<b>\0<i>", 7)), std::string("{G:<b>}{T:\0<i>}", 15));
  EXPECT_EQ(Render(std::string("<b\0>", 4)), std::string("{G:<b}{T:\0>}", 12));
  EXPECT_EQ(Render(std::string("\0", 1)), std::string("{T:\0}", 5));
}

TEST(ColourHtml, ArbitraryBytesAreCovered) {
  std::string bytes;
  for (int i = 0; i < 3 * 4096 + 7; ++i) bytes += static_cast<char>((i * 7919 + i / 13) & 0xFF);
  Render(bytes);
  Render(std::string(9000, '<'));
  Render(std::string(9000, '\x82'));
  Render("\x82");
}

}  // namespace
}  // namespace mw
