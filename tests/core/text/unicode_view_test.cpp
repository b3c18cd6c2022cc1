#include "core/text/unicode_view.h"

#include <gtest/gtest.h>

#include <random>

namespace mw {
namespace {

std::string U8(char32_t c) {
  std::string s;
  if (c < 0x80) {
    s += static_cast<char>(c);
  } else if (c < 0x800) {
    s += static_cast<char>(0xC0 | (c >> 6));
    s += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    s += static_cast<char>(0xE0 | (c >> 12));
    s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    s += static_cast<char>(0x80 | (c & 0x3F));
  }
  return s;
}

void ExpectRoundTrip(const std::string& bytes) {
  const std::string view = SjisToUnicodeView(bytes);
  const SjisFromView back = UnicodeViewToSjis(view);
  ASSERT_EQ(back.badAt, std::string::npos);
  ASSERT_EQ(back.bytes, bytes);
}

TEST(UnicodeView, EveryOneAndTwoByteSequenceComesBack) {
  for (int a = 0; a < 256; ++a) {
    ExpectRoundTrip(std::string(1, static_cast<char>(a)));
    for (int b = 0; b < 256; ++b) {
      const std::string two{static_cast<char>(a), static_cast<char>(b)};
      ExpectRoundTrip(two);
      // Also in the middle of text, where a lead byte may take the next one.
      ExpectRoundTrip("x" + two + "\x81");
    }
  }
}

TEST(UnicodeView, RandomBytesComeBack) {
  std::mt19937 rng(11);
  for (int round = 0; round < 200; ++round) {
    std::string s(1 + rng() % 300, '\0');
    for (auto& c : s) c = static_cast<char>(rng());
    ExpectRoundTrip(s);
  }
}

TEST(UnicodeView, CanonicalCharactersAndMarkers) {
  struct Case { std::string sjis; std::string view; };
  const Case cases[] = {
      {std::string("a\\~\0", 4), std::string("a\\~\0", 4)},
      {"\x82\xA0", U8(0x3042)},                    // あ
      {"\x95\x5C", U8(0x8868)},                    // 表, trail byte '\'
      {"\xB1", U8(0xFF71)},                        // ｱ
      {"\xF0\x40", U8(0xE000)},                    // user-defined area
      {"\xFA\x5C", U8(0x7E8A)},                    // IBM kanji, the code kept
      {"\xED\x40", U8(0xF7ED) + U8(0xF740)},       // its NEC-selected duplicate
      {"\x87\x90", U8(0xF787) + U8(0xF790)},       // ≒ duplicate of 81 E0
      {"\x81\xE0", U8(0x2252)},                    // ≒
      {"\x85\x40", U8(0xF785) + U8(0xF740)},       // unassigned pair, both bytes marked
      {"\x81<", U8(0xF781) + "<"},                 // lead byte before markup
      {"\x82", U8(0xF782)},                        // lead byte at the end
  };
  for (const auto& c : cases) EXPECT_EQ(SjisToUnicodeView(c.sjis), c.view) << c.sjis;
}

TEST(UnicodeView, TextShiftJisCannotHoldIsReportedWhereItStands) {
  struct Case { std::string view; std::size_t badAt; std::string bytes; };
  const Case cases[] = {
      {"ab\xF0\x9F\x98\x80", 2, "ab"},        // an emoji
      {"a\xC3", 1, "a"},                     // broken UTF-8
      {"a\xED\xA0\x80", 1, "a"},             // a surrogate
      {U8(0x3042) + "\xC0\x80", 3, "\x82\xA0"},  // overlong NUL
  };
  for (const auto& c : cases) {
    const auto r = UnicodeViewToSjis(c.view);
    EXPECT_EQ(r.badAt, c.badAt) << c.view;
    EXPECT_EQ(r.bytes, c.bytes) << c.view;
  }
}

TEST(UnicodeView, ViewLengthsAddUpToTheView) {
  const std::string s = "<a>\x95\x5C\xB1\xED\x40\x81z\x82";
  std::size_t total = 0;
  for (std::size_t i = 0; i < s.size();) {
    std::size_t n = 0;
    total += ViewLengthOfChar(s, i, &n);
    i += n;
  }
  EXPECT_EQ(total, SjisToUnicodeView(s).size());
}

}  // namespace
}  // namespace mw
