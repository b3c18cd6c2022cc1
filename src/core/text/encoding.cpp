#include "core/text/encoding.h"

#include <string.h>

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif


namespace mw {
namespace {

EncodingRules MakeShiftJis() {
  EncodingRules r;
  r.name = "Shift_JIS";
  for (int b = 0; b < 256; ++b) {
    r.length[b] = ((b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC)) ? 2 : 1;
    r.trail[b] = (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFC);
  }
  return r;
}

EncodingRules MakeUtf8() {
  EncodingRules r;
  r.name = "UTF-8";
  for (int b = 0; b < 256; ++b) {
    r.length[b] = b >= 0xF0 && b <= 0xF4 ? 4 : b >= 0xE0 && b <= 0xEF ? 3 : b >= 0xC2 && b <= 0xDF ? 2 : 1;
    r.trail[b] = b >= 0x80 && b <= 0xBF;
  }
  return r;
}

inline unsigned char FoldAscii(unsigned char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c + 32) : c;
}

// Walks characters from `pos` up to `target`; returns where the walk lands
// (== target when target is a boundary, else the end of the character that
// straddles it).
inline std::size_t WalkTo(std::string_view text, std::size_t pos, std::size_t target,
                          const EncodingRules& e) {
  while (pos < target) pos += static_cast<std::size_t>(CharLength(text, static_cast<Offset>(pos), e));
  return pos;
}

// A byte that can never stand after a lead byte always starts a character,
// whatever precedes it. Searching resynchronises on such bytes instead of
// walking every character from the start of the text.
inline std::size_t BoundaryBefore(std::string_view text, std::size_t floor, std::size_t hit,
                                  const EncodingRules& e) {
  std::size_t q = hit;
  while (q > floor && e.trail[static_cast<unsigned char>(text[q])]) --q;
  return q;
}

// Finds candidates with `candidate` (which may return positions inside a
// character) and keeps those at character starts. `walk` is a known
// character start that only moves forward, so the character walking over
// the whole text costs O(n) at worst, and usually only a few bytes per
// candidate, as markup is full of bytes below 0x40.
template <class Matcher>
Offset FindWith(std::string_view text, std::size_t needleSize, std::size_t from,
                const EncodingRules& e, Matcher candidate) {
  if (from > text.size() || needleSize > text.size() - from) return kNoPos;
  std::size_t walk = from;  // always a character start
  std::size_t at = from;
  while (true) {
    const std::size_t hit = candidate(at);
    if (hit == std::string_view::npos) return kNoPos;
    walk = WalkTo(text, BoundaryBefore(text, walk, hit, e), hit, e);
    if (walk == hit) return static_cast<Offset>(hit);
    at = walk;  // the candidate began inside a character: look on after it
    if (at > text.size() - needleSize) return kNoPos;
  }
}

// Byte folding of A-Z for the candidate scan; the exact character-wise
// comparison afterwards keeps trail bytes unfolded.
inline bool IsAsciiLetter(unsigned char c) { return (c | 0x20) >= 'a' && (c | 0x20) <= 'z'; }

struct FoldTable {
  std::array<unsigned char, 256> map{};
  constexpr FoldTable() {
    for (int c = 0; c < 256; ++c)
      map[c] = static_cast<unsigned char>((c >= 'A' && c <= 'Z') ? c + 32 : c);
  }
};
inline constexpr FoldTable kFold{};

}  // namespace

const EncodingRules& ShiftJis() {
  static const EncodingRules rules = MakeShiftJis();
  return rules;
}

const EncodingRules& Utf8() {
  static const EncodingRules rules = MakeUtf8();
  return rules;
}

Offset CharBoundary(std::string_view text, Offset pos, const EncodingRules& e) {
  if (pos <= 0) return 0;
  const auto size = static_cast<Offset>(text.size());
  if (pos >= size) return size;
  // Walks from the sync point before the byte after pos, which is pos
  // itself when that byte cannot be a trail byte.
  Offset p = SyncPointBefore(text, pos + 1, e);
  while (true) {
    const Offset n = CharLength(text, p, e);
    if (p + n > pos) return p;
    p += n;
  }
}

Offset Find(std::string_view text, std::string_view needle, Offset from, const EncodingRules& e) {
  if (from < 0) from = 0;
  if (needle.empty()) return from <= static_cast<Offset>(text.size()) ? from : kNoPos;
  return FindWith(text, needle.size(), static_cast<std::size_t>(from), e, [&](std::size_t at) -> std::size_t {
    const void* p = ::memmem(text.data() + at, text.size() - at, needle.data(), needle.size());
    return p ? static_cast<std::size_t>(static_cast<const char*>(p) - text.data())
             : std::string_view::npos;
  });
}

Offset FindLast(std::string_view text, std::string_view needle, const EncodingRules& e) {
  if (needle.size() > text.size()) return kNoPos;
  Offset last = kNoPos;
  std::size_t p = 0;
  while (true) {
    const Offset hit = Find(text, needle, static_cast<Offset>(p), e);
    if (hit == kNoPos) return last;
    last = hit;
    if (needle.empty()) return static_cast<Offset>(text.size());
    p = static_cast<std::size_t>(hit + CharLength(text, hit, e));
    if (p > text.size()) return last;
  }
}

