// The simple grep and replace on real files: line numbers and byte offsets
// as the result list shows them, letter case, double-byte characters whose
// second byte is the searched byte, and the search histories.
#include <gtest/gtest.h>

#include "core/app/document_file.h"
#include "core/project/grep.h"
#include "support/temp_dir.h"

namespace mw {

void PrintTo(const GrepRow& r, std::ostream* os) {
  *os << r.path << ":" << r.line << ":" << r.byte << ":" << r.content;
}

namespace {

std::vector<GrepRow> Grep(const std::string& text, const std::string& find, bool matchCase = false) {
  std::vector<GrepRow> rows;
  GrepText(text, "f", {find, matchCase}, rows);
  return rows;
}

TEST(Grep, LinesAndBytesCountTheFileAsItIs) {
  // Lines 1-4; CR LF counts two bytes, a lone LF one.
  const std::string text = "one\r\nxx ABC abc\r\n\nlast abc";
  EXPECT_EQ(Grep(text, "abc"), (std::vector<GrepRow>{{"f", 2, 8, "xx ABC abc"}, {"f", 4, 23, "last abc"}}));
  EXPECT_EQ(Grep(text, "abc", true), (std::vector<GrepRow>{{"f", 2, 12, "xx ABC abc"}, {"f", 4, 23, "last abc"}}));
  EXPECT_EQ(Grep(text, "ONE"), (std::vector<GrepRow>{{"f", 1, 0, "one"}}));
  EXPECT_TRUE(Grep(text, "").empty());
  EXPECT_TRUE(Grep(text, "e\r\nx").empty());
  EXPECT_TRUE(Grep("", "a").empty());
}

TEST(Grep, NeverFromTheSecondByteOfACharacter) {
  // 表 = 95 5C, ソ = 83 5C, ア = 83 41 (second byte "A").
  const std::string text = "\x95\x5c\x83\x5c\r\n\x83\x41 a\\b\r\n\x95\x5c";
  EXPECT_EQ(Grep(text, "\\"), (std::vector<GrepRow>{{"f", 2, 10, "\x83\x41 a\\b"}}));
  EXPECT_EQ(Grep(text, "a"), (std::vector<GrepRow>{{"f", 2, 9, "\x83\x41 a\\b"}}));
  EXPECT_EQ(Grep(text, "\x95\x5c").size(), 2u);
  const Replacement r = ReplaceAllInText(text, {"\\", false}, "/");
  EXPECT_EQ(r.text, "\x95\x5c\x83\x5c\r\n\x83\x41 a/b\r\n\x95\x5c");
  EXPECT_EQ(r.positions, std::vector<Offset>{10});
}

TEST(Grep, LongLinesAreSearchedWhole) {
  // A match across byte 1023 of a long line is found, and reported once.
  const std::string text = std::string(1020, 'x') + "needle" + std::string(3000, 'y') + "needle\r\nz";
  EXPECT_EQ(Grep(text, "NEEDLE").size(), 1u);
  EXPECT_EQ(Grep(text, "NEEDLE")[0].byte, 1020);
  EXPECT_EQ(Grep(text, "z")[0].line, 2);
}

TEST(Grep, FilesAndReplace) {
  test::TempDir dir;
  const std::string page = dir.Write("p.html", "<B>Bold</B>\r\n<b>bold</b>\r\n");
  std::vector<GrepRow> rows;
  EXPECT_TRUE(GrepFile(page, {"<b>", false}, rows));
  EXPECT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[1], (GrepRow{page, 2, 13, "<b>bold</b>"}));
  EXPECT_FALSE(GrepFile(dir.Path("missing.html"), {"<b>", false}, rows));
  EXPECT_EQ(rows.size(), 2u);

  const Replacement all = ReplaceAllInText(ReadFileBytes(page), {"b>", false}, "strong>");
  EXPECT_EQ(all.text, "<strong>Bold</strong>\r\n<strong>bold</strong>\r\n");
  EXPECT_EQ(all.positions, (std::vector<Offset>{1, 9, 14, 22}));
  EXPECT_EQ(ReplaceAllInText("aaa", {"aa", true}, "b").text, "ba");
  EXPECT_EQ(ReplaceAllInText("abc", {"", true}, "x").text, "abc");
}

TEST(SearchHistory, MostRecentFirstAtMostTwenty) {
  std::vector<std::string> h;
  for (int i = 1; i <= 21; ++i) PushSearchHistory(h, "s" + std::to_string(i));
  ASSERT_EQ(h.size(), 20u);
  EXPECT_EQ(h.front(), "s21");
  EXPECT_EQ(h.back(), "s2");  // s1, the oldest, is gone
  PushSearchHistory(h, "S5");  // an equal entry, other case, moves up
  EXPECT_EQ(h.size(), 20u);
  EXPECT_EQ(h[0], "S5");
  EXPECT_EQ(std::count(h.begin(), h.end(), "s5"), 0);

  test::TempDir dir;
  const std::string folder = dir.dir().string();
  EXPECT_TRUE(LoadSearchHistory(folder, kFindHistoryName).empty());
  SaveSearchHistory(folder, kReplaceHistoryName, {});  // nothing to keep: no file
  EXPECT_EQ(dir.EntryCount(), 0u);
  SaveSearchHistory(folder, kFindHistoryName, h);
  EXPECT_EQ(ReadFileBytes(dir.Path("Find.txt")).substr(0, 9), "S5\r\ns21\r\n");
  EXPECT_EQ(LoadSearchHistory(folder, kFindHistoryName), h);
}

}  // namespace
}  // namespace mw
