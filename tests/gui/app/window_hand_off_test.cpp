// The running window as the receiver: what a second start hands over.
#include <gtest/gtest.h>

#include "core/editing/scripted_prompts.h"
#include "gui/app/document_set.h"
#include "gui/app/main_window.h"
#include "platform/app/single_instance.h"
#include "platform/platform_test_app.h"

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

}  // namespace
}  // namespace mw::platform
