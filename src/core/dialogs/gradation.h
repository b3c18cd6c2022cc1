// The gradation (TGradationDlg): a text turned into one SPAN per character
// whose colours step evenly from a start colour to an end colour, and the
// commands that insert a colour directly (ColorPaletteClick,
// ColorFormClick) or open the gradation (GradationClick).
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/dialogs/colour_input.h"
#include "core/editing/editing_context.h"

namespace mw {

inline constexpr std::string_view kGradationDlgClass = "TGradationDlg";
// The system colour dialog: field Color, a colour text, in and out.
inline constexpr std::string_view kColourDialogClass = "TColorDialog";
// PreviousSetting.txt: the two colours as decimal colour values.
inline constexpr std::string_view kGradationSection = "DEGRADATION";

// The coloured text. Leading and trailing blanks and control characters
// stay outside as they were; tags, character references and line breaks
// inside are kept whole and uncoloured, and each other character (two
// bytes for a double-byte one) gets a SPAN whose colour steps by its byte
// offset among the coloured bytes, the first the start colour and the last
// byte the end colour. One coloured byte alone gets no SPAN. A style wraps
// the whole run in one more SPAN. Text with nothing to colour comes back
// as it is.
std::string GradationText(std::string_view text, Rgb start, Rgb end, std::string_view style,
                          const EditingOptions& options);

// The preview from the dialog's fields (edString, cbStyle and the colour
// texts of StartColorPanel and EndColorPanel).
std::string GradationPreview(const DialogFields& f, const EditingOptions& options);

// The system colour dialog preset with a colour; the colour chosen, or
// nullopt when cancelled.
std::optional<Rgb> PickPaletteColour(DialogHost& host, Rgb initial);

void GradationCommand(EditingContext& ctx);       // GradationClick
void ColourPaletteCommand(EditingContext& ctx);   // ColorPaletteClick
void ColourNameCommand(EditingContext& ctx);      // ColorFormClick

}  // namespace mw
