// Kanji code conversion between Shift-JIS (code page 932), JIS
// (ISO-2022-JP) and EUC-JP, and the two width conversions, on ICU.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace mw {

enum class KanjiCode { Ascii, ShiftJis, EucJp, Jis, Utf8 };

// A conversion that cannot be done as asked (an unknown option, or text
// the target code cannot hold and that has no sound replacement).
class ConversionError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The code of bytes that are mostly ASCII markup with some Japanese text,
// judged the way Japanese converters judge it: escape sequences first, then
// byte ranges only one candidate allows. Pure ASCII gives Ascii.
KanjiCode DetectKanjiCode(std::string_view bytes);

// Whether the converter can run (the one probe for enabling commands).
bool KanjiConverterAvailable();

// Converts bytes, whatever their detected code, to the code named by
// option: "s" Shift-JIS, "j" JIS, "e" EUC-JP (a leading '-' is allowed).
// Throws ConversionError.
std::string ConvertKanjiCode(std::string_view bytes, std::string_view option);

// The same with the source code given instead of detected.
std::string ConvertKanjiCode(std::string_view bytes, KanjiCode from, std::string_view option);

// Reads source, joins its lines each followed by CR LF, converts, and
// writes target atomically (source and target may be the same file).
// Throws FileError or ConversionError; nothing is written on failure.
void ConvertFileCode(const std::string& source, const std::string& target,
                     std::string_view option);

// Shift-JIS text: half-width katakana become full-width, a voiced or
// semi-voiced mark joining the kana before it.
std::string ToZenkakuKana(std::string_view sjis);

// Shift-JIS text: full-width ASCII letters, digits and symbols and the
// ideographic space become their half-width forms.
std::string ToHankaku(std::string_view sjis);

}  // namespace mw
