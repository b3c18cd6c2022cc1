// The one bridge between document bytes and Unicode, for the window, the
// command line and the program's texts.
//
// The widget's view: a document is bytes and need not even be valid
// Shift-JIS, so the mapping to Unicode is lossless: every byte sequence maps
// to exactly one sequence of code points and back. Characters that code
// page 932 reads and writes back the same map to their Unicode character.
// Everything else (bytes that are no character, a lead byte without its
// trail, the NEC and IBM duplicates that a converter would rewrite to their
// other code) maps byte by byte to a private-use marker U+F700 + byte,
// outside the user-defined range U+E000-U+E757 that code page 932 itself
// uses, and the widget shows those markers visibly.
//
// Printed text (the command line's output) and text typed by hand (its
// arguments) take the printable mode instead, see ViewMode.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/text/encoding.h"
#include "core/text/kanji_tables.h"
#include "core/text/utf8.h"

namespace mw {

inline constexpr char32_t kRawByteMarker = 0xF700;

inline bool IsRawByteMarker(char32_t c) { return c >= kRawByteMarker && c <= kRawByteMarker + 0xFF; }

enum class ViewMode {
  // The widget's view, lossless, as described above.
  Lossless,
  // For reading and typing: every character as code page 932 reads it, the
  // NEC and IBM duplicates included; bytes that are no character print as
  // \xHH (so nothing is lost from sight). Back, only what code page 932's
  // converter writes strictly: no markers, no best fit (〜 U+301C, ¥ are
  // refused); as that converter does, a default-ignorable character it
  // cannot hold (zero-width space, byte order mark) is dropped, and the
  // controls U+001A, U+001C, U+007F become its control codes 7F, 1A, 1C.
  Printable,
};

// UTF-8 for the widget (or, printable, for a terminal).
std::string SjisToUnicodeView(std::string_view sjis, ViewMode mode = ViewMode::Lossless);
// The same, appended to out.
void AppendUnicodeView(std::string& out, std::string_view sjis, ViewMode mode = ViewMode::Lossless);

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
SjisFromView UnicodeViewToSjis(std::string_view utf8, ViewMode mode = ViewMode::Lossless);

// Offset arithmetic between a document and its lossless view, for offset
// indexes that map one to the other without converting.
//
// Bytes of UTF-8 that the Shift-JIS character at `pos` takes in the view
// (1 to 4 per character, or 3 per byte for markers); its own length in
// *sjisLength.
Offset ViewLengthOfChar(std::string_view sjis, Offset pos, Offset* sjisLength);

// The inverse: Shift-JIS bytes of the view character at `pos` of a view
// (UTF-8 that SjisToUnicodeView made, possibly edited by the widget with
// characters that read back as themselves), and its UTF-8 length in
// *viewLength. ASCII, markers and half-width kana are one byte, everything
// else two: the lead byte and, for three bytes, the code point decide.
// Inline: offset mapping runs it on every character of a line.
inline Offset SjisLengthOfViewChar(std::string_view view, Offset pos, Offset* viewLength) {
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
    const char32_t u = CodePointOfWellFormed(view, p, 3);
    return IsRawByteMarker(u) || (u >= kanji::kHalfKanaFirst && u <= kanji::kHalfKanaLast) ? 1 : 2;
  }
  *viewLength = 4;
  return 2;
}

// Shift-JIS bytes of a whole piece of view, and UTF-8 bytes of the view of
// a whole piece of document.
Offset SjisLengthOfView(std::string_view view);
Offset ViewLengthOf(std::string_view sjis);

}  // namespace mw
