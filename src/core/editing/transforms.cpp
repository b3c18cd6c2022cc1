#include "core/editing/transforms.h"

#include <algorithm>
#include <vector>

#include "core/text/encoding.h"
#include "core/text/lines.h"

namespace mw {
namespace {

constexpr std::string_view kBreak = "\r\n";

// Calls out(ch) for every character: one byte, or a lead byte with its
// trail byte, so callers only ever look at whole characters.
template <typename Out>
void ForEachChar(std::string_view text, Out out) {
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t n = CharLength(text, i);
    out(text.substr(i), n);
    i += n;
  }
}

// 1-based position of c at a character start, 0 when absent (the
// positions the tag-stripping steps are written in).
std::size_t Pos(std::string_view s, char c) {
  const Offset p = Find(s, std::string_view(&c, 1));
  return p == kNoPos ? 0 : static_cast<std::size_t>(p) + 1;
}

// Position of the first LF at or after from; LF is never a trail byte.
std::size_t NextLf(std::string_view s, std::size_t from) { return s.find('\n', from); }

}  // namespace

std::string LineBreaksToBR(std::string_view text, std::string_view breakText) {
  std::string r;
  r.reserve(text.size() + text.size() / 8);
  std::size_t from = 0;
  for (std::size_t lf = NextLf(text, from); lf != std::string_view::npos; lf = NextLf(text, from)) {
    std::string_view line = text.substr(from, lf - from);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    r += line;
    const bool hasBreak = r.size() >= breakText.size() &&
                          EqualsNoCase(std::string_view(r).substr(r.size() - breakText.size()), breakText);
    if (!hasBreak) r += breakText;
    r += kBreak;
    from = lf + 1;
  }
  r += text.substr(from);
  return r;
}

std::string PrefixLines(std::string_view text, std::string_view prefix) {
  const Offset mark = Find(prefix, "'n'");
  const auto prefixFor = [&](int n) {
    if (mark == kNoPos) return std::string(prefix);
    const auto m = static_cast<std::size_t>(mark);
    return std::string(prefix.substr(0, m)) + std::to_string(n) + std::string(prefix.substr(m + 3));
  };
  int number = 1;
  std::string r = prefixFor(number);
  std::size_t from = 0;
  for (std::size_t lf = NextLf(text, from); lf != std::string_view::npos && lf + 1 < text.size();
       lf = NextLf(text, from)) {
    r += text.substr(from, lf + 1 - from);
    r += prefixFor(++number);
    from = lf + 1;
  }
  r += text.substr(from);
  return r;
}

std::string ToReferences(std::string_view text) {
  std::string r;
  r.reserve(text.size() + text.size() / 8);
  ForEachChar(text, [&](std::string_view at, std::size_t n) {
    if (n == 1) {
      switch (at[0]) {
        case '<': r += "&lt;"; return;
        case '>': r += "&gt;"; return;
        case '"': r += "&quot;"; return;
        case '&':
          if (!at.starts_with("&amp;") && !at.starts_with("&lt;") && !at.starts_with("&gt;") &&
              !at.starts_with("&quot;")) {
            r += "&amp;";
            return;
          }
          break;
        default: break;
      }
    }
    r += at.substr(0, n);
  });
  return r;
}

