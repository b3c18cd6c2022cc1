#include "core/text/unicode_view.h"

#include <stdexcept>

#include "core/text/kanji_tables.h"
#include "core/text/encoding.h"

namespace mw {

namespace {

const kanji::Tables& Tables() {
  const kanji::Tables* t = kanji::GetTables();
  if (!t) throw std::runtime_error("code page 932 tables are not available");
  return *t;
}

void PutUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

std::size_t Utf8Length(char32_t c) { return c < 0x80 ? 1 : c < 0x800 ? 2 : c < 0x10000 ? 3 : 4; }

// The Unicode character of the Shift-JIS character at pos, or 0 when it
// must go as raw-byte markers. ASCII maps to itself (NUL included).
char32_t Canonical(const kanji::Tables& t, std::string_view s, std::size_t pos, std::size_t n) {
  const auto b = static_cast<unsigned char>(s[pos]);
  if (n == 1) {
    if (b < 0x80) return b;
    const char16_t u = t.fromSjis[b];
    return u && t.toSjis[u] == b && !IsRawByteMarker(u) ? u : 0;
  }
  const unsigned code = b << 8 | static_cast<unsigned char>(s[pos + 1]);
  const char16_t u = t.fromSjis[code];
  return u && t.toSjis[u] == code && !IsRawByteMarker(u) ? u : 0;
}

}  // namespace

std::string SjisToUnicodeView(std::string_view sjis) {
  const auto& t = Tables();
  std::string out;
  out.reserve(sjis.size() + sjis.size() / 2);
  for (std::size_t i = 0; i < sjis.size();) {
    const auto b = static_cast<unsigned char>(sjis[i]);
    if (b < 0x80) {
      out += static_cast<char>(b);
      ++i;
      continue;
    }
    const std::size_t n = CharLength(sjis, i);
    if (const char32_t u = Canonical(t, sjis, i, n)) {
      PutUtf8(out, u);
    } else {
      for (std::size_t k = 0; k < n; ++k)
        PutUtf8(out, kRawByteMarker + static_cast<unsigned char>(sjis[i + k]));
    }
    i += n;
  }
  return out;
}

std::size_t ViewLengthOfChar(std::string_view sjis, std::size_t pos, std::size_t* sjisLength) {
  const std::size_t n = CharLength(sjis, pos);
  if (sjisLength) *sjisLength = n;
  if (static_cast<unsigned char>(sjis[pos]) < 0x80) return 1;
  const char32_t u = Canonical(Tables(), sjis, pos, n);
  return u ? Utf8Length(u) : 3 * n;
}

SjisFromView UnicodeViewToSjis(std::string_view utf8) {
  const auto& t = Tables();
  SjisFromView r;
  r.bytes.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    const auto b = static_cast<unsigned char>(utf8[i]);
    if (b < 0x80) {
      r.bytes += static_cast<char>(b);
      ++i;
      continue;
    }
    // Decode one UTF-8 sequence, strictly.
    std::size_t n = b >= 0xF0 && b <= 0xF4 ? 4 : b >= 0xE0 ? 3 : b >= 0xC2 && b <= 0xDF ? 2 : 0;
    if (b > 0xF4) n = 0;
    char32_t c = n == 2 ? b & 0x1F : n == 3 ? b & 0x0F : b & 0x07;
    bool ok = n != 0 && i + n <= utf8.size();
    for (std::size_t k = 1; ok && k < n; ++k) {
      const auto cb = static_cast<unsigned char>(utf8[i + k]);
      ok = (cb & 0xC0) == 0x80;
      c = c << 6 | (cb & 0x3F);
    }
    ok = ok && c >= (n == 2 ? 0x80u : n == 3 ? 0x800u : 0x10000u) && c <= 0x10FFFF &&
         !(c >= 0xD800 && c <= 0xDFFF);
    if (!ok) {
      r.badAt = i;
      return r;
    }
    if (IsRawByteMarker(c)) {
      r.bytes += static_cast<char>(c - kRawByteMarker);
    } else {
      const std::uint16_t code = c < 0x10000 ? t.toSjis[c] : 0;
      if (code == 0) {
        r.badAt = i;
        return r;
      }
      if (code > 0xFF) r.bytes += static_cast<char>(code >> 8);
      r.bytes += static_cast<char>(code & 0xFF);
    }
    i += n;
  }
  return r;
}

}  // namespace mw