Offset FindNoCase(std::string_view text, std::string_view needle, Offset offset,
                  const EncodingRules& e) {
  if (offset < 0) offset = 0;
  if (needle.empty()) return offset <= static_cast<Offset>(text.size()) ? offset : kNoPos;
  const auto from = static_cast<std::size_t>(offset);
  const std::string folded = AsciiLower(needle, e);
  const unsigned char first = static_cast<unsigned char>(folded[0]);
  const std::size_t n = folded.size();
  // Compares character by character from i, folding only single-byte
  // characters, so ア (83 41) never equals ャ (83 61).
  auto matchAt = [&](std::size_t i) {
    std::size_t k = 0;
    while (k < n) {
      const auto len = static_cast<std::size_t>(CharLength(text, static_cast<Offset>(i + k), e));
      if (len == 1) {
        if (FoldAscii(static_cast<unsigned char>(text[i + k])) != static_cast<unsigned char>(folded[k]))
          return false;
      } else if (k + len > n || text.compare(i + k, len, folded, k, len) != 0) {
        return false;
      }
      k += len;
    }
    return true;
  };
  const auto* t = reinterpret_cast<const unsigned char*>(text.data());
  // The scan folds every byte, trail bytes too, so it compares with a copy
  // of the needle folded the same way.
  std::string byteFolded(needle);
  for (char& c : byteFolded) c = static_cast<char>(kFold.map[static_cast<unsigned char>(c)]);
  const auto* f = reinterpret_cast<const unsigned char*>(byteFolded.data());
  if (n == 1) {
    // One byte: the earlier of its two cases.
    const unsigned char upper = first >= 'a' && first <= 'z' ? static_cast<unsigned char>(first - 32) : first;
    return FindWith(text, n, from, e, [&](std::size_t at) -> std::size_t {
      if (at >= text.size()) return std::string_view::npos;
      const auto* lo = static_cast<const unsigned char*>(std::memchr(t + at, first, text.size() - at));
      const std::size_t end = lo ? static_cast<std::size_t>(lo - t) : text.size();
      const auto* up = upper == first ? nullptr
                                      : static_cast<const unsigned char*>(std::memchr(t + at, upper, end - at));
      if (up) return static_cast<std::size_t>(up - t);
      return lo ? end : std::string_view::npos;
    });
  }
  // Candidates are positions whose first and last bytes equal the needle's
  // in either letter case: a real match is always one, and matchAt then
  // decides. Sixteen positions are tested at once where SSE2 is there.
  const std::size_t size = text.size();
  const unsigned char firstMask = IsAsciiLetter(f[0]) ? 0x20 : 0;
  const unsigned char lastMask = IsAsciiLetter(f[n - 1]) ? 0x20 : 0;
  auto verify = [&](std::size_t i) {
    for (std::size_t k = 1; k + 1 < n; ++k)
      if (kFold.map[t[i + k]] != f[k]) return false;
    return matchAt(i);
  };
  return FindWith(text, n, from, e, [&](std::size_t at) -> std::size_t {
    std::size_t i = at;
#if defined(__SSE2__)
    const __m128i v0 = _mm_set1_epi8(static_cast<char>(f[0]));
    const __m128i v1 = _mm_set1_epi8(static_cast<char>(f[n - 1]));
    const __m128i m0 = _mm_set1_epi8(static_cast<char>(firstMask));
    const __m128i m1 = _mm_set1_epi8(static_cast<char>(lastMask));
    for (; i + n - 1 + 16 <= size; i += 16) {
      const __m128i a = _mm_or_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(t + i)), m0);
      const __m128i b =
          _mm_or_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(t + i + n - 1)), m1);
      unsigned bits = static_cast<unsigned>(
          _mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(a, v0), _mm_cmpeq_epi8(b, v1))));
      while (bits != 0) {
        const std::size_t c = i + static_cast<std::size_t>(__builtin_ctz(bits));
        if (kFold.map[t[c]] == f[0] && kFold.map[t[c + n - 1]] == f[n - 1] && verify(c)) return c;
        bits &= bits - 1;
      }
    }
#endif
    for (; i + n <= size; ++i)
      if (kFold.map[t[i]] == f[0] && kFold.map[t[i + n - 1]] == f[n - 1] && verify(i)) return i;
    return std::string_view::npos;
  });
}

namespace {
template <class F>
std::string MapAscii(std::string_view text, const EncodingRules& e, F f) {
  std::string out(text);
  for (std::size_t i = 0; i < out.size();) {
    const auto n = static_cast<std::size_t>(CharLength(out, static_cast<Offset>(i), e));
    if (n == 1) out[i] = static_cast<char>(f(static_cast<unsigned char>(out[i])));
    i += n;
  }
  return out;
}
}  // namespace

std::string AsciiLower(std::string_view text, const EncodingRules& e) {
  return MapAscii(text, e, [](unsigned char c) { return FoldAscii(c); });
}

std::string AsciiUpper(std::string_view text, const EncodingRules& e) {
  return MapAscii(text, e, [](unsigned char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<unsigned char>(c - 32) : c;
  });
}

bool EqualsNoCase(std::string_view a, std::string_view b, const EncodingRules& e) {
  return a.size() == b.size() && AsciiLower(a, e) == AsciiLower(b, e);
}

std::string_view TrimLeft(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && static_cast<unsigned char>(text[i]) <= ' ') ++i;
  return text.substr(i);
}

std::string_view TrimRight(std::string_view text) {
  std::size_t n = text.size();
  while (n > 0 && static_cast<unsigned char>(text[n - 1]) <= ' ') --n;
  return text.substr(0, n);
}

std::string_view Trim(std::string_view text) { return TrimRight(TrimLeft(text)); }

}  // namespace mw
