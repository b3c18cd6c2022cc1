// Re-editing a tag with a dialog: the tag read as a list of attributes, and
// the one routine that presets a dialog's fields from it through the
// dialog's rows. What a routine does beyond its rows (its title, the
// element, the marker dialog's attribute) is its ReEditSpec, kept beside
// the dialog's model; which routine a tag gets is the dispatch's choice
// (edit_tag.h).
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/dialogs/tag_dialog.h"

namespace mw {

// One attribute of a tag as written: its name and its whole text ("name",
// "name=value", "name=\"value\"").
struct TagAttribute {
  std::string name;
  std::string raw;
  bool hasValue = false;
};
std::vector<TagAttribute> ParseTagAttributes(std::string_view tag);

// A re-edit routine: a dialog opened on an existing start tag.
struct ReEditSpec {
  std::string_view routine;  // the dispatch's name ("HR", "local link")
  std::string_view element;  // the element the dialog writes
  // The window title; without one "<name>の再編集" with the element, or
  // with titleName when it is set.
  DialogText title = {};
  std::string_view titleName = {};
  // Rows of the dialog this routine does not read (their attributes pass
  // through); disabled in the dialog when disableUnread.
  std::span<const std::string_view> unread = {};
  bool disableUnread = false;
  // The marker dialog: the attribute its name is (HREF or NAME), the
  // prefix before the name, the label of the name field.
  std::string_view attribute = {};
  std::string_view prefix = {};
  DialogText label = {};
  // The event handlers outside the dialog's fields go into the pass-through
  // text in a fixed order, the keyword in the tag case.
  bool handlerPassThrough = false;
  // The dialog is handed the tag itself as its selected text, so a name or
  // URL emptied in the dialog gives the tag back unchanged.
  bool tagAsSelection = false;
};

// The dialog's fields for tag: created, mode, caption, presets from the
// rows the routine reads, pass-through, show step done.
DialogFields PresetFromTag(const TagDialogModel& model, const ReEditSpec& spec, std::string_view tag,
                           const EditingOptions& options);

// Presets of the given rows alone (the generic routine's common group): the
// fields they read and the tag's attributes none of them owns (or whose
// value they could not show).
DialogFields PresetRows(std::span<const Binding> rows, std::string_view tag, std::string& passThrough);

}  // namespace mw
