#include "cli/terminal_text.h"

#include <cstdint>
#include <cstring>

#include "cli/cli_common.h"
#include "core/text/encoding.h"
#include "core/text/unicode_view.h"

namespace mw::cli {

std::string TerminalToDocument(std::string_view utf8) {
  SjisFromView s = UnicodeViewToSjis(utf8, ViewMode::Printable);
  if (s.badAt != std::string::npos) throw UsageError("text cannot be written in Shift-JIS: " + std::string(utf8));
  return std::move(s.bytes);
}

std::string DocumentToTerminal(std::string_view sjis) { return SjisToUnicodeView(sjis, ViewMode::Printable); }

std::string OneLine(std::string_view sjis) {
  std::string s;
  s.reserve(sjis.size() + sjis.size() / 2);
  AppendOneLine(s, sjis);
  return s;
}

void AppendOneLine(std::string& s, std::string_view sjis) {
  // None of the three can be a trail byte, so the pieces between them are
  // converted as the characters they are in the whole text.
  std::size_t from = 0;
  for (std::size_t i = 0; i < sjis.size(); ++i) {
    // Eight bytes at a time past those that hold no byte below CR.
    for (std::uint64_t w; i + 8 <= sjis.size(); i += 8) {
      std::memcpy(&w, sjis.data() + i, 8);
      if ((w - 0x0E0E0E0E0E0E0E0Eu) & ~w & 0x8080808080808080u) break;
    }
    if (i == sjis.size()) break;
    const char c = sjis[i];
    if (static_cast<unsigned char>(c) > '\r' || (c != '\t' && c != '\r' && c != '\n')) continue;
    AppendUnicodeView(s, sjis.substr(from, i - from), ViewMode::Printable);
    s += c == '\t' ? "\\t" : c == '\r' ? "\\r" : "\\n";
    from = i + 1;
  }
  AppendUnicodeView(s, sjis.substr(from), ViewMode::Printable);
}

std::string Unescape(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\\' && i + 1 < text.size()) {
      switch (text[i + 1]) {
        case 'r': out += '\r'; ++i; continue;
        case 'n': out += '\n'; ++i; continue;
        case 't': out += '\t'; ++i; continue;
        case '"': out += '"'; ++i; continue;
        case '\\': out += '\\'; ++i; continue;
        default: break;
      }
    }
    out += text[i];
  }
  return out;
}

std::string Escape(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    // A double-byte character goes as it is: its trail byte may be '\\'.
    const auto n = static_cast<std::size_t>(CharLength(text, static_cast<Offset>(i)));
    if (n > 1) {
      out.append(text.substr(i, n));
      i += n;
      continue;
    }
    const char c = text[i++];
    switch (c) {
      case '\r': out += "\\r"; break;
      case '\n': out += "\\n"; break;
      case '\t': out += "\\t"; break;
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      default: out += c;
    }
  }
  return out;
}

}  // namespace mw::cli
