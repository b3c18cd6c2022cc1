#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iostream>

#include "core/app/data_folder.h"
#include "core/app/document_file.h"
#include "core/check/tag_check.h"
#include "core/project/file_set.h"
#include "cli/cli_common.h"
#include "cli/terminal_text.h"

namespace mw::cli {

extern const std::string_view kCheckHelp;
int RunCheck(std::vector<std::string>& args);
std::string ProgramDataFolder();

const std::string_view kCheckHelp =
    "usage: markupwright-cli check [--omissible] [--lists DIR] [--tsv] [--skip-unreadable]\n"
    "           [--] FILE...\n"
    "\n"
    "Checks that the tags and comments of each FILE (Shift-JIS HTML) are opened,\n"
    "closed and nested correctly, as the editor's tag checker does.\n"
    "\n"
    "  --omissible  elements whose end tag may be omitted (P, LI, TD ...) must be\n"
    "               closed as well\n"
    "  --lists DIR  read TwinTag.txt, OmissibleTag.txt and SingleTag.txt from DIR\n"
    "               (default: the data folder; built-in names for a missing file)\n"
    "  --tsv        FILE<TAB>START<TAB>END<TAB>MESSAGE per message, byte offsets\n"
    MW_SKIP_UNREADABLE_HELP
    "\n"
    "Without --tsv each message reads FILE:LINE:COLUMN: MESSAGE (line and byte\n"
    "column of the start of its range, both from 1). The last message of a file\n"
    "is the summary. A file named twice (or by two links) is checked once. Exit\n"
    "status: 0 all clean, 1 problems found, 2 errors.\n";

// The folder of the settings and data files for this program: beside the
// program when that is writable, else the user's configuration folder.
std::string ProgramDataFolder() {
  std::error_code ec;
  const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ChooseDataFolder(ec ? std::string() : exe.parent_path().string());
}

namespace {

// First offsets of the lines of text (CR LF, CR or LF end a line).
std::vector<std::size_t> LineStarts(std::string_view text) {
  std::vector<std::size_t> starts{0};
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    if (text[i] == '\r' || text[i] == '\n') starts.push_back(i + 1);
  }
  return starts;
}

}  // namespace

int RunCheck(std::vector<std::string>& args) {
  ArgReader in(args);
  bool omissible = false, tsv = false, skipUnreadable = false;
  std::string listsDir;
  bool haveLists = false;
  while (in.atOption()) {
    if (in.take("--omissible")) omissible = true;
    else if (in.take("--tsv")) tsv = true;
    else if (in.take("--lists", listsDir)) haveLists = true;
    else if (in.take("--skip-unreadable")) skipUnreadable = true;
    else if (in.take("--")) break;
    else throw UsageError("unknown option " + in.current());
  }
  const auto files = in.operands();
  if (files.empty()) throw UsageError("check needs at least one FILE");
  if (haveLists && !std::filesystem::is_directory(listsDir))
    throw UsageError("--lists: no such folder " + listsDir);
  const TagLists lists = LoadTagLists(haveLists ? listsDir : ProgramDataFolder());

  int status = kExitOk;
  FileSet set;
  for (const std::string& file : files) {
    const std::size_t problems = set.Problems().size();
    if (set.Add(file) == FileSet::Added::Missing) {
      std::cerr << "markupwright-cli check: " << FileError(file, std::strerror(ENOENT)).what() << "\n";
      status = kExitError;
    }
    ReportProblems(set, problems, "check", skipUnreadable, status);
  }
  // A problem found in a page is 1; a page that could not be read keeps 2.
  const auto found = [&status] {
    if (status == kExitOk) status = kExitFound;
  };
  for (const std::string& file : set.Files()) {
    std::string text;
    try {
      text = ReadRegularFile(file);
    } catch (const FileError& e) {
      std::cerr << "markupwright-cli check: " << e.what() << (skipUnreadable ? "; skipped\n" : "\n");
      if (!skipUnreadable) status = kExitError;
      continue;
    }
    const CheckResult result = RunTagCheck(text, lists, {omissible, false});
    const auto starts = LineStarts(text);
    std::string out;
    for (const CheckMessage& m : result.messages) {
      if (m.kind != CheckMessageKind::SummaryClean) found();
      if (tsv) {
        // A tag name runs up to a blank or '>', so a tab can be part of
        // it and of the message; escaped, the columns stay four.
        out += file + "\t" + std::to_string(m.start) + "\t" + std::to_string(m.end) + "\t" +
               OneLine(CheckMessageText(m)) + "\n";
        continue;
      }
      const std::string message = DocumentToTerminal(CheckMessageText(m));
      const auto at = static_cast<std::size_t>(m.start);
      const auto line = std::upper_bound(starts.begin(), starts.end(), at) - starts.begin();
      const std::size_t column = at - starts[static_cast<std::size_t>(line - 1)] + 1;
      out += file + ":" + std::to_string(line) + ":" + std::to_string(column) + ": " + message + "\n";
    }
    WriteStdout(out);
  }
  return status;
}

}  // namespace mw::cli
