#include "core/app/file_history.h"

#include <gtest/gtest.h>

#include "core/app/document_file.h"
#include "support/temp_dir.h"

namespace mw {
namespace {

using Paths = std::vector<std::string>;

TEST(FileHistoryTest, SwitchingFromAToBPutsAOnTopAndTakesBOut) {
  FileHistoryList h;
  h.Add("/w/b.html");
  h.Add("/w/c.html");
  h.SetCurrent("/w/a.html");
  h.SetCurrent("/w/B.HTML");  // another letter case of the same path
  EXPECT_EQ(h.Entries(), (Paths{"/w/a.html", "/w/c.html"}));
  EXPECT_EQ(h.Current(), "/w/B.HTML");
  h.SetCurrent("");
  EXPECT_EQ(h.Entries(), (Paths{"/w/B.HTML", "/w/a.html", "/w/c.html"}));
  EXPECT_EQ(h.Current(), "");
}

TEST(FileHistoryTest, AddMovesAnEntryToTheTopAndIgnoresEmptyPaths) {
  FileHistoryList h;
  for (const char* p : {"/a", "/b", "/c"}) h.Add(p);
  h.Add("/A");
  h.Add("");
  EXPECT_EQ(h.Entries(), (Paths{"/A", "/c", "/b"}));
  EXPECT_TRUE(h.Replace("/b", "/B2"));
  EXPECT_FALSE(h.Replace("/none", "/x"));
  EXPECT_EQ(h.Entries(), (Paths{"/A", "/c", "/B2"}));
}

// A file saved under the name of another listed file, or of the file in
// use, is one file after the rename.
TEST(FileHistoryTest, ReplaceNeverListsAFileTwiceNorTheOneInUse) {
  struct Case {
    const char* name;
    const char* from;
    const char* to;
    Paths entries;
  };
  const Case cases[] = {
      {"onto a listed file", "/c", "/a", {"/b", "/a"}},
      {"onto a listed file in another case", "/c", "/A", {"/b", "/A"}},
      {"onto the file in use", "/b", "/now", {"/a", "/c"}},
      {"re-cased in place", "/b", "/B", {"/a", "/B", "/c"}},
  };
  for (const Case& c : cases) {
    FileHistoryList h;
    for (const char* p : {"/c", "/b", "/a"}) h.Add(p);
    h.SetCurrent("/now");
    EXPECT_TRUE(h.Replace(c.from, c.to)) << c.name;
    EXPECT_EQ(h.Entries(), c.entries) << c.name;
  }
}

TEST(FileHistoryTest, TwentyEntriesWithCapacityFifteenKeepTheMostRecent) {
  FileHistoryList h(15);
  for (int i = 1; i <= 20; ++i) h.Add("/f" + std::to_string(i));
  EXPECT_EQ(h.Entries().size(), 20u) << "trimmed only when the menu is rebuilt";
  h.Trim();
  ASSERT_EQ(h.Entries().size(), 15u);
  EXPECT_EQ(h.Entries().front(), "/f20");
  EXPECT_EQ(h.Entries().back(), "/f6");
  const auto captions = h.MenuCaptions();
  EXPECT_EQ(captions.front(), "&1 /f20");
  EXPECT_EQ(captions[9], "&10 /f11");
  EXPECT_EQ(captions.back(), "&15 /f6");
  h.SetCapacity(3);
  h.Trim();
  EXPECT_EQ(h.Entries(), (Paths{"/f20", "/f19", "/f18"}));
}

TEST(FileHistoryTest, ListFileIsOneEntryPerLineWithCrLf) {
  test::TempDir dir;
  const std::string file = dir.Path("HtmlFileHistory.txt");
  FileHistoryList h;
  h.Load(file);  // missing: empty
  EXPECT_TRUE(h.Entries().empty());
  h.Add("/w/\xe8\xa1\xa8.html");
  h.Add("/w/a.html");
  h.Save(file);
  EXPECT_EQ(ReadFileBytes(file), "/w/a.html\r\n/w/\xe8\xa1\xa8.html\r\n");

  dir.Write("list.txt", "/x\n\r\n/y\r/z");
  FileHistoryList other;
  other.Load(dir.Path("list.txt"));
  EXPECT_EQ(other.Entries(), (Paths{"/x", "/y", "/z"}));
  WritePathList(file, {});
  EXPECT_EQ(ReadFileBytes(file), "");
}

}  // namespace
}  // namespace mw
