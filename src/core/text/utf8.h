// UTF-8, the one encoder and decoder: the widget's view, the terminal, the
// program's texts and the kanji converter's UTF-8 input all go through it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace mw {

inline constexpr char32_t kMaxCodePoint = 0x10FFFF;

inline bool IsSurrogate(char32_t c) { return c >= 0xD800 && c <= 0xDFFF; }

// Bytes of UTF-8 that code point c takes (1 to 4).
inline std::size_t Utf8Length(char32_t c) { return c < 0x80 ? 1 : c < 0x800 ? 2 : c < 0x10000 ? 3 : 4; }

// Appends code point c (at most kMaxCodePoint, no surrogate).
inline void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    const char b[2] = {static_cast<char>(0xC0 | (c >> 6)), static_cast<char>(0x80 | (c & 0x3F))};
    out.append(b, 2);
  } else if (c < 0x10000) {
    const char b[3] = {static_cast<char>(0xE0 | (c >> 12)), static_cast<char>(0x80 | ((c >> 6) & 0x3F)),
                       static_cast<char>(0x80 | (c & 0x3F))};
    out.append(b, 3);
  } else {
    const char b[4] = {static_cast<char>(0xF0 | (c >> 18)), static_cast<char>(0x80 | ((c >> 12) & 0x3F)),
                       static_cast<char>(0x80 | ((c >> 6) & 0x3F)), static_cast<char>(0x80 | (c & 0x3F))};
    out.append(b, 4);
  }
}

inline std::string Utf8Of(char32_t c) {
  std::string s;
  AppendUtf8(s, c);
  return s;
}

struct Utf8Char {
  char32_t code = 0;    // the code point; 0 when not valid
  std::size_t length = 1;  // bytes taken, at least 1
  bool valid = false;
};

// The code point whose UTF-8 starts at pos (pos < text.size()), strictly:
// no overlong form, no surrogate, nothing above U+10FFFF. An ill-formed
// sequence takes the bytes of its longest well-formed beginning (at least
// one), so a decoder resumes where the next character can start.
inline Utf8Char DecodeUtf8(std::string_view text, std::size_t pos) {
  const auto at = [&](std::size_t k) { return static_cast<unsigned char>(text[pos + k]); };
  const std::size_t left = text.size() - pos;
  const unsigned char b = at(0);
  if (b < 0x80) return {b, 1, true};
  // The range the first trail byte must lie in, by lead byte.
  std::size_t n = 0;
  unsigned char lo = 0x80, hi = 0xBF;
  if (b >= 0xC2 && b <= 0xDF) {
    n = 2;
  } else if (b >= 0xE0 && b <= 0xEF) {
    n = 3;
    if (b == 0xE0) lo = 0xA0;       // no overlong form
    else if (b == 0xED) hi = 0x9F;  // no surrogate
  } else if (b >= 0xF0 && b <= 0xF4) {
    n = 4;
    if (b == 0xF0) lo = 0x90;       // no overlong form
    else if (b == 0xF4) hi = 0x8F;  // nothing above U+10FFFF
  } else {
    return {0, 1, false};
  }
  char32_t c = b & (n == 2 ? 0x1F : n == 3 ? 0x0F : 0x07);
  for (std::size_t k = 1; k < n; ++k) {
    if (k >= left) return {0, k, false};
    const unsigned char t = at(k);
    if (t < (k == 1 ? lo : 0x80) || t > (k == 1 ? hi : 0xBF)) return {0, k, false};
    c = c << 6 | (t & 0x3F);
  }
  return {c, n, true};
}

}  // namespace mw
