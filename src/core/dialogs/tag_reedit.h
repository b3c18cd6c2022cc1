// Re-editing a tag with a dialog. The tag is read once into its list of
// attributes (core/text/tag_attributes.h); each row of the dialog that
// writes an attribute owns the attribute of that name, and its field is
// preset from it. The result is the tag itself, edited where the author
// changed a field: an owned attribute whose field still shows what the
// preset gave is left exactly as written (quoting, letter case, a value
// the field cannot show, the blanks and line breaks before it), a changed
// one is replaced where it stands or removed when its field no longer
// writes it, a new one goes after the last attribute. Attributes no row
// owns (event handlers, HREFLANG, ...) are never touched, so confirming a
// re-edit cannot lose, add or double anything the author did not change.
//
// What a routine does beyond its rows (its title, the element, the marker
// dialog's attribute) is its ReEditSpec, kept beside the dialog's model;
// which routine a tag gets is the dispatch's choice (edit_tag.h).
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "core/dialogs/tag_dialog.h"

namespace mw {

// The start tag a re-edit began from, as it was in the document.
inline constexpr std::string_view kFieldReEditTag = "ReEditTag";
// "<control>#shown": the state a preset left an owned field in.
inline constexpr std::string_view kShownSuffix = "#shown";

// A re-edit routine: a dialog opened on an existing start tag.
struct ReEditSpec {
  std::string_view routine;  // the dispatch's name ("HR", "local link")
  std::string_view element;  // the element the dialog writes
  // The window title; without one "<name>の再編集" with the element, or
  // with titleName when it is set.
  DialogText title = {};
  std::string_view titleName = {};
  // Rows of the dialog this routine does not read (their attributes are
  // left alone); disabled in the dialog when disableUnread.
  std::span<const std::string_view> unread = {};
  bool disableUnread = false;
  // The marker dialog: the attribute its name is (HREF or NAME), the
  // prefix before the name, the label of the name field.
  std::string_view attribute = {};
  std::string_view prefix = {};
  DialogText label = {};
};

// The dialog's fields for tag: created, mode, caption, presets from the
// rows the routine reads, show step done, the preset states kept.
DialogFields PresetFromTag(const TagDialogModel& model, const ReEditSpec& spec, std::string_view tag,
                           const EditingOptions& options);

// Presets of the given rows alone into f (the generic routine's common
// group), with their states kept and the tag as the re-edit's start.
void PresetRows(DialogFields& f, std::span<const Binding> rows, std::string_view tag);

// The re-edited start tag: the tag of kFieldReEditTag with the changes of
// the owned fields made in place. A tag the rows can no longer build (a
// link whose URL was emptied) stays as it was.
std::string ReEditedTag(std::span<const Binding> rows, const DialogFields& f, const EditingOptions& options);

}  // namespace mw
