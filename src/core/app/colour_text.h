// Colours as settings store them: a name (clSilver, clWindowText...), "$"
// and eight hexadecimal digits of 0x00BBGGRR, or a decimal number.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/app/display_fonts.h"

namespace mw {

inline constexpr ColorValue kClNone = 0x1FFFFFFF;
inline constexpr ColorValue kSystemColour = 0x80000000;

// nullopt when the text is none of the three forms.
std::optional<ColorValue> ParseColourText(std::string_view text);
// The name when the value has one, else "$" and eight hex digits.
std::string ColourText(ColorValue value);

}  // namespace mw
