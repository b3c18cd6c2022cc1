// The program's own texts (dialog captions and titles, messages,
// questions, status texts), each written once, in UTF-8, in messages.def.
// Documents and the engine work in Shift-JIS, so a text the engine shows or
// writes is taken in Shift-JIS, converted once on first use; the window
// takes the UTF-8 text as it stands.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace mw {

enum class Msg : unsigned short {
#define MW_TEXT(id, utf8) id,
#include "core/text/messages.def"
#undef MW_TEXT
  Count
};

// The text as written.
std::string_view MessageUtf8(Msg id);
// The same text in Shift-JIS.
const std::string& MessageSjis(Msg id);

// A pattern's %1 ... %9 replaced by the arguments in order ("%%" is one
// '%'); an argument missing for a number gives nothing. Works on Shift-JIS
// and UTF-8 alike: '%' and digits are never part of a double-byte
// character.
std::string FormatMessage(std::string_view pattern, std::initializer_list<std::string_view> args);

}  // namespace mw
