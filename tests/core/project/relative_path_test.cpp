// Relative URLs between pages and files, in Windows form (where 0x5C is
// also the second byte of 表 and ソ) and in POSIX form, and the exact-case
// existence test on real folders.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/project/relative_path.h"
#include "support/temp_dir.h"

namespace mw {
namespace {

// 表 = 95 5C, a folder name whose second byte is a backslash.
const std::string kHyo = "\x95\x5c";

struct PathCase {
  std::string target;
  std::string base;
  std::string expected;
};

TEST(MakeRelativePath, WindowsPaths) {
  const PathCase cases[] = {
      {"C:\\site\\img\\a.gif", "C:\\site\\doc\\index.html", "../img/a.gif"},
      {"C:\\site\\doc\\a.gif", "C:\\site\\doc\\index.html", "a.gif"},
      {"D:\\pics\\a.gif", "C:\\site\\doc\\index.html", "D:/pics/a.gif"},
      {"C:\\a.gif", "C:\\site\\doc\\index.html", "../../a.gif"},
      // The 0x5C inside 表 is no step: one folder up, and it stays a byte of 表.
      {"C:\\x.htm", "C:\\" + kHyo + "\\b.htm", "../x.htm"},
      {"C:\\site\\" + kHyo + "\\a.htm", "C:\\site\\b.htm", kHyo + "/a.htm"},
      // A folder name that occurs inside the target but does not begin it.
      {"C:\\b\\a\\y.htm", "C:\\a\\x.htm", "../b/a/y.htm"},
  };
  for (const auto& c : cases) EXPECT_EQ(MakeRelativePath(c.target, c.base, '\\'), c.expected) << c.target;
}

TEST(MakeRelativePath, PosixPaths) {
  const PathCase cases[] = {
      {"/site/img/a.gif", "/site/doc/index.html", "../img/a.gif"},
      {"/site/doc/a.gif", "/site/doc/index.html", "a.gif"},
      {"/b/a/y.html", "/a/x.html", "../b/a/y.html"},
      {"/site/" + kHyo + "/a.htm", "/site/b.htm", kHyo + "/a.htm"},
  };
  for (const auto& c : cases) EXPECT_EQ(MakeRelativePath(c.target, c.base, '/'), c.expected) << c.target;
}

TEST(MakeRelativePath, TargetSeenFromThePagesFolder) {
  struct Case {
    const char* from;
    const char* target;
    const char* expected;
  };
  for (const Case& c : {
           Case{"/site/index.html", "/site/img/a.gif", "img/a.gif"},
           Case{"/site/sub/page.html", "/site/b.html", "../b.html"},
           Case{"/site/a/b/page.html", "/site/c/d.html", "../../c/d.html"},
           Case{"/site/page.html", "/site/page.html", "page.html"},
           Case{"/site/page.html", "/other/x.html", "../other/x.html"},
           Case{"\xe6\x96\xb0\xe8\xa6\x8f.html", "/site/x.html", "/site/x.html"},
           Case{"/site/sub/page.html", "/site/sub", "../sub"},
       }) {
    EXPECT_EQ(MakeRelativePath(c.target, c.from), c.expected) << c.from << " -> " << c.target;
  }
}

TEST(ResolveRelativePath, WindowsPaths) {
  const PathCase cases[] = {
      {"../img/a.gif", "C:\\site\\doc\\index.html", "C:\\site\\img\\a.gif"},
      {"a.html", "C:\\site\\doc\\index.html", "C:\\site\\doc\\a.html"},
      {"../../a.html", "C:\\site\\doc\\index.html", "C:\\a.html"},
      // Climbing above the drive's top stays there.
      {"../../../../a.html", "C:\\site\\doc\\index.html", "C:\\a.html"},
      {kHyo + "/a.htm", "C:\\site\\index.html", "C:\\site\\" + kHyo + "\\a.htm"},
      {"../x.htm", "C:\\" + kHyo + "\\b.htm", "C:\\x.htm"},
  };
  for (const auto& c : cases) EXPECT_EQ(ResolveRelativePath(c.target, c.base, '\\'), c.expected) << c.target;
}

TEST(ResolveRelativePath, PosixPathsAndRoundTrip) {
  EXPECT_EQ(ResolveRelativePath("../index.htm", "/site/sub/a.htm", '/'), "/site/index.htm");
  EXPECT_EQ(ResolveRelativePath("../../../x", "/site/a.htm", '/'), "/x");
  // A "../" further in is no climb from the page's folder.
  EXPECT_EQ(ResolveRelativePath("a/../b.htm", "/site/p.htm", '/'), "/site/a/../b.htm");
  for (const char* target : {"/site/img/a.gif", "/other/x/y.htm", "/site/doc/z.htm", "/top.htm"}) {
    const std::string base = "/site/doc/index.html";
    EXPECT_EQ(ResolveRelativePath(MakeRelativePath(target, base, '/'), base, '/'), target);
  }
}

TEST(FileExistsExactCase, OnlyTheExactNameOfAFile) {
  test::TempDir dir;
  dir.Write("index.html", "x");
  std::filesystem::create_directory(dir.dir() / "sub");
  FolderListing listing;
  for (FolderListing* l : {static_cast<FolderListing*>(nullptr), &listing}) {
    EXPECT_TRUE(FileExistsExactCase(dir.Path("index.html"), l));
    EXPECT_FALSE(FileExistsExactCase(dir.Path("Index.html"), l));
    EXPECT_FALSE(FileExistsExactCase(dir.Path("INDEX.HTML"), l));
    EXPECT_FALSE(FileExistsExactCase(dir.Path("sub"), l));
    EXPECT_FALSE(FileExistsExactCase(dir.Path("missing.html"), l));
    EXPECT_FALSE(FileExistsExactCase(dir.Path("nofolder/index.html"), l));
  }
  EXPECT_FALSE(FileExistsExactCase("index.html"));  // no folder: never judged
  // Through a "../" step, as resolved links may read.
  EXPECT_TRUE(FileExistsExactCase((dir.dir() / "sub/../index.html").string()));
}

}  // namespace
}  // namespace mw
