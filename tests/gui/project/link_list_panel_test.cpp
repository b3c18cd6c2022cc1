// The link list panel over a real page on disk: groups, states, the jump
// into the text, opening targets and the stored width.
#include <gtest/gtest.h>

#include <QAction>
#include <QDockWidget>
#include <QMenu>
#include <QTest>

#include "gui/project/link_list_panel.h"
#include "gui/project/project_form.h"
#include "gui/project/site_fixture.h"
#include "core/app/tools/kanji_converter.h"

namespace mw::gui {
namespace {

using test_site::Q;
using test_site::SiteWindow;

class LinkListPanelTest : public ::testing::Test {
 protected:
  void SetUp() override { mw::test::TestApp(); }
  mw::test::TempDir m_dir;
};

const std::string kPage =
    "<HTML><BODY>\r\n"
    "<A HREF=\"ok.html\">a</A> <A HREF=\"gone.html\">b</A> <A HREF=\"Ok.html\">c</A>\r\n"
    "<A HREF=\"\">d</A> <A HREF=\"http://example.com/\">e</A> <A HREF=\"#top\">f</A>\r\n"
    "<IMG SRC=\"pic.GIF\"> <A NAME=\"top\">t</A>\r\n"
    "</BODY></HTML>\r\n";

TEST_F(LinkListPanelTest, ShowsEachLinkWithTheStateOfItsTarget) {
  m_dir.Write("ok.html", "<A NAME=\"sec\">s</A>\r\n");
  m_dir.Write("pic.GIF", "GIF89a");
  SiteWindow x;
  ASSERT_TRUE(x.w.OpenDocument(Q(m_dir.Write("page.html", kPage))));
  x.Run("ShowLinkList");
  TLinkListPanel& panel = x.checks->LinkList();
  ASSERT_TRUE(panel.IsShown());
  EXPECT_TRUE(x.w.Action("ShowLinkList")->isChecked());
  ASSERT_EQ(panel.topLevelItemCount(), 5);
  EXPECT_EQ(panel.topLevelItem(0)->text(0), QStringLiteral("リンク - HREF"));
  EXPECT_EQ(panel.topLevelItem(4)->text(0), QStringLiteral("スクリプト - function"));

  struct Row {
    QString text;
    LinkItemState state;
  };
  const Row expected[] = {
      {QStringLiteral("ok.html"), LinkItemState::File},
      {QStringLiteral("gone.html"), LinkItemState::Broken},
      {QStringLiteral("Ok.html"), LinkItemState::Broken},  // letter case must match
      {QStringLiteral("\"空白\""), LinkItemState::Broken},
      {QStringLiteral("http://example.com/"), LinkItemState::External},
      {QStringLiteral("#top"), LinkItemState::MarkerLink},
  };
  QTreeWidgetItem* href = panel.topLevelItem(0);
  ASSERT_EQ(href->childCount(), 6);
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(href->child(i)->text(0), expected[i].text) << i;
    EXPECT_EQ(TLinkListPanel::StateOf(href->child(i)), expected[i].state) << i;
  }
  EXPECT_EQ(TLinkListPanel::StateOf(panel.topLevelItem(1)->child(0)), LinkItemState::File);
  EXPECT_EQ(TLinkListPanel::StateOf(panel.topLevelItem(2)->child(0)), LinkItemState::Marker);

  // The jump selects the value of that occurrence in the text.
  panel.setCurrentItem(href->child(2));
  x.Run("JumpInText");
  EXPECT_EQ(x.Selected(), "Ok.html");
  EXPECT_EQ(x.Doc().GetSelStart(), static_cast<Offset>(kPage.find("Ok.html")));

