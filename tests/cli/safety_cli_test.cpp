// The tool on hard input: one file under several names, pipes and devices
// named like pages, folders it may not read, output that cannot be
// written, texts that begin with "-", and long lines with many matches.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "cli/cli_run.h"
#include "core/app/document_file.h"

namespace mw::test {
namespace {

namespace fs = std::filesystem;

CliRun WithTimeout(unsigned seconds) {
  CliRun how;
  how.timeoutSeconds = seconds;
  return how;
}

CliRun WithStdoutTo(const std::string& path) {
  CliRun how;
  how.stdoutTo = path;
  return how;
}

std::size_t Count(const std::string& text, const std::string& what) {
  std::size_t n = 0;
  for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

// A link beside its target, a hard link and three spellings of one path:
// the replacement is made once, under the name met first.
TEST(CliSafety, AFileReachedBySeveralNamesIsReplacedOnce) {
  TempDir dir;
  fs::create_directories(dir.dir() / "site");
  fs::create_directories(dir.dir() / "d");
  const std::string a = dir.Write("site/a.html", "foo\r\n");
  fs::create_symlink("a.html", dir.Path("site/index.html"));
  ASSERT_EQ(::link(a.c_str(), dir.Path("site/b.html").c_str()), 0);
  auto r = RunCli({"replace", "--write", "foo", "foo-bar", dir.Path("site")});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(ReadFileBytes(a), "foo-bar\r\n");
  EXPECT_EQ(r.out, a + "\t1\t0\tfoo\n");
  EXPECT_EQ(r.err, "1 place in 1 file replaced\n");
  EXPECT_TRUE(fs::is_symlink(dir.Path("site/index.html")));
  EXPECT_EQ(fs::hard_link_count(a), 2u);

  const std::string f = dir.Write("d/f", "foo\r\n");
  const std::string d = dir.Path("d");
  r = RunCli({"replace", "--write", "foo", "foo-bar", f, d + "/./f", d + "//f"});
  EXPECT_EQ(ReadFileBytes(f), "foo-bar\r\n");
  EXPECT_EQ(r.out, f + "\t1\t0\tfoo\n");

  r = RunCli({"grep", "foo", dir.Path("site/index.html"), a, dir.Path("site/b.html")});
  EXPECT_EQ(r.out, dir.Path("site/index.html") + "\t1\t0\tfoo-bar\n");
  r = RunCli({"check", a, dir.Path("site/b.html")});
  EXPECT_EQ(Count(r.out, "b.html"), 0u) << r.out;
  r = RunCli({"links", "--tsv", dir.Path("site")});
  EXPECT_EQ(r.status, 0) << r.err;
}

// A pipe or device named like a page is named and skipped, never read:
// the run ends at once instead of waiting for a writer or reading forever.
TEST(CliSafety, PipesAndDevicesAreNamedAndSkipped) {
  TempDir dir;
  fs::create_directories(dir.dir() / "site");
  const std::string page = dir.Write("site/page.html", "foo\r\n");
  const std::string fifo = dir.Path("site/pipe.html"), zero = dir.Path("site/zero.html");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  fs::create_symlink("/dev/zero", zero);
  const std::string named = fifo + ": not a regular file\n";
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"grep", "foo", dir.Path("site")},
        {"replace", "--write", "foo", "bar", dir.Path("site")},
        {"check", fifo, zero, page},
        {"links", dir.Path("site")}}) {
    const auto r = RunCli(args, WithTimeout(10));
    EXPECT_EQ(r.status, 2) << args[0] << "\n" << r.err;
    EXPECT_NE(r.err.find("markupwright-cli " + args[0] + ": " + named), std::string::npos) << r.err;
    EXPECT_NE(r.err.find(zero + ": not a regular file"), std::string::npos) << r.err;
  }
  EXPECT_EQ(ReadFileBytes(page), "bar\r\n");
  // Told to, the run names them and goes on as if they were not there.
  const auto r = RunCli({"grep", "--skip-unreadable", "bar", dir.Path("site")}, WithTimeout(10));
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.err.find(named.substr(0, named.size() - 1) + "; skipped\n"), std::string::npos) << r.err;
  EXPECT_EQ(r.out, page + "\t1\t0\tbar\n");
}

// A folder the user may not list is named on standard error and makes the
// status 2, unless the run is told to skip what it cannot read.
TEST(CliSafety, UnreadableFoldersAreNamed) {
  TempDir dir;
  fs::create_directories(dir.dir() / "site/closed");
  dir.Write("site/page.html", "foo\r\n");
  dir.Write("site/closed/hidden.html", "foo\r\n");
  const auto user = UnprivilegedUser();
  if (user) GiveTo(dir.dir(), *user);
  ASSERT_EQ(::chmod(dir.Path("site/closed").c_str(), 0), 0);
  const std::string named = dir.Path("site/closed") + ": Permission denied";
  CliRun how;
  how.user = user;
  for (const std::vector<std::string>& args : {std::vector<std::string>{"grep", "-r", "foo", dir.Path("site")},
                                               {"replace", "-r", "foo", "bar", dir.Path("site")},
                                               {"links", dir.Path("site")}}) {
    auto r = RunCli(args, how);
    EXPECT_EQ(r.status, 2) << args[0] << "\n" << r.err;
    EXPECT_NE(r.err.find("markupwright-cli " + args[0] + ": " + named + "\n"), std::string::npos) << r.err;
    std::vector<std::string> skipping = args;
    skipping.insert(skipping.begin() + 1, "--skip-unreadable");
    r = RunCli(skipping, how);
    EXPECT_EQ(r.status, 0) << args[0] << "\n" << r.err;
    EXPECT_NE(r.err.find(named + "; skipped\n"), std::string::npos) << r.err;
  }
}

