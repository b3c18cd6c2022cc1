// Re-editing the start tag at the caret (F2): the tag is found and
// selected, the dialog that builds such tags is chosen by what the tag
// contains, its fields are preset from the tag's attributes, and at OK its
// start tag replaces the selected one.
//
// Attributes the chosen dialog has no field for (event handlers, BACKGROUND
// of a row, ...) and values its lookups cannot read are carried through
// unchanged, so confirming a re-edit never loses part of the tag. What each
// routine presets is its dialog's (tag_reedit.h); this is the dispatch.
#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/dialogs/tag_reedit.h"
#include "core/editing/editing_context.h"

namespace mw {

// The routine the dispatch chooses for a start tag ("HR", "TH", "marker",
// "local link", "link", "generic"...), tested in a fixed order on the tag in
// upper case; "generic" when no row matches.
std::string_view ReEditRoutineOf(std::string_view tag);
// Every routine name in the order of testing, "generic" last.
std::span<const std::string_view> ReEditRoutines();

// The 55 elements the generic routine re-edits with the simple-tag dialog.
std::span<const std::string_view> GenericElements();
// The first of them the tag is a start tag of ("<B>" or "<B "); empty when
// none.
std::string_view GenericElementOf(std::string_view tag);

// A re-edit ready to show: the dialog model and its preset fields (mode,
// caption, presets, pass-through, show step done).
struct ReEditSetup {
  const TagDialogModel* model = nullptr;
  DialogFields fields;
};
// The setup for a routine of this folder's dialogs; nullopt for the
// generic routine and the routines of dialogs that live elsewhere.
std::optional<ReEditSetup> PrepareReEdit(std::string_view routine, std::string_view tag,
                                         const EditingOptions& options);

// The simple-tag dialog of the generic routine for tag with element name;
// its pass-through text is spliced into the rebuilt start tag.
SimpleTagDialog PrepareGenericReEdit(std::string_view tag, std::string_view name,
                                     const EditingOptions& options, std::string& passThrough);

// Routines whose dialogs live in other subsystems (IMG, AREA, TABLE, LINK,
// BODY) plug in here; tag is the selected start tag.
using ReEditHandler = std::function<void(EditingContext& ctx, std::string_view tag)>;
void SetReEditHandler(std::string_view routine, ReEditHandler handler);

// The F2 command.
void EditTag(EditingContext& ctx);

}  // namespace mw
