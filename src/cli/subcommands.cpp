// The table of subcommands. Each entry's code lives in cmd_<name>.cpp.
#include "cli/cli_common.h"
#include "cli/commands.h"

namespace mw::cli {

// The site commands: tag check, link check, grep and replace.
extern const std::string_view kCheckHelp;
int RunCheck(std::vector<std::string>& args);
extern const std::string_view kLinksHelp;
int RunLinks(std::vector<std::string>& args);
extern const std::string_view kGrepHelp;
int RunGrep(std::vector<std::string>& args);
extern const std::string_view kReplaceHelp;
int RunReplace(std::vector<std::string>& args);

const std::vector<Subcommand>& Subcommands() {
  static const std::vector<Subcommand> table = {
      {"rtf", "the coloured RTF of an HTML file", kRtfHelp, RunRtf},
      {"edit", "run editing commands on a document", kEditHelp, RunEdit},
      {"convert", "convert files to Shift-JIS, JIS or EUC-JP", kConvertHelp, RunConvert},
      {"zenkaku", "half-width katakana to full-width (Shift-JIS file)", kZenkakuHelp, RunZenkaku},
      {"hankaku", "full-width ASCII and symbols to half-width (Shift-JIS file)", kHankakuHelp,
       RunHankaku},
      {"check", "check that tags and comments are closed and nested", kCheckHelp, RunCheck},
      {"links", "judge the local links and markers of a site's pages", kLinksHelp, RunLinks},
      {"grep", "list the lines of pages that hold a text", kGrepHelp, RunGrep},
      {"replace", "replace a text in pages", kReplaceHelp, RunReplace},
  };
  return table;
}

}  // namespace mw::cli
