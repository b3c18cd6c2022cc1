// The line splitter and the character walk take any bytes.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/text/encoding.h"
#include "core/text/lines.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto lines = mw::SplitLines(text);
  const std::string joined = mw::JoinLines(lines);
  if (joined != mw::NormalizeLineEnds(text)) __builtin_trap();
  // Normalised text is a fixed point.
  if (mw::NormalizeLineEnds(joined) != joined) __builtin_trap();
  std::size_t walked = 0;
  while (walked < size) walked += mw::CharLength(text, walked);
  if (walked != size) __builtin_trap();
  if (size > 1) {
    const std::string_view needle = text.substr(0, size / 3 + 1);
    const mw::Offset hit = mw::Find(text, needle, 0);
    if (hit != 0) __builtin_trap();
    (void)mw::FindLast(text, text.substr(size - 1));
    (void)mw::FindNoCase(text, needle);
  }
  return 0;
}
