// Test rows written as the author sees them: "<a href=x>|" puts the caret
// at '|', "ab[<b>]cd" selects "<b>", and "ab{<b>}cd" marks an expected range.
// Markers are only recognised at character starts, so the '|' in ポ (83 7C)
// or the ']' in ゾ (83 5D) stay text.
#pragma once

#include <string>
#include <string_view>

#include "core/text/encoding.h"

namespace mw::test {

// Shift-JIS characters whose second byte is something the scanners look
// for or the markers use.
inline const std::string kTsu = "\x83\x63";  // ツ: trail 'c'
inline const std::string kA = "\x83\x41";    // ア: trail 'A'
inline const std::string kHyo = "\x95\x5C";  // 表: trail '\'
inline const std::string kSo = "\x83\x5C";   // ソ: trail '\'
inline const std::string kPo = "\x83\x7C";   // ポ: trail '|'
inline const std::string kZe = "\x83\x5B";   // ゼ: trail '['
inline const std::string kZo = "\x83\x5D";   // ゾ: trail ']'
inline const std::string kBo = "\x83\x7B";   // ボ: trail '{'
inline const std::string kMa = "\x83\x7D";   // マ: trail '}'
inline const std::string kSmallA = "\x83\x40";  // ァ: trail '@'

struct Marked {
  std::string text;
  Offset start = kNoPos;  // '|', '[' or '{'
  Offset length = 0;      // from '[' to ']' or '{' to '}'
};

inline Marked ParseMarked(std::string_view in) {
  Marked m;
  for (std::size_t i = 0; i < in.size();) {
    const std::size_t n = CharLength(in, i);
    const char c = in[i];
    if (n == 1 && (c == '|' || c == '[' || c == '{')) {
      m.start = static_cast<Offset>(m.text.size());
    } else if (n == 1 && (c == ']' || c == '}')) {
      m.length = static_cast<Offset>(m.text.size()) - m.start;
    } else {
      m.text.append(in.substr(i, n));
    }
    i += n;
  }
  return m;
}

}  // namespace mw::test
