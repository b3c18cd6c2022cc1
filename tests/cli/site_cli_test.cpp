// The site commands of the command-line tool: tag check, link check, grep
// and replace, their output lines and exit statuses.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "core/app/document_file.h"
#include "cli/cli_run.h"

namespace mw::test {
namespace {

namespace fs = std::filesystem;

TEST(CliSiteCommands, Help) {
  const auto top = RunCli({"--help"});
  for (const char* sub : {"check", "links", "grep", "replace"}) {
    EXPECT_NE(top.out.find(std::string("  ") + sub + " "), std::string::npos) << sub;
    const auto r = RunCli({sub, "--help"});
    EXPECT_EQ(r.status, 0) << sub;
    EXPECT_EQ(r.out.rfind(std::string("usage: markupwright-cli ") + sub, 0), 0u) << r.out;
  }
}

TEST(CliCheck, MessagesWithLineAndColumnOrByteRanges) {
  TempDir dir;
  const std::string bad = dir.Write("bad.html", "<B>x</I>\r\n<P>");
  const std::string good = dir.Write("good.html", "<b>x</b>\r\n");
  auto r = RunCli({"check", bad, good});
  EXPECT_EQ(r.status, 1) << r.err;
  EXPECT_EQ(r.out, bad + ":1:5: <B>が閉じられていないか、</I>が不適切です。\n" +
                       bad + ":2:4: チェック完了！タグの不整合を検出しました。\n" +
                       good + ":2:1: チェック完了！タグの不整合はありません。\n");
  r = RunCli({"check", "--tsv", "--omissible", bad});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, bad + "\t4\t8\t<B>が閉じられていないか、</I>が不適切です。\n" +
                       bad + "\t13\t13\t<P>が閉じられていません。\n" +
                       bad + "\t13\t13\tチェック完了！タグの不整合を検出しました。\n");
  r = RunCli({"check", good});
  EXPECT_EQ(r.status, 0);
}

// A tab does not end a tag name, so it reaches the message; in a row of
// tab-separated fields it is written \t, as grep and links write theirs.
TEST(CliCheck, TsvEscapesTabsInsideMessages) {
  TempDir dir;
  // "<B\tツ>": ツ = 83 63, a trail byte that is a letter.
  const std::string page = dir.Write("tab.html", "<B\t\x83\x63>");
  auto r = RunCli({"check", "--tsv", page});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, page + "\t0\t6\tB\\tツが不正です\n" + page + "\t6\t6\tチェック完了！タグの不整合を検出しました。\n");
  for (std::size_t from = 0, to; (to = r.out.find('\n', from)) != std::string::npos; from = to + 1)
    EXPECT_EQ(std::count(r.out.begin() + static_cast<long>(from), r.out.begin() + static_cast<long>(to), '\t'), 3);
}

TEST(CliCheck, ListsFromAFolderAndErrors) {
  TempDir dir;
  const std::string page = dir.Write("p.html", "<B><I></I></B>");
  fs::create_directory(dir.dir() / "lists");
  dir.Write("lists/TwinTag.txt", "b\r\n");
  auto r = RunCli({"check", "--lists", dir.Path("lists"), "--tsv", page});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, page + "\t3\t6\tIが不正です\n" + page + "\t6\t10\tIが不正です\n" + page +
                       "\t14\t14\tチェック完了！タグの不整合を検出しました。\n");
  // A missing file is an error; the other files are still checked.
  r = RunCli({"check", dir.Path("missing.html"), page});
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("missing.html"), std::string::npos);
  EXPECT_NE(r.out.find("タグの不整合はありません"), std::string::npos);
  for (const auto& args : std::vector<std::vector<std::string>>{
           {"check"}, {"check", "--bogus", page}, {"check", "--lists", dir.Path("none"), page}}) {
    r = RunCli(args);
    EXPECT_EQ(r.status, 2) << args.back();
    EXPECT_EQ(r.out, "");
  }
}

class CliSite : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(dir.dir() / "site/sub");
    index = dir.Write("site/index.htm", "<A NAME=\"top\"></A><IMG SRC=\"sub/p.gif\">\r\n");
    dir.Write("site/sub/p.gif", "GIF");
    a = dir.Write("site/sub/a.htm",
                  "<A HREF=\"../index.htm#top\"> <A HREF=\"../Index.htm\"> <A HREF=\"\">\r\n"
                  "<A HREF=\"http://example.com/\"> <A HREF=\"x.cgi?a\"> <P STYLE=\"background: url(p.gif)\">\r\n");
    dir.Write("site/notes.txt", "<A HREF=\"gone.htm\">");
  }
  TempDir dir;
  std::string index, a;
};

