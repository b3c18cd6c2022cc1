// FontColor.dat: the four display fonts and the colour dialog's custom
// colours, as five records of a small typed stream. Each record is the
// signature "TPF0", the class and component names as length-prefixed
// strings, then property name / typed value pairs closed by an empty name,
// then an empty child list. Records in order: FontDialog1 (text),
// FontDialog2 (tag), FontDialog3 (special), FontDialog4 (parameter),
// ColorDialog1.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/app/data_file.h"
#include "core/app/display_fonts.h"

namespace mw {

inline constexpr std::string_view kFontFileName = "FontColor.dat";

struct FontColorFile {
  DisplayFonts fonts = DesignFonts();
  // The colour dialog's custom colours as it keeps them ("ColorA=FFFFFF").
  std::vector<std::string> customColours;
};

std::string SerializeFontColorFile(const FontColorFile& file);
// nullopt for anything that is not five well-formed records with font
// heights in range: a damaged file then leaves the design fonts in place.
std::optional<FontColorFile> ParseFontColorFile(std::string_view bytes);

// The file read and parsed; nullopt with state Missing or Damaged when it
// gives nothing (see data_file.h for what a damaged file is kept as).
std::optional<FontColorFile> ReadFontColorFile(const std::string& path, DataFileState& state);

// The sizes a font may have, as the system's font dialog offers them.
inline constexpr int kMinFontPoints = 1;
inline constexpr int kMaxFontPoints = 1638;

// Points and the stored pixel height at 96 dots per inch (10 pt = -13).
// Points outside the range above are taken as its nearest end; a height
// whose size in points is outside it is not one a font file holds.
int FontHeightOfPoints(int points);
int PointsOfFontHeight(int height);

}  // namespace mw
