// The four display fonts: text, tag, special (character references and
// comments) and parameter (quoted attribute values).
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/text/messages.h"

namespace mw {

// A colour value as stored in settings: 0x00BBGGRR, or 0x80000000 + n for
// system colour n (only the low three bytes are used where RGB is needed).
using ColorValue = std::uint32_t;

inline constexpr ColorValue kClWindowText = 0x80000008;
inline constexpr ColorValue kClBlack = 0x000000;
inline constexpr ColorValue kClBlue = 0xFF0000;
inline constexpr ColorValue kClRed = 0x0000FF;
inline constexpr ColorValue kClGreen = 0x008000;

struct DisplayFont {
  std::string face;  // Shift-JIS, as stored
  int points = 10;
  ColorValue color = kClWindowText;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
};

enum class FontClass { Text = 0, Tag = 1, Special = 2, Parameter = 3 };

// Indexed by FontClass.
using DisplayFonts = std::array<DisplayFont, 4>;

// The design fonts: MS Gothic family, about 10 points; text in the window
// text colour, tags blue bold, special red, parameters green.
inline DisplayFonts DesignFonts() {
  const std::string& gothic = MessageSjis(Msg::FontMsGothic);
  const std::string& pgothic = MessageSjis(Msg::FontMsPGothic);
  DisplayFonts f;
  f[0] = {gothic, 10, kClWindowText, false, false, false, false};
  f[1] = {gothic, 10, kClBlue, true, false, false, false};
  f[2] = {pgothic, 10, kClRed, false, false, false, false};
  f[3] = {pgothic, 10, kClGreen, false, false, false, false};
  return f;
}

}  // namespace mw