TEST_F(CliSite, LinksOfAProjectAsTsvAndText) {
  const std::string wpr = dir.Write("site/site.wpr", "index.htm\r\nsub/a.htm\r\n");
  auto r = RunCli({"links", "--tsv", wpr});
  EXPECT_EQ(r.status, 1) << r.err;
  EXPECT_EQ(r.out, index + "\tNAME\ttop\tmarker\n" +
                       index + "\tSRC\tsub/p.gif\tok\n" +
                       a + "\tHREF\t../index.htm#top\tok\n" +
                       a + "\tHREF\t../Index.htm\tbroken\n" +
                       a + "\tHREF\t\"空白\"\tbroken\n" +
                       a + "\tHREF\thttp://example.com/\tundecided\n" +
                       a + "\tHREF\tx.cgi?a\tundecided\n" +
                       a + "\turl\tp.gif\tok\n");
  r = RunCli({"links", wpr});
  EXPECT_EQ(r.out.substr(0, index.size() + 22), index + ": NAME top → marker\n");
  // A folder: its HTML files sorted by path, other files left out.
  r = RunCli({"links", "--tsv", dir.Path("site")});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out.find(index + "\tNAME"), 0u);
  EXPECT_EQ(r.out.find("gone.htm"), std::string::npos);
  // Nothing broken: status 0.
  r = RunCli({"links", index});
  EXPECT_EQ(r.status, 0) << r.out;
  r = RunCli({"links", dir.Path("none.wpr")});
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("none.wpr"), std::string::npos);
}

// Web servers tell Index.html from index.html: two pages, both checked.
TEST(CliLinks, PagesWhoseNamesDifferOnlyInCaseAreBothChecked) {
  TempDir dir;
  fs::create_directory(dir.dir() / "site");
  const std::string upper = dir.Write("site/Index.html", "<A HREF=\"gone1.html\">\r\n");
  const std::string lower = dir.Write("site/index.html", "<A HREF=\"gone2.html\">\r\n");
  const auto r = RunCli({"links", "--tsv", dir.Path("site")});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, upper + "\tHREF\tgone1.html\tbroken\n" + lower + "\tHREF\tgone2.html\tbroken\n");
}

TEST_F(CliSite, GrepRowsAndStatuses) {
  auto r = RunCli({"grep", "href=\"../", dir.Path("site")});
  EXPECT_EQ(r.status, 1);  // a.htm is in a subfolder
  EXPECT_EQ(r.out, "");
  r = RunCli({"grep", "-r", "HREF=\"../", dir.Path("site")});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, a + "\t1\t3\t<A HREF=\"../index.htm#top\"> <A HREF=\"../Index.htm\"> <A HREF=\"\">\n");
  r = RunCli({"grep", "--case", "-r", "href", dir.Path("site")});
  EXPECT_EQ(r.status, 1);
  // A file named directly is searched whatever its extension.
  r = RunCli({"grep", "gone", dir.Path("site/notes.txt")});
  EXPECT_EQ(r.out, dir.Path("site/notes.txt") + "\t1\t9\t<A HREF=\"gone.htm\">\n");
  r = RunCli({"grep", "x", dir.Path("none")});
  EXPECT_EQ(r.status, 2);
  r = RunCli({"grep", "", a});
  EXPECT_EQ(r.status, 2);
}

TEST(CliGrep, ShiftJisTextAndTrailBytes) {
  TempDir dir;
  // 表 = 95 5C (second byte "\"), ア = 83 41 (second byte "A").
  const std::string page = dir.Write("p.html", "\x95\x5c\x83\x41\r\nC:\\a \x95\x5c\r\n");
  auto r = RunCli({"grep", "\\", page});
  EXPECT_EQ(r.out, page + "\t2\t8\tC:\\a 表\n");
  r = RunCli({"grep", "a", page});
  EXPECT_EQ(r.out, page + "\t2\t9\tC:\\a 表\n");
  r = RunCli({"grep", "表", page});
  EXPECT_EQ(r.out, page + "\t1\t0\t表ア\n" + page + "\t2\t11\tC:\\a 表\n");
}

TEST(CliReplace, ReportsAndWritesOnlyWhenAsked) {
  TempDir dir;
  const std::string page = dir.Write("p.html", "<B>x</B>\r\n\x95\x5c\\<b>\r\n");
  const std::string before = ReadFileBytes(page);
  auto r = RunCli({"replace", "b>", "strong>", page});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, page + "\t1\t1\t<B>x</B>\n" + page + "\t1\t6\t<B>x</B>\n" + page + "\t2\t14\t表\\<b>\n");
  EXPECT_EQ(ReadFileBytes(page), before);
  r = RunCli({"replace", "--write", "\\", "/", page});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(ReadFileBytes(page), "<B>x</B>\r\n\x95\x5c/<b>\r\n");
  r = RunCli({"replace", "--write", "--case", "B>", "i>", page});
  EXPECT_EQ(ReadFileBytes(page), "<i>x</i>\r\n\x95\x5c/<b>\r\n");
  r = RunCli({"replace", "zzz", "y", page});
  EXPECT_EQ(r.status, 1);
  r = RunCli({"replace", "zzz", page});
  EXPECT_EQ(r.status, 2);
}

}  // namespace
}  // namespace mw::test
