// The real program started twice, under the offscreen platform, with its
// own runtime, home and configuration folders.
#include <gtest/gtest.h>

#include <QLocalSocket>
#include <QProcess>
#include <QProcessEnvironment>
#include <QThread>

#include "platform/app/single_instance.h"
#include "platform/platform_test_app.h"

namespace mw::platform {
namespace {

class ProgramTest : public ::testing::Test {
 protected:
  ProgramTest() {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("XDG_RUNTIME_DIR", QString::fromStdString(m_runtime.Dir().dir().string()));
    env.insert("HOME", QString::fromStdString(m_home.dir().string()));
    env.insert("XDG_CONFIG_HOME", QString::fromStdString(m_home.Path("config")));
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    m_env = env;
  }
  ~ProgramTest() override {
    for (QProcess* p : m_started) {
      p->kill();
      p->waitForFinished(5000);
      delete p;
    }
  }
  QProcess& Start(const QStringList& args) {
    auto* p = new QProcess;
    m_started.push_back(p);
    p->setProcessEnvironment(m_env);
    p->setWorkingDirectory(QString::fromStdString(m_home.dir().string()));
    p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p->start(QStringLiteral(MW_PROGRAM), args);
    return *p;
  }
  // Polls until a program answers at the socket.
  static bool Answers(const QString& socketPath, int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
      QLocalSocket probe;
      probe.connectToServer(socketPath);
      if (probe.waitForConnected(200)) return true;
      QThread::msleep(50);
    }
    return false;
  }

  test::PrivateRuntime m_runtime;
  test::TempDir m_home;
  QProcessEnvironment m_env;
  std::vector<QProcess*> m_started;
};

TEST_F(ProgramTest, SecondStartHandsItsPathsToTheFirst) {
  const QString socketPath = InstanceSocketPath();
  ASSERT_FALSE(socketPath.isEmpty());
  const QString a = QString::fromStdString(m_home.Write("a.html", "<P>a</P>\r\n"));
  m_home.Write("b.html", "<P>b</P>\r\n");

  // The first program starts normally (with a path, nobody to hand it to)
  // although a dead instance left its socket file behind.
  test::LeaveStaleSocket(socketPath);
  QProcess& first = Start({a});
  ASSERT_TRUE(first.waitForStarted(10000));
  ASSERT_TRUE(Answers(socketPath, 20000));
  EXPECT_EQ(first.state(), QProcess::Running);

  // With two paths (one relative to its own folder), the second exits 1.
  QProcess& second = Start({"b.html", a});
  ASSERT_TRUE(second.waitForFinished(20000));
  EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(second.exitCode(), 1);

  // Without paths a second window runs beside the first.
  QProcess& third = Start({});
  EXPECT_FALSE(third.waitForFinished(1500));
  EXPECT_EQ(third.state(), QProcess::Running);
}

}  // namespace
}  // namespace mw::platform
