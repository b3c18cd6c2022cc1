#include "display/html_scanner.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "text/encoding.h"

namespace mw {
namespace {

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

constexpr std::array<std::uint8_t, 256> kEnders = MakeEnders();

bool IsSingleByteToken(unsigned char b) {
  return (b >= 0x01 && b <= 0x1F) || b == '\\' || b == '{' || b == '}' || b >= 0x80;
}

}  // namespace

HtmlScanner::HtmlScanner(std::string_view source)
    : m_data(reinterpret_cast<const unsigned char*>(source.data())), m_size(source.size()) {}

void HtmlScanner::Refill() {
  const std::size_t held = std::min(kWindow, m_size - m_pos);
  if (held < kWindow) {  // the input is exhausted: scan to its end
    m_limit = m_size;
    return;
  }
  // A full window: scan up to the start of its last line, so no token
  // straddles the next refill. An LF in the final byte does not count.
  const void* lf = memrchr(m_data + m_pos, '\n', kWindow - 1);
  if (lf != nullptr) {
    m_limit = static_cast<std::size_t>(static_cast<const unsigned char*>(lf) - m_data) + 1;
    return;
  }
  // No line end at all: stop before the last byte, or before the last two
  // when the one before it is a lead byte.
  m_limit = m_pos + kWindow - 1;
  if (IsLeadByte(m_data[m_pos + kWindow - 2])) --m_limit;
}

std::size_t HtmlScanner::ScanReference(std::size_t q) const {
  while (q < m_limit) {
    const unsigned char c = m_data[q];
    if (kEnders[c] & kEndsRun) break;
    ++q;
    if (c == ';') break;
  }
  return q;
}

std::size_t HtmlScanner::ScanComment(std::size_t q) const {
  // q > start of "<!--", so two bytes before any '>' found here exist.
  while (q < m_limit) {
    const unsigned char c = m_data[q];
    if (kEnders[c] & kEndsComment) break;
    if (c == '>' && m_data[q - 1] == '-' && m_data[q - 2] == '-') break;
    ++q;
  }
  return q;
}

std::size_t HtmlScanner::ScanTag(std::size_t q) const {
  while (q < m_limit) {
    const unsigned char c = m_data[q];
    if (kEnders[c] & kEndsTag) break;
    if (c == '>') {
      // "<B><I": a '>' directly followed by another tag stays in the token,
      // unless what follows is a comment.
      const bool nextIsTag = q + 1 < m_size && m_data[q + 1] == '<';
      const bool nextIsComment = q + 4 < m_size && std::memcmp(m_data + q + 2, "!--", 3) == 0;
      if (!nextIsTag || nextIsComment) break;
    }
    ++q;
  }
  return q;
}

HtmlToken HtmlScanner::Next() {
  HtmlToken t;
  if (m_pos >= m_limit) {
    if (m_pos >= m_size) {
      t.start = m_pos;
      return t;
    }
    Refill();
  }
  const std::size_t p = m_pos;
  const unsigned char b = m_data[p];
  t.start = p;
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
      if (IsSingleByteToken(b)) {
        t.kind = HtmlTokenKind::SingleByte;
      } else {
        t.kind = HtmlTokenKind::TextRun;
        while (end < m_limit && !(kEnders[m_data[end]] & kEndsRun)) ++end;
      }
      break;
  }
  t.length = end - p;
  m_pos = end;
  return t;
}

bool HtmlPainter::IsKnownReference(std::string_view token) {
  if (token.size() < 4 || token.size() > 6 || token.back() != ';') return false;
  for (std::string_view known : {"&lt;", "&gt;", "&quot;", "&amp;", "&nbsp;"})
    if (token.size() == known.size() && EqualsNoCase(token, known)) return true;
  return false;
}

TokenPaint HtmlPainter::Paint(const HtmlToken& token, std::string_view source) {
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
      if (m_depth == 0 && IsKnownReference(source.substr(token.start, token.length))) {
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
