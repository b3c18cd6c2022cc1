// The colouring tokenizer for HTML source and the class rules that turn its
// tokens into font switches. The RTF converter and the editor's colour runs
// both consume these, so a document is coloured the same way on either road.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "display/display_fonts.h"

namespace mw {

enum class HtmlTokenKind : std::uint8_t {
  End,           // end of input, or an embedded NUL
  TextRun,       // plain bytes
  Reference,     // '&' up to and including the first ';'
  CommentStart,  // "<!--" up to the comment's '>' (exclusive) or the line end
  TagStart,      // '<' up to the closing '>' (exclusive); "<B><I" is one token
  TagEnd,        // '>' not preceded by "--"
  CommentEnd,    // '>' preceded by "--"
  Quote,         // '"'
  SingleByte,    // a control byte, '\', '{', '}' or one byte >= 0x80
};

struct HtmlToken {
  HtmlTokenKind kind = HtmlTokenKind::End;
  std::size_t start = 0;
  std::size_t length = 0;
  bool newLine = false;  // this token starts a new source line
};

// Splits source bytes into tokens through a 4096-byte scan window that
// holds whole lines: a token never runs past the window, and a line longer
// than the window is cut just before the window's last byte (last two when
// the byte before it is a lead byte). The cut positions decide token
// boundaries on long lines, so they are kept exactly.
//
// Tests that look past a token's first byte (is a CR followed by LF, is
// "<" followed by "!--", is ">" preceded by "--") read the real source
// bytes, not just the window: a CR LF split by a refill still ends one line.
class HtmlScanner {
 public:
  static constexpr std::size_t kWindow = 4096;

  explicit HtmlScanner(std::string_view source);

  HtmlToken Next();

  // Lines met so far, counted from 1: +1 at every LF and at every CR not
  // followed by LF.
  std::size_t SourceLine() const { return m_line; }
  // Where scanning stopped: the source size, or the offset of a NUL.
  std::size_t StopOffset() const { return m_pos; }

 private:
  void Refill();
  std::size_t ScanReference(std::size_t from) const;
  std::size_t ScanComment(std::size_t from) const;
  std::size_t ScanTag(std::size_t from) const;

  const unsigned char* m_data;
  std::size_t m_size;
  std::size_t m_pos = 0;
  std::size_t m_limit = 0;  // end of the scan window
  std::size_t m_line = 1;
};

// Font switches around one token's bytes. kNone: no switch.
struct TokenPaint {
  static constexpr std::int8_t kNone = -1;
  std::int8_t before = kNone;  // class string written before the token
  std::int8_t after = kNone;   // class string written after the token
  FontClass draw = FontClass::Text;  // the class the token's bytes are drawn in
};

// The class rules: tag and quote state, comment depth, and the class the
// bytes are currently drawn in.
class HtmlPainter {
 public:
  TokenPaint Paint(const HtmlToken& token, std::string_view source);

  // The class the next token's bytes are drawn in unless it switches.
  FontClass Current() const { return m_current; }
  int CommentDepth() const { return m_depth; }

 private:
  static bool IsKnownReference(std::string_view token);

  bool m_inTag = false;
  bool m_inQuote = false;
  int m_depth = 0;
  FontClass m_current = FontClass::Text;
};

}  // namespace mw