  // Pictures and URLs go to the system's handler; a page opens in the editor.
  QStringList shell;
  panel.SetShellOpener([&shell](const QString& s) { shell << s; });
  panel.setCurrentItem(panel.topLevelItem(1)->child(0));
  x.Run("JumpToTarget");
  panel.setCurrentItem(href->child(4));
  x.Run("JumpToTarget");
  ASSERT_EQ(shell.size(), 2);
  EXPECT_TRUE(shell[0].endsWith(QStringLiteral("/pic.GIF")));
  EXPECT_EQ(shell[1], QStringLiteral("http://example.com/"));
  panel.setCurrentItem(href->child(0));
  x.Run("JumpToTarget");
  EXPECT_TRUE(x.w.CurrentFileName().endsWith(QStringLiteral("ok.html")));
  // The tab change rebuilt the list for the page now active.
  EXPECT_EQ(panel.topLevelItem(0)->childCount(), 0);
  EXPECT_EQ(panel.topLevelItem(2)->child(0)->text(0), QStringLiteral("sec"));
}

TEST_F(LinkListPanelTest, MarkerTargetsAreFoundByExactNameOrReported) {
  SiteWindow x;
  ASSERT_TRUE(x.w.OpenDocument(Q(m_dir.Write("page.html", kPage))));
  TLinkListPanel& panel = x.checks->LinkList();
  panel.OpenLinkTarget("#top");
  EXPECT_EQ(x.Selected(), "top");
  panel.OpenLinkTarget("#Top");
  ASSERT_FALSE(x.prompts.Texts().empty());
  EXPECT_EQ(FromDocumentText(x.prompts.Texts().back()), QStringLiteral("#Topが見つかりません。"));

  // A page named in Japanese (表 = 95 5C in the page), with a marker of
  // its own in Japanese (見 = 8C A9).
  m_dir.Write("\xe8\xa1\xa8.html", "<A NAME=\"\x8c\xa9\">m</A>\r\n");
  panel.OpenLinkTarget("\x95\x5c.html#\x8c\xa9");
  EXPECT_TRUE(x.w.CurrentFileName().endsWith(QStringLiteral("/表.html")));
  EXPECT_EQ(x.Selected(), "\x8c\xa9");
}

TEST_F(LinkListPanelTest, TheLinkAtTheCaretOpensFromTheTagOrItsContent) {
  m_dir.Write("ok.html", "ok\r\n");
  SiteWindow x;
  const std::string page = "<P>x</P><A HREF=\"ok.html\">link</A><IMG SRC=\"missing.gif\">";
  ASSERT_TRUE(x.w.OpenDocument(Q(m_dir.Write("page.html", page))));
  QStringList shell;
  x.checks->LinkList().SetShellOpener([&shell](const QString& s) { shell << s; });

  // No link in the tag at the caret: the selection stays.
  x.Doc().SetSelStart(1);
  x.Run("ExtractAndJump");
  EXPECT_EQ(x.Doc().GetSelStart(), 1);
  EXPECT_EQ(x.Doc().GetSelLength(), 0);
  EXPECT_TRUE(x.w.CurrentFileName().endsWith(QStringLiteral("page.html")));

  // From inside the end tag: the start tag's HREF is selected and opened.
  x.Doc().SetSelStart(static_cast<Offset>(page.find("</A>") + 2));
  x.Run("ExtractAndJump");
  EXPECT_TRUE(x.w.CurrentFileName().endsWith(QStringLiteral("ok.html")));

  x.w.Documents()->setCurrentIndex(0);
  x.w.pcMainChange();
  x.Doc().SetSelStart(static_cast<Offset>(page.find("missing") + 2));
  x.Run("ExtractAndJumpIE");
  ASSERT_EQ(shell.size(), 1);
  EXPECT_TRUE(shell[0].endsWith(QStringLiteral("/missing.gif")));
  EXPECT_EQ(x.Selected(), "missing.gif");
}

TEST_F(LinkListPanelTest, ProjectMarkersDecideLinksIntoOtherFiles) {
  m_dir.Write("other.html", "<A NAME=\"here\">h</A>\r\n");
  SiteWindow x;
  const std::string page = m_dir.Write("page.html", "<A HREF=\"other.html#sec\">x</A><A HREF=\"other.html#here\">y</A>");
  const std::string wpr = m_dir.Write("site.wpr", "other.html\r\npage.html\r\n");
  ASSERT_TRUE(x.w.OpenDocument(Q(page)));
  TPrjForm& project = x.checks->Project();
  project.show();
  ASSERT_TRUE(project.OpenProjectFile(Q(wpr), true));
  project.UpdateLocalLinkTreeViewClick();
  x.Run("ShowLinkList");
  QTreeWidgetItem* href = x.checks->LinkList().topLevelItem(0);
  ASSERT_EQ(href->childCount(), 2);
  EXPECT_EQ(TLinkListPanel::StateOf(href->child(0)), LinkItemState::Broken);
  EXPECT_EQ(TLinkListPanel::StateOf(href->child(1)), LinkItemState::MarkerLink);
}

TEST_F(LinkListPanelTest, HidingStoresTheWidthThatShowingRestores) {
  SiteWindow x;
  x.w.resize(900, 600);
  x.w.show();
  EXPECT_FALSE(x.checks->LinkList().IsShown());
  x.Run("ShowLinkList");
  QDockWidget* dock = x.checks->LinkList().Dock();
  EXPECT_TRUE(dock->isVisible());
  EXPECT_NEAR(dock->width(), 135, 20);
  x.w.resizeDocks({dock}, {220}, Qt::Horizontal);
  QApplication::processEvents();
  const int width = dock->width();
  x.Run("ShowLinkList");
  EXPECT_FALSE(x.checks->LinkList().IsShown());
  EXPECT_EQ(x.w.Settings().Int("iOldtvLinkList"), width);
  EXPECT_EQ(x.w.Settings().Int("itvLinkList"), 0);
  x.Run("ShowLinkList");
  QApplication::processEvents();
  EXPECT_EQ(dock->width(), width);
}

// The popup ends with "閉じる", which hides the panel; an editor code
// conversion rebuilds the list from the converted text.
TEST_F(LinkListPanelTest, PopupClosesAndCodeConversionRebuilds) {
  if (!KanjiConverterAvailable()) GTEST_SKIP() << "no kanji converter";
  SiteWindow x;
  // 表.html in Shift-JIS (95 5C); in EUC-JP it is C9 BD.
  ASSERT_TRUE(x.w.OpenDocument(Q(m_dir.Write("page.html", "<A HREF=\"\x95\x5c.html\">a</A>\r\n"))));
  x.Run("ShowLinkList");
  TLinkListPanel& panel = x.checks->LinkList();
  ASSERT_GT(panel.topLevelItemCount(), 0);
  const QString before = panel.topLevelItem(0)->child(0)->text(0);
  EXPECT_EQ(before, QStringLiteral("表.html"));
  x.Run("mToEUC");
  ASSERT_EQ(x.Doc().Text(), "<A HREF=\"\xc9\xbd.html\">a</A>\r\n");
  ASSERT_GT(panel.topLevelItemCount(), 0);
  EXPECT_NE(panel.topLevelItem(0)->child(0)->text(0), before);

  QMenu* popup = x.w.Popup("pmLinkList");
  ASSERT_NE(popup, nullptr);
  EXPECT_EQ(popup->actions().last()->text(), QStringLiteral("閉じる"));
  // As the author does: open the popup on the tree, Up to the last item, Enter.
  popup->popup(panel.mapToGlobal(QPoint(10, 10)));
  ASSERT_TRUE(QTest::qWaitForWindowExposed(popup));
  QTest::keyClick(popup, Qt::Key_Up);
  QTest::keyClick(popup, Qt::Key_Return);
  QApplication::processEvents();
  EXPECT_FALSE(panel.IsShown());
  EXPECT_FALSE(x.w.Action("ShowLinkList")->isChecked());
}

}  // namespace
}  // namespace mw::gui
