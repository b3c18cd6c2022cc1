#include "core/text/unicode_view.h"

#include <cstdint>
#include <cstring>
#include <stdexcept>

#include "core/text/kanji_tables.h"
#include "core/text/utf8.h"

namespace mw {

namespace {

const kanji::Tables& Tables() {
  const kanji::Tables* t = kanji::GetTables();
  if (!t) throw std::runtime_error("code page 932 tables are not available");
  return *t;
}

unsigned CodeAt(std::string_view s, std::size_t pos, std::size_t n) {
  const auto b = static_cast<unsigned char>(s[pos]);
  return n == 1 ? b : b << 8 | static_cast<unsigned char>(s[pos + 1]);
}

// The Unicode character of the Shift-JIS character at pos, or 0 when it
// must go as raw-byte markers. ASCII maps to itself (NUL included).
char32_t Canonical(const kanji::Tables& t, std::string_view s, std::size_t pos, std::size_t n) {
  const unsigned code = CodeAt(s, pos, n);
  if (code < 0x80) return code;
  const char16_t u = t.fromSjis[code];
  return u && t.toSjis[u] == code && !IsRawByteMarker(u) ? u : 0;
}

void AppendHexByte(std::string& out, unsigned char c) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  const char b[4] = {'\\', 'x', kHex[c >> 4], kHex[c & 15]};
  out.append(b, 4);
}

}  // namespace

std::string SjisToUnicodeView(std::string_view sjis, ViewMode mode) {
  std::string out;
  out.reserve(sjis.size() + sjis.size() / 2);
  AppendUnicodeView(out, sjis, mode);
  return out;
}

void AppendUnicodeView(std::string& out, std::string_view sjis, ViewMode mode) {
  // Fetched at the first byte that needs them: ASCII text (most of what the
  // command line prints) never builds them.
  const kanji::Tables* tables = nullptr;
  const bool printable = mode == ViewMode::Printable;
  const EncodingRules& e = ShiftJis();
  for (std::size_t i = 0; i < sjis.size();) {
    // ASCII is itself in every mode; a run of it goes over at once.
    std::size_t ascii = i;
    for (std::uint64_t w; ascii + 8 <= sjis.size(); ascii += 8) {
      std::memcpy(&w, sjis.data() + ascii, 8);
      if (w & 0x8080808080808080u) break;
    }
    while (ascii < sjis.size() && static_cast<unsigned char>(sjis[ascii]) < 0x80) ++ascii;
    if (ascii > i) {
      out.append(sjis.data() + i, ascii - i);
      i = ascii;
      if (i == sjis.size()) break;
    }
    if (!tables) tables = &Tables();
    const kanji::Tables& t = *tables;
    const auto n = static_cast<std::size_t>(CharLength(sjis, static_cast<Offset>(i), e));
    // Printed, a character reads as whatever code page 932 reads it as.
    if (const char32_t u = printable ? t.fromSjis[CodeAt(sjis, i, n)] : Canonical(t, sjis, i, n)) {
      AppendUtf8(out, u);
    } else {
      for (std::size_t k = 0; k < n; ++k) {
        const auto c = static_cast<unsigned char>(sjis[i + k]);
        if (printable) AppendHexByte(out, c);
        else AppendUtf8(out, kRawByteMarker + c);
      }
    }
    i += n;
  }
}

Offset ViewLengthOfChar(std::string_view sjis, Offset pos, Offset* sjisLength) {
  const Offset n = CharLength(sjis, pos);
  if (sjisLength) *sjisLength = n;
  const auto p = static_cast<std::size_t>(pos);
  if (static_cast<unsigned char>(sjis[p]) < 0x80) return 1;
  const char32_t u = Canonical(Tables(), sjis, p, static_cast<std::size_t>(n));
  return u ? static_cast<Offset>(Utf8Length(u)) : 3 * n;
}

Offset ViewLengthOf(std::string_view sjis) {
  Offset n = 0;
  const auto size = static_cast<Offset>(sjis.size());
  for (Offset p = 0; p < size;) {
    Offset sl = 1;
    n += ViewLengthOfChar(sjis, p, &sl);
    p += sl;
  }
  return n;
}

Offset SjisLengthOfView(std::string_view view) {
  Offset n = 0;
  const auto size = static_cast<Offset>(view.size());
  for (Offset i = 0; i < size;) {
    Offset vl = 1;
    n += SjisLengthOfViewChar(view, i, &vl);
    i += vl;
  }
  return n;
}

namespace {

SjisFromView LosslessToSjis(std::string_view utf8) {
  const kanji::Tables* tables = nullptr;  // as above
  SjisFromView r;
  r.bytes.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    // Markup is mostly ASCII: a run of it goes over at once.
    std::size_t ascii = i;
    while (ascii < utf8.size() && static_cast<unsigned char>(utf8[ascii]) < 0x80) ++ascii;
    if (ascii > i) {
      r.bytes.append(utf8.data() + i, ascii - i);
      i = ascii;
      if (i == utf8.size()) break;
    }
    const Utf8Char c = DecodeUtf8(utf8, i);
    if (!c.valid) {
      r.badAt = i;
      return r;
    }
    if (IsRawByteMarker(c.code)) {
      r.bytes += static_cast<char>(c.code - kRawByteMarker);
    } else {
      if (!tables) tables = &Tables();
      const std::uint16_t code = c.code < 0x10000 ? tables->toSjis[c.code] : 0;
      if (code == 0) {
        r.badAt = i;
        return r;
      }
      if (code > 0xFF) r.bytes += static_cast<char>(code >> 8);
      r.bytes += static_cast<char>(code & 0xFF);
    }
    i += c.length;
  }
  return r;
}

SjisFromView StrictToSjis(std::string_view utf8) {
  SjisFromView r;
  r.bytes.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    const Utf8Char c = DecodeUtf8(utf8, i);
    std::uint16_t code = 0;
    int length = 0;
    if (!c.valid || !kanji::StrictSjisOf(c.code, &code, &length)) {
      r.badAt = i;
      return r;
    }
    if (length == 2) r.bytes += static_cast<char>(code >> 8);
    if (length >= 1) r.bytes += static_cast<char>(code & 0xFF);
    i += c.length;
  }
  return r;
}

}  // namespace

SjisFromView UnicodeViewToSjis(std::string_view utf8, ViewMode mode) {
  return mode == ViewMode::Printable ? StrictToSjis(utf8) : LosslessToSjis(utf8);
}

}  // namespace mw
