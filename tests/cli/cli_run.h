// Runs the command-line tool as a user would and collects what it said.
#pragma once

#include <sys/types.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "support/other_user.h"
#include "support/temp_dir.h"

namespace mw::test {

struct CliResult {
  int status = -1;
  std::string out;
  std::string err;
};

// How the tool is run, for the cases that need more than a plain start.
struct CliRun {
  std::optional<OtherUser> user;  // run as this user (needs root)
  // Standard output into this file (or device) instead of collected.
  std::string stdoutTo;
  // A tmpfs of tmpfsSize mounted at tmpfsAt for the run only, in a mount
  // namespace of its own (needs root); stdoutTo may lie on it.
  std::string tmpfsAt;
  std::string tmpfsSize = "16k";
  // Runs in the child once the tmpfs is mounted, before the tool starts;
  // false fails the set-up.
  std::function<bool()> prepare;
  // The run is killed after this many seconds (a hang shows as 128+14).
  unsigned timeoutSeconds = 30;
};

// The status when the run could not be set up (no mount, no user).
inline constexpr int kCliNotSetUp = 126;

CliResult RunCli(const std::vector<std::string>& args);
CliResult RunCli(const std::vector<std::string>& args, const CliRun& how);

// A run of the tool that succeeds, prints stdoutText and leaves written in
// the file its --out names: one row of a table of edit cases.
struct EditCase {
  const char* what;
  std::vector<std::string> args;  // after `prefix`
  std::string stdoutText;
  std::string written;
};
void ExpectEditCases(const std::vector<EditCase>& cases, const std::string& out,
                     const std::vector<std::string>& prefix = {});

// Whether a tmpfs can be mounted for a run here (root in a system that
// lets it).
bool CanMountTmpfs();

}  // namespace mw::test