// Every subcommand, sent to a device that takes nothing, says so and
// exits 2 instead of 0.
TEST(CliSafety, OutputThatCannotBeWrittenFails) {
  TempDir dir;
  const std::string page = dir.Write("page.html", "<B>ｱｲｳ ＡＢＣ <A HREF=\"x.html\">x</A>\r\n");
  const std::vector<std::vector<std::string>> runs = {
      {"--help"},
      {"grep", "--help"},
      {"rtf", page},
      {"edit", page, "SelectNextTagClick"},
      {"edit", "--list"},
      {"convert", "--to", "e", "--output", "/dev/full", page},
      {"zenkaku", page},
      {"hankaku", page},
      {"check", page},
      {"links", page},
      {"grep", "B", page},
      {"replace", "B", "I", page},
  };
  for (const auto& args : runs) {
    const auto r = RunCli(args, WithStdoutTo("/dev/full"));
    EXPECT_EQ(r.status, 2) << args[0];
    EXPECT_NE(r.err.find(": No space left on device\n"), std::string::npos) << args[0] << ": " << r.err;
  }
}

// Half of a page written into a full file system is no success.
TEST(CliSafety, AFullFileSystemFailsTheRun) {
  if (!CanMountTmpfs()) GTEST_SKIP() << "mounting a tmpfs needs root (and a system that allows it)";
  TempDir dir, full;
  const std::string page = dir.Write("kana.html", std::string(24 * 1024, '\xB1'));
  CliRun how;
  how.tmpfsAt = full.dir().string();
  how.tmpfsSize = "8k";
  how.stdoutTo = full.Path("out.html");
  const auto r = RunCli({"zenkaku", page}, how);
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err, "markupwright-cli zenkaku: standard output: No space left on device\n");
}

// A file that could not be written is not counted as replaced.
TEST(CliSafety, ReplaceCountsOnlyWhatWasWritten) {
  if (!CanMountTmpfs()) GTEST_SKIP() << "mounting a tmpfs needs root (and a system that allows it)";
  TempDir full;
  const std::string page = full.Path("p.html");
  CliRun how;
  how.tmpfsAt = full.dir().string();
  how.tmpfsSize = "64k";
  // On the run's own file system: 1142 places that grow past its size.
  how.prepare = [&] { return TempDir::WriteFile(page, std::string(1142, 'x')); };
  const auto r = RunCli({"replace", "--write", "x", std::string(80, 'y'), page}, how);
  EXPECT_EQ(r.status, 2) << r.err;
  EXPECT_NE(r.err.find("markupwright-cli replace: " + page + ": No space left on device\n"), std::string::npos)
      << r.err;
  EXPECT_NE(r.err.find("0 places in 0 files replaced; 1 file not written\n"), std::string::npos) << r.err;
}

// --out and --output are written as documents are saved: through a link
// to its target, and into a hard-linked file without splitting it.
TEST(CliSafety, OutputFilesAreWrittenLikeDocuments) {
  TempDir dir;
  const std::string page = dir.Write("page.html", "<b>x</b>\r\n");
  const std::string real = dir.Write("real.html", "old"), other = dir.Path("other.html");
  fs::create_symlink("real.html", dir.Path("link.html"));
  ASSERT_EQ(::link(real.c_str(), other.c_str()), 0);
  auto r = RunCli({"edit", page, "--out", dir.Path("link.html")});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(fs::is_symlink(dir.Path("link.html")));
  EXPECT_EQ(ReadFileBytes(other), "<b>x</b>\r\n");
  r = RunCli({"convert", "--to", "s", "--output", dir.Path("link.html"), page});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(fs::is_symlink(dir.Path("link.html")));
  EXPECT_EQ(fs::hard_link_count(real), 2u);
  EXPECT_EQ(dir.EntryCount(), 4u);  // no temporary copy left
}

// "--" ends the options, so a text may begin with "-".
TEST(CliSafety, DoubleDashEndsTheOptions) {
  TempDir dir;
  const std::string page = dir.Write("c.html", "<!-- x -->\r\n");
  auto r = RunCli({"grep", "--", "-->", page});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, page + "\t1\t7\t<!-- x -->\n");
  r = RunCli({"replace", "--write", "--", "-->", "--!>", page});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(ReadFileBytes(page), "<!-- x --!>\r\n");
  r = RunCli({"grep", "--case", "-r", "--", "-r", page});
  EXPECT_EQ(r.status, 1) << r.err;
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"check", "--", page}, {"links", "--", page}, {"rtf", "--", page},
        {"zenkaku", "--", page}, {"convert", "--to", "s", "--", page}, {"edit", "--", page}}) {
    r = RunCli(args);
    EXPECT_EQ(r.err.find("Try 'markupwright-cli"), std::string::npos) << args[0] << ": " << r.err;
  }
}

// A long line with many matches: rows of bounded length, one per place.
TEST(CliSafety, ReplaceShowsExcerptsOfLongLines) {
  TempDir dir;
  std::string line;
  for (int i = 0; i < 1000; ++i) line += "<a>x</a>";
  const std::string page = dir.Write("long.html", line + "\r\n");
  const auto r = RunCli({"replace", "<a>", "<b>", page});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(Count(r.out, "\n"), 1000u);
  const std::string first = r.out.substr(0, r.out.find('\n'));
  EXPECT_EQ(first, page + "\t1\t0\t" + line.substr(0, 3 + 80) + "\u2026");
  EXPECT_LT(r.out.size(), 1000 * (page.size() + 200));
}

}  // namespace
}  // namespace mw::test
