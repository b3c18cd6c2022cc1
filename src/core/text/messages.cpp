#include "core/text/messages.h"

#include <array>
#include <cstddef>

#include "core/text/unicode_view.h"

namespace mw {

namespace {

constexpr std::array<std::string_view, static_cast<std::size_t>(Msg::Count)> kTexts = {
#define MW_TEXT(id, utf8) std::string_view(utf8),
#include "core/text/messages.def"
#undef MW_TEXT
};

}  // namespace

std::string_view MessageUtf8(Msg id) { return kTexts[static_cast<std::size_t>(id)]; }

const std::string& MessageSjis(Msg id) {
  // Every text is converted at the first call; the table is small and the
  // conversions are checked by a test, so none can fail.
  static const auto sjis = [] {
    std::array<std::string, kTexts.size()> out;
    for (std::size_t i = 0; i < kTexts.size(); ++i) out[i] = UnicodeViewToSjis(kTexts[i]).bytes;
    return out;
  }();
  return sjis[static_cast<std::size_t>(id)];
}

std::string FormatMessage(std::string_view pattern, std::initializer_list<std::string_view> args) {
  std::string out;
  out.reserve(pattern.size());
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const char c = pattern[i];
    if (c != '%' || i + 1 == pattern.size()) {
      out += c;
      continue;
    }
    const char next = pattern[i + 1];
    if (next == '%') {
      out += '%';
      ++i;
    } else if (next >= '1' && next <= '9') {
      const auto n = static_cast<std::size_t>(next - '1');
      if (n < args.size()) out += *(args.begin() + n);
      ++i;
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace mw
