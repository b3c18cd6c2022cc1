#include "core/display/html_scanner.h"

#include <algorithm>
#include <cstring>

#include "core/text/encoding.h"

namespace mw {

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
    if (scan::kEnders[c] & scan::kEndsRun) break;
    ++q;
    if (c == ';') break;
  }
  return q;
}

std::size_t HtmlScanner::ScanComment(std::size_t q) const {
  // q > start of "<!--", so two bytes before any '>' found here exist.
  while (q < m_limit) {
    const unsigned char c = m_data[q];
    if (scan::kEnders[c] & scan::kEndsComment) break;
    if (c == '>' && m_data[q - 1] == '-' && m_data[q - 2] == '-') break;
    ++q;
  }
  return q;
}

std::size_t HtmlScanner::ScanTag(std::size_t q) const {
  while (q < m_limit) {
    const unsigned char c = m_data[q];
    if (scan::kEnders[c] & scan::kEndsTag) break;
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

bool HtmlPainter::IsKnownReference(std::string_view token) {
  if (token.size() < 4 || token.size() > 6 || token.back() != ';') return false;
  // A reference token never holds a byte >= 0x80, so folding each byte is
  // exact here and spares building lower-case copies for every '&'.
  char folded[6];
  for (std::size_t i = 0; i < token.size(); ++i) {
    const char c = token[i];
    folded[i] = (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
  }
  const std::string_view f(folded, token.size());
  return f == "&lt;" || f == "&gt;" || f == "&quot;" || f == "&amp;" || f == "&nbsp;";
}

}  // namespace mw
