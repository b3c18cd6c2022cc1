// What a dialog does when the author changes a field or presses one of its
// buttons, beyond rebuilding its preview: the style editor's list buttons,
// a selector rule loading its registered style, the 編集(&E) button of every
// STYLE field. The window's views and the command line call these same
// routines on the dialog's fields.
#pragma once

#include <string_view>

#include "core/editing/dialog_host.h"
#include "core/editing/editing_context.h"

namespace mw {

// The button `button` of dialog `dialogClass` pressed; false when the
// dialog has no such button of its own.
bool PressDialogButton(EditingContext& ctx, std::string_view dialogClass, std::string_view button,
                       DialogFields& f);

// Field `control` was given a new value.
void DialogFieldChanged(EditingContext& ctx, std::string_view dialogClass, std::string_view control,
                        DialogFields& f);

// RegisterStyleBtn of a tag dialog: the style editor runs; afterwards the
// dialog's style lists hold the registry as it now is, and its STYLE field
// takes the style the editor held at OK (kept when that is empty).
void RegisterStyleButton(EditingContext& ctx, DialogFields& f);

}  // namespace mw
