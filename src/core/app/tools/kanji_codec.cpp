#include "core/app/tools/kanji_codec.h"

#include <cstdio>

#include "core/text/encoding.h"
#include "core/text/utf8.h"

namespace mw::kanji {
namespace {

constexpr int kVoicedMark = 0xFF9E - 0xFF61;      // ﾞ
constexpr int kSemiVoicedMark = 0xFF9F - 0xFF61;  // ﾟ

// 1-based line of a source offset, counting line ends as the line splitter
// does (CR LF, lone CR, lone LF), so a message points where an editor shows.
std::size_t LineOf(std::string_view in, std::size_t at) {
  std::size_t line = 1;
  for (std::size_t i = 0; i < at && i < in.size(); ++i) {
    if (in[i] == '\n') ++line;
    else if (in[i] == '\r' && (i + 1 >= in.size() || in[i + 1] != '\n')) ++line;
  }
  return line;
}

bool InRange(unsigned b, unsigned lo, unsigned hi) { return b >= lo && b <= hi; }

}  // namespace

const char* CodeName(KanjiCode code) {
  switch (code) {
    case KanjiCode::Ascii: return "ASCII";
    case KanjiCode::ShiftJis: return "Shift-JIS";
    case KanjiCode::EucJp: return "EUC-JP";
    case KanjiCode::Jis: return "JIS";
    case KanjiCode::Utf8: return "UTF-8";
  }
  return "?";
}

const char* TargetName(Target target) {
  switch (target) {
    case Target::ShiftJis: return "Shift-JIS";
    case Target::EucJp: return "EUC-JP";
    case Target::Jis: return "JIS";
  }
  return "?";
}

Writer::Writer(const Tables& t, Target target, std::string_view in)
    : m_t(t), m_target(target), m_in(in) {
  m_out.resize(in.size() + in.size() / 8 + 16);
}

void Writer::Kana(int index, std::size_t at) {
  if (m_pending >= 0 && (index == kVoicedMark || index == kSemiVoicedMark)) {
    const auto k = static_cast<std::size_t>(m_pending);
    const char16_t joined = index == kVoicedMark ? m_t.voiced[k] : m_t.semiVoiced[k];
    if (joined) {
      m_pending = -1;
      Wide(joined, m_pendingAt);
      return;
    }
  }
  FlushKana();
  m_pending = index;
  m_pendingAt = at;
}

void Writer::Wide(char32_t u, std::size_t at) {
  if (u > 0xFFFF) Unwritable(u, at);
  switch (m_target) {
    case Target::ShiftJis: {
      const std::uint16_t v = m_t.toSjis[u];
      if (v <= 0xFF) Unwritable(u, at);  // single bytes above ASCII are half-width kana
      PutCode(v, 2);
      return;
    }
    case Target::EucJp: {
      const std::uint32_t v = m_t.toEuc[u];
      if (v < 0xA1A1) Unwritable(u, at);
      PutCode(v, v > 0xFFFF ? 3 : 2);  // three bytes for JIS X 0212 (8F xx xx)
      return;
    }
    case Target::Jis: {
      // JIS holds the two-byte rows of EUC-JP only: no JIS X 0212.
      const std::uint32_t v = m_t.toEuc[u];
      if (v < 0xA1A1 || v > 0xFEFE) Unwritable(u, at);
      if (!m_kanjiMode) {
        Put("\x1B$B", 3);
        m_kanjiMode = true;
      }
      PutCode(v - 0x8080, 2);
      return;
    }
  }
}

std::string Writer::Finish() {
  FlushKana();
  if (m_kanjiMode) {
    Put("\x1B(B", 3);
    m_kanjiMode = false;
  }
  m_out.resize(m_len);
  return std::move(m_out);
}

void Writer::Unwritable(char32_t u, std::size_t at) const {
  char code[16];
  std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(u));
  const std::size_t line = LineOf(m_in, at);
  throw ConversionError("line " + std::to_string(line) + ": " + code + " \"" + Utf8Of(u) +
                            "\" cannot be written in " + TargetName(m_target),
                        {ConversionProblem::Kind::Unwritable, line, code, TargetName(m_target)});
}

void Writer::Invalid(KanjiCode code, std::size_t at, std::size_t len) const {
  std::string bytes;
  for (std::size_t i = at; i < at + len && i < m_in.size(); ++i) {
    char hex[4];
    std::snprintf(hex, sizeof hex, "%s%02X", bytes.empty() ? "" : " ",
                  static_cast<unsigned char>(m_in[i]));
    bytes += hex;
  }
  const std::size_t line = LineOf(m_in, at);
  throw ConversionError("line " + std::to_string(line) + ": bytes " + bytes + " are not " + CodeName(code) + " text",
                        {ConversionProblem::Kind::Invalid, line, bytes, CodeName(code)});
}

void ReadSjis(const Tables& t, std::string_view in, Writer& w, bool keep) {
  const auto* b = reinterpret_cast<const unsigned char*>(in.data());
  const std::size_t n = in.size();
  std::size_t i = 0;
  std::size_t copied = 0;  // keep: start of the bytes not yet handed over
  while (i < n) {
    const std::size_t end = AsciiEnd(in, i);
    if (!keep && end > i) w.Ascii(in.data() + i, end - i);
    i = end;
    if (i >= n) break;
    const unsigned c = b[i];
    if (InRange(c, 0xA1, 0xDF)) {
      if (keep) w.Raw(in.data() + copied, i - copied);
      w.Kana(static_cast<int>(c - 0xA1), i);
      copied = ++i;
      continue;
    }
    const std::size_t len = CharLength(in, i);
    if (!keep) {
      const char16_t u = len == 2 ? t.fromSjis[c << 8 | b[i + 1]] : 0;
      if (u == 0) w.Invalid(KanjiCode::ShiftJis, i, len);
      w.Char(u, i);
    }
    i += len;
  }
  if (keep) w.Raw(in.data() + copied, n - copied);
}

