// The command-line tool as scripts use it: exit statuses, messages on
// standard error, and bytes on standard output and in files.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/app/document_file.h"
#include "cli/cli_run.h"

namespace mw::test {
namespace {

TEST(Cli, HelpForTheToolAndEverySubcommand) {
  const auto top = RunCli({"--help"});
  EXPECT_EQ(top.status, 0);
  for (const char* sub : {"rtf", "edit", "convert", "zenkaku", "hankaku"}) {
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

// A file that cannot be converted is named, left as it was, and the files
// after it are still converted.
TEST(Cli, ConvertNamesTheFileThatFailsAndGoesOn) {
  TempDir dir;
  // テスト and a user-defined character (F0 40), which EUC-JP cannot hold.
  const std::string badText = "<P>\x83\x65\x83\x58\x83\x67\xF0\x40</P>\r\n";
  const std::string bad = dir.Write("bad.html", badText);
  const std::string good = dir.Write("good.html", "<P>\x83\x65\x83\x58\x83\x67</P>\r\n");
  const auto r = RunCli({"convert", "--to", "e", bad, dir.Path("missing.html"), good});
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("convert: " + bad + ": line 1: "), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("convert: " + dir.Path("missing.html") + ": "), std::string::npos) << r.err;
  EXPECT_EQ(ReadFileBytes(bad), badText);
  EXPECT_EQ(ReadFileBytes(good), "<P>\xA5\xC6\xA5\xB9\xA5\xC8</P>\r\n");
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

namespace mw::test {
namespace {

// 表示 and テスト in Shift-JIS; 表 ends in 0x5C.
const std::string kPage = "<P>\x95\x5C\x8E\xA6 \x83\x65\x83\x58\x83\x67</P>\r\n";

TEST(CliEdit, RunsCommandsAndReportsMessagesSelectionAndRepeatPair) {
  TempDir dir;
  const std::string page = dir.Write("p.html", kPage);
  const std::string out = dir.Path("out.html");
  struct Case {
    std::vector<std::string> args;
    std::string stdoutText;
    std::string written;  // empty: --out not given
  };
  const Case cases[] = {
      {{"edit", page, "--sel", "3,4"}, "selection 3 4\nrepeat \t\n", ""},
      {{"edit", page, "--set", "bLowerCaseTag=1", "LowerCaseTagClick"},
       "message \xE3\x82\xBF\xE3\x82\xB0\xE3\x82\x92\xE5\xA4\xA7\xE6\x96\x87\xE5\xAD\x97\xE3\x81\xA7"
       "\xE6\x8C\xBF\xE5\x85\xA5\xE3\x81\x97\xE3\x81\xBE\xE3\x81\x99\xE3\x80\x82\nselection 0 0\nrepeat \t\n",
       ""},
      // Replace all through the replace dialog's fields; the value's escape
      // gives one backslash, and 表's trail byte is never taken for one.
      {{"edit", page, "--out", out, "--field", "FindText=\xE3\x83\x86\xE3\x82\xB9\xE3\x83\x88",
        "--field", "ReplaceText=a\\\\b", "--field", "ReplaceAll=1", "EditReplaceClick"},
       "selection 0 0\nrepeat \t\n", "<P>\x95\x5C\x8E\xA6 a\\b</P>\r\n"},
      // A cancelled dialog changes nothing.
      {{"edit", page, "--out", out, "--answer", "cancel", "--field", "FindText=P", "--field",
        "ReplaceAll=1", "EditReplaceClick"},
       "selection 0 0\nrepeat \t\n", kPage},
      {{"edit", page, "--field", "FindText=\xE7\x84\xA1", "EditFindClick"},  // 無: not there
       "message \\\"\xE7\x84\xA1\\\"\xE3\x81\x8C\xE8\xA6\x8B\xE3\x81\xA4\xE3\x81\x8B\xE3\x82\x8A\xE3\x81\xBE"
       "\xE3\x81\x9B\xE3\x82\x93\xE3\x81\xA7\xE3\x81\x97\xE3\x81\x9F\xE3\x80\x82\nselection 0 0\nrepeat \t\n",
       ""},
  };
  for (const auto& c : cases) {
    std::string joined;
    for (const auto& a : c.args) joined += a + " ";
    const auto r = RunCli(c.args);
    EXPECT_EQ(r.status, 0) << joined << r.err;
    EXPECT_EQ(r.out, c.stdoutText) << joined;
    if (!c.written.empty()) {
      EXPECT_EQ(ReadFileBytes(out), c.written) << joined;
    }
  }
}

TEST(CliEdit, BadArgumentsFailBeforeAnythingRuns) {
  TempDir dir;
  const std::string page = dir.Write("p.html", kPage);
  const std::string out = dir.Path("out.html");
  struct Case { std::vector<std::string> args; std::string says; };
  const Case cases[] = {
      {{"edit"}, "no FILE"},
      {{"edit", page, "--out", out, "EditCutClick", "NoSuchClick"}, "unknown command 'NoSuchClick'"},
      {{"edit", page, "--set", "bNoSuchKey=1"}, "unknown setting"},
      {{"edit", page, "--set", "bAutoSelect=yes"}, "1 or 0"},
      {{"edit", page, "--set", "iTabStop=2147483647", "TabToSpaceClick"}, "iTabStop must be from 1 to 100"},
      {{"edit", page, "--set", "iTabStop=0", "TabToSpaceClick"}, "iTabStop must be from 1 to 100"},
      {{"edit", page, "--set", "iNofColumn=4294967297"}, "iNofColumn must be from 1 to 10000"},
      {{"edit", page, "--sel", "x"}, "bad selection start"},
      {{"edit", page, "--sel", "999"}, "beyond the end"},
      {{"edit", page, "--field", "=1"}, "NAME=VALUE"},
      {{"edit", dir.Path("missing.html"), "EditCutClick"}, "missing.html"},
  };
  for (const auto& c : cases) {
    const auto r = RunCli(c.args);
    EXPECT_EQ(r.status, 2) << c.args.back();
    EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
    EXPECT_EQ(r.out, "");
  }
  EXPECT_FALSE(std::filesystem::exists(out));  // the unknown command stopped it all
}

}  // namespace
}  // namespace mw::test

namespace mw::test {
namespace {

std::vector<std::string> Lines(const std::string& s) {
  std::vector<std::string> out;
  std::size_t start = 0;
  for (std::size_t nl; (nl = s.find('\n', start)) != std::string::npos; start = nl + 1)
    out.push_back(s.substr(start, nl - start));
  return out;
}

// Every command in the table runs headless on a real page, with a caret and
// with a selection, answering nothing: none may fail or crash, and the
// report always ends with the selection and the repeat pair.
TEST(CliEdit, EveryCommandRunsOnTheSamplePage) {
  const auto list = RunCli({"edit", "--list"});
  ASSERT_EQ(list.status, 0);
  const auto names = Lines(list.out);
  ASSERT_GT(names.size(), 100u);
  const std::string sample = std::string(MW_FIXTURES) + "/../../samples/sample.html";
  for (const auto& name : names) {
    for (const char* sel : {"300", "250,40"}) {
      const auto r = RunCli({"edit", sample, "--sel", sel, "--clipboard", "<b>x</b>\\r\\ny", name});
      EXPECT_EQ(r.status, 0) << name << " " << sel << "\n" << r.err;
      EXPECT_NE(r.out.find("\nrepeat "), std::string::npos) << name;
    }
  }
}

}  // namespace
}  // namespace mw::test
