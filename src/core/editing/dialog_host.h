// How a command shows a tag dialog. The command fills the dialog's model
// into fields named like the dialog's controls (edTitle, cbStyle, ckBold,
// rgAlign, sgOption[1,0]), the host shows them (a Qt dialog, or values
// given on the command line) and hands back what the author left there.
// The command then builds its tag from the fields, so a dialog holds no
// logic of its own.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <utility>

namespace mw {

struct DialogFields;

// One thing the author does in an open dialog: types into or chooses in a
// field, presses a button (or a pop-up menu item), clicks a row of a list,
// or makes a left-button gesture on a picture. A window's widgets and the
// command line (--field, --press, --mouse) give the same steps.
struct DialogStep {
  enum Kind { Field, Press, Row, Gesture };
  Kind kind = Field;
  std::string control;  // the field, button, list or picture by name
  std::string value;    // Field: the value; Row: the row from 0; Gesture: down, move, up or dbl
  int x = 0;            // Gesture: pixels of the picture
  int y = 0;

  static DialogStep SetField(std::string control, std::string value) {
    return {Field, std::move(control), std::move(value)};
  }
  static DialogStep PressButton(std::string button) { return {Press, std::move(button), {}}; }
  static DialogStep ClickRow(std::string list, std::string row) { return {Row, std::move(list), std::move(row)}; }
  static DialogStep Pointer(std::string target, std::string event, int x, int y) {
    return {Gesture, std::move(target), std::move(event), x, y};
  }
};

// A dialog whose controls do more than hold a value (a profile saved, a
// colour row chosen, cells merged, a picture read) acts through its model:
// the host hands it each step with the fields as they stand, the model
// changes them, and the host shows them again. Questions and choices the
// model needs on the way (a file, a palette colour, yes or no) it asks of
// the prompts and the dialog host it was made with, so every host answers
// them alike. A button that opens a dialog of its own runs it on that same
// host while the step is taken.
class DialogActions {
 public:
  virtual ~DialogActions() = default;
  // Takes the step; false when the dialog has no such control, or a field
  // value does not fit it. A field step sets the value itself (a window
  // that already holds it sets the same value again).
  virtual bool Take(const DialogStep& step, DialogFields& f) = 0;
};

struct DialogFields {
  std::map<std::string, std::string, std::less<>> values;
  // The dialog's model, when its controls act (null: plain fields).
  DialogActions* actions = nullptr;

  std::string Get(std::string_view name, std::string_view fallback = {}) const {
    const auto it = values.find(name);
    return it == values.end() ? std::string(fallback) : it->second;
  }
  void Set(std::string_view name, std::string value) { values[std::string(name)] = std::move(value); }
  bool Has(std::string_view name) const { return values.find(name) != values.end(); }
  // Check boxes: "1" is checked.
  bool Checked(std::string_view name) const { return Get(name) == "1"; }
  void SetChecked(std::string_view name, bool on) { Set(name, on ? "1" : "0"); }
  // Radio groups and list choices: the item index from 0, -1 when unset.
  int Index(std::string_view name, int fallback = -1) const;
  void SetIndex(std::string_view name, int index) { Set(name, std::to_string(index)); }
};

class DialogHost {
 public:
  virtual ~DialogHost() = default;
  // Shows the dialog `dialogClass` (e.g. "TSimpleReDlg") with the fields as
  // preset; true for OK, with the fields as the author left them.
  // A dialog whose controls act brings its model in fields.actions.
  virtual bool Run(std::string_view dialogClass, DialogFields& fields) = 0;
};

inline int DialogFields::Index(std::string_view name, int fallback) const {
  const std::string v = Get(name);
  if (v.empty()) return fallback;
  int n = 0;
  bool neg = false;
  std::size_t i = 0;
  if (v[0] == '-') {
    neg = true;
    i = 1;
  }
  if (i == v.size()) return fallback;
  for (; i < v.size(); ++i) {
    if (v[i] < '0' || v[i] > '9') return fallback;
    n = n * 10 + (v[i] - '0');
    if (n > 1000000) return fallback;
  }
  return neg ? -n : n;
}

}  // namespace mw
