// The table of subcommands. Each entry's code lives in cmd_<name>.cpp.
#include "cli/cli_common.h"
#include "cli/commands.h"

namespace mw::cli {

const std::vector<Subcommand>& Subcommands() {
  static const std::vector<Subcommand> table = {
      {"rtf", "the coloured RTF of an HTML file", kRtfHelp, RunRtf},
      {"edit", "run editing commands on a document", kEditHelp, RunEdit},
      {"convert", "convert files to Shift-JIS, JIS or EUC-JP", kConvertHelp, RunConvert},
      {"zenkaku", "half-width katakana to full-width (Shift-JIS file)", kZenkakuHelp, RunZenkaku},
      {"hankaku", "full-width ASCII and symbols to half-width (Shift-JIS file)", kHankakuHelp,
       RunHankaku},
  };
  return table;
}

}  // namespace mw::cli