std::string FromReferences(std::string_view text) {
  static constexpr std::pair<std::string_view, char> kRefs[] = {
      {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&amp;", '&'}};
  std::string r;
  r.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t n = CharLength(text, i);
    if (n == 1 && text[i] == '&') {
      const std::string_view at = text.substr(i);
      const auto* ref = std::find_if(std::begin(kRefs), std::end(kRefs),
                                     [&](const auto& p) { return at.starts_with(p.first); });
      if (ref != std::end(kRefs)) {
        r += ref->second;
        i += ref->first.size();
        continue;
      }
    }
    r += text.substr(i, n);
    i += n;
  }
  return r;
}

std::string TabToSpace(std::string_view text, int spaces) {
  const std::string blanks(static_cast<std::size_t>(std::max(spaces, 0)), ' ');
  std::string r;
  r.reserve(text.size());
  ForEachChar(text, [&](std::string_view at, std::size_t n) {
    if (n == 1 && at[0] == '\t')
      r += blanks;
    else
      r += at.substr(0, n);
  });
  return r;
}

std::string TransformSpace(std::string_view text) {
  std::string r;
  r.reserve(text.size());
  int depth = 0;
  ForEachChar(text, [&](std::string_view at, std::size_t n) {
    if (n == 1) {
      if (at[0] == '<') {
        ++depth;
      } else if (at[0] == '>') {
        depth = std::max(depth - 1, 0);
      } else if (at[0] == ' ' && depth == 0) {
        r += "&nbsp;";
        return;
      }
    }
    r += at.substr(0, n);
  });
  return r;
}

std::string ReverseSpace(std::string_view text) {
  constexpr std::string_view kNbsp = "&nbsp;";
  std::string r;
  r.reserve(text.size());
  std::size_t from = 0;
  for (Offset p = Find(text, kNbsp, from); p != kNoPos; p = Find(text, kNbsp, from)) {
    r += text.substr(from, static_cast<std::size_t>(p) - from);
    r += ' ';
    from = static_cast<std::size_t>(p) + kNbsp.size();
  }
  r += text.substr(from);
  return r;
}

std::string DeleteAllTag(std::string_view text) {
  std::string s(text);
  const std::size_t a0 = Pos(s, '<');
  const std::size_t b0 = Pos(s, '>');
  if (a0 == 0 || b0 == 0) return s;
  // A selection that starts inside a tag: its tail goes.
  if (b0 < a0) s.erase(0, b0);
  // A tag runs from a '<' to the next '>'. A '>' that closes no tag is
  // body text ("x > y") and stays, as does an unclosed '<' with the rest.
  std::string r;
  std::size_t from = 0;
  for (;;) {
    const std::size_t lt = s.find('<', from);
    if (lt == std::string::npos) break;
    const std::size_t gt = s.find('>', lt);
    if (gt == std::string::npos) break;
    r.append(s, from, lt - from);
    from = gt + 1;
  }
  r.append(s, from, std::string::npos);
  return r;
}

std::string DeleteText(std::string_view text) {
  std::string s(text);
  std::size_t a = Pos(s, '>');
  std::size_t b = Pos(s, '<');
  if (b > 0 && b < a) s.erase(0, b - 1);  // the text before the first tag
  std::string r;
  while (a > 0 && b > 0) {
    a = Pos(s, '>');
    b = Pos(s, '<');
    if (a < b) {
      // The tail of a tag cut by the selection start, with its text.
      r.append(s, 0, a);
      s.erase(0, b - 1);
    } else if (b == 1) {
      r.append(s, 0, a);
      s.erase(0, a);
    } else if (b > 1) {
      s.erase(0, b - 1);
    }
  }
  return r;
}

std::string DeleteTabSpace(std::string_view text) {
  std::vector<std::string_view> lines = SplitLines(text);
  for (auto& line : lines) line = Trim(line);
  const std::string joined = JoinLines(lines);
  if (text.ends_with('\n')) return joined;
  return std::string(Trim(joined));
}

std::string DeleteReturn(std::string_view text) {
  std::string r;
  r.reserve(text.size());
  for (const auto line : SplitLines(text)) r += Trim(line);
  return r;
}

std::string InsertLF(std::string_view text, int column) {
  const auto n = static_cast<std::size_t>(std::max(column, 1));
  std::vector<std::string_view> pieces;
  for (std::string_view line : SplitLines(text)) {
    const bool wasEmpty = line.empty();
    while (line.size() > n) {
      // n bytes when byte n ends a double-byte character, else n - 1; at
      // least one whole character, so a narrow column still moves on.
      const auto start = static_cast<std::size_t>(CharBoundary(line, static_cast<Offset>(n - 1)));
      const auto len = static_cast<std::size_t>(CharLength(line, static_cast<Offset>(start)));
      std::size_t cut = (len > 1 && start + len == n) ? n : n - 1;
      if (cut == 0) cut = static_cast<std::size_t>(CharLength(line, 0));
      pieces.push_back(line.substr(0, cut));
      line.remove_prefix(cut);
    }
    // A character wider than the column can leave nothing behind.
    if (!line.empty() || wasEmpty) pieces.push_back(line);
  }
  std::string r = JoinLines(pieces);
  // Only the line end the joining added goes; trimming here would also take
  // the first line's indentation and the last line's trailing blanks.
  if (!text.ends_with('\n') && r.ends_with(kBreak)) r.resize(r.size() - kBreak.size());
  return r;
}

std::string UnIndentLines(std::string_view text) {
  std::string r;
  r.reserve(text.size());
  std::size_t from = 0;
  while (from < text.size()) {
    const std::size_t lf = NextLf(text, from);
    const std::size_t end = lf == std::string_view::npos ? text.size() : lf + 1;
    std::string_view line = text.substr(from, end - from);
    if (line.starts_with('\t')) line.remove_prefix(1);
    r += line;
    from = end;
  }
  return r;
}

}  // namespace mw
