#include "core/app/colour_text.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "core/text/encoding.h"

namespace mw {

namespace {

struct NamedColour {
  const char* name;
  ColorValue value;
};

constexpr NamedColour kNamed[] = {
    {"clBlack", 0x000000}, {"clMaroon", 0x000080}, {"clGreen", 0x008000}, {"clOlive", 0x008080},
    {"clNavy", 0x800000},  {"clPurple", 0x800080}, {"clTeal", 0x808000},  {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0}, {"clRed", 0x0000FF},   {"clLime", 0x00FF00},  {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},  {"clFuchsia", 0xFF00FF}, {"clAqua", 0xFFFF00}, {"clWhite", 0xFFFFFF},
    {"clNone", kClNone},
};

// System colours 0x80000000 + index, in index order.
constexpr const char* kSystemNames[] = {
    "clScrollBar",   "clBackground",   "clActiveCaption",  "clInactiveCaption", "clMenu",
    "clWindow",      "clWindowFrame",  "clMenuText",       "clWindowText",      "clCaptionText",
    "clActiveBorder", "clInactiveBorder", "clAppWorkSpace", "clHighlight",      "clHighlightText",
    "clBtnFace",     "clBtnShadow",    "clGrayText",       "clBtnText",         "clInactiveCaptionText",
    "clBtnHighlight", "cl3DDkShadow",  "cl3DLight",        "clInfoText",        "clInfoBk",
};

}  // namespace

std::optional<ColorValue> ParseColourText(std::string_view text) {
  const std::string_view t = Trim(text);
  if (t.empty()) return std::nullopt;
  for (const auto& c : kNamed)
    if (EqualsNoCase(t, c.name)) return c.value;
  for (std::size_t i = 0; i < std::size(kSystemNames); ++i)
    if (EqualsNoCase(t, kSystemNames[i])) return kSystemColour + static_cast<ColorValue>(i);
  const std::string s(t);
  char* end = nullptr;
  errno = 0;
  if (s[0] == '$') {
    if (s.size() < 2 || s.size() > 9) return std::nullopt;
    const unsigned long v = std::strtoul(s.c_str() + 1, &end, 16);
    if (*end != '\0' || errno != 0) return std::nullopt;
    return static_cast<ColorValue>(v);
  }
  // Decimal, as the settings file's read default is written; negative
  // numbers are the system colours' two's-complement form.
  const long long v = std::strtoll(s.c_str(), &end, 10);
  if (*end != '\0' || errno != 0 || v < INT32_MIN || v > UINT32_MAX) return std::nullopt;
  return static_cast<ColorValue>(static_cast<std::uint32_t>(v));
}

std::string ColourText(ColorValue value) {
  for (const auto& c : kNamed)
    if (c.value == value) return c.name;
  if (value >= kSystemColour && value < kSystemColour + std::size(kSystemNames))
    return kSystemNames[value - kSystemColour];
  char buf[16];
  std::snprintf(buf, sizeof buf, "$%08X", static_cast<unsigned>(value));
  return buf;
}

}  // namespace mw
