// The user options that the editing routines read. The main window owns one
// instance, loads it from the settings at start-up and passes it down; the
// routines never read settings themselves.
#pragma once

#include <string>

namespace mw {

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
};

}  // namespace mw
