// CSS declaration blocks ("styles") as the style editor assembles them:
// about thirty property fields in, one line of declarations out
// ("font-size:12pt;color:#ff0000"), and a registered style read back into
// the fields. One row per property says what it is written as, which
// fields hold it and what "大文字で登録" turns into upper case.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "core/editing/dialog_host.h"

namespace mw {

enum class StyleKind : unsigned char {
  FontFamily,  // the name, quoted when it holds a blank after its first character
  Number,      // number field and unit field: "12" + "pt"
  Keyword,     // editable box of fixed keywords; any text is written as typed
  Colour,      // editable box of the colour list, with the two colour pickers
  Url,         // background-image:url(address)
};

struct StyleProperty {
  std::string_view name;       // as written, without the colon ("MARGIN" keeps its case)
  std::string_view field;      // the control's name
  std::string_view unitField;  // numbers: the unit field's name
  StyleKind kind;
  std::string_view label;      // UTF-8, mnemonic after '&'
  std::string_view items = {}; // keywords, '\n' between them
  int page = 0;                // 0 "基本", 1 "位置決め、ボーダー"
  int lowest = 0;              // numbers: the lowest value the arrows give
};

// The properties in the order they are written.
std::span<const StyleProperty> StyleProperties();
const StyleProperty* FindStyleProperty(std::string_view field);

// Every unit field starts as this.
inline constexpr std::string_view kDefaultUnit = "pt";
// The units the unit fields' menu offers, '\n' between them.
inline constexpr std::string_view kStyleUnits = "pt\npx\npc\nin\ncm\nmm\nem\nex\n%";

// The style text of the fields: each property whose field is not empty (a
// number of exactly 0 counts as empty) as name:value, ';' between them.
// With upper set, the part of each declaration the option covers is in
// upper case; units and addresses never are.
std::string BuildStyleText(const DialogFields& f, bool upper);

// The value of a declaration whose name is `name` (any letter case) in a
// style: the first such declaration, blanks trimmed; empty when there is
// none. Names match whole, so "color" is never found inside
// "background-color" nor "LEFT" inside "margin-left".
std::string ReadPropertyValue(std::string_view style, std::string_view name);

// The decimal digits a value starts with ("1.5em" gives "1").
std::string_view LeadingNumber(std::string_view value);

// Fills every property field (and unit field) from a registered style.
void StyleToFields(std::string_view style, DialogFields& f);

}  // namespace mw
