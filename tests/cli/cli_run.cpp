#include "cli/cli_run.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
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
}  // namespace

CliResult RunCli(const std::vector<std::string>& args) {
  TempDir io;
  const std::string out = io.Path("out"), err = io.Path("err");
  CliResult r;
  const pid_t pid = ::fork();
  if (pid == 0) {
    const int o = ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const int e = ::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const int nul = ::open("/dev/null", O_RDONLY);
    ::dup2(o, 1);
    ::dup2(e, 2);
    ::dup2(nul, 0);
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
  r.out = Slurp(out);
  r.err = Slurp(err);
  return r;
}

}  // namespace mw::test
