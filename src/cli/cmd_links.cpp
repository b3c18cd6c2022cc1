#include <algorithm>
#include <filesystem>
#include <iostream>

#include "core/app/data_folder.h"
#include "core/app/document_file.h"
#include "cli/cli_common.h"
#include "cli/terminal_text.h"
#include "core/project/cross_check.h"
#include "core/project/file_set.h"
#include "core/project/project_file.h"
#include "core/text/encoding.h"
#include "core/text/messages.h"

namespace mw::cli {

extern const std::string_view kLinksHelp;
int RunLinks(std::vector<std::string>& args);
std::string ProgramDataFolder();

const std::string_view kLinksHelp =
    "usage: markupwright-cli links [--tsv] [--skip-unreadable] [--] PROJECT.wpr|FOLDER|FILE...\n"
    "\n"
    "Lists the markers (NAME), links (HREF), style-sheet references (url) and\n"
    "sources (SRC) of a site's pages and judges every local link: the target\n"
    "file must exist with exactly the letter case written, and a marker after\n"
    "\"#\" must be defined in it. The pages are the entries of a project file,\n"
    "every file with an HTML extension below a folder (sorted by path), or the\n"
    "files named; all of them are checked together, each file once under the\n"
    "first name that reaches it.\n"
    "\n"
    "  --tsv   FILE<TAB>GROUP<TAB>VALUE<TAB>STATUS per value\n"
    MW_SKIP_UNREADABLE_HELP
    "\n"
    "Without --tsv each value reads FILE: GROUP VALUE → STATUS. GROUP is NAME, HREF,\n"
    "url or SRC; STATUS is marker, ok, external (a missing target starting with\n"
    "http or mailto:), undecided (a value with \"?\" or \":\", or a marker in a\n"
    "file outside the pages) or broken. Exit status: 0 nothing broken, 1 broken\n"
    "links, 2 errors.\n";

namespace {

namespace fs = std::filesystem;

std::string_view StatusName(LinkStatus s) {
  switch (s) {
    case LinkStatus::File: return "file";
    case LinkStatus::Marker: return "marker";
    case LinkStatus::Ok: return "ok";
    case LinkStatus::External: return "external";
    case LinkStatus::Undecided: return "undecided";
    case LinkStatus::Broken: return "broken";
  }
  return "?";
}

bool IsProjectFile(const std::string& path) {
  return EqualsNoCase(fs::path(path).extension().string(), ".wpr");
}

// Adds the pages an operand stands for, in order: a folder's sorted by
// path, a project's entries as listed (those whose files have gone are
// skipped, as the project window skips them), or the file itself.
void AddPages(FileSet& pages, const std::string& operand, const std::vector<std::string>& extensions) {
  std::error_code ec;
  if (fs::is_directory(operand, ec)) {
    FileSet walked;
    walked.AddFolder(operand, extensions, true);
    std::vector<std::string> sorted = walked.Files();
    std::sort(sorted.begin(), sorted.end());
    for (const std::string& p : sorted) pages.Add(p);
    // What the walk could not use is named with the pages' own problems.
    for (const FileProblem& p : walked.Problems()) pages.Note(p);
    return;
  }
  if (!fs::exists(operand, ec)) throw FileError(operand, "No such file or directory");
  if (!IsProjectFile(operand)) {
    pages.Add(fs::absolute(operand).lexically_normal().string());
    return;
  }
  Project project;
  OpenProjectFile(project, fs::absolute(operand).lexically_normal().string());
  for (const std::string& e : project.entries) pages.Add(e);
}

}  // namespace

int RunLinks(std::vector<std::string>& args) {
  ArgReader in(args);
  bool tsv = false, skipUnreadable = false;
  while (in.atOption()) {
    if (in.take("--tsv")) tsv = true;
    else if (in.take("--skip-unreadable")) skipUnreadable = true;
    else if (in.take("--")) break;
    else throw UsageError("unknown option " + in.current());
  }
  const auto operands = in.operands();
  if (operands.empty()) throw UsageError("links needs a PROJECT.wpr, FOLDER or FILE");
  const auto extensions = LoadColouredExtensions(ProgramDataFolder());

  // A page named twice, or reached by two names, is read once. Letter case
  // counts: Index.html and index.html are two pages, each with links of
  // its own.
  FileSet set;
  for (const std::string& op : operands) AddPages(set, op, extensions);
  int status = kExitOk;
  ReportProblems(set, 0, "links", skipUnreadable, status);
  const std::vector<std::string>& pages = set.Files();

  LinkUpdateOptions options;
  if (!pages.empty()) options.activeDocumentPath = pages.front();
  const ProjectLinkTrees trees = UpdateLocalLinks(pages, options);

  struct Group {
    std::string_view name;
    const LinkTree* tree;
  };
  const Group groups[] = {{"NAME", &trees.marker}, {"HREF", &trees.href}, {"url", &trees.url},
                          {"SRC", &trees.image}};
  // Every tree has one node per page read, in the same order.
  bool broken = false;
  std::string out;
  for (std::size_t i = 0; i < trees.marker.size(); ++i) {
    for (const Group& g : groups) {
      const LinkNode& file = (*g.tree)[i];
      for (const LinkNode& v : file.children) {
        broken = broken || v.status == LinkStatus::Broken;
        const std::string value = OneLine(v.text);
        if (tsv)
          out += file.text + "\t" + std::string(g.name) + "\t" + value + "\t" + std::string(StatusName(v.status)) + "\n";
        else
          out += FormatMessage(MessageUtf8(Msg::LinksValueLine), {file.text, g.name, value, StatusName(v.status)})
                     .append("\n");
      }
    }
    if (out.size() > (1u << 16)) {
      WriteStdout(out);
      out.clear();
    }
  }
  WriteStdout(out);
  if (status != kExitOk) return status;
  return broken ? kExitFound : kExitOk;
}

}  // namespace mw::cli
