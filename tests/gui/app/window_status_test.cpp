// The status bar and the display refresh as the window shows them, and
// the start that opens the last project.
#include <gtest/gtest.h>

#include <QApplication>
#include <QStatusTipEvent>
#include <QTest>

#include "core/app/file_history.h"
#include "core/editing/scripted_prompts.h"
#include "core/project/project_file.h"
#include "gui/app/document_set.h"
#include "gui/app/main_window.h"
#include "gui/app/qt_prompts.h"
#include "gui/display/scintilla_editor.h"
#include "gui/display/scintilla_surface.h"
#include "gui/display/test_app.h"
#include "gui/project/project_form.h"
#include "gui/project/site_checks.h"
#include "support/temp_dir.h"

namespace mw::gui {
namespace {

struct StatusWindow {
  explicit StatusWindow(std::string dataFolder = {}) : w(std::move(dataFolder)) {
    w.SetPrompts(&prompts);
    w.show();
  }
  QString File(const std::string& name, const std::string& bytes) {
    return QString::fromStdString(dir.Write(name, bytes));
  }
  void Idle() {
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
  }
  QApplication& app = test::TestApp();
  test::TempDir dir;
  TMainForm w;
  ScriptedPrompts prompts;
};

TEST(WindowStatusTest, DisplayRefreshReportsInPanel5AndRefusesADocumentNeverSaved) {
  StatusWindow x;
  x.w.StartUp({});
  x.w.ActiveSurface()->SetSelText("<P>x</P>");
  x.w.RunCommand("UpdateRichEdit1");
  ASSERT_EQ(x.prompts.Log().size(), 1u);
  EXPECT_EQ(x.prompts.Log()[0].utf8, "有効なファイルがありません.");
  EXPECT_EQ(x.prompts.Log()[0].messageKind, MessageKind::Warning);
  EXPECT_EQ(x.w.ActiveSurface()->Text(), "<P>x</P>");

  const QString page = x.File("page.html", "<P>page</P>\r\n");
  x.w.OpenDocument(page);
  x.w.SetStatusText(5, {});
  x.w.RunCommand("UpdateRichEdit1");
  EXPECT_EQ(x.w.StatusText(5), page + QStringLiteral("の表示を更新しました"));
  EXPECT_EQ(x.prompts.Log().size(), 1u);
}

TEST(WindowStatusTest, PanelsFollowTheInsertKeyAResizeAndHintsThatGo) {
  StatusWindow x;
  // One long line that wraps in a narrow window: the caret at its end is
  // on a later display line than in a wide one.
  const QString page = x.File("page.html", std::string(100, 'a'));
  ASSERT_TRUE(x.w.OpenDocument(page));
  x.w.resize(400, 400);
  x.w.ActiveSurface()->SetSelection(100, 100);
  x.Idle();
  const QString narrow = x.w.StatusText(0);
  x.w.resize(1500, 400);
  x.Idle();
  EXPECT_NE(x.w.StatusText(0), narrow);
  EXPECT_TRUE(x.w.StatusText(0).startsWith(QStringLiteral("1行")));

  x.w.activateWindow();
  x.w.ActiveEditor()->setFocus();
  EXPECT_EQ(x.w.StatusText(2), QStringLiteral("挿入"));
  QTest::keyClick(x.w.ActiveEditor(), Qt::Key_Insert);
  x.Idle();
  EXPECT_EQ(x.w.StatusText(2), QStringLiteral("上書"));

  // A hint shows while the mouse is on its control, then the panel's
  // message is back.
  x.w.SetStatusText(5, QStringLiteral("message"));
  QStatusTipEvent on(QStringLiteral("ファイルを開く"));
  QApplication::sendEvent(&x.w, &on);
  EXPECT_EQ(x.w.StatusText(5), QStringLiteral("ファイルを開く"));
  QStatusTipEvent off{QString()};
  QApplication::sendEvent(&x.w, &off);
  EXPECT_EQ(x.w.StatusText(5), QStringLiteral("message"));
}

// iInitialState 2: the first project of the project history opens and its
// files replace the documents; the project window is shown.
TEST(WindowStatusTest, InitialStateTwoOpensTheLastProjectAndItsFiles) {
  test::TempDir data;
  test::TempDir site;
  const std::string a = site.Write("a.html", "<P>a</P>\r\n");
  const std::string b = site.Write("b.html", "<P>b</P>\r\n");
  Project project;
  project.path = site.Path("site.wpr");
  project.entries = {a, b};
  WriteProjectFile(project, project.path, false);
  WritePathList(data.Path("PrjFileHistry.txt"), {project.path});

  StatusWindow x(data.dir().string());
  x.w.Settings().SetInt("iInitialState", 2);
  x.w.StartUp({});
  EXPECT_EQ(x.w.DocumentSet().FileNames(), (QStringList{QString::fromStdString(a), QString::fromStdString(b)}));
  TPrjForm* form = SiteChecks::Of(x.w)->ProjectIfOpen();
  ASSERT_NE(form, nullptr);
  EXPECT_TRUE(form->isVisible());
  form->close();
}

}  // namespace
}  // namespace mw::gui
