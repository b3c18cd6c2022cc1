// The command-line tool as scripts use it: exit statuses, messages on
// standard error, and bytes on standard output and in files.
#include <gtest/gtest.h>

#include "app/document_file.h"
#include "cli/cli_run.h"

namespace mw::test {
namespace {

TEST(Cli, HelpForTheToolAndEverySubcommand) {
  const auto top = RunCli({"--help"});
  EXPECT_EQ(top.status, 0);
  for (const char* sub : {"rtf", "convert", "zenkaku", "hankaku"}) {
    EXPECT_NE(top.out.find(sub), std::string::npos) << sub;
    const auto r = RunCli({sub, "--help"});
    EXPECT_EQ(r.status, 0) << sub;
    EXPECT_EQ(r.out.rfind(std::string("usage: markupwright-cli ") + sub, 0), 0u) << r.out;
  }
}

TEST(Cli, ErrorsGoToStandardErrorWithStatus2) {
  TempDir dir;
  const std::string page = dir.Write("p.html", "<b>x</b>\r\n");
  struct Case { std::vector<std::string> args; std::string says; };
  const Case cases[] = {
      {{}, "usage"},
      {{"frobnicate"}, "unknown subcommand"},
      {{"rtf", dir.Path("missing.html")}, "missing.html"},
      {{"rtf", dir.Path("")}, "Is a directory"},
      {{"rtf", "--font", "tag=10,0000FF,x", page}, "font style"},
      {{"rtf", "--font", "border=10,000000", page}, "font class"},
      {{"rtf", "--font", "tag=ten,000000", page}, "point size"},
      {{"rtf", "--font", "tag=10,blue", page}, "colour"},
      {{"rtf", "--font"}, "needs a value"},
      {{"rtf", "--bogus", page}, "unknown option"},
      {{"rtf", page, page}, "exactly one"},
      {{"convert", page}, "--to"},
      {{"convert", "--to", "x", page}, "--to"},
      {{"convert", "--to", "e", "--output", dir.Path("o"), page, page}, "one FILE"},
      {{"convert", "--to", "e", dir.Path("missing.html")}, "missing.html"},
      {{"hankaku"}, "one FILE"},
      {{"zenkaku", dir.Path("missing.html")}, "missing.html"},
  };
  for (const auto& c : cases) {
    const auto r = RunCli(c.args);
    std::string joined;
    for (const auto& a : c.args) joined += a + " ";
    EXPECT_EQ(r.status, 2) << joined;
    EXPECT_NE(r.err.find(c.says), std::string::npos) << joined << "\n" << r.err;
    EXPECT_EQ(r.out, "") << joined;
  }
}

TEST(Cli, RtfUsesTheGivenFonts) {
  TempDir dir;
  const std::string page = dir.Write("p.html", "<B>x</B>");
  const auto r = RunCli({"rtf", "--font", "tag=12,FF8000,b,u", "--font=text=9,000000", page});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out.rfind("{\\rtf1\\ansi{\\colortbl\\red0\\green0\\blue0;\\red255\\green128\\blue0;", 0), 0u)
      << r.out;
  EXPECT_NE(r.out.find("\\plain\\fs24\\b\\ul\\cf1 <B"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("\\plain\\fs18\\cf0 x"), std::string::npos) << r.out;
}

TEST(Cli, ConvertInPlaceAndToAnotherFile) {
  TempDir dir;
  // 表示 and ソフト: both hold a trail byte 0x5C, which must survive.
  const std::string original = "<P CLASS=\"a\">\x95\x5C\x8E\xA6 \x83\x5C\x83\x74\x83\x67</P>\r\n";
  const std::string page = dir.Write("p.html", original);
  const std::string euc = dir.Path("euc.html");
  auto r = RunCli({"convert", "--to", "e", "--output", euc, page});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(ReadFileBytes(page), original);  // --output leaves the source alone
  EXPECT_EQ(ReadFileBytes(euc), "<P CLASS=\"a\">\xC9\xBD\xBC\xA8 \xA5\xBD\xA5\xD5\xA5\xC8</P>\r\n");
  r = RunCli({"convert", "--to", "j", euc});  // in place
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(ReadFileBytes(euc).substr(13, 4), "\x1B$BI");
  r = RunCli({"convert", "--to", "s", euc});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(ReadFileBytes(euc), original);
}

TEST(Cli, WidthConversionsWriteToStandardOutput) {
  TempDir dir;
  // ＡＢ１ and the ideographic space; ｶﾞ (half-width ka + voiced mark).
  const std::string page = dir.Write("p.html", "\x82\x60\x82\x61\x82\x50\x81\x40|\xB6\xDE");
  auto r = RunCli({"hankaku", page});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "AB1 |\xB6\xDE");
  r = RunCli({"zenkaku", page});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "\x82\x60\x82\x61\x82\x50\x81\x40|\x83\x4B");  // ガ
}

}  // namespace
}  // namespace mw::test
