// The colourer takes any bytes: the runs tile the input, the RTF is one
// balanced group, and every class switch in the RTF is one of the four.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/display/html_to_rtf.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view html(reinterpret_cast<const char*>(data), size);

  const auto runs = mw::ColourHtml(html);
  mw::Offset next = 0;
  for (std::size_t i = 0; i < runs.size(); ++i) {
    if (runs[i].start != next || runs[i].length == 0) __builtin_trap();
    if (i > 0 && runs[i - 1].cls == runs[i].cls) __builtin_trap();
    next += runs[i].length;
  }
  if (next != static_cast<mw::Offset>(size)) __builtin_trap();

  const std::string rtf = mw::HtmlToRtf(html);
  if (rtf.rfind("{\\rtf1\\ansi", 0) != 0 || rtf.size() < 5 || rtf.compare(rtf.size() - 5, 5, "\\par}") != 0)
    __builtin_trap();
  // Braces from the source are escaped, so the groups stay balanced and
  // the document closes only at its last byte.
  int depth = 0;
  for (std::size_t i = 0; i < rtf.size(); ++i) {
    if (rtf[i] == '\\') {
      ++i;
      continue;
    }
    if (rtf[i] == '{') ++depth;
    if (rtf[i] == '}' && --depth == 0 && i + 1 != rtf.size()) __builtin_trap();
  }
  if (depth != 0) __builtin_trap();
  return 0;
}
