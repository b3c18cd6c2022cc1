// The byte rules of document text. A document is a byte string; every
// position and length counts bytes. Anything that scans, searches or
// changes case goes through these functions so that a match never starts
// on the second byte of a double-byte character.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace mw {

// A position between two bytes of a document; kNoPos means "none".
using Offset = std::ptrdiff_t;
inline constexpr Offset kNoPos = -1;

// A rule set says how long the character starting with a given byte is and
// which bytes may follow a lead byte. Shift-JIS is the document encoding;
// another multi-byte encoding is added by giving another table, without
// touching the scanners.
struct EncodingRules {
  // Bytes in the character that starts with this byte (1 for single bytes).
  std::array<std::uint8_t, 256> length{};
  // Whether a byte may stand after a lead byte inside one character.
  std::array<bool, 256> trail{};
  const char* name = "";
};

const EncodingRules& ShiftJis();
const EncodingRules& Utf8();

// 0x81-0x9F and 0xE0-0xFC in Shift-JIS.
inline bool IsLeadByte(unsigned char b, const EncodingRules& e = ShiftJis()) {
  return e.length[b] > 1;
}

// Length in bytes of the character at pos (pos < text.size()). A lead byte
// whose following bytes are missing or cannot be trail bytes is a character
// of its own, so broken text never hides the markup behind it.
inline Offset CharLength(std::string_view text, Offset pos, const EncodingRules& e = ShiftJis()) {
  const auto p = static_cast<std::size_t>(pos);
  const std::size_t n = e.length[static_cast<unsigned char>(text[p])];
  if (n == 1) return 1;
  if (p + n > text.size()) return 1;
  for (std::size_t i = 1; i < n; ++i)
    if (!e.trail[static_cast<unsigned char>(text[p + i])]) return 1;
  return static_cast<Offset>(n);
}

// Finding a character boundary near a position without walking from the
// start of the document. Scanning backwards in Shift-JIS cannot tell a lead
// byte from a trail byte, but a byte that can never be a trail byte (below
// 0x40: controls, CR, LF, space, digits, most punctuation, '<', '>', '=',
// '"') always starts a character of its own: any walk from the start of the
// text lands on it. So the walk to a boundary may begin at the nearest such
// byte before the position, which in markup is seldom more than a few bytes
// back.
//
// The nearest position <= pos that is known to be a character start: just
// at a byte that cannot be a trail byte, or 0.
inline Offset SyncPointBefore(std::string_view text, Offset pos, const EncodingRules& e = ShiftJis()) {
  if (pos > static_cast<Offset>(text.size())) pos = static_cast<Offset>(text.size());
  while (pos > 0) {
    --pos;
    if (!e.trail[static_cast<unsigned char>(text[static_cast<std::size_t>(pos)])]) return pos;
  }
  return 0;
}

// The one way to move an offset to a character boundary: pos clamped to
// [0, text.size()], then moved back to the start of the character that
// holds it.
Offset CharBoundary(std::string_view text, Offset pos, const EncodingRules& e = ShiftJis());

// True when pos is a character boundary.
inline bool IsCharBoundary(std::string_view text, Offset pos, const EncodingRules& e = ShiftJis()) {
  return pos >= 0 && pos <= static_cast<Offset>(text.size()) && CharBoundary(text, pos, e) == pos;
}

// First occurrence of needle at a character start at or after `from`
// (`from` must itself be a character start). kNoPos when absent. An empty
// needle matches at `from`.
Offset Find(std::string_view text, std::string_view needle,
            Offset from = 0, const EncodingRules& e = ShiftJis());

// Last occurrence of needle at a character start. kNoPos when absent.
Offset FindLast(std::string_view text, std::string_view needle,
                const EncodingRules& e = ShiftJis());

// First occurrence ignoring ASCII letter case (trail bytes compare exactly).
Offset FindNoCase(std::string_view text, std::string_view needle,
                  Offset from = 0, const EncodingRules& e = ShiftJis());

// Only ASCII letters change; bytes inside double-byte characters never do.
std::string AsciiLower(std::string_view text, const EncodingRules& e = ShiftJis());
std::string AsciiUpper(std::string_view text, const EncodingRules& e = ShiftJis());
bool EqualsNoCase(std::string_view a, std::string_view b, const EncodingRules& e = ShiftJis());

// Removes bytes up to and including the space from both ends (no trail byte
// is that small, so characters are never cut).
std::string_view Trim(std::string_view text);
std::string_view TrimLeft(std::string_view text);
std::string_view TrimRight(std::string_view text);

}  // namespace mw
