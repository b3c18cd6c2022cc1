// File names that are no UTF-8 (Shift-JIS ones, as authors' sites hold):
// given on the command line or handed over by a second start, the real
// window opens the file, saves it back under the same name and lists it.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QTest>

#include "gui/app/documents_fixture.h"
#include "platform/app/native_path.h"
#include "platform/app/single_instance.h"

namespace mw::gui {
namespace {

using namespace test_documents;

const std::string kSjisName = "\x95\x5c\x83\x5c.html";  // 表ソ.html, trail bytes '\'

TEST_F(DocumentsTest, ShiftJisNameOnTheCommandLineOpensSavesAndComesBack) {
  test::TempDir data;
  const std::string path = File(kSjisName, "<P>a</P>\r\n");
  {
    Window x(data.dir().string());
    x.w.show();
    const char* argv[] = {"markupwright", path.c_str(), nullptr};
    x.w.StartUp(platform::AbsolutePaths(platform::NativeArguments(2, argv)));
    ASSERT_EQ(x.w.DocumentSet().Count(), 1);
    EXPECT_EQ(platform::NativePathString(x.w.CurrentFileName()), path);
    EXPECT_EQ(x.Text(), "<P>a</P>\r\n");
    EXPECT_EQ(x.Captions(), QStringList{QString::fromUtf8("表ソ.html")}) << "shown as the Japanese it is";
    EXPECT_EQ(x.w.windowTitle(), QString::fromUtf8("Markupwright - 表ソ.html"));
    x.Doc().SetSelection(0, 0);
    QTest::keyClicks(x.w.ActiveView(), "x");
    x.Run("FileSave");
    EXPECT_EQ(ReadFileBytes(path), "x<P>a</P>\r\n");
    EXPECT_EQ(m_dir.EntryCount(), 1u) << "no file under a garbled name";
    EXPECT_TRUE(x.prompts.Log().empty());
    EXPECT_TRUE(x.w.close());
  }
  // The lists kept between runs hold the name's own bytes, and the next
  // start restores the document from them.
  EXPECT_EQ(ReadFileBytes(data.Path("OpenFileList.txt")), path + "\r\n");
  EXPECT_EQ(ReadFileBytes(data.Path("HtmlFileHistory.txt")), path + "\r\n");
  Window y(data.dir().string());
  y.w.Settings().SetInt("iInitialState", 1);
  y.w.StartUp({});
  ASSERT_EQ(y.w.DocumentSet().Count(), 1);
  EXPECT_EQ(platform::NativePathString(y.w.CurrentFileName()), path);
  EXPECT_EQ(y.Text(), "x<P>a</P>\r\n");
}

// The real program started a second time with the name as its argument
// (its raw bytes, as a shell passes them) hands it to this window.
TEST_F(DocumentsTest, ShiftJisNameHandedOverByASecondStartOpens) {
  test::TempDir runtime;
  qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(runtime.dir().string()));
  const std::string path = File(kSjisName, "<P>b</P>\r\n");
  Window x;
  x.w.show();
  x.w.StartUp({});
  platform::InstanceReceiver receiver([&x](const QString& p) { x.w.ReceivePath(p); });
  ASSERT_TRUE(receiver.Listen(platform::InstanceSocketPath()));

  const pid_t pid = ::fork();
  if (pid == 0) {
    ::execl(MW_PROGRAM, MW_PROGRAM, path.c_str(), static_cast<char*>(nullptr));
    ::_exit(127);
  }
  ASSERT_GT(pid, 0);
  int status = -1;
  const QDeadlineTimer deadline(20000);
  while (::waitpid(pid, &status, WNOHANG) == 0 && !deadline.hasExpired())
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 1) << "handed over";
  ASSERT_EQ(x.w.DocumentSet().Count(), 1);
  EXPECT_EQ(platform::NativePathString(x.w.CurrentFileName()), path);
  EXPECT_EQ(x.Text(), "<P>b</P>\r\n");
  EXPECT_TRUE(x.prompts.Log().empty());
}

}  // namespace
}  // namespace mw::gui
