#include "cli/cli_common.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>

#include "core/project/file_set.h"

namespace mw::cli {

bool ArgReader::atOption() const {
  if (done() || m_optionsEnded) return false;
  const std::string& a = m_args[m_pos];
  return a.size() > 1 && a[0] == '-';
}

bool ArgReader::take(std::string_view name) {
  if (!atOption() || m_args[m_pos] != name) return false;
  // "--" ends the options only when asked for: a subcommand's loop tries
  // its own options first, and an earlier try must not swallow it.
  if (name == "--") m_optionsEnded = true;
  ++m_pos;
  return true;
}

bool ArgReader::take(std::string_view name, std::string& value) {
  if (!atOption()) return false;
  const std::string& a = m_args[m_pos];
  if (a.size() > name.size() && a.compare(0, name.size(), name) == 0 && a[name.size()] == '=') {
    value = a.substr(name.size() + 1);
    ++m_pos;
    return true;
  }
  if (a != name) return false;
  if (m_pos + 1 >= m_args.size()) throw UsageError("option " + std::string(name) + " needs a value");
  value = m_args[m_pos + 1];
  m_pos += 2;
  return true;
}

std::vector<std::string> ArgReader::operands() {
  std::vector<std::string> rest;
  for (; m_pos < m_args.size(); ++m_pos) {
    const std::string& a = m_args[m_pos];
    if (!m_optionsEnded && a == "--") {
      m_optionsEnded = true;
      continue;
    }
    if (!m_optionsEnded && a.size() > 1 && a[0] == '-') throw UsageError("unknown option " + a);
    rest.push_back(a);
  }
  return rest;
}

namespace {
int g_stdoutError = 0;  // the first reason standard output failed
}  // namespace

void WriteStdout(std::string_view bytes) {
  if (bytes.empty()) return;
  errno = 0;
  // Flushed at once: a message on standard error flushes what is pending
  // here too (the streams are tied) and would take the reason with it.
  if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size() || std::fflush(stdout) != 0) {
    if (g_stdoutError == 0) g_stdoutError = errno != 0 ? errno : EIO;
    throw OutputError(std::strerror(g_stdoutError));
  }
}

std::optional<std::string> FinishStdout() {
  // The C++ stream writes into the same buffer; its flush is the first to
  // meet a full disk, and its errno is the one worth telling.
  errno = 0;
  std::cout.flush();
  int err = errno;
  if (std::fflush(stdout) != 0 && err == 0) err = errno;
  if (!std::ferror(stdout) && std::cout.good()) return std::nullopt;
  if (g_stdoutError != 0) err = g_stdoutError;
  return std::string(std::strerror(err != 0 ? err : EIO));
}

void ReportProblems(const FileSet& set, std::size_t from, std::string_view command,
                    bool skipUnreadable, int& status) {
  const auto& problems = set.Problems();
  for (std::size_t i = from; i < problems.size(); ++i) {
    std::cerr << "markupwright-cli " << command << ": " << problems[i].path << ": " << problems[i].reason
              << (skipUnreadable ? "; skipped\n" : "\n");
    if (!skipUnreadable) status = kExitError;
  }
}

}  // namespace mw::cli
