#include "text/encoding.h"


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
  while (pos < target) pos += CharLength(text, pos, e);
  return pos;
}

template <class Matcher>
Offset FindWith(std::string_view text, std::size_t needleSize, std::size_t from,
                const EncodingRules& e, Matcher candidate) {
  if (from > text.size() || needleSize > text.size() - from) return kNoPos;
  std::size_t walk = from;  // always a character start
  std::size_t at = from;
  while (true) {
    const std::size_t hit = candidate(at);
    if (hit == std::string_view::npos) return kNoPos;
    walk = WalkTo(text, walk, hit, e);
    if (walk == hit) return static_cast<Offset>(hit);
    at = walk;  // the candidate began inside a character: look on after it
    if (at > text.size() - needleSize) return kNoPos;
  }
}

}  // namespace

const EncodingRules& ShiftJis() {
  static const EncodingRules rules = MakeShiftJis();
  return rules;
}

const EncodingRules& Utf8() {
  static const EncodingRules rules = MakeUtf8();
  return rules;
}

std::size_t CharStartAt(std::string_view text, std::size_t pos, std::size_t from,
                        const EncodingRules& e) {
  if (pos >= text.size()) return text.size() < pos ? text.size() : pos;
  std::size_t p = from;
  while (true) {
    const std::size_t n = CharLength(text, p, e);
    if (p + n > pos) return p;
    p += n;
  }
}

bool IsCharBoundary(std::string_view text, std::size_t pos, const EncodingRules& e) {
  if (pos >= text.size()) return pos == text.size();
  return CharStartAt(text, pos, 0, e) == pos;
}

Offset Find(std::string_view text, std::string_view needle, std::size_t from,
            const EncodingRules& e) {
  if (needle.empty()) return from <= text.size() ? static_cast<Offset>(from) : kNoPos;
  return FindWith(text, needle.size(), from, e, [&](std::size_t at) {
    return text.find(needle, at);
  });
}

Offset FindLast(std::string_view text, std::string_view needle, const EncodingRules& e) {
  if (needle.size() > text.size()) return kNoPos;
  Offset last = kNoPos;
  std::size_t p = 0;
  while (true) {
    const Offset hit = Find(text, needle, p, e);
    if (hit == kNoPos) return last;
    last = hit;
    if (needle.empty()) return static_cast<Offset>(text.size());
    p = static_cast<std::size_t>(hit) + CharLength(text, static_cast<std::size_t>(hit), e);
    if (p > text.size()) return last;
  }
}

Offset FindNoCase(std::string_view text, std::string_view needle, std::size_t from,
                  const EncodingRules& e) {
  if (needle.empty()) return from <= text.size() ? static_cast<Offset>(from) : kNoPos;
  const std::string folded = AsciiLower(needle, e);
  const unsigned char first = static_cast<unsigned char>(folded[0]);
  const std::size_t n = folded.size();
  // Compares character by character from i, folding only single-byte
  // characters, so ア (83 41) never equals ャ (83 61).
  auto matchAt = [&](std::size_t i) {
    std::size_t k = 0;
    while (k < n) {
      const std::size_t len = CharLength(text, i + k, e);
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
  return FindWith(text, n, from, e, [&](std::size_t at) -> std::size_t {
    for (std::size_t i = at; i + n <= text.size(); ++i) {
      if (FoldAscii(static_cast<unsigned char>(text[i])) != first) continue;
      if (matchAt(i)) return i;
    }
    return std::string_view::npos;
  });
}

namespace {
template <class F>
std::string MapAscii(std::string_view text, const EncodingRules& e, F f) {
  std::string out(text);
  for (std::size_t i = 0; i < out.size();) {
    const std::size_t n = CharLength(out, i, e);
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
