// The files of a pass over many pages: each file once under its first
// name, only regular files, and every folder that cannot be listed named.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "core/project/cross_check.h"
#include "core/project/file_set.h"
#include "core/project/grep.h"
#include "support/other_user.h"
#include "support/temp_dir.h"

namespace mw {
namespace {

namespace fs = std::filesystem;

const std::vector<std::string> kHtml = {"html", "htm"};

TEST(FileSet, AFileReachedBySeveralNamesIsTakenOnceUnderTheFirst) {
  test::TempDir d;
  const std::string a = d.Write("a.html", "foo");
  fs::create_symlink("a.html", d.Path("index.html"));
  ASSERT_EQ(::link(a.c_str(), d.Path("b.html").c_str()), 0);
  FileSet set;
  set.AddFolder(d.dir().string(), kHtml, false);
  EXPECT_EQ(set.Files(), std::vector<std::string>{a});
  const std::string dir = d.dir().string();
  for (const std::string& name : {dir + "/./a.html", dir + "//a.html", dir + "/index.html"})
    EXPECT_EQ(set.Add(name), FileSet::Added::Duplicate) << name;
  EXPECT_TRUE(set.Problems().empty());

  // The project's passes see the page once as well.
  const ProjectLinkTrees trees = UpdateLocalLinks({d.Path("index.html"), a, d.Path("b.html")});
  ASSERT_EQ(trees.marker.size(), 1u);
  EXPECT_EQ(trees.marker[0].text, d.Path("index.html"));
}

// A pipe, a device and a dangling link named like pages are noted, never
// opened: the pass neither waits nor reads forever.
TEST(FileSet, OnlyRegularFilesAreTaken) {
  test::TempDir d;
  ASSERT_EQ(::mkfifo(d.Path("pipe.html").c_str(), 0600), 0);
  fs::create_symlink("/dev/zero", d.Path("zero.html"));
  fs::create_symlink("gone.html", d.Path("dangling.html"));
  const std::string page = d.Write("page.html", "x");
  FileSet set;
  set.AddFolder(d.dir().string(), kHtml, false);
  EXPECT_EQ(set.Files(), std::vector<std::string>{page});
  EXPECT_EQ(set.Problems(), (std::vector<FileProblem>{{d.Path("dangling.html"), "No such file or directory"},
                                                      {d.Path("pipe.html"), "not a regular file"},
                                                      {d.Path("zero.html"), "not a regular file"}}));
  std::vector<GrepRow> rows;
  EXPECT_FALSE(GrepFile(d.Path("pipe.html"), {"x", false}, rows));
  EXPECT_FALSE(GrepFile(d.Path("zero.html"), {"x", false}, rows));
  EXPECT_EQ(UpdateLocalLinks({d.Path("pipe.html"), d.Path("zero.html")}).marker.size(), 0u);
}

TEST(FileSet, FoldersThatCannotBeListedAreNamed) {
  test::TempDir d;
  fs::create_directories(d.dir() / "site/closed");
  d.Write("site/closed/hidden.html", "x");
  const std::string page = d.Write("site/page.html", "x");
  if (const auto user = test::UnprivilegedUser()) test::GiveTo(d.dir(), *user);
  ASSERT_EQ(::chmod((d.dir() / "site/closed").c_str(), 0), 0);
  const std::string site = d.Path("site");
  EXPECT_TRUE(test::RunUnprivileged([&] {
    FileSet set;
    set.AddFolder(site, kHtml, true);
    return set.Files() == std::vector<std::string>{page} &&
           set.Problems() == std::vector<FileProblem>{{site + "/closed", "Permission denied"}};
  }));
}

}  // namespace
}  // namespace mw
