#include "text/encoding.h"

#include <gtest/gtest.h>

namespace mw {
namespace {

// Shift-JIS characters whose second byte is an ASCII character that
// scanners look for.
const std::string kTsu = "\x83\x63";    // ツ: trail 'c'
const std::string kA = "\x83\x41";      // ア: trail 'A'
const std::string kHyo = "\x95\x5C";    // 表: trail '\'
const std::string kSo = "\x83\x5C";     // ソ: trail '\'
const std::string kSmallYa = "\x83\x62";  // ャ: trail 'b'
const std::string kPo = "\x83\x7C";     // ポ: trail '|'

TEST(Encoding, LeadBytes) {
  for (int b = 0; b < 256; ++b) {
    const bool lead = (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
    EXPECT_EQ(IsLeadByte(static_cast<unsigned char>(b)), lead) << b;
  }
}

TEST(Encoding, CharLength) {
  struct Case { std::string text; std::size_t pos, len; };
  const Case cases[] = {
      {"a", 0, 1},
      {kHyo, 0, 2},
      {kHyo, 1, 1},              // asked at a trail byte: only that byte
      {"\x81", 0, 1},            // lead byte at the very end
      {"\x81<", 0, 1},           // '<' cannot be a trail byte
      {"\x81\r\n", 0, 1},
      {"\xB1", 0, 1},            // half-width katakana
      {"\x87\x90", 0, 2},        // NEC duplicate
      {"\xFA\x4A", 0, 2},        // IBM extension
  };
  for (const auto& c : cases) EXPECT_EQ(CharLength(c.text, c.pos), c.len) << c.text;
}

TEST(Encoding, FindNeverMatchesFromSecondByte) {
  struct Case { std::string text, needle; Offset first, last; };
  const Case cases[] = {
      {kTsu + "c", "c", 2, 2},
      {kA + "A" + kA, "A", 2, 2},
      {kHyo + "\\", "\\", 2, 2},
      {kSo + kHyo, "\\", kNoPos, kNoPos},
      {"x" + kPo + "|", "|", 3, 3},
      {"<a>" + kHyo + "<b>", "<", 0, 5},
      {kHyo + kHyo, kHyo, 0, 2},
      {"\x95" + kHyo, kHyo, kNoPos, kNoPos},  // 95 95 | 5C: no 表 at a start
      {"abc", "", 0, 3},
      {"", "a", kNoPos, kNoPos},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Find(c.text, c.needle), c.first) << c.text << " / " << c.needle;
    EXPECT_EQ(FindLast(c.text, c.needle), c.last) << c.text << " / " << c.needle;
  }
}

TEST(Encoding, FindFromOffset) {
  const std::string t = "<a>" + kTsu + "<b>";
  EXPECT_EQ(Find(t, "<", 1), 5);
  EXPECT_EQ(Find(t, "<", 6), kNoPos);
  EXPECT_EQ(Find(t, "<", 100), kNoPos);
}

TEST(Encoding, FindNoCase) {
  EXPECT_EQ(FindNoCase("xx<HREF", "href"), 3);
  EXPECT_EQ(FindNoCase(kSmallYa + "B", "b"), 2);  // not the trail 'b' of ャ
  EXPECT_EQ(FindNoCase(kA, kSmallYa), kNoPos);    // trail bytes never fold
  EXPECT_EQ(FindNoCase(kSmallYa, kA), kNoPos);
  EXPECT_EQ(FindNoCase("ab" + kA + "C", "B" + kA + "c"), 1);
}

TEST(Encoding, CaseFoldingKeepsTrailBytes) {
  EXPECT_EQ(AsciiUpper("<a " + kTsu + kSmallYa + "b>"), "<A " + kTsu + kSmallYa + "B>");
  EXPECT_EQ(AsciiLower("<A " + kA + "B>"), "<a " + kA + "b>");
  EXPECT_TRUE(EqualsNoCase("&LT;", "&lt;"));
  EXPECT_FALSE(EqualsNoCase(kA, kSmallYa));
}

TEST(Encoding, CharStartAndBoundaries) {
  const std::string t = "a" + kHyo + "b";
  EXPECT_EQ(CharStartAt(t, 2), 1u);
  EXPECT_EQ(CharStartAt(t, 1), 1u);
  EXPECT_EQ(CharStartAt(t, 3), 3u);
  EXPECT_TRUE(IsCharBoundary(t, 1));
  EXPECT_FALSE(IsCharBoundary(t, 2));
  EXPECT_TRUE(IsCharBoundary(t, 4));
}

TEST(Encoding, Trim) {
  EXPECT_EQ(Trim(" \t\r\n a b \x01"), "a b");
  EXPECT_EQ(Trim(kHyo + " "), kHyo);
  EXPECT_EQ(Trim("   "), "");
}

TEST(Encoding, Utf8RuleSetUsesTheSameScanners) {
  const std::string aHiragana = "\xE3\x81\x82";  // あ
  EXPECT_EQ(CharLength(aHiragana, 0, Utf8()), 3u);
  EXPECT_EQ(Find(aHiragana + "<", "<", 0, Utf8()), 3);
  EXPECT_EQ(Find(aHiragana, "\x81", 0, Utf8()), kNoPos);
  EXPECT_EQ(AsciiUpper("a" + aHiragana, Utf8()), "A" + aHiragana);
}

}  // namespace
}  // namespace mw
