#include "core/text/lines.h"

#include <algorithm>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif


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

std::size_t CountLineFeeds(std::string_view text) {
  const char* p = text.data();
  const char* const end = p + text.size();
  std::size_t n = 0;
#if defined(__SSE2__)
  const __m128i lf = _mm_set1_epi8('\n');
  while (end - p >= 16) {
    // Byte counters, summed at the latest every 255 blocks, before any can
    // overflow.
    const std::ptrdiff_t blocks = std::min<std::ptrdiff_t>((end - p) / 16, 255);
    __m128i counts = _mm_setzero_si128();
    for (std::ptrdiff_t k = 0; k < blocks; ++k, p += 16)
      counts = _mm_sub_epi8(counts, _mm_cmpeq_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p)), lf));
    const __m128i sums = _mm_sad_epu8(counts, _mm_setzero_si128());
    n += static_cast<std::size_t>(_mm_cvtsi128_si32(sums)) +
         static_cast<std::size_t>(_mm_cvtsi128_si32(_mm_unpackhi_epi64(sums, sums)));
  }
#endif
  return n + static_cast<std::size_t>(std::count(p, end, '\n'));
}

}  // namespace mw
