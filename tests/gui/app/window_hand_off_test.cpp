// The running window as the receiver: what a second start hands over.
#include <gtest/gtest.h>

#include <QTabWidget>
#include <functional>
#include <ostream>

#include "core/app/document_file.h"
#include "gui/display/scintilla_surface.h"

#include "core/editing/scripted_prompts.h"
#include "gui/app/document_set.h"
#include "gui/app/main_window.h"
#include "platform/app/single_instance.h"
#include "platform/platform_test_app.h"

// Failures show paths, not UTF-16 code units.
inline void PrintTo(const QString& s, std::ostream* os) { *os << s.toStdString(); }

namespace mw::platform {
namespace {

TEST(WindowHandOffTest, RunningWindowOpensHandedPathsInOrderAndComesBack) {
  test::PrivateRuntime runtime;
  test::TempDir site;
  const QString a = QString::fromStdString(site.Write("a.html", "<P>a</P>\r\n"));
  const QString b = QString::fromStdString(site.Write("b.htm", "<P>b</P>\r\n"));
  gui::TMainForm w;
  ScriptedPrompts prompts;
  w.SetPrompts(&prompts);
  w.show();
  w.StartUp({});
  InstanceReceiver receiver([&w](const QString& path) { w.ReceivePath(path); });
  ASSERT_TRUE(receiver.Listen(InstanceSocketPath()));
  w.showMinimized();

  // A missing path is answered too, without a message.
  EXPECT_TRUE(test::WhileServing(
      [&] { return HandOffPaths(InstanceSocketPath(), {a, QString::fromStdString(site.Path("gone.html")), b}, 5000); }));
  EXPECT_EQ(w.DocumentSet().FileNames(), (QStringList{a, b}));
  EXPECT_EQ(w.CurrentFileName(), b);
  EXPECT_FALSE(w.windowState() & Qt::WindowMinimized);

  // A file open already is only brought forward: no second tab, no question.
  EXPECT_TRUE(test::WhileServing([&] { return HandOffPaths(InstanceSocketPath(), {a}, 5000); }));
  EXPECT_EQ(w.DocumentSet().Count(), 2);
  EXPECT_EQ(w.CurrentFileName(), a);
  EXPECT_TRUE(prompts.Log().empty());
  w.SetPrompts(nullptr);
}

// Questions answered by the script, with something done while the question
// is up (as a second start would hand a path over meanwhile).
class PromptsWithHandOff : public ScriptedPrompts {
 public:
  std::function<void()> whileAsked;
  Reply AskUtf8(std::string_view text, QuestionButtons buttons, QuestionIcon icon) override {
    if (whileAsked) std::exchange(whileAsked, nullptr)();
    return ScriptedPrompts::AskUtf8(text, buttons, icon);
  }
};

// Editing page2.html and closing its tab (or the program): a path handed
// over while "保存しますか？" is up waits, so Yes saves page2.html.
TEST(WindowHandOffTest, PathHandedOverDuringTheSaveQuestionWaitsUntilItIsAnswered) {
  for (const bool exit : {false, true}) {
    SCOPED_TRACE(exit ? "exit" : "close");
    test::PrivateRuntime runtime;
    test::TempDir site;
    const std::string page2 = site.Write("page2.html", "<P>page2</P>\r\n");
    const std::string sample = site.Write("sample.html", "<P>sample</P>\r\n");
    gui::TMainForm w;
    PromptsWithHandOff prompts;
    w.SetPrompts(&prompts);
    w.show();
    w.StartUp({QString::fromStdString(page2)});
    InstanceReceiver receiver([&w](const QString& path) { w.ReceivePath(path); });
    ASSERT_TRUE(receiver.Listen(InstanceSocketPath()));
    w.ActiveSurface()->SetSelection(0, 0);
    w.ActiveSurface()->SetSelText("edit ");

    bool handedOff = false;
    QString activeUnderQuestion;
    prompts.whileAsked = [&] {
      handedOff = test::WhileServing(
          [&] { return HandOffPaths(InstanceSocketPath(), {QString::fromStdString(sample)}, 5000); });
      activeUnderQuestion = w.CurrentFileName();
    };
    prompts.QueueReply(Reply::Yes);
    if (exit) w.close();
    else w.RunCommand("FileClose");
    EXPECT_TRUE(handedOff);
    EXPECT_EQ(activeUnderQuestion, QString::fromStdString(page2));
    EXPECT_EQ(ReadFileBytes(page2), "edit <P>page2</P>\r\n");
    EXPECT_EQ(ReadFileBytes(sample), "<P>sample</P>\r\n");
    ASSERT_EQ(prompts.Log().size(), 1u);
    if (!exit) {
      // Once answered, the waiting path opens.
      QCoreApplication::processEvents();
      EXPECT_EQ(w.CurrentFileName(), QString::fromStdString(sample));
      EXPECT_EQ(w.DocumentSet().Count(), 1);
    }
    w.SetPrompts(nullptr);
  }
}

}  // namespace
}  // namespace mw::platform
