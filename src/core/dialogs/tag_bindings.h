// One row per attribute of a tag dialog: which control holds it, which
// attribute it writes and of what kind it is.
// The rows drive every step that concerns plain attributes: the fields a
// new dialog starts with, the show step (unset numbers blanked, a new tag's
// defaults), the attributes the build writes, the item lists, the re-edit
// presets (a row owns its attribute in the tag: tag_reedit.h), and the
// widget the view makes
// (label, number field, check box, radio group, colour or reference
// buttons, grid). Structure beyond plain attributes (SELECT's options, a
// frameset's grid, an applet's PARAMs, list items, a script's comment)
// stays in the dialog's own build routine.
//
// Adding an attribute to a dialog is adding its row to the dialog's table,
// in the place its attribute is written, e.g. a TABINDEX number field on
// INPUT whose arrows start at 0:
//
//   Number("edTabIndex", "TABINDEX", "&TABINDEX", 0).Lowest(0),
//
// Labels are UTF-8 (the view shows them as they stand) with the mnemonic
// after '&'; item lists are '\n'-separated, an empty first line being an
// empty first item.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "core/editing/dialog_services.h"
#include "core/text/messages.h"

namespace mw {

// A text of the program's table that a dialog may or may not have.
struct DialogText {
  Msg id = Msg::Count;
  constexpr bool empty() const { return id == Msg::Count; }
  std::string_view Utf8() const;
  // Empty when there is no text.
  const std::string& Sjis() const;
};

enum class Kind : unsigned char {
  Text,       // line edit: ATTR="value" when not empty
  Combo,      // editable combo box: fixed items and/or a list source
  Colour,     // combo box of colours with the palette and colour-name buttons
  Handler,    // event handler combo box in the handlers' group: onFocus="..."
  Number,     // number field: -1 is not written, -1 and 0 show empty
  Percent,    // number field and its "%" check box: WIDTH="50%"
  Count,      // a grid's row or column count; writes no attribute
  Radio,      // radio group: the item chosen, except the one not written
  Keyword,    // check box: " KEYWORD" when checked (no attribute: a choice)
  Grid,       // string grid, items are the column headers, row 0 the header
  FrameGrid,  // the frameset's layout grid with its size row and column
  Anchor,     // the marker dialog's name: the attribute and prefix the
              // command names (Attribute, Prefix fields), HREF by default
};

// Where the view puts a row.
enum class Group : unsigned char { Own, Common, Handlers };

enum class Write : unsigned char {
  IfSet,     // only when the field holds something to write
  Always,    // even when empty: the tag is not complete without it
  Required,  // without it the dialog builds no tag at all
  Listed,    // a combo's value only when it is one of the fixed items
};

struct Binding {
  std::string_view control;    // the field's name, the widget's objectName
  std::string_view attribute;  // as written in the upper-case convention
  Kind kind = Kind::Text;
  std::string_view label;      // UTF-8
  std::string_view items = {};
  ListSource source = ListSource::None;
  Group group = Group::Own;
  Write write = Write::IfSet;
  // Numbers: the create value (-1 or 0); radio groups: the item chosen at
  // first; counts: 1.
  int initial = 0;
  int notWritten = 0;  // radio groups: the index not written
  // Number fields: the lowest value the arrows give; below it the field is
  // blank, which means "not set" (counts are never blank).
  int lowest = 1;
  std::string_view initialText = {};  // text fields: the create value
  std::string_view newTagText = {};   // set by the show step of a new tag
  std::string_view check = {};        // percent: the "%" check box's name
  DialogText filter = {};             // the reference button's file filter
  std::string_view labelField = {};   // a field that replaces the label
  std::string_view rowCount = {};     // grids: the row count's control
  std::string_view colCount = {};     // the frameset grid's column count
  // Text rows: written before the value, and taken off it by a re-edit
  // preset (USEMAP="#map" shows map).
  std::string_view valuePrefix = {};
  // Colour rows: the number their two buttons carry (ColorFormBtn2,
  // ColorPaletteBtn2); 0 for none. By default the buttons are numbered by
  // place from 1 when the dialog has more than one colour row.
  int buttonNumber = kNumberedByPlace;
  // Rows the view shows together in a group box of this caption (UTF-8)
  // and object name; consecutive rows of the same box share it.
  std::string_view boxName = {};
  std::string_view boxCaption = {};
  DialogText hint = {};  // the control's hover hint
  // An item of the field's pop-up menu that presses one of the dialog's
  // buttons ("項目削除" for DeleteBtn).
  DialogText popupCaption = {};
  std::string_view popupButton = {};
  static constexpr int kNumberedByPlace = -1;
  // A copy with one column changed; defined before the modifiers so that
  // every compiler can use it in the tables' constant expressions.
  template <typename T>
  constexpr Binding With(T Binding::*member, T value) const {
    Binding b = *this;
    b.*member = value;
    return b;
  }

