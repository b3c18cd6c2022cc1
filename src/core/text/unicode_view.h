// The document as a Unicode editor widget shows it. A document is bytes and
// need not even be valid Shift-JIS, so the mapping to Unicode is lossless:
// every byte sequence maps to exactly one sequence of code points and back.
// Characters that code page 932 reads and writes back the same map to their
// Unicode character. Everything else (bytes that are no character, a lead
// byte without its trail, the NEC and IBM duplicates that a converter would
// rewrite to their other code) maps byte by byte to a private-use marker
// U+F700 + byte, outside the user-defined range U+E000-U+E757 that code
// page 932 itself uses, and the widget shows those markers visibly.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace mw {

inline constexpr char32_t kRawByteMarker = 0xF700;

inline bool IsRawByteMarker(char32_t c) { return c >= kRawByteMarker && c <= kRawByteMarker + 0xFF; }

// UTF-8 for the widget.
std::string SjisToUnicodeView(std::string_view sjis);

struct SjisFromView {
  std::string bytes;
  // Byte offset in the UTF-8 input of the first character that Shift-JIS
  // cannot hold (or of broken UTF-8); npos when all of it converted.
  std::size_t badAt = std::string::npos;
};

// The reverse. Markers give back their byte; other characters their code
// page 932 bytes. Stops at the first character it cannot write. (A marker
// typed for an ASCII byte saves as that byte: harmless, since no document
// byte sequence produces one on its own.)
SjisFromView UnicodeViewToSjis(std::string_view utf8);

// Bytes of UTF-8 that the Shift-JIS character at `pos` takes in the view
// (1 to 4 per character, or 3 per byte for markers) — for offset indexes.
std::size_t ViewLengthOfChar(std::string_view sjis, std::size_t pos, std::size_t* sjisLength);

}  // namespace mw
