#include "core/text/lines.h"


namespace mw {

namespace {
// Calls f(begin, end) for every line; returns nothing.
template <class F>
void ForEachLine(std::string_view text, F f) {
  const char* p = text.data();
  const char* const end = p + text.size();
  while (p < end) {
    const char* q = p;
    while (q < end && *q != '\r' && *q != '\n') ++q;
    f(std::string_view(p, static_cast<std::size_t>(q - p)));
    if (q == end) break;
    q += (*q == '\r' && q + 1 < end && q[1] == '\n') ? 2 : 1;
    p = q;
  }
}
}  // namespace

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  ForEachLine(text, [&](std::string_view line) { lines.push_back(line); });
  return lines;
}

std::string JoinLines(const std::vector<std::string_view>& lines) {
  std::size_t total = 0;
  for (auto l : lines) total += l.size() + 2;
  std::string out;
  out.reserve(total);
  for (auto l : lines) {
    out.append(l);
    out.append("\r\n");
  }
  return out;
}

std::string NormalizeLineEnds(std::string_view text) {
  std::string out;
  out.reserve(text.size() + 2);
  ForEachLine(text, [&](std::string_view line) {
    out.append(line);
    out.append("\r\n");
  });
  return out;
}

}  // namespace mw