  // Modifiers, for the tables.
  constexpr Binding Ref(Msg fileFilter) const { return With(&Binding::filter, DialogText{fileFilter}); }
  constexpr Binding Always() const { return With(&Binding::write, Write::Always); }
  constexpr Binding Required() const { return With(&Binding::write, Write::Required); }
  constexpr Binding Listed() const { return With(&Binding::write, Write::Listed); }
  constexpr Binding Starts(std::string_view text) const { return With(&Binding::initialText, text); }
  constexpr Binding NewTag(std::string_view text) const { return With(&Binding::newTagText, text); }
  constexpr Binding NotWritten(int index) const { return With(&Binding::notWritten, index); }
  constexpr Binding Lowest(int value) const { return With(&Binding::lowest, value); }
  constexpr Binding LabelFrom(std::string_view field) const { return With(&Binding::labelField, field); }
  constexpr Binding In(Group g) const { return With(&Binding::group, g); }
  constexpr Binding From(ListSource s) const { return With(&Binding::source, s); }
  constexpr Binding Prefixed(std::string_view prefix) const { return With(&Binding::valuePrefix, prefix); }
  constexpr Binding Buttons(int number) const { return With(&Binding::buttonNumber, number); }
  constexpr Binding Hint(Msg text) const { return With(&Binding::hint, DialogText{text}); }
  constexpr Binding PopupPresses(Msg caption, std::string_view button) const {
    return With(&Binding::popupCaption, DialogText{caption}).With(&Binding::popupButton, button);
  }
  constexpr Binding Boxed(std::string_view name, std::string_view caption) const {
    return With(&Binding::boxName, name).With(&Binding::boxCaption, caption);
  }

};

// --- Row makers -----------------------------------------------------------------

constexpr Binding Text(std::string_view control, std::string_view attribute, std::string_view label) {
  return {control, attribute, Kind::Text, label};
}
constexpr Binding Combo(std::string_view control, std::string_view attribute, std::string_view label,
                        std::string_view items = {}, ListSource source = ListSource::None) {
  return {control, attribute, Kind::Combo, label, items, source};
}
constexpr Binding Colour(std::string_view control, std::string_view attribute, std::string_view label) {
  return {control, attribute, Kind::Colour, label, {}, ListSource::Colours};
}
// control "cbOnFocus" for the handler "onFocus", its own label.
constexpr Binding Handler(std::string_view control, std::string_view handler) {
  Binding b{control, handler, Kind::Handler, handler};
  b.group = Group::Handlers;
  return b;
}
constexpr Binding Number(std::string_view control, std::string_view attribute, std::string_view label,
                         int initial) {
  Binding b{control, attribute, Kind::Number, label};
  b.initial = initial;
  return b;
}
constexpr Binding Percent(std::string_view control, std::string_view check, std::string_view attribute,
                          std::string_view label, int initial) {
  Binding b = Number(control, attribute, label, initial);
  b.kind = Kind::Percent;
  b.check = check;
  return b;
}
constexpr Binding Count(std::string_view control, std::string_view label) {
  Binding b{control, {}, Kind::Count, label};
  b.initial = 1;
  return b;
}
// The index chosen at first is also the one not written, unless told.
constexpr Binding Radio(std::string_view control, std::string_view attribute, std::string_view label,
                        std::string_view items, int initial = 0) {
  Binding b{control, attribute, Kind::Radio, label, items};
  b.initial = initial;
  b.notWritten = initial;
  return b;
}
// A check box; without an attribute a choice the build routine reads.
constexpr Binding Keyword(std::string_view control, std::string_view attribute, std::string_view label) {
  return {control, attribute, Kind::Keyword, label};
}
constexpr Binding Grid(std::string_view control, std::string_view label, std::string_view headers,
                       std::string_view rowCount) {
  Binding b{control, {}, Kind::Grid, label, headers};
  b.rowCount = rowCount;
  return b;
}
constexpr Binding FrameGrid(std::string_view control, std::string_view rowCount, std::string_view colCount) {
  Binding b{control, {}, Kind::FrameGrid, {}};
  b.rowCount = rowCount;
  b.colCount = colCount;
  return b;
}
constexpr Binding Anchor(std::string_view control, std::string_view label) {
  return Binding{control, {}, Kind::Anchor, label}.Required();
}

// The common attribute group: TITLE, LANG, ID, CLASS, STYLE, in the order
// they are written.
#define MW_COMMON_ROWS                                                                         \
  Text("edTitle", "TITLE", "TITLE").In(Group::Common),                                   \
      Combo("cbLang", "LANG", "LANG", kLangItems).In(Group::Common),                     \
      Combo("cbID", "ID", "ID", {}, ListSource::Ids).In(Group::Common),                  \
      Combo("cbCLASS", "CLASS", "CLASS", {}, ListSource::Classes).In(Group::Common),     \
      Combo("cbStyle", "STYLE", "STYLE", {}, ListSource::Styles).In(Group::Common)

// The group alone: the simple-tag dialog and the generic re-edit.
std::span<const Binding> CommonRows();

// The row of a control; nullptr when the table has none.
const Binding* FindBinding(std::span<const Binding> rows, std::string_view control);

// The name of a colour row's button: base ("ColorFormBtn",
// "ColorPaletteBtn") and the row's number among the dialog's rows.
std::string ColourButtonName(std::string_view base, std::span<const Binding> rows, const Binding& row);
// The colour row whose button of this base has this name; nullptr when
// there is none.
const Binding* ColourRowOfButton(std::string_view base, std::span<const Binding> rows, std::string_view button);

// Whether a row is a text, combo, colour or handler field.
constexpr bool IsTextKind(Kind k) {
  return k == Kind::Text || k == Kind::Combo || k == Kind::Colour || k == Kind::Handler;
}
constexpr bool IsNumberKind(Kind k) { return k == Kind::Number || k == Kind::Percent || k == Kind::Count; }

}  // namespace mw
