// What a dialog does when the author changes a field or presses one of its
// buttons, beyond rebuilding its preview: the style editor's list buttons,
// a selector rule loading its registered style, the 編集(&E) button of every
// STYLE field. The window's views and the command line call these same
// routines on the dialog's fields.
#pragma once

#include <string>
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

struct TagDialogModel;

// The steps every dialog of a class takes alike, in this order: its
// model's own presses and gestures (the picture dialogs'), the style
// routines above, and the plain buttons of its rows: a reference button
// (RefBtn: a file from the dialog host, as a URL relative to the page) and
// the colour palettes (ColorPaletteBtn, numbered ColorPaletteBtn1, 2, ...
// when the dialog has more than one colour field; "#RRGGBB" from the
// host's "ColorDialog"). A click on a row of the style registry's list
// loads that style. A dialog with buttons of its own (the skeleton's
// profiles) takes its steps first and hands the others on to these.
class TagDialogActions : public DialogActions {
 public:
  TagDialogActions(EditingContext& ctx, std::string_view dialogClass);
  // A dialog of this model (one the models' list need not hold).
  TagDialogActions(EditingContext& ctx, const TagDialogModel& model);
  bool Take(const DialogStep& step, DialogFields& f) override;

 protected:
  EditingContext& Context() { return m_ctx; }

 private:
  bool PressPlain(std::string_view button, DialogFields& f);
  bool Act(const DialogStep& step, DialogFields& f);

  EditingContext& m_ctx;
  std::string m_class;
  const TagDialogModel* m_model;
};

}  // namespace mw
