#include <iostream>

#include "core/app/document_file.h"
#include "core/app/tools/kanji_converter.h"
#include "cli/cli_common.h"
#include "cli/commands.h"

namespace mw::cli {

const std::string_view kConvertHelp =
    "usage: markupwright-cli convert --to s|j|e [--output OUT] FILE...\n"
    "\n"
    "Converts each FILE to Shift-JIS (s), JIS / ISO-2022-JP (j) or EUC-JP (e),\n"
    "whatever code it is in now (Shift-JIS, EUC-JP, JIS or UTF-8 are\n"
    "recognised). Lines end in CR LF afterwards. Files are replaced in place,\n"
    "atomically, unless --output names the result file (one FILE only).\n"
    "A file that cannot be converted is left as it was and reported; the exit\n"
    "status is then 2.\n";

const std::string_view kZenkakuHelp =
    "usage: markupwright-cli zenkaku FILE\n"
    "\n"
    "Writes FILE (Shift-JIS) to standard output with half-width katakana made\n"
    "full-width; a voiced or semi-voiced mark joins the kana before it.\n";

const std::string_view kHankakuHelp =
    "usage: markupwright-cli hankaku FILE\n"
    "\n"
    "Writes FILE (Shift-JIS) to standard output with full-width ASCII letters,\n"
    "digits, symbols and the ideographic space made half-width.\n";

int RunConvert(std::vector<std::string>& args) {
  ArgReader in(args);
  std::string to, output;
  bool haveOutput = false;
  while (in.atOption()) {
    if (in.take("--to", to)) continue;
    if (in.take("--output", output) || in.take("-o", output)) {
      haveOutput = true;
      continue;
    }
    if (in.take("--")) break;
    throw UsageError("unknown option " + in.current());
  }
  const auto files = in.operands();
  if (to != "s" && to != "j" && to != "e") throw UsageError("--to must be s, j or e");
  if (files.empty()) throw UsageError("no FILE given");
  if (haveOutput && files.size() != 1) throw UsageError("--output takes one FILE only");
  int status = kExitOk;
  for (const auto& f : files) {
    // A file that fails is named and left as it was; the next one is
    // still converted.
    try {
      ConvertFileCode(f, haveOutput ? output : f, to);
    } catch (const FileError& e) {
      std::cerr << "markupwright-cli convert: " << e.what() << "\n";  // names the file
      status = kExitError;
    } catch (const std::exception& e) {
      std::cerr << "markupwright-cli convert: " << f << ": " << e.what() << "\n";
      status = kExitError;
    }
  }
  return status;
}

namespace {
int RunWidth(std::vector<std::string>& args, std::string (*convert)(std::string_view)) {
  ArgReader in(args);
  in.take("--");
  const auto files = in.operands();
  if (files.size() != 1) throw UsageError("exactly one FILE");
  WriteStdout(convert(ReadFileBytes(files[0])));
  return kExitOk;
}
}  // namespace

int RunZenkaku(std::vector<std::string>& args) { return RunWidth(args, ToZenkakuKana); }
int RunHankaku(std::vector<std::string>& args) { return RunWidth(args, ToHankaku); }

}  // namespace mw::cli
