#include <algorithm>
#include <filesystem>
#include <iostream>

#include "core/app/data_folder.h"
#include "core/app/document_file.h"
#include "cli/cli_common.h"
#include "cli/terminal_text.h"
#include "core/project/grep.h"
#include "core/project/project_file.h"

namespace mw::cli {

extern const std::string_view kGrepHelp;
extern const std::string_view kReplaceHelp;
int RunGrep(std::vector<std::string>& args);
int RunReplace(std::vector<std::string>& args);
std::string ProgramDataFolder();

const std::string_view kGrepHelp =
    "usage: markupwright-cli grep [--case] [-r] TEXT PATH...\n"
    "\n"
    "Lists every line holding TEXT in the files named and in the files with an\n"
    "HTML extension in the folders named (their subfolders too with -r), as the\n"
    "project window's simple grep does. Files are Shift-JIS; TEXT is converted to\n"
    "Shift-JIS and never matches from the second byte of a double-byte character.\n"
    "\n"
    "  --case   letter case must match (otherwise A-Z match a-z)\n"
    "  -r       walk subfolders\n"
    "\n"
    "Each line reads FILE<TAB>LINE<TAB>BYTE<TAB>CONTENT: the line number from 1,\n"
    "the byte offset of the first match of the line in the file from 0, and the\n"
    "line. Exit status: 0 found, 1 not found, 2 errors.\n";

const std::string_view kReplaceHelp =
    "usage: markupwright-cli replace [--case] [-r] [--write] TEXT REPLACEMENT PATH...\n"
    "\n"
    "Replaces every TEXT by REPLACEMENT in the files named and in the files with\n"
    "an HTML extension in the folders named (subfolders too with -r). Without\n"
    "--write nothing is changed: the places are only listed. With --write each\n"
    "changed file is replaced whole, never left half-written.\n"
    "\n"
    "  --case   letter case must match (otherwise A-Z match a-z)\n"
    "  -r       walk subfolders\n"
    "  --write  write the changed files\n"
    "\n"
    "Each place reads FILE<TAB>LINE<TAB>BYTE<TAB>CONTENT, the line as it was.\n"
    "Exit status: 0 something replaced (or replaceable), 1 nothing found, 2 errors.\n";

namespace {

namespace fs = std::filesystem;

struct SearchArgs {
  GrepQuery query;
  std::string replacement;
  bool recursive = false;
  bool write = false;
  std::vector<std::string> paths;
};

SearchArgs ReadArgs(std::vector<std::string>& args, bool replace) {
  ArgReader in(args);
  SearchArgs a;
  while (in.atOption()) {
    if (in.take("--case")) a.query.matchCase = true;
    else if (in.take("-r")) a.recursive = true;
    else if (replace && in.take("--write")) a.write = true;
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

// The files the paths stand for, in order; a missing path is reported and
// makes the status 2.
std::vector<std::string> FilesOf(const SearchArgs& a, const char* command, int& status) {
  const auto extensions = LoadColouredExtensions(ProgramDataFolder());
  std::vector<std::string> files;
  for (const std::string& p : a.paths) {
    std::error_code ec;
    if (fs::is_directory(p, ec)) {
      WalkFolder(p, extensions, a.recursive, [&](const std::string& f) { files.push_back(f); });
    } else if (fs::exists(p, ec)) {
      files.push_back(p);
    } else {
      std::cerr << "markupwright-cli " << command << ": " << p << ": No such file or directory\n";
      status = kExitError;
    }
  }
  return files;
}

std::string Row(const std::string& path, long long line, Offset byte, std::string_view content) {
  return path + "\t" + std::to_string(line) + "\t" + std::to_string(byte) + "\t" + OneLine(content) + "\n";
}

}  // namespace

int RunGrep(std::vector<std::string>& args) {
  const SearchArgs a = ReadArgs(args, false);
  int status = kExitOk;
  bool found = false;
  for (const std::string& file : FilesOf(a, "grep", status)) {
    std::vector<GrepRow> rows;
    if (!GrepFile(file, a.query, rows)) {
      std::cerr << "markupwright-cli grep: " << file << ": cannot be read\n";
      status = kExitError;
      continue;
    }
    std::string out;
    for (const GrepRow& r : rows) out += Row(r.path, r.line, r.byte, r.content);
    found = found || !rows.empty();
    WriteStdout(out);
  }
  if (status != kExitOk) return status;
  return found ? kExitOk : kExitFound;
}

int RunReplace(std::vector<std::string>& args) {
  const SearchArgs a = ReadArgs(args, true);
  int status = kExitOk;
  std::size_t places = 0, changedFiles = 0;
  for (const std::string& file : FilesOf(a, "replace", status)) {
    std::string text;
    try {
      text = ReadFileBytes(file);
    } catch (const FileError& e) {
      std::cerr << "markupwright-cli replace: " << e.what() << "\n";
      status = kExitError;
      continue;
    }
    const Replacement r = ReplaceAllInText(text, a.query, a.replacement);
    if (r.positions.empty()) continue;
    std::string out;
    std::size_t lineStart = 0;
    long long line = 1;
    for (const Offset pos : r.positions) {
      const auto at = static_cast<std::size_t>(pos);
      for (std::size_t nl = text.find('\n', lineStart); nl != std::string::npos && nl < at;
           nl = text.find('\n', lineStart)) {
        ++line;
        lineStart = nl + 1;
      }
      std::size_t end = text.find('\n', at);
      if (end == std::string::npos) end = text.size();
      if (end > lineStart && text[end - 1] == '\r') --end;
      out += Row(file, line, pos, std::string_view(text).substr(lineStart, end - lineStart));
    }
    WriteStdout(out);
    places += r.positions.size();
    ++changedFiles;
    if (a.write) {
      try {
        WriteFileAtomic(file, r.text);
      } catch (const FileError& e) {
        std::cerr << "markupwright-cli replace: " << e.what() << "\n";
        status = kExitError;
      }
    }
  }
  std::cerr << places << (places == 1 ? " place" : " places") << " in " << changedFiles
            << (changedFiles == 1 ? " file" : " files")
            << (a.write ? " replaced\n" : " to replace; nothing written without --write\n");
  if (status != kExitOk) return status;
  return places ? kExitOk : kExitFound;
}

}  // namespace mw::cli
