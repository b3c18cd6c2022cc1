// Reading the parts of one tag's text, and the letter case of tag syntax the
// program inserts. Attribute lookups are substring searches on purpose: a
// key is found anywhere in the tag, as the re-edit dialogs have always read
// them.
#pragma once

#include <string>
#include <string_view>

#include "core/editing/editing_options.h"
#include "core/text/encoding.h"

namespace mw {

// The element name of a tag in lower case ("<TD>", "</td>", "<td width=3>"
// all give "td"); empty when the text does not begin with '<'. The name runs
// to the first space, so without attributes the last byte (the '>') is
// dropped, and a line break does not end it.
std::string TagNameOf(std::string_view tag);

// The offset of the end tag "</name>" (any letter case, nothing before the
// '>') that closes a start tag ending at afterStartTag, counting every
// "<name" prefix as a nested start ("<br" nests in "b"); kNoPos when none.
Offset FindMatchingEndTag(std::string_view text, Offset afterStartTag, std::string_view name);

// The value after key (written with its leading blank: " WIDTH"), bare or
// quoted, without the quotes; cut at the first space, so a quoted value
// holding a space is cut there. Empty when the key is absent.
std::string GetAttributeValue(std::string_view tag, std::string_view key);

// The double-quoted value after key, up to the first quote followed by a
// space (or the one before the tag's '>'), so it may hold spaces.
std::string GetQuotedAttributeValue(std::string_view tag, std::string_view key);

// Tag syntax the program supplies (names, fixed tags, attribute keywords),
// lower-cased when the author chose lower-case tags. Never applied to what
// the author typed or selected.
std::string ApplyTagCase(std::string_view syntax, const EditingOptions& options);

}  // namespace mw
