// Shared pieces of the command-line tool: the subcommand table, argument
// reading and the error conventions (exit 2 for bad usage and unreadable
// or unwritable files; 1 is left for "problems found" by checking commands).
#pragma once

#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace mw {
class FileSet;
}

namespace mw::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFound = 1;
inline constexpr int kExitError = 2;

// Bad options or arguments; main prints the message and the usage line.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct Subcommand {
  std::string_view name;
  std::string_view summary;  // one line for the tool's own --help
  std::string_view help;     // full text for SUBCOMMAND --help
  std::function<int(std::vector<std::string>&)> run;
};

const std::vector<Subcommand>& Subcommands();

// Walks the arguments of one subcommand: options first or mixed with
// operands, "--" ends options. Values come as "--opt VALUE" or "--opt=VALUE".
class ArgReader {
 public:
  explicit ArgReader(std::vector<std::string> args) : m_args(std::move(args)) {}
  bool done() const { return m_pos >= m_args.size(); }
  // The next argument is an option (starts with '-' and is not "-").
  bool atOption() const;
  // Consumes the option if it is `name`; a value is taken when wanted.
  bool take(std::string_view name);
  bool take(std::string_view name, std::string& value);
  // The option at the current position, for an error message.
  const std::string& current() const { return m_args[m_pos]; }
  std::string next() { return m_args[m_pos++]; }
  // Everything left once options have been read.
  std::vector<std::string> operands();

 private:
  std::vector<std::string> m_args;
  std::size_t m_pos = 0;
  bool m_optionsEnded = false;
};

// Standard output could not take what was written (a full disk,
// /dev/full); what() is the system's reason. main reports it, exit 2.
class OutputError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Writes bytes to standard output exactly (binary, no translation) and
// flushes them; callers pass whole pieces (a file's rows). Throws
// OutputError when the write fails.
void WriteStdout(std::string_view bytes);

// Flushes standard output (C and C++ streams); the reason when anything
// written to it was lost.
std::optional<std::string> FinishStdout();

// Names each problem of set from index `from` on standard error. Each makes
// status 2, unless skipUnreadable, where it is only named (and "skipped").
void ReportProblems(const FileSet& set, std::size_t from, std::string_view command,
                    bool skipUnreadable, int& status);

// The help lines of the option that lets such problems pass.
#define MW_SKIP_UNREADABLE_HELP                                                  \
  "  --skip-unreadable\n"                                                        \
  "           name folders that cannot be listed and files that cannot be\n"     \
  "           read or are no regular file (a pipe, a device) on standard error\n" \
  "           and skip them, without making the exit status 2\n"

}  // namespace mw::cli
