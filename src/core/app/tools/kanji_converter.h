// Kanji code conversion between Shift-JIS (code page 932), JIS
// (ISO-2022-JP) and EUC-JP, and the two width conversions, on ICU.
//
// What a conversion writes:
// - Text made of JIS X 0208 characters, ASCII and half-width katakana comes
//   out as nkf -s, -j and -e write it. Like nkf, every conversion writes
//   half-width katakana full-width (JIS cannot hold them; Shift-JIS and
//   EUC-JP follow so that the three agree), a voiced mark joining the kana
//   before it where JIS X 0208 has the joined letter (ｶﾞ ガ, but ﾜﾞ ワ゛).
// - Into the source's own code (Shift-JIS to "s", EUC-JP to "e") every
//   other byte is kept as it was: vendor duplicates, user-defined
//   characters, NUL bytes and bytes the code does not allow. A Shift-JIS
//   file without half-width katakana comes back byte-identical.
// - Otherwise text goes through Unicode with ICU's tables: code page 932
//   for Shift-JIS, ICU's EUC-JP (which reads JIS X 0208 as code page 932
//   does) for EUC-JP and JIS. So code page 932's duplicates reach EUC-JP
//   and JIS in one form: NEC's copies of JIS X 0208 symbols (0x8790 ≒,
//   0x879A ∵ ...) become those symbols; NEC row 13 (① Ⅰ ㈱, and the IBM
//   copies 0xFA4A.. of Ⅰ..) stays row 13 (EUC-JP 0xADxx); the IBM kanji,
//   whether at 0xED40.. or 0xFA5C.., go to rows 89-92 (EUC-JP 0xF9A1..),
//   written in JIS under ESC $ B like nkf and Windows' JIS do. Into
//   Shift-JIS, ICU chooses: NEC row 13 for ① Ⅰ, the IBM block for IBM kanji.
// - Where one vendor table lacks a character the other places in JIS X 0208
//   (¢ £ ¬, 〜 U+301C, − U+2212, ‖ U+2016), it is written at that place;
//   a character whose full-width form the code holds is written as that
//   form (¥ as ￥). ICU's best fits that would turn a non-ASCII character
//   into ASCII (¥ to '\\', ‾ to '~') are not used.
// - JIS output switches with ESC $ B and back with ESC ( B before every
//   ASCII byte, line ends included, and at the end of the text.
// - Nothing is dropped or replaced: a character the target cannot hold
//   (user-defined characters into EUC-JP or JIS, JIS X 0212 from EUC-JP into
//   Shift-JIS or JIS, UTF-8 text outside the target's set, U+203E ‾) and a
//   byte the source code does not allow stop the conversion with a
//   ConversionError naming the line and the character or bytes.
//
// Readers: JIS accepts ESC ( B, ESC ( J and ESC ( H as ASCII, ESC ( I and
// SO/SI for half-width katakana, ESC $ @, ESC $ B and ESC $ ( B for JIS X
// 0208, ESC $ ( D for JIS X 0212; a UTF-8 signature is dropped.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

namespace mw {

enum class KanjiCode { Ascii, ShiftJis, EucJp, Jis, Utf8 };

// What stopped a conversion, for a report in the program's own words.
struct ConversionProblem {
  enum class Kind {
    Other,        // an unknown option, no converter
    Unwritable,   // a character the target code cannot hold
    Invalid,      // bytes the source code does not allow
  };
  Kind kind = Kind::Other;
  std::size_t line = 0;   // 1-based line of the source
  std::string subject;    // "U+301C" or the bytes in hex, "F0 40"
  std::string code;       // the target code (Unwritable) or the source's (Invalid)
};

// A conversion that cannot be done as asked: an unknown option, text the
// target code cannot hold, bytes the source code does not allow. what() is
// the English account; problem() the same in parts.
class ConversionError : public std::runtime_error {
 public:
  explicit ConversionError(const std::string& what, ConversionProblem problem = {})
      : std::runtime_error(what), m_problem(std::move(problem)) {}
  const ConversionProblem& problem() const { return m_problem; }

 private:
  ConversionProblem m_problem;
};

// The code of bytes that are mostly ASCII markup with some Japanese text,
// judged the way Japanese converters judge it, never by letter statistics:
// 1. a UTF-8 signature: Utf8;
// 2. only 7-bit bytes: Jis when a JIS escape sequence designates a
//    Japanese set (ESC $ B, ESC $ @, ESC ( I, ...), else Ascii;
// 3. valid UTF-8: Utf8 (other codes do not form it by chance beyond a few
//    bytes, and a wrong UTF-8 verdict fails loudly on conversion, while a
//    wrong Shift-JIS one would garble quietly);
// 4. otherwise Shift-JIS or EUC-JP: the one with fewer byte sequences it
//    cannot read (unassigned codes count as unreadable), then the one whose
//    reading is more Japanese: kana count most, then punctuation and common
//    kanji, then symbols and rarer kanji; a half-width voiced mark after
//    its kana counts double; runs of Shift-JIS kanji that all lead with
//    0x8E (EUC-JP half-width kana in disguise) and user-defined codes count
//    against. A tie goes to Shift-JIS, the documents' code: EUC-JP text made
//    only of kanji whose bytes all lie in 0xA1-0xDF (山田) reads equally as
//    half-width katakana, and is taken for Shift-JIS.
KanjiCode DetectKanjiCode(std::string_view bytes);

// Whether the converter can run (the one probe for enabling commands): ICU
// opens its code page 932 and EUC-JP converters. The functions below throw
// ConversionError when it cannot.
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

// What saving a document does to its code (bSaveToJIS, bSaveToEUC).
enum class SaveConversion { AsItIs, Jis, Euc };

// The bytes a document's text is written as: unchanged, or converted to
// JIS or EUC-JP from the code the text is in (detected: the editor may
// hold any of them after its own conversions), before anything is
// written, so the file on
// disk is either the old one or the whole converted text. Throws
// ConversionError (then nothing may be written).
std::string BytesToSave(std::string text, SaveConversion conversion);

// The bytes a file is shown as when it opens (bOpenToShiftJIS): converted
// to Shift-JIS in memory when asked, nothing written beside the file; text
// the converter cannot read is shown as it is.
std::string BytesToShow(std::string bytes, bool toShiftJis);

// Shift-JIS text: half-width katakana become full-width, a voiced or
// semi-voiced mark joining the kana before it.
std::string ToZenkakuKana(std::string_view sjis);

// Shift-JIS text: full-width ASCII letters, digits and symbols (Unicode's
// full-width forms of ASCII, ＼ to '\\' and the IBM ＂ ＇ included) and the
// ideographic space become their half-width forms. The wave dash 〜 (0x8160,
// which code page 932 reads as FULLWIDTH TILDE), ￥, the quotation marks
// ‘’“” and the long vowel mark ー stay.
std::string ToHankaku(std::string_view sjis);

}  // namespace mw
