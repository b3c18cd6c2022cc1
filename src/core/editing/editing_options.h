// The user options that the editing routines and the document commands
// read. The main window owns one instance, loads it from the settings at
// start-up and passes it down; the routines never read settings
// themselves. The option items of the menus change it, and their check
// marks only mirror it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/app/tools/kanji_converter.h"

namespace mw {

class FormSettings;

// Where the caret or selection ends up after a command inserts text.
enum class CaretPolicy {
  AfterEdited,   // caret after the inserted text (bSelectEditedEnd)
  SelectEdited,  // the inserted text selected (bSelectEditedAll)
  KeepPrevious,  // the text that was selected before stays selected (bSelectPreviousSelection)
};

struct EditingOptions {
  bool lowerCaseTag = false;                          // bLowerCaseTag
  CaretPolicy caretPolicy = CaretPolicy::AfterEdited;  // the three bSelect... keys
  bool autoSelect = false;                            // bAutoSelect
  bool directTagInsert = false;                       // bDirectTagInsert
  bool autoIndent = false;                            // bAutoIndent
  bool autoTagFont = true;                            // bAutoTagFont
  int tabStop = 4;                                    // iTabStop, in half text-font points
  int nofColumn = 74;                                 // iNofColumn: line-break insertion width
  std::string dateFormat = "yyyy/mm/dd";              // asDateTimeFormatStr
  std::string timeFormat = "hh:nn:ss";                // asTimeFormatStr
  bool openToShiftJis = false;                        // bOpenToShiftJIS
  SaveConversion saveConversion = SaveConversion::AsItIs;  // bSaveToJIS, bSaveToEUC
  bool dropInsertsPath = false;                       // bDropThenInsert (else dropped files open)
};

// The options as the settings keep them ("FORM" keys), and back. Of the
// radio items stored as checked the last one wins, as checking a radio
// item clears the others; none checked is the first.
EditingOptions OptionsFromSettings(const FormSettings& settings);
void StoreOptions(const EditingOptions& options, FormSettings& settings);

// The option items of the menus, by the settings key of each item (radio
// items by their own: bSelectEditedAll, bSaveAsItIs, bDropThenOpen ...):
// whether the item shows checked; nullopt for a key that is no option
// here.
std::optional<bool> OptionItemChecked(const EditingOptions& options, std::string_view key);
// A click on the item: a check item toggles, a radio item becomes the
// choice. False (nothing changed) for a key that is no option here.
bool ClickOptionItem(EditingOptions& options, std::string_view key);

}  // namespace mw
