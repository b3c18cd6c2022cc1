// The logical line starts of a document, kept up to date edit by edit, so
// that line-of-offset and start-of-line cost a binary search, never a scan.
// Lines end as in lines.h: CR LF, a lone CR or a lone LF.
#pragma once

#include <algorithm>
#include <string_view>
#include <vector>

#include "core/text/encoding.h"

namespace mw {

// Whether a line starts at q: at 0, or after LF, or after a CR that is not
// followed by LF. Only the bytes at q - 1 and q decide.
inline bool IsLineStart(std::string_view text, Offset q) {
  const auto size = static_cast<Offset>(text.size());
  if (q <= 0 || q > size) return q == 0;
  const char b = text[static_cast<std::size_t>(q - 1)];
  return b == '\n' || (b == '\r' && (q == size || text[static_cast<std::size_t>(q)] != '\n'));
}

class LineStartIndex {
 public:
  // The starts of all of text.
  void Rebuild(std::string_view text);
  // After [pos, pos + removed) of the old text became [pos, pos + inserted)
  // of `text`: only the starts whose deciding bytes touch the change are
  // looked at again; the others shift. An edit costs its own length plus
  // one pass over the starts after it, never a rescan of the text.
  void Update(std::string_view text, Offset pos, Offset removed, Offset inserted);

  // Lines, an empty last line (after a final line end) included.
  Offset Count() const { return static_cast<Offset>(m_starts.size()); }
  // Start of line k, 0 <= k < Count().
  Offset Start(Offset k) const { return m_starts[static_cast<std::size_t>(k)]; }
  Offset LastStart() const { return m_starts.back(); }
  // The line that holds offset p (p >= 0; the last line from its start on).
  Offset LineOf(Offset p) const {
    return static_cast<Offset>(std::upper_bound(m_starts.begin(), m_starts.end(), p) - m_starts.begin()) - 1;
  }
  // Every start, ascending; always begins with 0.
  const std::vector<Offset>& Starts() const { return m_starts; }

 private:
  std::vector<Offset> m_starts{0};
};

}  // namespace mw
