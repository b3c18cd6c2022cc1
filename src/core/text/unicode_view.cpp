#include "core/text/unicode_view.h"

#include <unicode/uchar.h>

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

const kanji::StrictSjisWriting& StrictWriting() {
  const kanji::StrictSjisWriting* t = kanji::GetStrictSjisWriting();
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
  const auto& t = Tables();
  const bool printable = mode == ViewMode::Printable;
  std::string out;
  out.reserve(sjis.size() + sjis.size() / 2);
  for (std::size_t i = 0; i < sjis.size();) {
    const auto b = static_cast<unsigned char>(sjis[i]);
    if (b < 0x80) {
      out += static_cast<char>(b);
      ++i;
      continue;
    }
    const auto n = static_cast<std::size_t>(CharLength(sjis, static_cast<Offset>(i)));
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
  return out;
}

Offset ViewLengthOfChar(std::string_view sjis, Offset pos, Offset* sjisLength) {
  const Offset n = CharLength(sjis, pos);
  if (sjisLength) *sjisLength = n;
  const auto p = static_cast<std::size_t>(pos);
  if (static_cast<unsigned char>(sjis[p]) < 0x80) return 1;
  const char32_t u = Canonical(Tables(), sjis, p, static_cast<std::size_t>(n));
  return u ? static_cast<Offset>(Utf8Length(u)) : 3 * n;
}

// The widget only ever holds characters whose Shift-JIS form reads back as
// the same character (insertions are checked), so the lead byte and the
// code point decide.
Offset SjisLengthOfViewChar(std::string_view view, Offset pos, Offset* viewLength) {
  const auto p = static_cast<std::size_t>(pos);
  const auto c = static_cast<unsigned char>(view[p]);
  if (c < 0x80) {
    *viewLength = 1;
    return 1;
  }
  if (c < 0xE0) {
    *viewLength = 2;
    return 2;
  }
  if (c < 0xF0) {
    *viewLength = 3;
    const Utf8Char u = DecodeUtf8(view, p);
    if (u.valid && (IsRawByteMarker(u.code) || (u.code >= kanji::kHalfKanaFirst && u.code <= kanji::kHalfKanaLast)))
      return 1;
    return 2;
  }
  *viewLength = 4;
  return 2;
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

SjisFromView UnicodeViewToSjis(std::string_view utf8, ViewMode mode) {
  const auto& t = Tables();
  const kanji::StrictSjisWriting* strict = mode == ViewMode::Printable ? &StrictWriting() : nullptr;
  SjisFromView r;
  r.bytes.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    const auto b = static_cast<unsigned char>(utf8[i]);
    if (b < 0x80 && !strict) {
      r.bytes += static_cast<char>(b);
      ++i;
      continue;
    }
    const Utf8Char c = DecodeUtf8(utf8, i);
    if (!c.valid) {
      r.badAt = i;
      return r;
    }
    std::uint16_t code = 0;
    std::size_t length = 0;
    if (strict) {
      if (c.code < 0x10000) {
        code = strict->code[c.code];
        length = strict->length[c.code];
      } else {
        // Nothing outside the BMP is in code page 932; the converter drops
        // the default-ignorable characters there (tag characters).
        length = u_hasBinaryProperty(static_cast<UChar32>(c.code), UCHAR_DEFAULT_IGNORABLE_CODE_POINT)
                     ? 0
                     : kanji::StrictSjisWriting::kUnwritable;
      }
      if (length == kanji::StrictSjisWriting::kUnwritable) {
        r.badAt = i;
        return r;
      }
    } else if (IsRawByteMarker(c.code)) {
      code = static_cast<std::uint16_t>(c.code - kRawByteMarker);
      length = 1;
    } else {
      code = c.code < 0x10000 ? t.toSjis[c.code] : 0;
      if (code == 0) {
        r.badAt = i;
        return r;
      }
      length = code > 0xFF ? 2 : 1;
    }
    if (length == 2) r.bytes += static_cast<char>(code >> 8);
    if (length >= 1) r.bytes += static_cast<char>(code & 0xFF);
    i += c.length;
  }
  return r;
}

}  // namespace mw
