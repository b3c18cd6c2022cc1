#include <cstdlib>

#include "core/app/document_file.h"
#include "cli/cli_common.h"
#include "cli/commands.h"
#include "core/display/html_to_rtf.h"

namespace mw::cli {

const std::string_view kRtfHelp =
    "usage: markupwright-cli rtf [--font CLASS=POINTS,RRGGBB[,b][,i][,u][,s]]... FILE\n"
    "\n"
    "Writes the coloured RTF of FILE (Shift-JIS HTML) to standard output, as the\n"
    "editor colours a document when it opens it.\n"
    "\n"
    "  --font CLASS=POINTS,RRGGBB[,b][,i][,u][,s]\n"
    "      the display font of one class: CLASS is text, tag, special or param;\n"
    "      POINTS the size, RRGGBB the colour in hexadecimal; b bold, i italic,\n"
    "      u underline, s strike-out. Classes not given take the design fonts:\n"
    "      text 10 pt window text, tag 10 pt blue bold, special 10 pt red,\n"
    "      param 10 pt green.\n";

namespace {

FontClass ParseClass(std::string_view name) {
  if (name == "text") return FontClass::Text;
  if (name == "tag") return FontClass::Tag;
  if (name == "special") return FontClass::Special;
  if (name == "param") return FontClass::Parameter;
  throw UsageError("unknown font class '" + std::string(name) + "' (text, tag, special or param)");
}

std::vector<std::string> SplitComma(const std::string& s) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (true) {
    const auto comma = s.find(',', start);
    parts.push_back(s.substr(start, comma - start));
    if (comma == std::string::npos) return parts;
    start = comma + 1;
  }
}

void ApplyFontOption(const std::string& spec, DisplayFonts& fonts) {
  const auto eq = spec.find('=');
  if (eq == std::string::npos) throw UsageError("--font needs CLASS=POINTS,RRGGBB: " + spec);
  DisplayFont& f = fonts[static_cast<int>(ParseClass(spec.substr(0, eq)))];
  const auto parts = SplitComma(spec.substr(eq + 1));
  if (parts.size() < 2) throw UsageError("--font needs POINTS,RRGGBB: " + spec);
  char* end = nullptr;
  const long points = std::strtol(parts[0].c_str(), &end, 10);
  if (parts[0].empty() || *end != '\0' || points < 1 || points > 1638)
    throw UsageError("bad point size '" + parts[0] + "'");
  const std::string& rgb = parts[1];
  if (rgb.size() != 6 || rgb.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos)
    throw UsageError("bad colour '" + rgb + "' (six hexadecimal digits RRGGBB)");
  const unsigned long v = std::strtoul(rgb.c_str(), nullptr, 16);
  f.points = static_cast<int>(points);
  // RRGGBB as written by people; stored colours are 0x00BBGGRR.
  f.color = static_cast<ColorValue>(((v >> 16) & 0xFF) | (v & 0xFF00) | ((v & 0xFF) << 16));
  f.bold = f.italic = f.underline = f.strikeOut = false;
  for (std::size_t i = 2; i < parts.size(); ++i) {
    const std::string& s = parts[i];
    if (s == "b") f.bold = true;
    else if (s == "i") f.italic = true;
    else if (s == "u") f.underline = true;
    else if (s == "s") f.strikeOut = true;
    else throw UsageError("unknown font style '" + s + "' (b, i, u or s)");
  }
}

}  // namespace

int RunRtf(std::vector<std::string>& args) {
  ArgReader in(args);
  DisplayFonts fonts = DesignFonts();
  std::string value;
  while (in.atOption()) {
    if (in.take("--font", value)) ApplyFontOption(value, fonts);
    else if (in.take("--")) break;
    else throw UsageError("unknown option " + in.current());
  }
  const auto files = in.operands();
  if (files.size() != 1) throw UsageError("rtf takes exactly one FILE");
  WriteStdout(HtmlToRtf(ReadFileBytes(files[0]), fonts));
  return kExitOk;
}

}  // namespace mw::cli
