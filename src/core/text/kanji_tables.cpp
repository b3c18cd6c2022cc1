#include "core/text/kanji_tables.h"

#include <unicode/normalizer2.h>
#include <unicode/ucnv.h>
#include <unicode/uset.h>
#include <unicode/utf16.h>

#include <memory>
#include <mutex>

namespace mw::kanji {
namespace {

struct ConverterCloser {
  void operator()(UConverter* c) const { ucnv_close(c); }
};
using Converter = std::unique_ptr<UConverter, ConverterCloser>;

Converter Open(const char* name) {
  UErrorCode err = U_ZERO_ERROR;
  Converter c(ucnv_open(name, &err));
  if (U_FAILURE(err)) return nullptr;
  // Look-ups must fail rather than substitute, so unassigned codes stay 0.
  ucnv_setToUCallBack(c.get(), UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &err);
  ucnv_setFromUCallBack(c.get(), UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &err);
  return U_SUCCESS(err) ? std::move(c) : nullptr;
}

// The one BMP character these bytes decode to, or 0.
char16_t DecodeOne(UConverter* c, const char* bytes, int n) {
  UErrorCode err = U_ZERO_ERROR;
  ucnv_resetToUnicode(c);
  UChar out[4];
  const int len = ucnv_toUChars(c, out, 4, bytes, n, &err);
  if (U_FAILURE(err) || len != 1) return 0;
  return out[0];
}

// The bytes the converter writes for code point u (round trip or ICU's
// best fit), packed big-endian, or 0. A best fit that turns a non-ASCII
// character into ASCII (¥ to '\', ‾ to '~') is refused: it would change the
// text where a reader cannot see it.
std::uint32_t EncodeOne(UConverter* c, char16_t u) {
  UErrorCode err = U_ZERO_ERROR;
  ucnv_resetFromUnicode(c);
  char out[8];
  const UChar in[1] = {u};
  const int len = ucnv_fromUChars(c, out, 8, in, 1, &err);
  if (U_FAILURE(err) || len < 1 || len > 3) return 0;
  if (len == 1 && static_cast<unsigned char>(out[0]) < 0x80) return 0;
  std::uint32_t v = 0;
  for (int i = 0; i < len; ++i) v = v << 8 | static_cast<unsigned char>(out[i]);
  return v;
}

template <class F>
void ForEachMappable(UConverter* c, F f) {
  UErrorCode err = U_ZERO_ERROR;
  USet* set = uset_openEmpty();
  ucnv_getUnicodeSet(c, set, UCNV_ROUNDTRIP_AND_FALLBACK_SET, &err);
  if (U_SUCCESS(err)) {
    const int32_t ranges = uset_getItemCount(set);
    for (int32_t i = 0; i < ranges; ++i) {
      UChar32 start = 0, end = 0;
      if (uset_getItem(set, i, &start, &end, nullptr, 0, &err) != 0) continue;  // a string
      for (UChar32 u = start; u <= end && u <= 0xFFFF; ++u)
        if (u >= 0x80 && !U16_IS_SURROGATE(u)) f(static_cast<char16_t>(u));
    }
  }
  uset_close(set);
}

bool IsSjisLead(unsigned b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }
bool IsSjisTrail(unsigned b) { return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFC); }

bool Build(Tables& t) {
  Converter sjis = Open("windows-31j");
  Converter euc = Open("EUC-JP");
  if (!sjis || !euc) return false;
  UErrorCode err = U_ZERO_ERROR;
  const icu::Normalizer2* nfkc = icu::Normalizer2::getNFKCInstance(err);
  const icu::Normalizer2* nfc = icu::Normalizer2::getNFCInstance(err);
  if (U_FAILURE(err)) return false;

  for (unsigned b = 0; b < 0x80; ++b) t.fromSjis[b] = static_cast<char16_t>(b);
  for (unsigned b = 0xA1; b <= 0xDF; ++b) {
    const char byte = static_cast<char>(b);
    t.fromSjis[b] = DecodeOne(sjis.get(), &byte, 1);
  }
  for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
    if (!IsSjisLead(lead)) continue;
    for (unsigned trail = 0x40; trail <= 0xFC; ++trail) {
      if (!IsSjisTrail(trail)) continue;
      const char pair[2] = {static_cast<char>(lead), static_cast<char>(trail)};
      t.fromSjis[lead << 8 | trail] = DecodeOne(sjis.get(), pair, 2);
    }
  }
  for (int row = 0; row < 94; ++row) {
    for (int cell = 0; cell < 94; ++cell) {
      const char b1 = static_cast<char>(0xA1 + row), b2 = static_cast<char>(0xA1 + cell);
      const char two[2] = {b1, b2};
      const char three[3] = {'\x8F', b1, b2};
      t.fromEuc[row * 94 + cell] = DecodeOne(euc.get(), two, 2);
      t.fromEucSupp[row * 94 + cell] = DecodeOne(euc.get(), three, 3);
    }
  }

  // Encoding takes ICU's best fits too: the JIS forms of characters code
  // page 932 reads differently (〜 U+301C, ‖ U+2016, − U+2212, — U+2014).
  ucnv_setFallback(sjis.get(), true);
  ucnv_setFallback(euc.get(), true);
  ForEachMappable(sjis.get(), [&](char16_t u) {
    t.toSjis[u] = static_cast<std::uint16_t>(EncodeOne(sjis.get(), u));
  });
  ForEachMappable(euc.get(), [&](char16_t u) { t.toEuc[u] = EncodeOne(euc.get(), u); });

