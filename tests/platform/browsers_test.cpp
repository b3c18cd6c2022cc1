// A page shown in the browser the options name: the program gets the page
// as one argument, whatever its name holds, and no shell reads it.
#include "platform/app/browsers.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <QDeadlineTimer>
#include <QFile>
#include <QThread>
#include <filesystem>

#include "platform_test_app.h"
#include "support/temp_dir.h"

namespace mw::platform {
namespace {

TEST(Browsers, TheNamedProgramGetsThePageAsItsOneArgument) {
  test::PlatformTestApp();
  test::TempDir dir;
  // A browser that writes down its arguments, one a line.
  const std::string log = dir.Path("args.txt");
  const std::string program = dir.Write("my browser", "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"" +
                                                         log + ".part\"\nmv \"" + log + ".part\" \"" + log + "\"\n");
  ::chmod(program.c_str(), 0755);
  const std::string page = dir.Write("a b;$(touch hacked)'.html", "<HTML></HTML>");
  EXPECT_EQ(ShowInBrowser(QString::fromStdString(program), QString::fromStdString(page)), QString());
  const QDeadlineTimer deadline(10000);
  while (!std::filesystem::exists(log) && !deadline.hasExpired()) QThread::msleep(20);
  QFile f(QString::fromStdString(log));
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll().toStdString(), page + "\n");
  EXPECT_FALSE(std::filesystem::exists(dir.Path("hacked")));
}

TEST(Browsers, AProgramThatCannotStartSaysSo) {
  test::PlatformTestApp();
  test::TempDir dir;
  const QString missing = QString::fromStdString(dir.Path("no-such-browser"));
  const QString why = ShowInBrowser(missing, QString::fromStdString(dir.Path("p.html")));
  EXPECT_TRUE(why.contains(missing)) << why.toStdString();
  EXPECT_TRUE(why.contains(QStringLiteral("起動できません"))) << why.toStdString();
}

}  // namespace
}  // namespace mw::platform
