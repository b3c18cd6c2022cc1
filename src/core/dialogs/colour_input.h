// The colour-name window (TInputColorForm): 141 named colours in nine
// groups, a value field that takes a name or #RRGGBB, and the pick that
// every colour field's (N) button, the style editor and the colour-name
// command run. The window's state lives in its fields (edColor, lbColor,
// iInputMethod, edColumn, the swatch edColor1), so the Qt view and the
// command line drive the same model through DialogActions.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "core/editing/dialog_host.h"
#include "core/editing/dialog_services.h"
#include "core/editing/editing_options.h"

namespace mw {

inline constexpr std::string_view kColourFormClass = "TInputColorForm";
// Markupwright.ini section of the window's size, place, mode and columns.
inline constexpr std::string_view kColourFormSection = "ColorFORM";

// One row of the list: a colour, or a group header (no code).
struct ColourRow {
  std::string_view code;  // "#RRGGBB", upper case
  std::string_view name;  // lower case; the header word for a header
  constexpr bool IsHeader() const { return code.empty(); }
};

// The 150 rows in list order.
std::span<const ColourRow> ColourTable();
// "#FFFFFF: white", or the header word.
std::string ColourRowText(const ColourRow& row);
// What choosing the row writes in name mode: its name, or its code for
// the two names of the table no browser knows (a page must not get them).
std::string_view WritableName(const ColourRow& row);

struct Rgb {
  unsigned char red = 0, green = 0, blue = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};
// Characters 2-3, 4-5 and 6-7 of a colour text as red, green and blue; a
// missing or invalid pair is 0.
Rgb ReadColourText(std::string_view text);
// "#RRGGBB", upper-case digits.
std::string ColourTextOf(Rgb c);
// The 24-bit colour value settings keep: red in bits 0-7, green 8-15,
// blue 16-23.
Rgb FromColourValue(std::uint32_t value);
std::uint32_t ToColourValue(Rgb c);

// The window's model.
class ColourNameForm {
 public:
  // The creation step: an initial text that is a known name (any case) or
  // "#" and six more characters is taken, anything else leaves the value
  // empty and no row chosen.
  explicit ColourNameForm(std::string_view initial, int displayMode = 0);

  // The value field changed to text (typing, or the program).
  void SetCurrent(std::string_view text);
  // A row chosen (click, key in the list, double click); -1 for none.
  void Choose(int row);
  // SwitchBtn: names <-> codes; the value follows for the chosen row.
  void Switch();

  const std::string& Current() const { return m_current; }
  int Selected() const { return m_selected; }
  int DisplayMode() const { return m_mode; }  // 0 names, 1 codes
  Rgb Swatch() const { return m_swatch; }
  // Where the caret goes after a value longer than a code was cut.
  std::size_t Caret() const { return m_caret; }
  // What a row shows in the current mode.
  std::string RowLabel(int row) const;
  // The value OK returns before the tag case: the field's text, except a
  // table name no browser knows, which gives its code.
  std::string Result() const;

  // Fields of the window (edColor, edColor#caret, lbColor, iInputMethod,
  // edColor1 = the swatch's colour text) and back.
  void ToFields(DialogFields& f) const;
  static ColourNameForm FromFields(const DialogFields& f);

 private:
  ColourNameForm() = default;

  std::string m_current;
  int m_selected = -1;
  int m_mode = 0;
  Rgb m_swatch{255, 255, 255};
  std::size_t m_caret = 0;
};

// The model's answers to the window's controls: typing in edColor, the
// list (lbColor, where = the row), SwitchBtn.
DialogActions& ColourFormActions();

// Pick colour name: shows the window with initial as its text; the value
// at OK through the tag case, or empty for Cancel. The window's size,
// place, mode and columns are kept in Markupwright.ini of the data folder.
std::string PickColourName(DialogHost& host, const DialogServices& services, std::string_view initial,
                           const EditingOptions& options);

}  // namespace mw
