// The simple-tag dialog (TSimpleReDlg): the five common attributes that may
// be added to a plain wrapping tag, and the preview built from them. The
// dialog itself holds no logic: the host shows the fields, the build below
// makes the preview from them whenever one changes.
#pragma once

#include <string>
#include <string_view>

#include "core/editing/dialog_host.h"
#include "core/editing/editing_options.h"
#include "core/text/encoding.h"

namespace mw {

inline constexpr std::string_view kSimpleTagDialogClass = "TSimpleReDlg";

// Field names beside the controls' own (cbStyle, edTitle, cbLang, cbID,
// cbCLASS, reTag): what the command hands over to the dialog.
inline constexpr std::string_view kFieldCaption = "Caption";
inline constexpr std::string_view kFieldName = "Name";
inline constexpr std::string_view kFieldInnerStart = "InnerStartText";
inline constexpr std::string_view kFieldInnerEnd = "InnerEndText";
inline constexpr std::string_view kFieldSelText = "SelText";
inline constexpr std::string_view kFieldWrap = "Wrap";

struct SimpleTagDialog {
  // Given by the command, tag case already applied to the name and the
  // inner texts (as the dialog does when it is shown).
  std::string caption;     // window title
  std::string name;
  std::string innerStart;  // list commands only, e.g. CR LF "<DT>"
  std::string innerEnd;
  std::string selText;     // the selection when the command ran
  bool wrap = true;        // always set by the tag commands
  // The attribute fields, as typed.
  std::string title;  // edTitle
  std::string lang;   // cbLang
  std::string id;     // cbID
  std::string cls;    // cbCLASS
  std::string style;  // cbStyle
};

struct SimpleTagBuild {
  std::string preview;    // reTag: the whole text to insert
  std::string startText;  // everything before the selection
  std::string endText;    // everything after it
  Offset innerOffset = 0; // length of startText
};

// The LANG choices offered by the dialog and by the attribute command.
inline constexpr std::string_view kLangChoices[] = {"ja", "en", "en-US", "fr", "de", "zh"};

// <name TITLE="..." LANG="..." ID="..." CLASS="..." STYLE="..."> (empty
// fields left out, keywords in the tag case, values as typed); in wrap mode
// followed by the inner start text, the selection, the inner end text and
// </name>.
SimpleTagBuild BuildSimpleTag(const SimpleTagDialog& d, const EditingOptions& options);

// The model as fields for the dialog host (reTag preset to the build), and
// back.
DialogFields SimpleTagFields(const SimpleTagDialog& d, const EditingOptions& options);
SimpleTagDialog SimpleTagFromFields(const DialogFields& f);

}  // namespace mw