  // The two vendor tables give a few JIS X 0208 characters different
  // Unicode forms (¢ £ ¬ in EUC-JP, their full-width forms in code page
  // 932). A character one table places at a row and cell is that row and
  // cell in the other code too.
  for (std::uint32_t u = 0x80; u < 0x10000; ++u) {
    const std::uint32_t e = t.toEuc[u];
    const std::uint16_t s = t.toSjis[u];
    if (s == 0 && e >= 0xA1A1 && e <= 0xFEFE) {
      const std::uint16_t code = RowCellToSjis({static_cast<int>((e >> 8) - 0xA0),
                                                static_cast<int>((e & 0xFF) - 0xA0)});
      if (t.fromSjis[code] != 0) t.toSjis[u] = code;
    } else if (e == 0 && s > 0xFF) {
      const RowCell rc = SjisToRowCell(s >> 8, s & 0xFF);
      if (rc.row <= 94 && t.fromEuc[(rc.row - 1) * 94 + rc.cell - 1] != 0)
        t.toEuc[u] = static_cast<std::uint32_t>((rc.row + 0xA0) << 8 | (rc.cell + 0xA0));
    }
  }

  // A character neither table holds, but whose full-width form is held, is
  // written as that form: ¥ as ￥, ¢ as ￠, ¦ as ￤.
  for (char32_t x = 0xFF01; x <= 0xFFEE; ++x) {
    const icu::UnicodeString n = nfkc->normalize(icu::UnicodeString(static_cast<UChar32>(x)), err);
    if (U_FAILURE(err) || n.length() != 1 || n.charAt(0) < 0x80) continue;
    const char16_t u = n.charAt(0);
    if (t.toSjis[u] == 0) t.toSjis[u] = t.toSjis[x];
    if (t.toEuc[u] == 0) t.toEuc[u] = t.toEuc[x];
  }

  // Width: NFKC gives each half-width kana its full-width form; the voiced
  // marks come out as combining marks and stand alone as ゛ and ゜.
  for (int i = 0; i < kHalfKanaCount; ++i) {
    const icu::UnicodeString half(static_cast<UChar32>(kHalfKanaFirst + static_cast<char32_t>(i)));
    const icu::UnicodeString wide = nfkc->normalize(half, err);
    if (U_FAILURE(err) || wide.length() != 1) return false;
    char16_t w = wide.charAt(0);
    if (w == 0x3099) w = 0x309B;
    if (w == 0x309A) w = 0x309C;
    t.wideKana[i] = w;
    const auto compose = [&](UChar32 mark) -> char16_t {
      const UChar32 c = nfc->composePair(w, mark);
      return c > 0 && c <= 0xFFFF && t.toSjis[c] > 0xFF ? static_cast<char16_t>(c) : 0;
    };
    t.voiced[i] = compose(0x3099);
    t.semiVoiced[i] = compose(0x309A);
  }

  // Half-width forms of the full-width ASCII block and of the ideographic
  // space. 0x8160 is the wave dash 〜 of JIS X 0208, a range mark in Japanese
  // text; code page 932 only happens to read it as FULLWIDTH TILDE.
  for (std::uint32_t code = 0x8100; code < 0x10000; ++code) {
    const char16_t u = t.fromSjis[code];
    if (code == 0x8160 || !(u == 0x3000 || (u >= 0xFF01 && u <= 0xFF5E))) continue;
    const icu::UnicodeString narrow = nfkc->normalize(icu::UnicodeString(static_cast<UChar32>(u)), err);
    if (U_SUCCESS(err) && narrow.length() == 1 && narrow.charAt(0) >= 0x20 && narrow.charAt(0) < 0x7F)
      t.narrowSjis[code] = static_cast<char>(narrow.charAt(0));
  }
  return U_SUCCESS(err);
}

}  // namespace

bool StrictSjisOf(char32_t u, std::uint16_t* code, int* length) {
  // A character's answer packed as known << 31 | writable << 30 | length
  // << 16 | code; BMP characters only, the others are asked every time.
  static std::array<std::uint32_t, 0x10000> known{};
  static std::mutex guard;
  constexpr std::uint32_t kKnown = 1u << 31, kWritable = 1u << 30;
  const std::lock_guard<std::mutex> lock(guard);
  std::uint32_t answer = u < 0x10000 ? known[u] : 0;
  if (!(answer & kKnown)) {
    static const Converter sjis = Open("windows-31j");
    answer = kKnown;
    UChar in[2];
    std::int32_t n = 0;
    UBool bad = false;
    U16_APPEND(in, n, 2, static_cast<UChar32>(u), bad);
    if (sjis && !bad) {
      UErrorCode err = U_ZERO_ERROR;
      ucnv_resetFromUnicode(sjis.get());
      char out[8];
      // The callback stops at a character the converter cannot hold, but
      // lets a default-ignorable one pass as nothing.
      const int len = ucnv_fromUChars(sjis.get(), out, sizeof out, in, n, &err);
      if (U_SUCCESS(err) && len <= 2) {
        std::uint32_t bytes = 0;
        for (int i = 0; i < len; ++i) bytes = bytes << 8 | static_cast<unsigned char>(out[i]);
        answer |= kWritable | static_cast<std::uint32_t>(len) << 16 | bytes;
      }
    }
    if (u < 0x10000) known[u] = answer;
  }
  *code = static_cast<std::uint16_t>(answer & 0xFFFF);
  *length = static_cast<int>(answer >> 16 & 3);
  return (answer & kWritable) != 0;
}

const Tables* GetTables() {
  static const std::unique_ptr<const Tables> tables = [] {
    auto t = std::make_unique<Tables>();
    return Build(*t) ? std::unique_ptr<const Tables>(std::move(t)) : nullptr;
  }();
  return tables.get();
}

}  // namespace mw::kanji
