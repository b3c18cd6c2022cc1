#include "core/text/line_index.h"

#include <algorithm>

namespace mw {

void LineStartIndex::Rebuild(std::string_view text) {
  m_starts.assign(1, 0);
  const std::size_t n = text.size();
  for (std::size_t i = 0; i < n; ++i) {
    const char c = text[i];
    if (c == '\n' || (c == '\r' && (i + 1 == n || text[i + 1] != '\n')))
      m_starts.push_back(static_cast<Offset>(i + 1));
  }
}

void LineStartIndex::Update(std::string_view text, Offset pos, Offset removed, Offset inserted) {
  auto& v = m_starts;
  const auto lo = std::lower_bound(v.begin() + 1, v.end(), pos);
  const auto hi = std::upper_bound(lo, v.end(), pos + removed);
  const Offset delta = inserted - removed;
  if (delta != 0)
    for (auto it = hi; it != v.end(); ++it) *it += delta;
  // The starts in [pos, pos + inserted] of the new text replace those that
  // stood in [pos, pos + removed] of the old one.
  std::vector<Offset> fresh;
  for (Offset q = std::max<Offset>(pos, 1); q <= pos + inserted; ++q)
    if (IsLineStart(text, q)) fresh.push_back(q);
  const auto at = v.erase(lo, hi);
  v.insert(at, fresh.begin(), fresh.end());
}

}  // namespace mw
