// The one application object of the platform tests (the program's own
// kind, so its error reporting can be tested), on the offscreen platform,
// and a private runtime folder per test so no test meets the user's own
// running instance.
#pragma once

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QDeadlineTimer>
#include <chrono>
#include <cstring>
#include <future>
#include <string>

#include "platform/app/guarded_application.h"
#include "support/temp_dir.h"

namespace mw::test {

inline platform::GuardedApplication& PlatformTestApp() {
  static int argc = 1;
  static char name[] = "gui_platform_tests";
  static char* argv[] = {name, nullptr};
  static platform::GuardedApplication* app = [] {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return new platform::GuardedApplication(argc, argv);
  }();
  return *app;
}

// A fresh private folder as XDG_RUNTIME_DIR, with no display named, for
// this process and the programs it starts.
class PrivateRuntime {
 public:
  PrivateRuntime() {
    qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(m_dir.dir().string()));
    qunsetenv("DISPLAY");
    qunsetenv("WAYLAND_DISPLAY");
    PlatformTestApp();
  }
  const TempDir& Dir() const { return m_dir; }

 private:
  TempDir m_dir;
};

// Runs work on another thread (it may block on the socket) while this
// thread keeps delivering events to the receiver; gives up after 10 s.
template <class Work>
auto WhileServing(Work work) {
  auto result = std::async(std::launch::async, std::move(work));
  const QDeadlineTimer deadline(10000);
  while (result.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready && !deadline.hasExpired())
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  return result.get();
}

// Leaves a socket file behind as a crashed program would: bound, then
// closed without removing the file.
inline void LeaveStaleSocket(const QString& path) {
  const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
  ASSERT_GE(fd, 0);
  sockaddr_un addr{};
  addr.sun_family = AF_UNIX;
  const QByteArray name = QFile::encodeName(path);
  std::memcpy(addr.sun_path, name.constData(), static_cast<std::size_t>(name.size()));
  ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
  ::close(fd);
  ASSERT_TRUE(QFileInfo::exists(path));
}

}  // namespace mw::test
