// Which code a page is in. Pages are mostly ASCII markup, so statistical
// detectors built for prose see a handful of high bytes and call the page
// Windows-1252. Japanese converters instead look for what only one code
// allows: ISO-2022-JP escape sequences, then byte sequences that are valid
// (and assigned) in Shift-JIS, EUC-JP or UTF-8 only. Where the bytes fit
// more than one code, the reading made of commoner Japanese characters
// (kana, punctuation, common kanji) wins.
#include "core/app/tools/kanji_codec.h"

#include <algorithm>

#include "core/text/encoding.h"
#include "core/text/utf8.h"

namespace mw {
namespace {

using kanji::RowWeight;
using kanji::SjisToRowCell;
using kanji::Tables;

struct Evidence {
  std::size_t invalid = 0;  // sequences this code cannot read
  long long score = 0;      // how Japanese the reading looks
};

bool InRange(unsigned b, unsigned lo, unsigned hi) { return b >= lo && b <= hi; }

// Half-width katakana (given as its Shift-JIS byte). A voiced mark right
// after the kana it belongs to is the mark of genuine half-width text; the
// punctuation ｡｢｣､･ (0xA1-0xA5) counts for nothing, since EUC-JP kana read
// as Shift-JIS put 0xA4 or 0xA5 before every other byte.
int KanaWeight(unsigned kana, unsigned previous) {
  if (kana <= 0xA5) return 0;
  const bool mark = kana == 0xDE || kana == 0xDF;
  return mark && InRange(previous, 0xA6, 0xDD) ? 2 : 1;
}

Evidence ReadAsSjis(const Tables* t, std::string_view in, std::size_t from) {
  Evidence ev;
  const auto* b = reinterpret_cast<const unsigned char*>(in.data());
  unsigned previous = 0;
  bool afterEucKanaLike = false;
  for (std::size_t i = from; i < in.size();) {
    const std::size_t end = kanji::AsciiEnd(in, i);
    if (end != i) {
      previous = 0;
      afterEucKanaLike = false;
    }
    i = end;
    if (i >= in.size()) break;
    const unsigned c = b[i];
    if (InRange(c, 0xA1, 0xDF)) {
      ev.score += KanaWeight(c, previous);
      previous = c;
      afterEucKanaLike = false;
      ++i;
      continue;
    }
    previous = 0;
    const std::size_t len = CharLength(in, i);
    if (len == 2 && (!t || t->fromSjis[c << 8 | b[i + 1]] != 0)) {
      // EUC-JP half-width katakana (0x8E, kana) read as Shift-JIS is a row
      // of kanji that all share the lead 0x8E; after the first such kanji
      // the run counts for nothing. The user-defined area (rows 95-114)
      // counts against: pages hardly use it, EUC-JP read as Shift-JIS often
      // lands there.
      const bool eucKanaLike = c == 0x8E && InRange(b[i + 1], 0xA1, 0xDF);
      const int row = SjisToRowCell(c, b[i + 1]).row;
      if (!(eucKanaLike && afterEucKanaLike)) ev.score += row > 94 && row <= 114 ? -2 : RowWeight(row);
      afterEucKanaLike = eucKanaLike;
    } else {
      ++ev.invalid;
      afterEucKanaLike = false;
    }
    i += len;
  }
  return ev;
}

Evidence ReadAsEuc(const Tables* t, std::string_view in, std::size_t from) {
  Evidence ev;
  const auto* b = reinterpret_cast<const unsigned char*>(in.data());
  const std::size_t n = in.size();
  unsigned previous = 0;
  for (std::size_t i = from; i < n;) {
    const std::size_t end = kanji::AsciiEnd(in, i);
    if (end != i) previous = 0;
    i = end;
    if (i >= n) break;
    const unsigned c = b[i];
    const unsigned d = i + 1 < n ? b[i + 1] : 0;
    if (c == 0x8E && InRange(d, 0xA1, 0xDF)) {
      ev.score += KanaWeight(d, previous);
      previous = d;
      i += 2;
      continue;
    }
    previous = 0;
    if (InRange(c, 0xA1, 0xFE) && InRange(d, 0xA1, 0xFE) &&
        (!t || t->fromEuc[(c - 0xA1) * 94 + (d - 0xA1)] != 0)) {
      ev.score += RowWeight(static_cast<int>(c - 0xA0));
      i += 2;
    } else if (c == 0x8F && InRange(d, 0xA1, 0xFE) && i + 2 < n && InRange(b[i + 2], 0xA1, 0xFE) &&
               (!t || t->fromEucSupp[(d - 0xA1) * 94 + (b[i + 2] - 0xA1)] != 0)) {
      i += 3;  // JIS X 0212: valid, but says little
    } else {
      ++ev.invalid;
      ++i;
    }
  }
  return ev;
}

Evidence ReadAsUtf8(std::string_view in, std::size_t from) {
  Evidence ev;
  std::size_t i = from;
  while (i < in.size()) {
    i = kanji::AsciiEnd(in, i);
    if (i >= in.size()) break;
    const Utf8Char c = DecodeUtf8(in, i);
    i += c.length;
    const char32_t u = c.code;
    if (!c.valid) ++ev.invalid;
    else if (u >= 0x3041 && u <= 0x30FF) ev.score += 3;
    else if ((u >= 0x3000 && u <= 0x303F) || (u >= 0x4E00 && u <= 0x9FFF) || (u >= 0xFF01 && u <= 0xFF60))
      ev.score += 2;
    else if (u >= 0xFF61 && u <= 0xFF9F) ev.score += 1;
  }
  return ev;
}

// An escape sequence that designates a Japanese set in ISO-2022-JP.
bool HasJisDesignation(std::string_view in) {
  static constexpr std::string_view kDesignations[] = {"\x1B$B", "\x1B$@", "\x1B(I", "\x1B$(D",
                                                        "\x1B$(B", "\x1B$(@"};
  for (std::size_t i = in.find('\x1B'); i != std::string_view::npos; i = in.find('\x1B', i + 1)) {
    const std::string_view rest = in.substr(i);
    for (auto d : kDesignations)
      if (rest.starts_with(d)) return true;
  }
  return false;
}

}  // namespace

KanjiCode DetectKanjiCode(std::string_view bytes) {
  if (bytes.starts_with("\xEF\xBB\xBF")) return KanjiCode::Utf8;
  const std::size_t first = kanji::AsciiEnd(bytes, 0);
  if (first == bytes.size()) return HasJisDesignation(bytes) ? KanjiCode::Jis : KanjiCode::Ascii;

  // Valid UTF-8 wins outright: other codes almost never form it by chance
  // beyond a few bytes, and misreading UTF-8 as Shift-JIS would garble text
  // without a word, whereas the reverse mistake fails loudly on conversion.
  const Evidence utf8 = ReadAsUtf8(bytes, first);
  if (utf8.invalid == 0) return KanjiCode::Utf8;

  const Tables* t = kanji::GetTables();
  const Evidence sjis = ReadAsSjis(t, bytes, first);
  const Evidence euc = ReadAsEuc(t, bytes, first);
  // Fewest unreadable sequences first, then the more Japanese reading; on a
  // tie the documents' own code, Shift-JIS.
  auto better = [](const Evidence& a, const Evidence& b) {
    return a.invalid != b.invalid ? a.invalid < b.invalid : a.score > b.score;
  };
  if (!better(euc, sjis) && !better(utf8, sjis)) return KanjiCode::ShiftJis;
  if (!better(utf8, euc)) return KanjiCode::EucJp;
  return KanjiCode::Utf8;
}

}  // namespace mw
