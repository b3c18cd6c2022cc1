#include <algorithm>
#include <charconv>
#include <filesystem>
#include <iostream>

#include "core/app/data_folder.h"
#include "core/app/document_file.h"
#include "cli/cli_common.h"
#include "cli/terminal_text.h"
#include "core/project/file_set.h"
#include "core/project/grep.h"
#include "core/project/project_file.h"

namespace mw::cli {

extern const std::string_view kGrepHelp;
extern const std::string_view kReplaceHelp;
int RunGrep(std::vector<std::string>& args);
int RunReplace(std::vector<std::string>& args);
std::string ProgramDataFolder();

const std::string_view kGrepHelp =
    "usage: markupwright-cli grep [--case] [-r] [--skip-unreadable] [--] TEXT PATH...\n"
    "\n"
    "Lists every line holding TEXT in the files named and in the files with an\n"
    "HTML extension in the folders named (their subfolders too with -r), as the\n"
    "project window's simple grep does. Files are Shift-JIS; TEXT is converted to\n"
    "Shift-JIS and never matches from the second byte of a double-byte character.\n"
    "\n"
    "  --case   letter case must match (otherwise A-Z match a-z)\n"
    "  -r       walk subfolders\n"
    MW_SKIP_UNREADABLE_HELP
    "  --       ends the options, for a TEXT that begins with - (such as -->)\n"
    "\n"
    "Each line reads FILE<TAB>LINE<TAB>BYTE<TAB>CONTENT: the line number from 1,\n"
    "the byte offset of the first match of the line in the file from 0, and the\n"
    "line. A file reached by several names (links) is searched once, under the\n"
    "first. Exit status: 0 found, 1 not found, 2 errors.\n";

const std::string_view kReplaceHelp =
    "usage: markupwright-cli replace [--case] [-r] [--write] [--skip-unreadable] [--]\n"
    "           TEXT REPLACEMENT PATH...\n"
    "\n"
    "Replaces every TEXT by REPLACEMENT in the files named and in the files with\n"
    "an HTML extension in the folders named (subfolders too with -r). Without\n"
    "--write nothing is changed: the places are only listed. With --write each\n"
    "changed file is replaced whole, never left half-written.\n"
    "\n"
    "  --case   letter case must match (otherwise A-Z match a-z)\n"
    "  -r       walk subfolders\n"
    "  --write  write the changed files\n"
    MW_SKIP_UNREADABLE_HELP
    "  --       ends the options, for a TEXT that begins with - (such as -->)\n"
    "\n"
    "Each place reads FILE<TAB>LINE<TAB>BYTE<TAB>CONTENT, the line as it was; of\n"
    "a line longer than 256 bytes only the match with up to 80 bytes either side,\n"
    "with \"\u2026\" where the line goes on. A file reached by several names (links)\n"
    "is changed once, under the first. The summary on standard error counts\n"
    "what was written. Exit status: 0 something replaced (or replaceable), 1\n"
    "nothing found, 2 errors (a file that could not be written among them).\n";

namespace {

namespace fs = std::filesystem;

struct SearchArgs {
  GrepQuery query;
  std::string replacement;
  bool recursive = false;
  bool write = false;
  bool skipUnreadable = false;
  std::vector<std::string> paths;
};

SearchArgs ReadArgs(std::vector<std::string>& args, bool replace) {
  ArgReader in(args);
  SearchArgs a;
  while (in.atOption()) {
    if (in.take("--case")) a.query.matchCase = true;
    else if (in.take("-r")) a.recursive = true;
    else if (replace && in.take("--write")) a.write = true;
    else if (in.take("--skip-unreadable")) a.skipUnreadable = true;
    else if (in.take("--")) break;
    else throw UsageError("unknown option " + in.current());
  }
  auto rest = in.operands();
  const std::size_t texts = replace ? 2 : 1;
  if (rest.size() < texts + 1) throw UsageError(replace ? "replace needs TEXT, REPLACEMENT and a PATH" : "grep needs TEXT and a PATH");
  a.query.findText = TerminalToDocument(rest[0]);
  if (a.query.findText.empty()) throw UsageError("TEXT is empty");
  if (a.query.findText.find_first_of("\r\n") != std::string::npos) throw UsageError("TEXT must be one line");
  if (replace) a.replacement = TerminalToDocument(rest[1]);
  a.paths.assign(rest.begin() + static_cast<std::ptrdiff_t>(texts), rest.end());
  return a;
}

// The files the paths stand for, in order, each once; a missing path is
// reported and makes the status 2, and so does anything else the walk
// could not use unless it is to be skipped.
std::vector<std::string> FilesOf(const SearchArgs& a, const char* command, int& status) {
  const auto extensions = LoadColouredExtensions(ProgramDataFolder());
  FileSet set;
  for (const std::string& p : a.paths) {
    std::error_code ec;
    if (fs::is_directory(p, ec)) {
      set.AddFolder(p, extensions, a.recursive);
    } else if (set.Add(p) == FileSet::Added::Missing) {
      std::cerr << "markupwright-cli " << command << ": " << p << ": No such file or directory\n";
      status = kExitError;
    }
  }
  ReportProblems(set, 0, command, a.skipUnreadable, status);
  return set.Files();
}

constexpr std::string_view kCut = "\u2026";  // the line goes on

}  // namespace

int RunGrep(std::vector<std::string>& args) {
  const SearchArgs a = ReadArgs(args, false);
  int status = kExitOk;
  bool found = false;
  // Rows go out in blocks as they are found, each built in place: a big
  // page with a match on every line costs no more memory than a block.
  std::string out;
  const auto number = [&out](long long n) {
    char digits[24];
    out.append(digits, static_cast<std::size_t>(std::to_chars(digits, digits + sizeof digits, n).ptr - digits));
  };
  for (const std::string& file : FilesOf(a, "grep", status)) {
    const bool read = GrepFile(file, a.query, [&](const GrepMatch& m) {
      found = true;
      out += file;
      out += '\t';
      number(m.line);
      out += '\t';
      number(m.byte);
      out += '\t';
      AppendOneLine(out, m.content);
      out += '\n';
      if (out.size() >= (1u << 16)) {
        WriteStdout(out);
        out.clear();
      }
    });
    WriteStdout(out);
    out.clear();
    if (!read) {
      std::cerr << "markupwright-cli grep: " << file << ": cannot be read" << (a.skipUnreadable ? "; skipped\n" : "\n");
      if (!a.skipUnreadable) status = kExitError;
    }
  }
  if (status != kExitOk) return status;
  return found ? kExitOk : kExitFound;
}

int RunReplace(std::vector<std::string>& args) {
  const SearchArgs a = ReadArgs(args, true);
  int status = kExitOk;
  std::size_t places = 0, changedFiles = 0, failedFiles = 0;
  for (const std::string& file : FilesOf(a, "replace", status)) {
    std::string text;
    try {
      text = ReadRegularFile(file);
    } catch (const FileError& e) {
      std::cerr << "markupwright-cli replace: " << e.what() << (a.skipUnreadable ? "; skipped\n" : "\n");
      if (!a.skipUnreadable) status = kExitError;
      continue;
    }
    const Replacement r = ReplaceAllInText(text, a.query, a.replacement);
    if (r.positions.empty()) continue;
    // Rows go out as they are made, each of bounded length: a long line
    // with thousands of matches costs no more than the file.
    std::string out;
    ForEachPlaceRow(text, r.positions, a.query.findText.size(), [&](const PlaceRow& p) {
      out += file + "\t" + std::to_string(p.line) + "\t" + std::to_string(p.byte) + "\t";
      if (p.cutBefore) out += kCut;
      out += OneLine(p.excerpt);
      if (p.cutAfter) out += kCut;
      out += "\n";
      if (out.size() >= (1u << 16)) {
        WriteStdout(out);
        out.clear();
      }
    });
    WriteStdout(out);
    if (a.write) {
      try {
        WriteFileAtomic(file, r.text);
      } catch (const FileError& e) {
        std::cerr << "markupwright-cli replace: " << e.what() << "\n";
        status = kExitError;
        ++failedFiles;
        continue;
      }
    }
    places += r.positions.size();
    ++changedFiles;
  }
  std::cerr << places << (places == 1 ? " place" : " places") << " in " << changedFiles
            << (changedFiles == 1 ? " file" : " files")
            << (a.write ? " replaced" : " to replace; nothing written without --write");
  if (failedFiles) std::cerr << "; " << failedFiles << (failedFiles == 1 ? " file" : " files") << " not written";
  std::cerr << "\n";
  if (status != kExitOk) return status;
  return places ? kExitOk : kExitFound;
}

}  // namespace mw::cli
