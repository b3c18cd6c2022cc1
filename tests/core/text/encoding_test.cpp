#include "core/text/encoding.h"

#include <gtest/gtest.h>

#include <random>

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
  struct Case { std::string text; Offset pos, len; };
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

// The fast searches against a plain walk over every character start, on
// texts long enough for the block scan and full of double-byte characters
// whose trail bytes are letters, so candidates inside characters abound.
Offset SlowFind(const std::string& text, const std::string& needle, Offset offset, bool noCase) {
  const auto from = static_cast<std::size_t>(offset);
  const std::string n = noCase ? AsciiLower(needle) : needle;
  for (std::size_t i = 0; i < text.size(); i += CharLength(text, i)) {
    if (i < from || i + n.size() > text.size()) continue;
    // Exact search compares bytes from a character start; the other
    // compares character by character, folding single bytes only.
    bool same = noCase || text.compare(i, n.size(), n) == 0;
    for (std::size_t k = 0; noCase && same && k < n.size();) {
      const std::size_t len = CharLength(text, i + k);
      if (len == 1) {
        const char c = noCase ? AsciiLower(text.substr(i + k, 1))[0] : text[i + k];
        same = c == n[k];
      } else {
        same = k + len <= n.size() && text.compare(i + k, len, n, k, len) == 0;
      }
      k += len;
    }
    if (same) return static_cast<Offset>(i);
  }
  return kNoPos;
}

TEST(Encoding, FastSearchesAgreeWithACharacterWalk) {
  const std::string pieces[] = {"a", "A", "b", "B", "<", " ", "\r\n", kA, kSmallYa, kTsu,
                                kHyo, kSo, "\x95", "\x83", "\xE0", "\xB1"};
  const std::string needles[] = {"a", "B", "ab", "Ab" + kA, kA, kA + "a", "\x41\x83", "b\x83",
                                 kSmallYa + "B", "<a" + kHyo, "\\", "AbAbAbAbAbAbAbAbA",
                                 "\x83\x41\x83\x41", kHyo + " "};
  unsigned seed = 12345;
  auto next = [&] { return seed = seed * 1103515245u + 12345u, (seed >> 16) & 0x7FFF; };
  for (int round = 0; round < 300; ++round) {
    std::string text;
    const unsigned length = next() % 120;
    for (unsigned i = 0; i < length; ++i) text += pieces[next() % std::size(pieces)];
    for (const std::string& needle : needles) {
      const Offset from = CharBoundary(text, static_cast<Offset>(next() % (text.size() + 1)));
      EXPECT_EQ(Find(text, needle, from), SlowFind(text, needle, from, false)) << text << " / " << needle;
      EXPECT_EQ(FindNoCase(text, needle, from), SlowFind(text, needle, from, true))
          << text << " / " << needle;
    }
  }
}

TEST(Encoding, CaseFoldingKeepsTrailBytes) {
  EXPECT_EQ(AsciiUpper("<a " + kTsu + kSmallYa + "b>"), "<A " + kTsu + kSmallYa + "B>");
  EXPECT_EQ(AsciiLower("<A " + kA + "B>"), "<a " + kA + "b>");
  EXPECT_TRUE(EqualsNoCase("&LT;", "&lt;"));
  EXPECT_FALSE(EqualsNoCase(kA, kSmallYa));
}

// The start of the character holding pos, walking from the start of the
// text: what CharBoundary must find from its nearby sync point.
Offset SlowBoundary(std::string_view t, Offset pos) {
  if (pos <= 0) return 0;
  if (pos >= static_cast<Offset>(t.size())) return static_cast<Offset>(t.size());
  Offset p = 0;
  while (p + CharLength(t, p) <= pos) p += CharLength(t, p);
  return p;
}

// However long the run of lead and trail look-alikes before the position,
// the walk from the nearest byte that cannot be a trail byte lands on the
// same character starts as the walk from the start of the text.
TEST(Encoding, BoundaryNearAPositionMatchesAWalkFromTheStart) {
  std::mt19937 rng(3);
  const std::string pieces[] = {kTsu, kHyo, kSo, kA, "\x83\x40", "\x83", "\x95", "A", "\\", "<", "\r\n", "\x81\x81"};
  for (int round = 0; round < 50; ++round) {
    std::string t;
    for (int i = 0; i < 80; ++i) t += pieces[rng() % (round < 25 ? std::size(pieces) : 6)];
    for (Offset p = -2; p <= static_cast<Offset>(t.size()) + 2; ++p) {
      ASSERT_EQ(CharBoundary(t, p), SlowBoundary(t, p)) << "round " << round << " at " << p;
      ASSERT_EQ(IsCharBoundary(t, p), p >= 0 && p <= static_cast<Offset>(t.size()) && SlowBoundary(t, p) == p);
    }
  }
}

TEST(Encoding, CharBoundaryTable) {
  struct Case { const char* name; std::string text; Offset pos, start; };
  const Case cases[] = {
      {"trail byte of \x95\x5C", "a" + kHyo + "b", 2, 1},
      {"lead byte of \x95\x5C", "a" + kHyo + "b", 1, 1},
      {"after \x95\x5C", "a" + kHyo + "b", 3, 3},
      {"after a run of look-alikes", kSo + kHyo + kSo, 5, 4},
      {"'<' after a lone lead byte", "\x83<", 1, 1},
      {"second byte of an unassigned pair", "\x85\x40", 1, 0},
      {"start of text", kHyo, 0, 0},
      {"end of text", kHyo, 2, 2},
      {"before the text", kHyo, -5, 0},
      {"past the end", kHyo, 7, 2},
  };
  for (const auto& c : cases) EXPECT_EQ(CharBoundary(c.text, c.pos), c.start) << c.name;
}

TEST(Encoding, Trim) {
  EXPECT_EQ(Trim(" \t\r\n a b \x01"), "a b");
  EXPECT_EQ(Trim(kHyo + " "), kHyo);
  EXPECT_EQ(Trim("   "), "");
}

TEST(Encoding, Utf8RuleSetUsesTheSameScanners) {
  const std::string aHiragana = "\xE3\x81\x82";  // あ
  EXPECT_EQ(CharLength(aHiragana, 0, Utf8()), 3);
  EXPECT_EQ(Find(aHiragana + "<", "<", 0, Utf8()), 3);
  EXPECT_EQ(Find(aHiragana, "\x81", 0, Utf8()), kNoPos);
  EXPECT_EQ(AsciiUpper("a" + aHiragana, Utf8()), "A" + aHiragana);
}

}  // namespace
}  // namespace mw
