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

TEST(Grep, AFileIsReadInBlocksYetFoundAsAWhole) {
  // Pages bigger than the read block: lines that straddle a block end, a
  // line longer than a block, and a last line without a line end must come
  // out as GrepText finds them in the whole text, line numbers and byte
  // offsets counted from the file's start.
  test::TempDir dir;
  std::string text;
  for (int i = 0; text.size() < 700 * 1024; ++i) {
    text += "<TD>\x83\x41\x95\x5c row " + std::to_string(i) + (i % 97 == 0 ? " needle" : "") + "</TD>\r\n";
    if (i == 3000) text += std::string(600 * 1024, 'x') + "needle" + std::string(10, 'y') + "\n";
  }
  text += "last needle";
  const std::string page = dir.Write("big.html", text);
  for (const GrepQuery& q : {GrepQuery{"needle", true}, GrepQuery{"NEEDLE", false}, GrepQuery{"A", true}}) {
    SCOPED_TRACE(q.findText);
    std::vector<GrepRow> whole, read;
    GrepText(text, page, q, whole);
    ASSERT_TRUE(GrepFile(page, q, read));
    EXPECT_EQ(read, whole);
  }
  std::vector<GrepRow> rows;
  ASSERT_TRUE(GrepFile(page, {"needle", true}, rows));
  ASSERT_GT(rows.size(), 40u);
  EXPECT_EQ(rows.back().content, "last needle");
  EXPECT_EQ(rows.back().byte, static_cast<Offset>(text.size() - 6));
  rows.clear();
  EXPECT_TRUE(GrepFile(page, {"\x41\x95", true}, rows));
  EXPECT_TRUE(rows.empty()) << "ア's second byte and 表 never match";
}

// What a replacement listing shows for each place: short lines whole, long
// ones as an excerpt that never cuts a double-byte character.
struct Shown {
  long long line;
  Offset byte;
  std::string text;  // the excerpt, "<" / ">" marking where the line goes on
  friend bool operator==(const Shown&, const Shown&) = default;
};
void PrintTo(const Shown& s, std::ostream* os) { *os << s.line << ":" << s.byte << ":" << s.text; }

std::vector<Shown> Places(const std::string& text, const std::string& find) {
  const Replacement r = ReplaceAllInText(text, {find, true}, "");
  std::vector<Shown> shown;
  ForEachPlaceRow(text, r.positions, find.size(), [&](const PlaceRow& p) {
    shown.push_back({p.line, p.byte, (p.cutBefore ? "<" : "") + std::string(p.excerpt) + (p.cutAfter ? ">" : "")});
  });
  return shown;
}

TEST(ReplacePlaces, ShortLinesWholeLongOnesAsExcerpts) {
  EXPECT_EQ(Places("a foo b foo\r\n\r\nfoo", "foo"),
            (std::vector<Shown>{{1, 2, "a foo b foo"}, {1, 8, "a foo b foo"}, {3, 15, "foo"}}));

  // A line over the limit: 80 bytes either side of the match at most.
  const std::string left(100, 'l'), right(200, 'r');
  const std::string line = left + "foo" + right;
  EXPECT_EQ(Places("x\n" + line + "\r\ny", "foo"),
            (std::vector<Shown>{{2, 102, "<" + std::string(80, 'l') + "foo" + std::string(80, 'r') + ">"}}));
  // Near the ends of the line nothing is cut there; the CR is no part of it.
  EXPECT_EQ(Places("foo" + std::string(300, 'r') + "foo\r\n", "foo"),
            (std::vector<Shown>{{1, 0, "foo" + std::string(80, 'r') + ">"},
                                {1, 303, "<" + std::string(80, 'r') + "foo"}}));
}

TEST(ReplacePlaces, ExcerptsNeverCutACharacter) {
  // ア (83 41) pairs from an odd offset: 80 bytes before the match is a
  // trail byte, and so is the 80th byte after it; both cuts move inwards.
  std::string a;
  for (int i = 0; i < 100; ++i) a += "\x83\x41";
  const std::string text = "x" + a + "y" + "foo" + "z" + a;
  EXPECT_EQ(Places(text, "foo"),
            (std::vector<Shown>{{1, 202, "<" + a.substr(0, 78) + "yfooz" + a.substr(0, 78) + ">"}}));
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
