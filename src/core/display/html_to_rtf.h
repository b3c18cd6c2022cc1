// Coloured rich text from HTML source: the scanner splits Shift-JIS source
// into tokens and each token class switches to one of the four display
// fonts. The same scanner gives the editor its colour runs.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/app/display_fonts.h"
#include "core/text/encoding.h"

namespace mw {

// RTF class string of a font with colour index n, e.g. "\plain\fs20\b\cf1 ".
std::string RtfClassString(const DisplayFont& font, int colourIndex);

// "\red8\green0\blue0;" from the low three bytes of the colour value.
std::string RtfColourEntry(ColorValue colour);

class THTMLtoRTFConverter {
 public:
  THTMLtoRTFConverter(std::string_view input, std::string& output);
  void SetTextFont(const DisplayFont& f);
  void SetTagFont(const DisplayFont& f);
  void SetSpecialFont(const DisplayFont& f);
  void SetParameterFont(const DisplayFont& f);
  void BuildColourTable(const DisplayFonts& fonts);
  void Convert();

 private:
  static constexpr std::size_t kInitialOutput = 128 * 1024;

  std::string_view m_input;
  std::string& m_output;
  std::array<std::string, 4> m_class;  // indexed by FontClass
  std::string m_colourTable;
};

// The whole conversion with the given fonts.
std::string HtmlToRtf(std::string_view html, const DisplayFonts& fonts = DesignFonts());

// A run of source bytes drawn in one display font.
struct ColourRun {
  Offset start = 0;
  Offset length = 0;
  FontClass cls = FontClass::Text;
  bool operator==(const ColourRun&) const = default;
};

// The colour runs of a document, in order, covering every byte; adjacent
// runs of one class are merged. Each byte gets the class the RTF draws it
// in; bytes from an embedded NUL on (where the RTF ends) are text. A
// fragment is coloured the same way, as if it were a whole document, with
// offsets relative to its start.
std::vector<ColourRun> ColourHtml(std::string_view html);

}  // namespace mw
