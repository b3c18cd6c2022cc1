// Whatever the converter writes, an RTF reader must give back the source
// text, line for line, and draw each byte in the class the editor's colour
// runs give it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <unistd.h>

#include "core/display/rtf_reader.h"
#include "core/display/html_to_rtf.h"

namespace mw {
namespace {

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  EXPECT_TRUE(in) << path;
  return {std::istreambuf_iterator<char>(in), {}};
}

// The text a reader shows: every line (LF, CR LF, or a lone CR ends one)
// followed by CR LF, including the last, possibly empty, one.
std::string ExpectedReadBack(std::string_view html) {
  std::string out;
  for (std::size_t i = 0; i < html.size(); ++i) {
    const char c = html[i];
    if (c == '\r' && i + 1 < html.size() && html[i + 1] == '\n') continue;
    if (c == '\r' || c == '\n')
      out += "\r\n";
    else
      out += c;
  }
  return out + "\r\n";
}

// Shift-JIS HTML with the hard parts mixed in: values, references known
// and unknown, comments over several lines, RTF specials as trail bytes,
// lone CR and LF CR, and lines well past the 4096-byte scan window.
std::string GeneratedPage(unsigned seed) {
  std::mt19937 rng(seed);
  const char* pieces[] = {
      "<A HREF=\"a.html\">", "</A>", "<B><I>", "</I></B>", "text ", "\t", "&amp;", "&LT;",
      "&copy;", "& x", "\"", "<!-- c -->", "<!-- open\r\n", " -->", "\r\n", "\r", "\n\r",
      "\x95\x5C", "\x83\x5C", "\x83\x7B", "\x83\x7D", "\x82\xA0", "<P class='x'>",
      "<IMG alt=\"\x95\x5C&quot;\">", "a < b", "-->", "{x}", "\\", "<", ">", "><", "<!--",
  };
  constexpr std::size_t kPieces = sizeof(pieces) / sizeof(pieces[0]);
  std::string page;
  for (int i = 0; i < 3000; ++i) {
    const unsigned r = rng();
    if (r % 97 == 0) {  // a line far longer than the scan window
      const char* fill[] = {"ab", "&amp;", "\x95\x5C", "\x82", "<B>", "\"v\"", " ", "<!--", "-->", "{"};
      const std::size_t n = 4000 + rng() % 9000;
      std::string line = "<TD title=\"";
      while (line.size() < n) line += fill[rng() % (sizeof(fill) / sizeof(fill[0]))];
      page += line;
    } else {
      page += pieces[r % kPieces];
    }
  }
  return page;
}

// Per source byte other than CR and LF, the class digit the runs give it.
std::string ColoursOfRuns(std::string_view html) {
  std::string out;
  for (const ColourRun& r : ColourHtml(html))
    for (Offset i = r.start; i < r.start + r.length; ++i) {
      const char c = html[static_cast<std::size_t>(i)];
      if (c != '\r' && c != '\n') out += static_cast<char>('0' + static_cast<int>(r.cls));
    }
  return out;
}

std::string WithoutLineEnds(const std::string& s) {
  std::string out;
  for (char c : s)
    if (c != '\r' && c != '\n') out += c;
  return out;
}

TEST(RtfReadBack, TextAndColoursMatchTheSource) {
  std::vector<std::pair<std::string, std::string>> pages = {
      {"golden page", ReadFile(MW_FIXTURES "/rtf/page.html")},
      {"empty", ""},
      {"trailing lone CR", "a\r"},
  };
  for (unsigned seed = 1; seed <= 4; ++seed) pages.push_back({"seed " + std::to_string(seed), GeneratedPage(seed)});

  for (const auto& [name, html] : pages) {
    const test::ReadBack back = test::ReadRtf(HtmlToRtf(html));
    EXPECT_EQ(back.text, ExpectedReadBack(html)) << name;
    EXPECT_EQ(WithoutLineEnds(back.colours), ColoursOfRuns(html)) << name;
  }
}

// unrtf drops raw 8-bit bytes, so it is compared on the ASCII bytes of
// each line; that still checks the
// paragraphs, the escapes (trail bytes included) and the delimiter spaces.
// A rich-edit control keeps the 8-bit bytes; the reader above checks those.
TEST(RtfReadBack, UnrtfReadsTheSameText) {
  if (std::system("command -v unrtf >/dev/null 2>&1") != 0) GTEST_SKIP() << "unrtf is not installed";
  const auto dir = std::filesystem::temp_directory_path();
  for (unsigned seed : {0u, 7u}) {
    std::string html = seed == 0 ? ReadFile(MW_FIXTURES "/rtf/page.html") : GeneratedPage(seed);
    // Two unrtf faults are kept out of its input: it drops raw CRs before
    // reading control words, so "\par" CR "text" reads as one unknown
    // word (lone CRs become LFs), and it prints "\par" as text after an
    // escaped backslash that ends a line (a space goes between).
    std::string fed;
    for (std::size_t i = 0; i < html.size(); ++i) {
      const bool lineEndNext = i + 1 < html.size() && (html[i + 1] == '\r' || html[i + 1] == '\n');
      const bool loneCr = html[i] == '\r' && (i + 1 == html.size() || html[i + 1] != '\n');
      fed += loneCr ? '\n' : html[i];
      if (html[i] == '\\' && lineEndNext) fed += ' ';
    }
    html = fed;
    const std::string rtfPath = (dir / ("mw_rtf_" + std::to_string(::getpid()) + ".rtf")).string();
    const std::string txtPath = rtfPath + ".txt";
    {
      std::ofstream out(rtfPath, std::ios::binary);
      out << HtmlToRtf(html);
    }
    ASSERT_EQ(std::system(("unrtf --text '" + rtfPath + "' > '" + txtPath + "' 2>/dev/null").c_str()), 0);
    std::string got = ReadFile(txtPath);
    std::filesystem::remove(rtfPath);
    std::filesystem::remove(txtPath);
    // unrtf's banner ends with a rule of dashes.
    const std::size_t body = got.find("-----------------\n");
    ASSERT_NE(body, std::string::npos);
    got.erase(0, body + 18);

    // unrtf also reads a tab as a space and a run of spaces as one, before
    // it drops the 8-bit bytes.
    std::string want;
    for (char c : ExpectedReadBack(html)) {
      if (c == '\r') continue;
      if (c == '\t') c = ' ';
      if (c == ' ' && !want.empty() && want.back() == ' ') continue;
      want += c;
    }
    std::erase_if(want, [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
    const auto diff = std::mismatch(got.begin(), got.end(), want.begin(), want.end());
    const std::size_t at = static_cast<std::size_t>(diff.first - got.begin());
    ASSERT_TRUE(got == want) << "seed " << seed << ": first difference at " << at << ", read \""
                         << got.substr(at > 40 ? at - 40 : 0, 80) << "\", want \""
                         << want.substr(at > 40 ? at - 40 : 0, 80) << "\"";
  }
}

}  // namespace
}  // namespace mw