void ReadEuc(const Tables& t, std::string_view in, Writer& w, bool keep) {
  const auto* b = reinterpret_cast<const unsigned char*>(in.data());
  const std::size_t n = in.size();
  std::size_t i = 0;
  std::size_t copied = 0;
  while (i < n) {
    const std::size_t end = AsciiEnd(in, i);
    if (!keep && end > i) w.Ascii(in.data() + i, end - i);
    i = end;
    if (i >= n) break;
    const unsigned c = b[i];
    const unsigned d = i + 1 < n ? b[i + 1] : 0;
    if (c == 0x8E && InRange(d, 0xA1, 0xDF)) {
      if (keep) w.Raw(in.data() + copied, i - copied);
      w.Kana(static_cast<int>(d - 0xA1), i);
      i += 2;
      copied = i;
      continue;
    }
    std::size_t len = 1;
    char16_t u = 0;
    if (InRange(c, 0xA1, 0xFE) && InRange(d, 0xA1, 0xFE)) {
      len = 2;
      u = t.fromEuc[(c - 0xA1) * 94 + (d - 0xA1)];
    } else if (c == 0x8F && InRange(d, 0xA1, 0xFE) && i + 2 < n && InRange(b[i + 2], 0xA1, 0xFE)) {
      len = 3;
      u = t.fromEucSupp[(d - 0xA1) * 94 + (b[i + 2] - 0xA1)];
    }
    if (!keep) {
      if (u == 0) w.Invalid(KanjiCode::EucJp, i, len);
      w.Char(u, i);
    }
    i += len;
  }
  if (keep) w.Raw(in.data() + copied, n - copied);
}

void ReadJis(const Tables& t, std::string_view in, Writer& w) {
  enum class Set { Ascii, Kanji, Supp, Kana };
  const auto* b = reinterpret_cast<const unsigned char*>(in.data());
  const std::size_t n = in.size();
  Set set = Set::Ascii;
  bool shifted = false;  // SO: half-width katakana until SI
  auto startsWith = [&](std::size_t i, std::string_view s) { return in.substr(i).starts_with(s); };
  std::size_t i = 0;
  while (i < n) {
    const unsigned c = b[i];
    if (c == 0x1B) {
      static constexpr struct { std::string_view seq; Set set; } kEscapes[] = {
          {"\x1B(B", Set::Ascii}, {"\x1B(J", Set::Ascii},  {"\x1B(H", Set::Ascii},
          {"\x1B(I", Set::Kana},  {"\x1B$@", Set::Kanji},  {"\x1B$B", Set::Kanji},
          {"\x1B$(B", Set::Kanji}, {"\x1B$(@", Set::Kanji}, {"\x1B$(D", Set::Supp},
      };
      bool known = false;
      for (const auto& e : kEscapes) {
        if (startsWith(i, e.seq)) {
          set = e.set;
          i += e.seq.size();
          known = true;
          break;
        }
      }
      if (known) continue;
      if (startsWith(i, "\x1B&@")) {  // revision announcer before ESC $ B
        i += 3;
        continue;
      }
      w.Invalid(KanjiCode::Jis, i, 1);
    }
    if (c == 0x0E || c == 0x0F) {
      shifted = c == 0x0E;
      ++i;
      continue;
    }
    if (c >= 0x80) w.Invalid(KanjiCode::Jis, i, 1);
    // Controls and the space pass through in every set, so a line end
    // inside a kanji run stays a line end.
    if (c <= 0x20 || c == 0x7F || (set == Set::Ascii && !shifted)) {
      std::size_t end = i + 1;
      if (set == Set::Ascii && !shifted)
        while (end < n && b[end] < 0x80 && b[end] != 0x1B && b[end] != 0x0E && b[end] != 0x0F) ++end;
      w.Ascii(in.data() + i, end - i);
      i = end;
      continue;
    }
    if (shifted || set == Set::Kana) {
      if (!InRange(c, 0x21, 0x5F)) w.Invalid(KanjiCode::Jis, i, 1);
      w.Kana(static_cast<int>(c - 0x21), i);
      ++i;
      continue;
    }
    const unsigned d = i + 1 < n ? b[i + 1] : 0;
    if (!InRange(d, 0x21, 0x7E)) w.Invalid(KanjiCode::Jis, i, i + 1 < n ? 2 : 1);
    const std::size_t index = (c - 0x21) * 94 + (d - 0x21);
    const char16_t u = set == Set::Kanji ? t.fromEuc[index] : t.fromEucSupp[index];
    if (u == 0) w.Invalid(KanjiCode::Jis, i, 2);
    w.Char(u, i);
    i += 2;
  }
}

void ReadUtf8(std::string_view in, Writer& w) {
  std::size_t i = in.starts_with("\xEF\xBB\xBF") ? 3 : 0;  // a signature, not text
  while (i < in.size()) {
    const std::size_t end = AsciiEnd(in, i);
    if (end > i) w.Ascii(in.data() + i, end - i);
    i = end;
    if (i >= in.size()) break;
    const std::size_t at = i;
    const Utf8Char c = DecodeUtf8(in, i);
    i += c.length;
    if (!c.valid) w.Invalid(KanjiCode::Utf8, at, c.length);
    if (c.code >= kHalfKanaFirst && c.code <= kHalfKanaLast)
      w.Kana(static_cast<int>(c.code - kHalfKanaFirst), at);
    else
      w.Char(c.code, at);
  }
}

}  // namespace mw::kanji
