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

// Small enough to come back in a register.
struct Utf8Char {
  char32_t code = 0;        // the code point; 0 when not valid
  std::uint8_t length = 1;  // bytes taken, 1 to 4
  bool valid = false;
};

// The code point whose UTF-8 starts at pos (pos < text.size()), strictly:
// no overlong form, no surrogate, nothing above U+10FFFF. An ill-formed
// sequence takes the bytes of its longest well-formed beginning (at least
// one), so a decoder resumes where the next character can start.
// Inlined into the conversion loops, where a call costs more than the work.
#if defined(__GNUC__)
[[gnu::always_inline]]
#endif
inline Utf8Char DecodeUtf8(std::string_view text, std::size_t pos) {
  const auto* s = reinterpret_cast<const unsigned char*>(text.data()) + pos;
  const std::size_t left = text.size() - pos;
  const char32_t b = s[0];
  const auto trail = [&](std::size_t k) { return k < left && (s[k] & 0xC0) == 0x80; };
  if (b < 0x80) return {b, 1, true};
  if (b < 0xC2) return {0, 1, false};  // a trail byte, or an overlong lead
  if (b < 0xE0) {
    if (!trail(1)) return {0, 1, false};
    return {(b & 0x1F) << 6 | (s[1] & 0x3F), 2, true};
  }
  if (b < 0xF0) {
    // E0 needs A0-BF next (no overlong form), ED 80-9F (no surrogate).
    const unsigned lo = b == 0xE0 ? 0xA0 : 0x80, hi = b == 0xED ? 0x9F : 0xBF;
    if (left < 2 || s[1] < lo || s[1] > hi) return {0, 1, false};
    if (!trail(2)) return {0, 2, false};
    return {(b & 0x0F) << 12 | char32_t{s[1] & 0x3Fu} << 6 | (s[2] & 0x3F), 3, true};
  }
  if (b < 0xF5) {
    // F0 needs 90-BF next (no overlong form), F4 80-8F (up to U+10FFFF).
    const unsigned lo = b == 0xF0 ? 0x90 : 0x80, hi = b == 0xF4 ? 0x8F : 0xBF;
    if (left < 2 || s[1] < lo || s[1] > hi) return {0, 1, false};
    if (!trail(2)) return {0, 2, false};
    if (!trail(3)) return {0, 3, false};
    return {(b & 0x07) << 18 | char32_t{s[1] & 0x3Fu} << 12 | char32_t{s[2] & 0x3Fu} << 6 | (s[3] & 0x3F), 4, true};
  }
  return {0, 1, false};
}

// Bytes of the sequence a lead byte starts in well-formed UTF-8.
inline std::size_t Utf8SequenceLength(unsigned char lead) {
  return lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
}

// The code point of the well-formed n-byte sequence at pos (n from its lead
// byte), unchecked but for the end of the text (0 there): for UTF-8 this
// program made itself, such as the widget's view, where a checking decoder
// would cost twice as much.
inline char32_t CodePointOfWellFormed(std::string_view text, std::size_t pos, std::size_t n) {
  if (pos + n > text.size()) return 0;
  const auto* s = reinterpret_cast<const unsigned char*>(text.data()) + pos;
  const char32_t b = s[0];
  switch (n) {
    case 1: return b;
    case 2: return (b & 0x1F) << 6 | (s[1] & 0x3Fu);
    case 3: return (b & 0x0F) << 12 | char32_t{s[1] & 0x3Fu} << 6 | (s[2] & 0x3Fu);
    default: return (b & 0x07) << 18 | char32_t{s[1] & 0x3Fu} << 12 | char32_t{s[2] & 0x3Fu} << 6 | (s[3] & 0x3Fu);
  }
}

}  // namespace mw
