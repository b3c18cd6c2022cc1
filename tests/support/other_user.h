// Permission cases need a user without root's rights. When the tests run
// as root, work is done in a child process that has become "nobody"; an
// ordinary user is unprivileged already.
#pragma once

#include <sys/types.h>

#include <filesystem>
#include <functional>
#include <optional>

namespace mw::test {

struct OtherUser {
  uid_t uid = 0;
  gid_t gid = 0;
};

// nobody's ids when running as root; nullopt when this process is no root
// (and so needs no other user to meet permissions).
std::optional<OtherUser> UnprivilegedUser();

// Runs fn in a child process that has become user (groups dropped) and
// returns whether fn returned true there.
bool RunAsUser(const OtherUser& user, const std::function<bool()>& fn);

// Runs fn unprivileged: as UnprivilegedUser() in a child when root, else
// here.
bool RunUnprivileged(const std::function<bool()>& fn);

// Hands path and everything below it to user.
void GiveTo(const std::filesystem::path& path, const OtherUser& user);

}  // namespace mw::test
