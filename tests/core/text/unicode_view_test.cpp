#include "core/text/unicode_view.h"

#include <gtest/gtest.h>

#include <random>

#include "core/text/utf8.h"

namespace mw {
namespace {

std::string U8(char32_t c) { return Utf8Of(c); }

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
  Offset total = 0;
  for (Offset i = 0; i < static_cast<Offset>(s.size());) {
    Offset n = 0;
    total += ViewLengthOfChar(s, i, &n);
    i += n;
  }
  EXPECT_EQ(total, static_cast<Offset>(SjisToUnicodeView(s).size()));
}

// Both directions of the offset arithmetic on every one- and two-byte
// sequence, alone and after a byte: each Shift-JIS character's view length
// is what the view holds for it, and the view characters there add up to
// its Shift-JIS length again.
TEST(UnicodeView, OffsetArithmeticBothWaysOnEveryShortSequence) {
  const auto check = [](const std::string& s) {
    const std::string view = SjisToUnicodeView(s);
    Offset v = 0;
    for (Offset p = 0; p < static_cast<Offset>(s.size());) {
      Offset n = 0;
      const Offset vl = ViewLengthOfChar(s, p, &n);
      ASSERT_EQ(n, CharLength(s, p));
      Offset sjis = 0;
      for (Offset w = v; w < v + vl;) {
        Offset wl = 0;
        sjis += SjisLengthOfViewChar(view, w, &wl);
        w += wl;
        ASSERT_LE(w, v + vl) << "a view character crosses the character at " << p;
      }
      ASSERT_EQ(sjis, n) << "at " << p;
      v += vl;
      p += n;
    }
    ASSERT_EQ(v, static_cast<Offset>(view.size()));
    ASSERT_EQ(SjisLengthOfView(view), static_cast<Offset>(s.size()));
    ASSERT_EQ(ViewLengthOf(s), static_cast<Offset>(view.size()));
  };
  for (int a = 0; a < 256; ++a) {
    SCOPED_TRACE(a);
    check(std::string(1, static_cast<char>(a)));
    for (int b = 0; b < 256; ++b) {
      SCOPED_TRACE(b);
      const std::string two{static_cast<char>(a), static_cast<char>(b)};
      check(two);
      check("\x83" + two);  // a lead byte before it may take its first byte
    }
  }
}

TEST(UnicodeView, EveryMarkerIsOneByteOfThreeInTheView) {
  for (unsigned b = 0; b < 256; ++b) {
    const std::string marker = U8(kRawByteMarker + b);
    Offset vl = 0;
    EXPECT_EQ(SjisLengthOfViewChar(marker, 0, &vl), 1) << b;
    EXPECT_EQ(vl, 3) << b;
  }
  struct Case { const char* name; std::string view; Offset sjis, viewLength; };
  const Case cases[] = {
      {"ASCII", "<", 1, 1},
      {"half-width kana", U8(0xFF71), 1, 3},
      {"hiragana", U8(0x3042), 2, 3},
      {"Greek (two UTF-8 bytes)", U8(0x03B1), 2, 2},
      {"user-defined area", U8(0xE000), 2, 3},
  };
  for (const auto& c : cases) {
    Offset vl = 0;
    EXPECT_EQ(SjisLengthOfViewChar(c.view, 0, &vl), c.sjis) << c.name;
    EXPECT_EQ(vl, c.viewLength) << c.name;
  }
}

// The command line's reading: what code page 932 reads, duplicates
// included; bytes that are no character as \xHH, and never a marker.
TEST(UnicodeView, PrintableReadingShowsOddBytesInHex) {
  struct Case { const char* name; std::string sjis, shown; };
  const Case cases[] = {
      {"ASCII and controls", std::string("a\\\t\0", 4), std::string("a\\\t\0", 4)},
      {"trail byte '\\' (\x95\x5C)", "\x95\x5C", U8(0x8868)},
      {"half-width kana", "\xB1", U8(0xFF71)},
      {"NEC duplicate of 81 E0", "\x87\x90", U8(0x2252)},
      {"NEC-selected IBM duplicate", "\xED\x40", U8(0x7E8A)},
      {"IBM extension", "\xFA\x5C", U8(0x7E8A)},
      {"user-defined area", "\xF0\x40", U8(0xE000)},
      {"unassigned pair", "\x85\x40", "\\x85\\x40"},
      {"single bytes that are no character", "\x80\xA0\xFD\xFE\xFF", "\\x80\\xA0\\xFD\\xFE\\xFF"},
      {"lead byte before markup", "\x81<", "\\x81<"},
      {"lead byte at the end", "a\x82", "a\\x82"},
  };
  for (const auto& c : cases) EXPECT_EQ(SjisToUnicodeView(c.sjis, ViewMode::Printable), c.shown) << c.name;
}

// Typed text: only what code page 932's converter writes without a best
// fit; a marker is no way to type a byte.
TEST(UnicodeView, PrintableWritingTakesOnlyWhatTheConverterWritesStrictly) {
  struct Case { const char* name; std::string typed; std::size_t badAt; std::string bytes; };
  const auto npos = std::string::npos;
  const Case cases[] = {
      {"ASCII", "<a href=x>", npos, "<a href=x>"},
      {"hiragana and kana", U8(0x3042) + U8(0xFF71), npos, "\x82\xA0\xB1"},
      {"trail byte '\\'", U8(0x8868), npos, "\x95\x5C"},
      {"the round-trip code of a duplicated character", U8(0x2252), npos, "\x81\xE0"},
      {"user-defined area", U8(0xE000), npos, "\xF0\x40"},
      {"wave dash: a best fit only", "a" + U8(0x301C), 1, "a"},
      {"yen sign: a best fit only", U8(0x00A5), 0, ""},
      {"a marker", "a" + U8(kRawByteMarker + 0x81), 1, "a"},
      {"an emoji", "ab\xF0\x9F\x98\x80", 2, "ab"},
      {"broken UTF-8", "a\xC3", 1, "a"},
      {"zero-width space: dropped", "a" + U8(0x200B) + "b", npos, "ab"},
      {"a tag character: dropped", "a" + U8(0xE0041) + "b", npos, "ab"},
      {"SUB: the converter's control code", U8(0x1A), npos, "\x7F"},
  };
  for (const auto& c : cases) {
    const SjisFromView r = UnicodeViewToSjis(c.typed, ViewMode::Printable);
    EXPECT_EQ(r.badAt, c.badAt) << c.name;
    EXPECT_EQ(r.bytes, c.bytes) << c.name;
  }
}

}  // namespace
}  // namespace mw
