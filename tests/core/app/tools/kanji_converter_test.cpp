#include "core/app/tools/kanji_converter.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>

#include "core/app/document_file.h"
#include "support/temp_dir.h"

namespace mw {
namespace {

namespace fs = std::filesystem;

const std::string kEsc = "\x1B";

std::string Fixture(const std::string& name) {
  return ReadFileBytes(std::string(MW_FIXTURES) + "/kanji/" + name);
}

std::string Hex(std::string_view s) {
  std::string out;
  char buf[4];
  for (unsigned char c : s) {
    std::snprintf(buf, sizeof buf, "%02X ", c);
    out += buf;
  }
  return out;
}

// Pages are mostly ASCII markup; the detector must still find the few
// Japanese bytes' code, including pages whose only Japanese is half-width
// katakana.
TEST(KanjiDetect, Pages) {
  struct Case { const char* file; KanjiCode code; };
  const Case cases[] = {
      {"page.sjis.html", KanjiCode::ShiftJis}, {"page.euc.html", KanjiCode::EucJp},
      {"page.jis.html", KanjiCode::Jis},       {"page.utf8.html", KanjiCode::Utf8},
      {"kana.sjis.html", KanjiCode::ShiftJis}, {"kana.euc.html", KanjiCode::EucJp},
      {"jisx0208.sjis", KanjiCode::ShiftJis},  {"jisx0208.nkf-e", KanjiCode::EucJp},
      {"jisx0208.nkf-j", KanjiCode::Jis},
  };
  for (const auto& c : cases) EXPECT_EQ(DetectKanjiCode(Fixture(c.file)), c.code) << c.file;
}

TEST(KanjiDetect, SmallInputs) {
  const std::string markup(10000, 'a');
  struct Case { std::string name, bytes; KanjiCode code; };
  const Case cases[] = {
      {"empty", "", KanjiCode::Ascii},
      {"ascii with a stray ESC", "<p>a\x1B[0m</p>", KanjiCode::Ascii},
      {"JIS", "<p>" + kEsc + "$B$\"" + kEsc + "(B</p>", KanjiCode::Jis},
      {"JIS X 0208-1978", kEsc + "$@$\"" + kEsc + "(J", KanjiCode::Jis},
      {"UTF-8 signature only", "\xEF\xBB\xBF", KanjiCode::Utf8},
      {"UTF-8 copyright sign", "<p>\xC2\xA9 2024</p>", KanjiCode::Utf8},
      {"UTF-8 hiragana", "\xE3\x81\x82", KanjiCode::Utf8},
      {"SJIS kana ｶﾀｶﾅ", "<p>\xB6\xC0\xB6\xC5</p>", KanjiCode::ShiftJis},
      {"SJIS ﾃﾞｰﾀ", "<b>\xC3\xDE\xB0\xC0</b>", KanjiCode::ShiftJis},
      {"SJIS 表 in 10 kB of markup", markup + "\x95\x5C" + markup, KanjiCode::ShiftJis},
      {"SJIS ソ at the end", markup + "\x83\x5C", KanjiCode::ShiftJis},
      {"EUC ア in 10 kB of markup", markup + "\xA5\xA2" + markup, KanjiCode::EucJp},
      {"EUC ひらがな", "\xA4\xD2\xA4\xE9\xA4\xAC\xA4\xCA", KanjiCode::EucJp},
      {"EUC ｶﾀｶﾅ", "\x8E\xB6\x8E\xC0\x8E\xB6\x8E\xC5", KanjiCode::EucJp},
      {"SJIS with one broken byte", "\x82\xA0\x82\xA2\x80\x82\xA4", KanjiCode::ShiftJis},
  };
  for (const auto& c : cases) EXPECT_EQ(DetectKanjiCode(c.bytes), c.code) << c.name;
}

// Golden files written by nkf from the Shift-JIS fixture: every source code
// gives nkf's bytes for every target.
TEST(KanjiConvert, MatchesNkfGoldens) {
  struct Case { const char* source; const char* option; const char* golden; };
  const Case cases[] = {
      {"jisx0208.sjis", "s", "jisx0208.nkf-s"},   {"jisx0208.sjis", "e", "jisx0208.nkf-e"},
      {"jisx0208.sjis", "j", "jisx0208.nkf-j"},   {"jisx0208.nkf-e", "s", "jisx0208.nkf-s"},
      {"jisx0208.nkf-j", "e", "jisx0208.nkf-e"},  {"jisx0208.nkf-e", "j", "jisx0208.nkf-j"},
      {"page.sjis.html", "s", "page.nkf-s.html"}, {"page.sjis.html", "e", "page.nkf-e.html"},
      {"page.sjis.html", "j", "page.nkf-j.html"}, {"page.euc.html", "s", "page.nkf-s.html"},
      {"page.euc.html", "e", "page.nkf-e.html"},  {"page.euc.html", "j", "page.nkf-j.html"},
      {"page.jis.html", "s", "page.nkf-s.html"},  {"page.jis.html", "e", "page.nkf-e.html"},
      {"page.jis.html", "j", "page.nkf-j.html"},  {"page.utf8.html", "s", "page.nkf-s.html"},
      {"page.utf8.html", "e", "page.nkf-e.html"}, {"page.utf8.html", "j", "page.nkf-j.html"},
  };
  for (const auto& c : cases) {
    const std::string out = ConvertKanjiCode(Fixture(c.source), c.option);
    EXPECT_TRUE(out == Fixture(c.golden)) << c.source << " -" << c.option;
  }
}

class NkfRun : public ::testing::Test {
 protected:
  void SetUp() override {
    if (::access("/usr/bin/nkf", X_OK) != 0) GTEST_SKIP() << "nkf is not installed";
  }
  std::string Nkf(const std::string& flags, std::string_view input) {
    const std::string in = (m_dir / "in").string(), out = (m_dir / "out").string();
    WriteFileAtomic(in, input);
    const std::string cmd = "/usr/bin/nkf " + flags + " < " + in + " > " + out;
    EXPECT_EQ(std::system(cmd.c_str()), 0) << cmd;
    return ReadFileBytes(out);
  }
  test::TempDir m_tmp;
  const fs::path& m_dir = m_tmp.dir();
};

// Random mixtures of JIS X 0208 characters, half-width katakana (voiced
// marks included) and ASCII with every kind of line end, in each source
// code nkf writes, converted to each target: byte for byte nkf's output.
TEST_F(NkfRun, MixedTextMatchesNkf) {
  std::vector<std::string> chars;
  const std::string table = Fixture("jisx0208.sjis");
  for (std::size_t i = 0; i + 1 < table.size();) {
    const auto c = static_cast<unsigned char>(table[i]);
    if ((c >= 0x81 && c <= 0x9F) || c >= 0xE0) {
      // ￣ leaves nkf -w as U+203E, which no ICU table places in JIS X 0208.
      if (table.compare(i, 2, "\x81\x50") != 0) chars.push_back(table.substr(i, 2));
      i += 2;
    } else {
      ++i;
    }
  }
  const std::string pieces[] = {"\r\n", "\n", "\r", "\n\r", "\t", " ", "<p>", "</a>", "\\", "~", "\xDE", "\xDF"};
  std::mt19937 rng(20240601);
  for (int round = 0; round < 8; ++round) {
    std::string sjis;
    for (int n = 0; n < 1500; ++n) {
      const unsigned kind = rng() % 4;
      if (kind == 0) sjis += chars[rng() % chars.size()];
      else if (kind == 1) sjis += static_cast<char>(0xA1 + rng() % 63);
      else if (kind == 2) sjis += static_cast<char>(0x20 + rng() % 95);
      else sjis += pieces[rng() % std::size(pieces)];
    }
    struct Source { KanjiCode code; const char* nkfIn; const char* nkfMake; };
    const Source sources[] = {{KanjiCode::ShiftJis, "-S", ""},
                              {KanjiCode::EucJp, "-E", "-S -e -x"},
                              {KanjiCode::Jis, "-J", "-S -j"},
                              {KanjiCode::Utf8, "-W", "-S -w -x"}};
    for (const auto& s : sources) {
      const std::string input = *s.nkfMake ? Nkf(s.nkfMake, sjis) : sjis;
      for (const char* option : {"s", "e", "j"}) {
        const std::string expected = Nkf(std::string(s.nkfIn) + " -" + option, input);
        const std::string actual = ConvertKanjiCode(input, s.code, option);
        ASSERT_TRUE(actual == expected)
            << "round " << round << " " << s.nkfIn << " -" << option << "\nin:  " << Hex(input)
            << "\nout: " << Hex(actual) << "\nnkf: " << Hex(expected);
      }
    }
  }
}

// Converting into the file's own code changes nothing but half-width
// katakana: vendor duplicates, user-defined characters, NUL bytes and
// broken bytes come back as they were.
TEST(KanjiConvert, IntoOwnCodeKeepsBytes) {
  struct Case { std::string name; KanjiCode from; const char* option; std::string bytes; };
  const Case cases[] = {
      {"NEC ≒, NEC-selected IBM, IBM, user-defined", KanjiCode::ShiftJis, "s",
       "\x87\x90\xED\x40\xFA\x4A\xFA\x5C\xF0\x40\r\n"},
      {"broken Shift-JIS", KanjiCode::ShiftJis, "s",
       std::string("\x80\xA0\xFD\xFE\xFF\x81\x0A\x00\x82", 9)},
      {"JIS X 0212 and broken EUC-JP", KanjiCode::EucJp, "e",
       std::string("\x8F\xB0\xA1\xA4\x0D\x8E\x20\xFF\x00\xA4", 10)},
      {"ASCII to JIS", KanjiCode::Ascii, "j", std::string("a\x00\r\n\r", 5)},
  };
  for (const auto& c : cases) EXPECT_EQ(ConvertKanjiCode(c.bytes, c.from, c.option), c.bytes) << c.name;
  EXPECT_EQ(ConvertKanjiCode(cases[0].bytes, "s"), cases[0].bytes) << "detected";
}

// Code page 932 holds a few characters twice; through Unicode they reach
// EUC-JP and JIS in one canonical form.
TEST(KanjiConvert, VendorCharactersToEucAndJis) {
  struct Case { const char* name; std::string sjis, euc, jis; };
  const Case cases[] = {
      {"≒ NEC row 13 duplicate", "\x87\x90", "\xA2\xE2", "\x22\x62"},
      {"≒ JIS X 0208", "\x81\xE0", "\xA2\xE2", "\x22\x62"},
      {"Ⅰ NEC", "\x87\x54", "\xAD\xB5", "\x2D\x35"},
      {"Ⅰ IBM", "\xFA\x4A", "\xAD\xB5", "\x2D\x35"},
      {"纊 NEC-selected IBM", "\xED\x40", "\xF9\xA1", "\x79\x21"},
      {"纊 IBM", "\xFA\x5C", "\xF9\xA1", "\x79\x21"},
      {"髙 IBM", "\xFB\xFC", "\xFC\xE2", "\x7C\x62"},
      {"〜 wave dash", "\x81\x60", "\xA1\xC1", "\x21\x41"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Hex(ConvertKanjiCode(c.sjis, KanjiCode::ShiftJis, "e")), Hex(c.euc)) << c.name;
    EXPECT_EQ(Hex(ConvertKanjiCode(c.sjis, KanjiCode::ShiftJis, "j")),
              Hex(kEsc + "$B" + c.jis + kEsc + "(B"))
        << c.name;
  }
}

// What the target cannot hold, and bytes the source code does not allow,
// stop the conversion with the line and the character named.
TEST(KanjiConvert, UnwritableOrBrokenTextIsReported) {
  struct Case { const char* name; KanjiCode from; const char* option; std::string bytes, message; };
  const Case cases[] = {
      {"user-defined to EUC-JP", KanjiCode::ShiftJis, "e", "a\r\n\xF0\x40", "line 2: U+E000"},
      {"user-defined to JIS", KanjiCode::ShiftJis, "j", "\xF0\x40", "cannot be written in JIS"},
      {"JIS X 0212 to Shift-JIS", KanjiCode::EucJp, "s", "\x8F\xB0\xA1", "U+4E02"},
      {"JIS X 0212 to JIS", KanjiCode::EucJp, "j", "\x8F\xB0\xA1", "U+4E02"},
      {"é to Shift-JIS", KanjiCode::Utf8, "s", "caf\xC3\xA9", "U+00E9"},
      {"é to JIS", KanjiCode::Utf8, "j", "caf\xC3\xA9", "U+00E9"},
      {"emoji to EUC-JP", KanjiCode::Utf8, "e", "\xF0\x9F\x98\x80", "U+1F600"},
      {"overline to Shift-JIS", KanjiCode::Utf8, "s", "\xE2\x80\xBE", "U+203E"},
      {"stray byte", KanjiCode::ShiftJis, "e", "a\rb\n\x80", "line 3: bytes 80"},
      {"lead byte at the end", KanjiCode::ShiftJis, "j", "\x82\xA0\x82", "bytes 82 are not Shift-JIS"},
      {"lead byte before a line end", KanjiCode::ShiftJis, "e", "\x82\r\n", "bytes 82"},
      {"EUC-JP lead at the end", KanjiCode::EucJp, "s", "\xA4", "bytes A4"},
      {"broken UTF-8", KanjiCode::Utf8, "s", "\xE3\x81", "bytes E3 81"},
      {"8-bit byte in JIS", KanjiCode::Jis, "s", "\xB1", "bytes B1"},
      {"unknown escape in JIS", KanjiCode::Jis, "s", kEsc + "$Z", "bytes 1B"},
      {"odd byte in a JIS kanji run", KanjiCode::Jis, "s", kEsc + "$B$", "bytes 24"},
      {"high byte in ASCII", KanjiCode::Ascii, "s", "ab\xB1", "bytes B1"},
  };
  for (const auto& c : cases) {
    try {
      ConvertKanjiCode(c.bytes, c.from, c.option);
      ADD_FAILURE() << c.name << ": no error";
    } catch (const ConversionError& e) {
      EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << c.name << ": " << e.what();
    }
  }
}

TEST(KanjiConvert, CharactersOtherTablesPlaceElsewhere) {
  struct Case { const char* name; std::string utf8, sjis, euc; };
  const Case cases[] = {
      {"〜 U+301C", "\xE3\x80\x9C", "\x81\x60", "\xA1\xC1"},
      {"～ U+FF5E", "\xEF\xBD\x9E", "\x81\x60", "\xA1\xC1"},
      {"− U+2212", "\xE2\x88\x92", "\x81\x7C", "\xA1\xDD"},
      {"¢ U+00A2", "\xC2\xA2", "\x81\x91", "\xA1\xF1"},
      {"¬ U+00AC", "\xC2\xAC", "\x81\xCA", "\xA2\xCC"},
      {"¥ U+00A5", "\xC2\xA5", "\x81\x8F", "\xA1\xEF"},
      {"é to EUC-JP (JIS X 0212)", "\xC3\xA9", "", "\x8F\xAB\xB1"},
  };
  for (const auto& c : cases) {
    if (!c.sjis.empty()) {
      EXPECT_EQ(Hex(ConvertKanjiCode(c.utf8, "s")), Hex(c.sjis)) << c.name;
    }
    EXPECT_EQ(Hex(ConvertKanjiCode(c.utf8, "e")), Hex(c.euc)) << c.name;
  }
}

TEST(KanjiConvert, Options) {
  const std::string text = "\x82\xA0";
  EXPECT_EQ(ConvertKanjiCode(text, "-e"), ConvertKanjiCode(text, "e"));
  for (const char* bad : {"", "-", "S", "x", "se", "--s", " s"})
    EXPECT_THROW(ConvertKanjiCode(text, bad), ConversionError) << '"' << bad << '"';
}

TEST(KanjiConvert, JisEscapes) {
  struct Case { const char* name; std::string in; KanjiCode from; const char* option; std::string out; };
  const Case cases[] = {
      {"back to ASCII before each line end and at the end", "\x82\xA0\r\n\x82\xA2",
       KanjiCode::ShiftJis, "j", kEsc + "$B$\"" + kEsc + "(B\r\n" + kEsc + "$B$$" + kEsc + "(B"},
      {"one escape for a run", "\x82\xA0\x82\xA2 a", KanjiCode::ShiftJis, "j",
       kEsc + "$B$\"$$" + kEsc + "(B a"},
      {"half-width kana become full-width", "\xB1", KanjiCode::ShiftJis, "j", kEsc + "$B%\"" + kEsc + "(B"},
      {"1978 set, JIS-Roman and ESC ( I", "a" + kEsc + "$@$\"" + kEsc + "(Jb" + kEsc + "(I1" + kEsc + "(B",
       KanjiCode::Jis, "s", "a\x82\xA0" "b\x83\x41"},
      {"SO/SI kana", "a\x0E" "6^\x0F" "b", KanjiCode::Jis, "s", "a\x83\x4B" "b"},
      {"line end inside a kanji run", kEsc + "$B$\"\r\n$$", KanjiCode::Jis, "s", "\x82\xA0\r\n\x82\xA2"},
      {"JIS re-written with ESC $ B", kEsc + "$@$\"", KanjiCode::Jis, "j", kEsc + "$B$\"" + kEsc + "(B"},
  };
  for (const auto& c : cases) EXPECT_EQ(Hex(ConvertKanjiCode(c.in, c.from, c.option)), Hex(c.out)) << c.name;
}

// Half-width katakana in every conversion and in ToZenkakuKana: a voiced
// mark joins the kana before it where JIS X 0208 has the joined letter.
TEST(KanjiWidth, ZenkakuKana) {
  struct Case { const char* name; std::string in, out; };
  const Case cases[] = {
      {"ｶﾞ", "\xB6\xDE", "\x83\x4B"},
      {"ﾊﾟ", "\xCA\xDF", "\x83\x70"},
      {"ｳﾞ", "\xB3\xDE", "\x83\x94"},
      {"ﾜﾞ has no joined letter", "\xDC\xDE", "\x83\x8F\x81\x4A"},
      {"ｶﾟ", "\xB6\xDF", "\x83\x4A\x81\x4B"},
      {"lone ﾞ", "\xDE", "\x81\x4A"},
      {"ｶ ﾞ apart", "\xB6 \xDE", "\x83\x4A \x81\x4A"},
      {"ｰ and ｡", "\xB0\xA1", "\x81\x5B\x81\x42"},
      {"kana as last byte", "a\xB1", "a\x83\x41"},
      {"Ω's trail byte looks like ｶ", "\x83\xB6", "\x83\xB6"},
      {"ソ's trail byte is '\\'", "\x83\x5C\xB1", "\x83\x5C\x83\x41"},
      {"broken bytes kept", std::string("\x80\x00\xB1\x82", 4), std::string("\x80\x00\x83\x41\x82", 5)},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Hex(ToZenkakuKana(c.in)), Hex(c.out)) << c.name;
    EXPECT_EQ(Hex(ConvertKanjiCode(c.in, KanjiCode::ShiftJis, "s")), Hex(c.out)) << c.name;
  }
  // The same kana written in EUC-JP.
  EXPECT_EQ(Hex(ConvertKanjiCode("\x8E\xB6\x8E\xDE\x8E\xDC\x8E\xDE", KanjiCode::EucJp, "e")),
            Hex("\xA5\xAC\xA5\xEF\xA1\xAB"));
}

TEST(KanjiWidth, Hankaku) {
  struct Case { const char* name; std::string in, out; };
  const Case cases[] = {
      {"ＡＺａｚ０９", "\x82\x60\x82\x79\x82\x81\x82\x9A\x82\x4F\x82\x58", "AZaz09"},
      {"ideographic space", "\x81\x40", " "},
      {"！＃＄％＆（）＊＋，－．／：；＜＝＞？＠［］＾＿｛｜｝",
       "\x81\x49\x81\x94\x81\x90\x81\x93\x81\x95\x81\x69\x81\x6A\x81\x96\x81\x7B\x81\x43\x81\x7C"
       "\x81\x44\x81\x5E\x81\x46\x81\x47\x81\x83\x81\x81\x81\x84\x81\x48\x81\x97\x81\x6D\x81\x6E"
       "\x81\x4F\x81\x51\x81\x6F\x81\x62\x81\x70",
       "!#$%&()*+,-./:;<=>?@[]^_{|}"},
      {"＼ becomes '\\'", "\x81\x5F", "\\"},
      {"＇＂ (IBM)", "\xFA\x56\xFA\x57", "'\""},
      {"〜 ￥ ’ ” ー ‐ stay", "\x81\x60\x81\x8F\x81\x66\x81\x68\x81\x5B\x81\x5D",
       "\x81\x60\x81\x8F\x81\x66\x81\x68\x81\x5B\x81\x5D"},
      {"kana and kanji stay", "\x82\xA0\x95\x5C\xB1", "\x82\xA0\x95\x5C\xB1"},
      {"Ａ's bytes after a lead byte", "\x95\x82\x60", "\x95\x82\x60"},
      {"lead byte at the end", "\x82\x60\x82", "A\x82"},
  };
  for (const auto& c : cases) EXPECT_EQ(Hex(ToHankaku(c.in)), Hex(c.out)) << c.name;
}

// Every one- and two-byte input, through every reader and writer: an
// answer or a ConversionError, never a crash (the fuzz target goes further).
TEST(KanjiConvert, AnyShortInput) {
  const KanjiCode readers[] = {KanjiCode::ShiftJis, KanjiCode::EucJp, KanjiCode::Jis, KanjiCode::Utf8};
  const char* const options[] = {"s", "e", "j"};
  std::string s;
  for (int a = 0; a < 256; ++a) {
    for (int b = -1; b < 256; ++b) {
      s.assign(1, static_cast<char>(a));
      if (b >= 0) s += static_cast<char>(b);
      (void)DetectKanjiCode(s);
      (void)ToZenkakuKana(s);
      (void)ToHankaku(s);
      for (std::size_t r = 0; r < std::size(readers); ++r) {
        try {  // every reader meets every writer across the inputs
          (void)ConvertKanjiCode(s, readers[r], options[(static_cast<std::size_t>(a + b) + r) % 3]);
        } catch (const ConversionError&) {
        }
      }
    }
  }
}

TEST(KanjiConvert, HundredMegabytes) {
  std::string page;
  page.reserve((100u << 20) + 64);
  const std::string line =
      "<TR><TD CLASS=\"name\"><A HREF=\"item.html\">\x95\x5C\x8E\xA6\xB6\xDE</A></TD></TR>\r\n";
  while (page.size() < (100u << 20)) page += line;
  page += '\x82';  // a lead byte at the very end
  EXPECT_EQ(DetectKanjiCode(page), KanjiCode::ShiftJis);
  EXPECT_EQ(ConvertKanjiCode(page, KanjiCode::ShiftJis, "s").size(), page.size());  // ｶﾞ became ガ
  page.pop_back();
  EXPECT_EQ(ConvertKanjiCode(page, KanjiCode::ShiftJis, "e").size(), page.size());
}

TEST(KanjiConvert, Available) { EXPECT_TRUE(KanjiConverterAvailable()); }

class KanjiFile : public ::testing::Test {
 protected:
  std::string Path(const std::string& name) const { return m_tmp.Path(name); }
  test::TempDir m_tmp;
  const fs::path& m_dir = m_tmp.dir();
};

// In place, as the editor and the file list convert: lines come back with
// CR LF, whatever ended them.
TEST_F(KanjiFile, ConvertsInPlaceWithCrLf) {
  const std::string p = Path("a.html");
  WriteFileAtomic(p, "<p>\x82\xA0</p>\n\r\x95\x5C\rend");
  ConvertFileCode(p, p, "e");
  EXPECT_EQ(Hex(ReadFileBytes(p)), Hex("<p>\xA4\xA2</p>\r\n\r\n\xC9\xBD\r\nend\r\n"));
  ConvertFileCode(p, p, "j");
  EXPECT_EQ(ReadFileBytes(p), "<p>" + kEsc + "$B$\"" + kEsc + "(B</p>\r\n\r\n" + kEsc + "$BI=" + kEsc +
                                  "(B\r\nend\r\n");
  ConvertFileCode(p, p, "s");
  EXPECT_EQ(ReadFileBytes(p), "<p>\x82\xA0</p>\r\n\r\n\x95\x5C\r\nend\r\n");
}

TEST_F(KanjiFile, EmptyFileStaysEmpty) {
  const std::string p = Path("empty.html");
  WriteFileAtomic(p, "");
  ConvertFileCode(p, Path("out.html"), "j");
  EXPECT_EQ(ReadFileBytes(Path("out.html")), "");
}

// A failed conversion leaves the target as it was and says why.
TEST_F(KanjiFile, FailuresLeaveTargetAlone) {
  const std::string target = Path("target.html");
  WriteFileAtomic(target, "old");
  const std::string bad = Path("bad.html");
  WriteFileAtomic(bad, "\x82\xA0\xF0\x40");  // a user-defined character

  EXPECT_THROW(ConvertFileCode(Path("missing.html"), target, "e"), FileError);
  EXPECT_THROW(ConvertFileCode(bad, target, "e"), ConversionError);
  EXPECT_THROW(ConvertFileCode(bad, target, "q"), ConversionError);
  EXPECT_THROW(ConvertFileCode(bad, bad, "e"), ConversionError);
  EXPECT_EQ(ReadFileBytes(target), "old");
  EXPECT_EQ(ReadFileBytes(bad), "\x82\xA0\xF0\x40");

  if (::geteuid() != 0) {  // root writes anywhere
    fs::create_directory(m_dir / "ro");
    fs::permissions(m_dir / "ro", fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_THROW(ConvertFileCode(bad, Path("ro/out.html"), "s"), FileError);
  }
  EXPECT_THROW(ConvertFileCode(bad, Path("no-such-folder/out.html"), "s"), FileError);
  for (const auto& entry : fs::directory_iterator(m_dir))  // no temporary file left behind
    EXPECT_NE(entry.path().filename().string()[0], '.') << entry.path();
}

}  // namespace
}  // namespace mw
