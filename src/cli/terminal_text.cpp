#include "cli/terminal_text.h"

#include <unicode/ucnv.h>

#include <memory>

#include "cli/cli_common.h"
#include "core/text/encoding.h"

namespace mw::cli {

namespace {

struct ConverterCloser {
  void operator()(UConverter* c) const { ucnv_close(c); }
};
using Converter = std::unique_ptr<UConverter, ConverterCloser>;

Converter OpenStrict(const char* name) {
  UErrorCode err = U_ZERO_ERROR;
  Converter c(ucnv_open(name, &err));
  if (U_FAILURE(err)) throw std::runtime_error(std::string(name) + " converter missing");
  ucnv_setToUCallBack(c.get(), UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &err);
  ucnv_setFromUCallBack(c.get(), UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &err);
  return c;
}

// Converts all of `in`, stopping at the first unit that has no mapping;
// false then.
bool ConvertStrict(UConverter* from, UConverter* to, std::string_view in, std::string& out) {
  ucnv_reset(from);
  ucnv_reset(to);
  out.assign(in.size() * 4 + 16, '\0');
  char* target = out.data();
  const char* source = in.data();
  UErrorCode err = U_ZERO_ERROR;
  ucnv_convertEx(to, from, &target, out.data() + out.size(), &source, in.data() + in.size(), nullptr,
                 nullptr, nullptr, nullptr, true, true, &err);
  if (U_FAILURE(err)) return false;
  out.resize(static_cast<std::size_t>(target - out.data()));
  return true;
}

}  // namespace

std::string TerminalToDocument(std::string_view utf8) {
  Converter fromUtf8 = OpenStrict("UTF-8");
  Converter toSjis = OpenStrict("windows-31j");
  std::string out;
  if (!ConvertStrict(fromUtf8.get(), toSjis.get(), utf8, out))
    throw UsageError("text cannot be written in Shift-JIS: " + std::string(utf8));
  return out;
}

std::string DocumentToTerminal(std::string_view sjis) {
  static const char* kHex = "0123456789ABCDEF";
  Converter fromSjis = OpenStrict("windows-31j");
  Converter toUtf8 = OpenStrict("UTF-8");
  std::string out, u;
  out.reserve(sjis.size() * 3 / 2);
  for (std::size_t i = 0; i < sjis.size();) {
    const unsigned char b = static_cast<unsigned char>(sjis[i]);
    if (b < 0x80) {
      out += static_cast<char>(b);
      ++i;
      continue;
    }
    const std::size_t n = CharLength(sjis, i);
    if (ConvertStrict(fromSjis.get(), toUtf8.get(), sjis.substr(i, n), u) && !u.empty()) {
      out += u;
    } else {
      for (std::size_t k = 0; k < n; ++k) {
        const unsigned char c = static_cast<unsigned char>(sjis[i + k]);
        out += "\\x";
        out += kHex[c >> 4];
        out += kHex[c & 15];
      }
    }
    i += n;
  }
  return out;
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
    const std::size_t n = CharLength(text, i);
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
