#include "platform/app/single_instance.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QtEndian>
#include <filesystem>

#include "platform/platform_test_app.h"

namespace mw::platform {
namespace {

using test::PrivateRuntime;
using test::WhileServing;

class SingleInstanceTest : public ::testing::Test {
 protected:
  QString SocketPath() const { return QString::fromStdString(m_runtime.Dir().Path("instance")); }
  PrivateRuntime m_runtime;
  QStringList m_received;
};

TEST_F(SingleInstanceTest, HandsEveryPathOverWholeAndInOrder) {
  InstanceReceiver receiver([this](const QString& path) { m_received << path; });
  ASSERT_TRUE(receiver.Listen(SocketPath()));
  const QStringList paths{
      "/home/user/site/index.html",
      "/home/user/新規 フォルダ/表ソ.html",  // not ASCII, with spaces
      "/home/user" + QString("/長いフォルダ名").repeated(20) + "/page.htm",  // over 255 bytes: carried whole
  };
  EXPECT_TRUE(WhileServing([&] { return HandOffPaths(SocketPath(), paths, 5000); }));
  EXPECT_EQ(m_received, paths);

  // The connection ended; a second program is served the same way.
  EXPECT_TRUE(WhileServing([&] { return HandOffPaths(SocketPath(), {"/x/b.html"}, 5000); }));
  EXPECT_EQ(m_received.size(), 4);
}

TEST_F(SingleInstanceTest, SocketFileIsOpenToThisUserOnly) {
  InstanceReceiver receiver(nullptr);
  ASSERT_TRUE(receiver.Listen(SocketPath()));
  struct stat st {};
  ASSERT_EQ(::lstat(QFile::encodeName(SocketPath()).constData(), &st), 0);
  EXPECT_TRUE(S_ISSOCK(st.st_mode));
  EXPECT_EQ(st.st_uid, ::geteuid());
  EXPECT_EQ(st.st_mode & 077, 0u) << std::oct << st.st_mode;
  EXPECT_EQ(m_runtime.Dir().EntryCount(), 1u);  // no lock or work folder left beside it
}

TEST_F(SingleInstanceTest, SocketLeftByACrashedInstanceDoesNotBlockStartUp) {
  test::LeaveStaleSocket(SocketPath());
  EXPECT_FALSE(HandOffPaths(SocketPath(), {"/x/a.html"}, 1000));  // nobody answers there
  InstanceReceiver receiver([this](const QString& path) { m_received << path; });
  ASSERT_TRUE(receiver.Listen(SocketPath()));
  EXPECT_TRUE(WhileServing([&] { return HandOffPaths(SocketPath(), {"/x/a.html"}, 5000); }));
  EXPECT_EQ(m_received, QStringList{"/x/a.html"});
}

TEST_F(SingleInstanceTest, SecondWindowLeavesTheRunningReceiverInPlace) {
  InstanceReceiver first([this](const QString& path) { m_received << "first:" + path; });
  InstanceReceiver second([this](const QString& path) { m_received << "second:" + path; });
  ASSERT_TRUE(first.Listen(SocketPath()));
  EXPECT_FALSE(second.Listen(SocketPath()));
  EXPECT_FALSE(second.IsListening());
  EXPECT_TRUE(WhileServing([&] { return HandOffPaths(SocketPath(), {"/x/a.html"}, 5000); }));
  EXPECT_EQ(m_received, QStringList{"first:/x/a.html"});
}

TEST_F(SingleInstanceTest, NothingToSendOrNobodyThereMeansANormalStart) {
  EXPECT_FALSE(HandOffPaths(SocketPath(), {"/x/a.html"}, 1000));  // no socket file
  EXPECT_FALSE(HandOffPaths(QString(), {"/x/a.html"}, 1000));     // no private folder
  InstanceReceiver receiver([this](const QString& path) { m_received << path; });
  ASSERT_TRUE(receiver.Listen(SocketPath()));
  EXPECT_FALSE(HandOffPaths(SocketPath(), {}, 1000));
  // Too long for any file system: not sent at all, the program opens it itself.
  const QString huge = "/" + QString(kMaxHandOffPathBytes + 1, QChar('a'));
  EXPECT_FALSE(WhileServing([&] { return HandOffPaths(SocketPath(), {"/x/a.html", huge}, 1000); }));
  EXPECT_TRUE(m_received.isEmpty());
}

TEST_F(SingleInstanceTest, ReceiverThatDoesNotAnswerIsGivenUp) {
  // One that accepts and stays silent, one that hangs up at once.
  for (const bool hangUp : {false, true}) {
    SCOPED_TRACE(hangUp ? "hangs up" : "silent");
    QLocalServer server;
    QLocalServer::removeServer(SocketPath());
    ASSERT_TRUE(server.listen(SocketPath()));
    QObject::connect(&server, &QLocalServer::newConnection, [&] {
      QLocalSocket* s = server.nextPendingConnection();
      if (hangUp) s->abort();
    });
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(WhileServing([&] { return HandOffPaths(SocketPath(), {"/x/a.html", "/x/b.html"}, 300); }));
    EXPECT_LT(clock.elapsed(), 3000);
  }
}

TEST_F(SingleInstanceTest, BrokenMessageEndsThatConnectionOnly) {
  InstanceReceiver receiver([this](const QString& path) { m_received << path; });
  ASSERT_TRUE(receiver.Listen(SocketPath()));
  const bool answered = WhileServing([&] {
    QLocalSocket s;
    s.connectToServer(SocketPath());
    if (!s.waitForConnected(2000)) return true;
    QByteArray header(8, '\0');
    qToBigEndian<quint32>(1, header.data());
    qToBigEndian<quint32>(0xFFFFFFFFu, header.data() + 4);  // claims 4 GB
    s.write(header);
    s.waitForBytesWritten(2000);
    return s.waitForReadyRead(1000) && s.bytesAvailable() > 0;
  });
  EXPECT_FALSE(answered);
  EXPECT_TRUE(m_received.isEmpty());
  EXPECT_TRUE(WhileServing([&] { return HandOffPaths(SocketPath(), {"/x/a.html"}, 5000); }));
  EXPECT_EQ(m_received, QStringList{"/x/a.html"});
}

TEST_F(SingleInstanceTest, ErrorWhileOpeningStillServesTheNextPaths) {
  int calls = 0;
  InstanceReceiver receiver([&](const QString& path) {
    if (++calls == 1) throw std::runtime_error("cannot open");
    m_received << path;
  });
  ASSERT_TRUE(receiver.Listen(SocketPath()));
  // The error leaves in the event handler (the program reports it there);
  // the first sender is not answered and opens its path itself.
  test::PlatformTestApp().SetErrorReporter([](const QString&) {});
  EXPECT_FALSE(WhileServing([&] { return HandOffPaths(SocketPath(), {"/x/a.html"}, 500); }));
  EXPECT_TRUE(WhileServing([&] { return HandOffPaths(SocketPath(), {"/x/b.html"}, 5000); }));
  test::PlatformTestApp().SetErrorReporter(nullptr);
  EXPECT_EQ(m_received, QStringList{"/x/b.html"});
}

TEST_F(SingleInstanceTest, SocketPathNeedsAPrivateRuntimeFolder) {
  const std::string run = m_runtime.Dir().dir().string();
  const QString expected = QString::fromStdString(run) + QStringLiteral("/markupwright-%1").arg(::geteuid());
  EXPECT_EQ(InstanceSocketPath(), expected);
  qputenv("DISPLAY", ":1.0");
  EXPECT_EQ(InstanceSocketPath(), expected + "-_1.0");  // one receiver per display
  qunsetenv("DISPLAY");

  namespace fs = std::filesystem;
  const fs::path open = m_runtime.Dir().dir() / "open";
  fs::create_directory(open);
  fs::permissions(open, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                            fs::perms::others_read | fs::perms::others_exec);
  const fs::path link = m_runtime.Dir().dir() / "link";
  fs::create_directory_symlink(m_runtime.Dir().dir(), link);
  for (const fs::path& folder : {open, link, m_runtime.Dir().dir() / "missing"}) {
    SCOPED_TRACE(folder.string());
    EXPECT_FALSE(IsPrivateFolder(QString::fromStdString(folder.string())));
    qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(folder.string()));
    EXPECT_EQ(InstanceSocketPath(), QString());
  }
  EXPECT_TRUE(IsPrivateFolder(QString::fromStdString(run)));
}

TEST_F(SingleInstanceTest, ArgumentsBecomeAbsolutePaths) {
  const QString cwd = QDir::currentPath();
  EXPECT_EQ(AbsolutePaths({"a.html", "", "sub/../b.htm", "/abs/c.html"}),
            (QStringList{cwd + "/a.html", cwd + "/b.htm", "/abs/c.html"}));
}

}  // namespace
}  // namespace mw::platform
