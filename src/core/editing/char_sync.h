// Finding a character boundary near a position without walking from the
// start of the document.
//
// Scanning backwards in Shift-JIS cannot tell a lead byte from a trail byte,
// but a byte that can never be a trail byte (below 0x40: controls, CR, LF,
// space, digits, most punctuation, '<', '>', '=', '"') always starts a
// character of its own: any walk from the start of the text lands on it. So
// the walk to a boundary may begin at the nearest such byte before the
// position, which in markup is seldom more than a few bytes back.
#pragma once

#include <cstddef>
#include <string_view>

#include "core/text/encoding.h"

namespace mw {

// The nearest position <= pos that is known to be a character start: just
// at a byte that cannot be a trail byte, or 0.
inline std::size_t SyncPointBefore(std::string_view text, std::size_t pos,
                                   const EncodingRules& e = ShiftJis()) {
  if (pos > text.size()) pos = text.size();
  while (pos > 0) {
    --pos;
    if (!e.trail[static_cast<unsigned char>(text[pos])]) return pos;
  }
  return 0;
}

// The start of the character that holds byte pos (pos itself at or past the
// end of the text).
inline std::size_t CharStartNear(std::string_view text, std::size_t pos,
                                 const EncodingRules& e = ShiftJis()) {
  if (pos >= text.size()) return pos;
  return CharStartAt(text, pos, SyncPointBefore(text, pos + 1, e), e);
}

}  // namespace mw
