#include "support/other_user.h"

#include <grp.h>
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

namespace mw::test {

std::optional<OtherUser> UnprivilegedUser() {
  if (::geteuid() != 0) return std::nullopt;
  const passwd* pw = ::getpwnam("nobody");
  if (pw == nullptr) return OtherUser{65534, 65534};
  return OtherUser{pw->pw_uid, pw->pw_gid};
}

bool RunAsUser(const OtherUser& user, const std::function<bool()>& fn) {
  const pid_t pid = ::fork();
  if (pid == 0) {
    if (::setgroups(0, nullptr) != 0 || ::setgid(user.gid) != 0 || ::setuid(user.uid) != 0) ::_exit(3);
    ::_exit(fn() ? 0 : 1);
  }
  int status = 0;
  ::waitpid(pid, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

bool RunUnprivileged(const std::function<bool()>& fn) {
  if (const auto user = UnprivilegedUser()) return RunAsUser(*user, fn);
  return fn();
}

void GiveTo(const std::filesystem::path& path, const OtherUser& user) {
  std::error_code ec;
  if (::lchown(path.c_str(), user.uid, user.gid) != 0) return;
  if (!std::filesystem::is_directory(std::filesystem::symlink_status(path, ec))) return;
  for (const auto& e : std::filesystem::recursive_directory_iterator(path, ec))
    if (::lchown(e.path().c_str(), user.uid, user.gid) != 0) return;
}

}  // namespace mw::test
