#include "core/text/utf8.h"

#include <gtest/gtest.h>
#include <unicode/utf8.h>

#include <vector>

namespace mw {
namespace {

// The decoder against ICU's on every sequence of up to four bytes drawn from
// the bytes where UTF-8's rules change: the same code point, validity and
// length taken, so an ill-formed sequence resumes where ICU's would.
TEST(Utf8, DecodeAgreesWithIcuOnEveryShortSequence) {
  const unsigned char edges[] = {0x00, 0x41, 0x7F, 0x80, 0x8F, 0x90, 0x9F, 0xA0, 0xBF, 0xC0, 0xC1, 0xC2, 0xDF,
                                 0xE0, 0xE1, 0xEC, 0xED, 0xEE, 0xEF, 0xF0, 0xF1, 0xF3, 0xF4, 0xF5, 0xFF};
  std::vector<unsigned char> seq;
  const auto check = [&] {
    const std::string_view text(reinterpret_cast<const char*>(seq.data()), seq.size());
    std::int32_t i = 0;
    UChar32 icu = 0;
    U8_NEXT(seq.data(), i, static_cast<std::int32_t>(seq.size()), icu);
    const Utf8Char c = DecodeUtf8(text, 0);
    ASSERT_EQ(c.valid, icu >= 0) << std::hex << static_cast<int>(seq[0]);
    ASSERT_EQ(c.length, static_cast<std::size_t>(i));
    if (c.valid) {
      ASSERT_EQ(static_cast<UChar32>(c.code), icu);
    }
  };
  for (unsigned char a : edges) {
    seq = {a};
    check();
    for (unsigned char b : edges) {
      seq = {a, b};
      check();
      for (unsigned char c : edges) {
        seq = {a, b, c};
        check();
        for (unsigned char d : edges) {
          seq = {a, b, c, d};
          check();
        }
      }
    }
  }
}

TEST(Utf8, EveryCodePointEncodesAsIcuDoesAndDecodesBack) {
  // Cut short, a well-formed sequence reads as nothing rather than past the end.
  EXPECT_EQ(static_cast<std::uint32_t>(CodePointOfWellFormed("\xE3\x81", 0, 3)), 0u);
  for (char32_t c = 0; c <= kMaxCodePoint; ++c) {
    if (IsSurrogate(c)) continue;
    const std::string s = Utf8Of(c);
    std::uint8_t icu[4];
    std::int32_t n = 0;
    UBool bad = false;
    U8_APPEND(icu, n, 4, static_cast<UChar32>(c), bad);
    ASSERT_FALSE(bad);
    ASSERT_EQ(s, std::string(reinterpret_cast<const char*>(icu), static_cast<std::size_t>(n))) << std::hex << +c;
    ASSERT_EQ(s.size(), Utf8Length(c));
    const Utf8Char back = DecodeUtf8(s, 0);
    ASSERT_TRUE(back.valid);
    ASSERT_EQ(static_cast<std::uint32_t>(back.code), static_cast<std::uint32_t>(c));
    ASSERT_EQ(back.length, s.size());
    ASSERT_EQ(Utf8SequenceLength(static_cast<unsigned char>(s[0])), s.size());
    ASSERT_EQ(static_cast<std::uint32_t>(CodePointOfWellFormed(s, 0, s.size())), static_cast<std::uint32_t>(c));
  }
}

TEST(Utf8, IllFormedSequencesTakeTheirWellFormedBeginning) {
  struct Case { const char* name; std::string text; std::size_t length; };
  const Case cases[] = {
      {"lone trail byte", "\x80" "a", 1},
      {"overlong two bytes", "\xC0\x80", 1},
      {"overlong three bytes", "\xE0\x80\x80", 1},
      {"surrogate", "\xED\xA0\x80", 1},
      {"three-byte lead, one trail, then ASCII", "\xE3\x81" "a", 2},
      {"four-byte lead cut at the end", "\xF0\x9F\x98", 3},
      {"above U+10FFFF", "\xF4\x90\x80\x80", 1},
      {"no lead byte at all", "\xFF", 1},
  };
  for (const auto& c : cases) {
    const Utf8Char u = DecodeUtf8(c.text, 0);
    EXPECT_FALSE(u.valid) << c.name;
    EXPECT_EQ(u.length, c.length) << c.name;
  }
}

}  // namespace
}  // namespace mw
