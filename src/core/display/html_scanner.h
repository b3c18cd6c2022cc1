// The colouring tokenizer for HTML source and the class rules that turn its
// tokens into font switches. The RTF converter and the editor's colour runs
// both consume these, so a document is coloured the same way on either road.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "core/app/display_fonts.h"
#include "core/text/encoding.h"

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
  Offset start = 0;
  Offset length = 0;
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

#if defined(__GNUC__)
  [[gnu::always_inline]]
#endif
  HtmlToken Next();

  // Lines met so far, counted from 1: +1 at every LF and at every CR not
  // followed by LF.
  std::size_t SourceLine() const { return m_line; }
  // Where scanning stopped: the source size, or the offset of a NUL.
  Offset StopOffset() const { return static_cast<Offset>(m_pos); }

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
#if defined(__GNUC__)
  [[gnu::always_inline]]
#endif
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

// The per-token work is inline: the consumers call it once per byte of
// Japanese text, so a call per token would cost more than the scan.

namespace scan {

// Bytes that end a token, per token kind. NUL, CR, LF, the three RTF
// specials and every byte >= 0x80 end all of them, so a double-byte
// character and a line end are always tokens of their own.
enum : std::uint8_t {
  kEndsRun = 1,      // text runs and references
  kEndsComment = 2,  // comment starts
  kEndsTag = 4,      // tag starts
};

constexpr std::array<std::uint8_t, 256> MakeEnders() {
  std::array<std::uint8_t, 256> t{};
  constexpr std::uint8_t all = kEndsRun | kEndsComment | kEndsTag;
  for (int b = 0x80; b < 256; ++b) t[b] = all;
  for (unsigned char b : {'\0', '\r', '\n', '\\', '{', '}'}) t[b] = all;
  t['"'] = kEndsRun | kEndsTag;
  t['&'] = kEndsRun;
  t['<'] = kEndsRun;
  t['>'] = kEndsRun;
  return t;
}

inline constexpr std::array<std::uint8_t, 256> kEnders = MakeEnders();

inline bool IsSingleByteToken(unsigned char b) {
  return (b >= 0x01 && b <= 0x1F) || b == '\\' || b == '{' || b == '}' || b >= 0x80;
}

}  // namespace scan

inline HtmlToken HtmlScanner::Next() {
  HtmlToken t;
  if (m_pos >= m_limit) {
    if (m_pos >= m_size) {
      t.start = static_cast<Offset>(m_pos);
      return t;
    }
    Refill();
  }
  const std::size_t p = m_pos;
  const unsigned char b = m_data[p];
  t.start = static_cast<Offset>(p);
  if (b == 0) return t;  // an embedded NUL ends the document

  if (b == '\n' || (b == '\r' && (p + 1 >= m_size || m_data[p + 1] != '\n'))) {
    ++m_line;
    t.newLine = true;
  }

  std::size_t end = p + 1;
  switch (b) {
    case '"':
      t.kind = HtmlTokenKind::Quote;
      break;
    case '&':
      t.kind = HtmlTokenKind::Reference;
      end = ScanReference(p + 1);
      break;
    case '<':
      if (p + 3 < m_size && std::memcmp(m_data + p + 1, "!--", 3) == 0) {
        t.kind = HtmlTokenKind::CommentStart;
        end = ScanComment(p + 1);
      } else {
        t.kind = HtmlTokenKind::TagStart;
        end = ScanTag(p + 1);
      }
      break;
    case '>':
      t.kind = (p >= 2 && m_data[p - 1] == '-' && m_data[p - 2] == '-') ? HtmlTokenKind::CommentEnd
                                                                         : HtmlTokenKind::TagEnd;
      break;
    default:
      if (scan::IsSingleByteToken(b)) {
        t.kind = HtmlTokenKind::SingleByte;
      } else {
        t.kind = HtmlTokenKind::TextRun;
        while (end < m_limit && !(scan::kEnders[m_data[end]] & scan::kEndsRun)) ++end;
      }
      break;
  }
  t.length = static_cast<Offset>(end - p);
  m_pos = end;
  return t;
}

inline TokenPaint HtmlPainter::Paint(const HtmlToken& token, std::string_view source) {
  constexpr auto kText = static_cast<std::int8_t>(FontClass::Text);
  constexpr auto kTag = static_cast<std::int8_t>(FontClass::Tag);
  constexpr auto kSpecial = static_cast<std::int8_t>(FontClass::Special);
  constexpr auto kParameter = static_cast<std::int8_t>(FontClass::Parameter);

  TokenPaint paint;
  switch (token.kind) {
    case HtmlTokenKind::End:
    case HtmlTokenKind::TextRun:
    case HtmlTokenKind::SingleByte:
      break;
    case HtmlTokenKind::CommentStart:
      paint.before = kSpecial;
      ++m_depth;
      break;
    case HtmlTokenKind::CommentEnd:
      if (m_depth > 0) --m_depth;
      if (m_depth == 0) paint.after = kText;
      break;
    case HtmlTokenKind::TagStart:
      // Inside a comment a '<' is just comment text.
      if (m_depth == 0) {
        paint.before = kTag;
        m_inTag = true;
        m_inQuote = false;
      }
      break;
    case HtmlTokenKind::TagEnd:
      if (m_depth == 0) {
        paint.after = kText;
        m_inTag = false;
        m_inQuote = false;
      }
      break;
    case HtmlTokenKind::Quote:
      if (m_inTag) {
        if (m_inQuote)
          paint.after = kTag;
        else
          paint.before = kParameter;
        m_inQuote = !m_inQuote;
      }
      break;
    case HtmlTokenKind::Reference:
      if (m_depth == 0 && IsKnownReference(source.substr(static_cast<std::size_t>(token.start),
                                                            static_cast<std::size_t>(token.length)))) {
        paint.before = kSpecial;
        paint.after = kText;
      }
      break;
  }
  paint.draw = paint.before != TokenPaint::kNone ? static_cast<FontClass>(paint.before) : m_current;
  m_current = paint.after != TokenPaint::kNone ? static_cast<FontClass>(paint.after) : paint.draw;
  return paint;
}

}  // namespace mw
