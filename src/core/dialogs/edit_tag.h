// Re-editing the start tag at the caret (F2): the tag is found and
// selected, the dialog that builds such tags is chosen by the tag's element
// name (then by its HREF or NAME), its fields are preset from the tag's
// attributes, and at OK the tag, changed only where the author changed a
// field, replaces the selected one (tag_reedit.h).
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

// The routine the dispatch chooses for a start tag: the one of its element
// ("HR", "TD", ...; the whole name, any letter case), else "local link"
// (an HREF in double quotes beginning with '#'), "link" (an HREF),
// "marker" (a NAME, not on a frame or frameset), else "generic".
std::string_view ReEditRoutineOf(std::string_view tag);
// Every routine name in the order of testing, "generic" last.
std::span<const std::string_view> ReEditRoutines();

// The 55 elements the generic routine re-edits with the simple-tag dialog.
std::span<const std::string_view> GenericElements();
// The one the tag is a start tag of, any letter case; empty when none.
std::string_view GenericElementOf(std::string_view tag);

// A re-edit ready to show: the dialog model and its preset fields (mode,
// caption, presets, show step done).
struct ReEditSetup {
  const TagDialogModel* model = nullptr;
  DialogFields fields;
};
// The setup for a routine of this folder's dialogs; nullopt for the
// generic routine and the routines of dialogs that live elsewhere.
std::optional<ReEditSetup> PrepareReEdit(std::string_view routine, std::string_view tag,
                                         const EditingOptions& options);

// The simple-tag dialog's fields for the generic routine on tag, whose
// element is name: the common attributes preset, the preview built.
DialogFields PrepareGenericReEdit(std::string_view tag, std::string_view name, const EditingOptions& options);
// The simple-tag dialog's text from its fields: in a re-edit the tag
// changed in place, else the new tag.
std::string SimpleTagText(const DialogFields& f, const EditingOptions& options);

// Routines whose dialogs live in other subsystems (IMG, AREA, TABLE, LINK,
// BODY) plug in here; tag is the selected start tag.
using ReEditHandler = std::function<void(EditingContext& ctx, std::string_view tag)>;
void SetReEditHandler(std::string_view routine, ReEditHandler handler);

// The F2 command.
void EditTag(EditingContext& ctx);

}  // namespace mw
