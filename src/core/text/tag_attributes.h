// A start tag read as HTML reads it: the element name, then a list of
// attributes, each with its name, value and quoting exactly as written, and
// where in the tag it stands. Names are looked up whole and without regard
// to letter case, so HREFLANG is never taken for HREF, and a value's text
// (TITLE="x LANG=y", onClick=go()) is never taken for another attribute.
//
// Syntax followed: blanks (space, tab, CR, LF, FF) separate attributes; a
// name runs up to a blank, '/', '>' or '='; "=" may have blanks on both
// sides; a value is in double quotes, in single quotes, or unquoted up to a
// blank or '>'; a '/' between attributes is skipped. A quote left open runs
// to the tag's closing '>'. Every delimiter is below 0x40, where no
// Shift-JIS trail byte lies, so the reader works on bytes.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace mw {

enum class AttributeQuote : unsigned char {
  None,      // a bare name: NOWRAP, CHECKED
  Unquoted,  // WIDTH=50, onClick=go()
  Double,    // HREF="x.html"
  Single,    // TITLE='single q'
};

struct TagAttribute {
  std::string name;   // as written
  std::string value;  // without its quotes; empty for a bare name
  AttributeQuote quote = AttributeQuote::None;
  // Byte positions in the tag: the blanks before the attribute start at
  // lead, its name at begin; end is just after its value (or name).
  std::size_t lead = 0;
  std::size_t begin = 0;
  std::size_t end = 0;
  // A quote left open (the value runs to the tag's '>'), or "=" with no
  // value before the '>': anything written after it would become its value.
  bool unclosed = false;

  bool HasValue() const { return quote != AttributeQuote::None; }
};

struct TagText {
  std::string name;  // the element name as written; empty when the text is no start tag
  std::size_t nameEnd = 0;
  std::vector<TagAttribute> attributes;
  // Where what follows the last attribute begins (blanks, a '/', the '>').
  std::size_t tail = 0;
};

// Reads "<NAME attributes...>" (the '>' may be missing). Text that does not
// begin with '<' and a name gives an empty name and no attributes.
TagText ReadTag(std::string_view tag);
inline std::vector<TagAttribute> ReadTagAttributes(std::string_view tag) { return ReadTag(tag).attributes; }

// The first attribute of that name, letter case aside; nullptr when none.
const TagAttribute* FindAttribute(std::span<const TagAttribute> attributes, std::string_view name);

// The attribute's text as written, without the blanks before it.
inline std::string_view AttributeText(std::string_view tag, const TagAttribute& a) {
  return tag.substr(a.begin, a.end - a.begin);
}

}  // namespace mw
