// Pictures of the site-check windows over a sample site, for looking at
// the layout by eye: written only when MW_SHOT_DIR names a folder and
// MW_SAMPLE_SITE the site (sample.html, page2.html, sub/notes.html).
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QListWidget>
#include <QTabWidget>
#include <QTreeWidget>

#include "gui/check/tag_error_form.h"
#include "gui/project/link_list_panel.h"
#include "gui/project/project_form.h"
#include "gui/project/site_fixture.h"

namespace mw::gui {
namespace {

using test_site::SiteWindow;

TEST(SiteShots, WindowsOverTheSampleSite) {
  const QString shots = qEnvironmentVariable("MW_SHOT_DIR");
  const QString site = qEnvironmentVariable("MW_SAMPLE_SITE");
  if (shots.isEmpty() || site.isEmpty()) GTEST_SKIP() << "MW_SHOT_DIR and MW_SAMPLE_SITE not set";
  mw::test::TestApp();
  mw::test::TempDir dir;
  const QString sample = QDir(site).filePath(QStringLiteral("sample.html"));
  const std::string wpr =
      dir.Write("site.wpr", sample.toStdString() + "\r\n" + QDir(site).filePath(QStringLiteral("page2.html")).toStdString() +
                                "\r\n" + QDir(site).filePath(QStringLiteral("sub/notes.html")).toStdString() + "\r\n");
  SiteWindow x;
  x.w.resize(1000, 700);
  x.w.show();
  ASSERT_TRUE(x.w.OpenDocument(sample));
  x.Run("ShowLinkList");
  QApplication::processEvents();
  x.w.grab().save(shots + QStringLiteral("/site_main_link_list.png"));

  TTagErrorForm& check = x.checks->ShowTagCheck();
  QApplication::processEvents();
  check.RunTagCheck(true);
  check.ResultList()->setCurrentRow(0);
  check.JumpToCheckMessage();
  check.grab().save(shots + QStringLiteral("/site_tag_check.png"));
  check.ToggleOptions();
  QApplication::processEvents();
  check.grab().save(shots + QStringLiteral("/site_tag_check_options.png"));

  x.Run("ShowProjectForm");
  TPrjForm& project = *x.checks->ProjectIfOpen();
  ASSERT_TRUE(project.OpenProjectFile(QString::fromStdString(wpr), true));
  project.UpdateLocalLinkTreeViewClick();
  project.Pages()->setCurrentIndex(0);
  QApplication::processEvents();
  project.grab().save(shots + QStringLiteral("/site_project_links.png"));
  project.FindBox()->setEditText(QStringLiteral("HREF"));
  project.SetFindRange(1);
  project.FindBtnClick();
  project.Pages()->setCurrentIndex(1);
  QApplication::processEvents();
  project.grab().save(shots + QStringLiteral("/site_project_grep.png"));
}

}  // namespace
}  // namespace mw::gui
