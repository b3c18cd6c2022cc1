#include "cli/cli_run.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <grp.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "core/app/document_file.h"
#include <fstream>
#include <sstream>

namespace mw::test {

namespace {
std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

// In the child: everything the run needs before the tool starts; false
// when something could not be set up.
bool SetUpChild(const std::string& out, const std::string& err, const CliRun& how) {
  if (!how.tmpfsAt.empty()) {
    const std::string options = "size=" + how.tmpfsSize;
    if (::unshare(CLONE_NEWNS) != 0 || ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
        ::mount("tmpfs", how.tmpfsAt.c_str(), "tmpfs", 0, options.c_str()) != 0)
      return false;
  }
  if (how.prepare && !how.prepare()) return false;
  const std::string& outPath = how.stdoutTo.empty() ? out : how.stdoutTo;
  const int o = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  const int e = ::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  const int nul = ::open("/dev/null", O_RDONLY);
  if (o < 0 || e < 0 || nul < 0) return false;
  ::dup2(o, 1);
  ::dup2(e, 2);
  ::dup2(nul, 0);
  if (how.user && (::setgroups(0, nullptr) != 0 || ::setgid(how.user->gid) != 0 || ::setuid(how.user->uid) != 0))
    return false;
  ::alarm(how.timeoutSeconds);  // kept across exec
  return true;
}
}  // namespace

CliResult RunCli(const std::vector<std::string>& args) { return RunCli(args, CliRun{}); }

CliResult RunCli(const std::vector<std::string>& args, const CliRun& how) {
  TempDir io;
  const std::string out = io.Path("out"), err = io.Path("err");
  CliResult r;
  // Another user keeps the tool's data files in a folder of its own.
  const std::string config = io.Path("config");
  if (how.user) {
    std::filesystem::create_directory(config);
    GiveTo(config, *how.user);
    ::chmod(io.dir().c_str(), 0711);
  }
  const pid_t pid = ::fork();
  if (pid == 0) {
    if (how.user) ::setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    if (!SetUpChild(out, err, how)) ::_exit(kCliNotSetUp);
    std::vector<char*> argv;
    std::string cli = MW_CLI;
    argv.push_back(cli.data());
    std::vector<std::string> copy = args;
    for (auto& a : copy) argv.push_back(a.data());
    argv.push_back(nullptr);
    ::execv(cli.c_str(), argv.data());
    ::_exit(127);
  }
  int status = 0;
  ::waitpid(pid, &status, 0);
  r.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  if (how.stdoutTo.empty()) r.out = Slurp(out);
  r.err = Slurp(err);
  return r;
}

bool CanMountTmpfs() {
  TempDir d;
  CliRun how;
  how.tmpfsAt = d.dir().string();
  how.stdoutTo = d.Path("out");
  return RunCli({"--help"}, how).status == 0;
}

void ExpectEditCases(const std::vector<EditCase>& cases, const std::string& out,
                     const std::vector<std::string>& prefix) {
  for (const EditCase& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<std::string> args = prefix;
    args.insert(args.end(), c.args.begin(), c.args.end());
    const auto r = RunCli(args);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, c.stdoutText);
    EXPECT_EQ(ReadFileBytes(out), c.written);
  }
}

}  // namespace mw::test
