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

namespace mw {

struct DialogFields;

// A dialog whose buttons and lists do more than hold a value (a profile
// saved, a colour row chosen) acts through its model: the host reports each
// change, press and click with the fields as they stand, the model changes
// them, and the host shows them again. A window and the command line
// (--press, --mouse) drive it alike.
class DialogActions {
 public:
  virtual ~DialogActions() = default;
  // A field the author typed into or chose from (already set in f).
  virtual void Changed(std::string_view control, DialogFields& f) { (void)control, (void)f; }
  // A button pressed; false when the dialog has no such button.
  virtual bool Press(std::string_view button, DialogFields& f) { return (void)button, (void)f, false; }
  // A click on an item of a list (where: the item's index).
  virtual bool Mouse(std::string_view control, std::string_view where, DialogFields& f) {
    return (void)control, (void)where, (void)f, false;
  }
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

// A dialog that acts while it is open (buttons that merge cells or read a
// file, a grid of typed cells): the host drives it through its controls
// by name, as a window's widgets or a command line would.
class DialogSession {
 public:
  virtual ~DialogSession() = default;
  // The plain fields, as the host shows them and hands them back.
  virtual DialogFields& Fields() = 0;
  // Sets a control as typing or choosing would; false when the dialog has
  // no such control or the value does not fit it.
  virtual bool SetField(std::string_view name, std::string_view value) = 0;
  // Presses a button (or a pop-up menu item) by name; false when the
  // dialog has no such button.
  virtual bool Press(std::string_view button) = 0;
};

class DialogHost {
 public:
  virtual ~DialogHost() = default;
  // Shows the dialog `dialogClass` (e.g. "TSimpleReDlg") with the fields as
  // preset; true for OK, with the fields as the author left them.
  virtual bool Run(std::string_view dialogClass, DialogFields& fields) = 0;
  // Shows a dialog that acts while open; a host without a view of its own
  // for it shows its plain fields.
  virtual bool RunSession(std::string_view dialogClass, DialogSession& session) {
    return Run(dialogClass, session.Fields());
  }
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
