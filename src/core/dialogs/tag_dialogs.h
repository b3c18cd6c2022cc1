// The tag dialog models, by dialog class, and the few operations some of
// them have beyond building their text (grids, lists, frame sizes).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/dialogs/dialog_lists.h"
#include "core/dialogs/tag_dialog.h"

namespace mw {

// Horizontal rule, font, base font, META, applet, script.
extern const TagDialogModel kHLineDlg;     // THLineDlg
extern const TagDialogModel kFontSetDlg;   // TFontSetDlg
extern const TagDialogModel kBaseFontDlg;  // TBaseFontDlg
extern const TagDialogModel kMetaDlg;      // TMetaDlg
extern const TagDialogModel kAppletDlg;    // TAppletDlg
extern const TagDialogModel kScriptDlg;    // TScriptDlg
// Alignment blocks, markers and links, lists.
extern const TagDialogModel kHAlignDlg;    // THAlignDlg (Name: P, DIV or CAPTION)
extern const TagDialogModel kNameDlg;      // TNameDlg (Name, Attribute, Prefix)
extern const TagDialogModel kURLInputDlg;  // TURLInputDlg
extern const TagDialogModel kULDlg;        // TULDlg
extern const TagDialogModel kOLDlg;        // TOLDlg
// Table rows and cells.
extern const TagDialogModel kTRDlg;        // TTRDlg
extern const TagDialogModel kTHTDDlg;      // TTHTDDlg (Name: TH or TD)
// Forms.
extern const TagDialogModel kFormDlg;      // TFormDlg
extern const TagDialogModel kInputDlg;     // TInputDlg
extern const TagDialogModel kTextAreaDlg;  // TTextAreaDlg
extern const TagDialogModel kSelectDlg;    // TSelectDlg
// Frames.
extern const TagDialogModel kFrameDlg;     // TFrameDlg
extern const TagDialogModel kFrameSetDlg;  // TFrameSetDlg
// Pictures (picture_dialogs.h).
extern const TagDialogModel kImageDlg;     // TImageDlg
extern const TagDialogModel kAREADlg;      // TAREADlg

// A new dialog's fields: the creation step with the command's texts.
DialogFields CreateFields(const TagDialogModel& model, std::string_view selText = {});

// --- Grids ---------------------------------------------------------------------

// A grid cell's field name: "sgOption[1,0]" (row, column; row 0 and, where
// the grid has one, column 0 are the fixed headers).
std::string CellName(std::string_view grid, int row, int col);
// The row count of a grid's edRowCount (or edColCount) field, at least 1;
// a count of 0 or less is set back to 1, text that is no number keeps the
// last count (fallback).
int GridCount(const DialogFields& f, std::string_view control, int fallback = 1);

// SELECT: whether an option's value is written without quotes ("0", or a
// non-zero integer: optional blanks and sign, decimal or "$" hexadecimal).
bool IsBareOptionValue(std::string_view value);

// --- Frameset sizes --------------------------------------------------------------

// Percentages of pixel sizes: every part but the last gets its integer
// share of 100, the last what remains, so they always add up to 100.
std::vector<int> SizePercentages(const std::vector<int>& pixels);
// Writes the row heights (fixed column) or column widths (fixed row) of
// sgFrame from pixel sizes, as "33%".
void SetFrameRowHeights(DialogFields& f, const std::vector<int>& pixels);
void SetFrameColumnWidths(DialogFields& f, const std::vector<int>& pixels);
// A new row or column count: the rows (columns) shared out equally.
void SetFrameRowCount(DialogFields& f, int rows);
void SetFrameColumnCount(DialogFields& f, int cols);

// --- Lists -----------------------------------------------------------------------

// The items of a list, one for each selected line ("a", " b", "" give three
// items; a final line end adds none), each indent + prefix + trimmed line.
std::string ListItemLines(std::string_view selText, std::string_view indent, int indentChoice,
                          const EditingOptions& options);

// The indent choice remembered for UL and OL (PreviousSetting.txt).
std::string_view ListSection(const TagDialogModel& model);

}  // namespace mw
