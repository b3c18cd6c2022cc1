// The check window over a real main window and editor: the lines it lists,
// where a chosen line selects, its modes and its list editing.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QListWidget>
#include <QToolButton>
#include <filesystem>

#include "gui/check/tag_error_form.h"
#include "gui/project/site_fixture.h"

namespace mw::gui {
namespace {

using test_site::Q;
using test_site::SiteWindow;

QStringList Lines(const TTagErrorForm& f) {
  QStringList lines;
  for (int i = 0; i < f.ResultList()->count(); ++i) lines << f.ResultList()->item(i)->text();
  return lines;
}

class TagErrorFormTest : public ::testing::Test {
 protected:
  void SetUp() override { mw::test::TestApp(); }
  mw::test::TempDir m_dir;
};

TEST_F(TagErrorFormTest, ListsTheMessagesOfTheActivePageAndAJumpSelectsTheRange) {
  SiteWindow x;
  // 表 (95 5C) before the tags: offsets count its two bytes.
  const std::string page = "<HTML>\x95\x5c\r\n<B>bold</I>\r\n<P>para\r\n</HTML>\r\n";
  ASSERT_TRUE(x.w.OpenDocument(Q(m_dir.Write("page.html", page))));
  x.Run("CheckTag");
  TTagErrorForm* form = x.checks->TagCheck();
  ASSERT_NE(form, nullptr);
  EXPECT_TRUE(form->isVisible());
  EXPECT_TRUE(form->windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_FALSE(form->CheckOmissible());  // the showing scans with omissible tags ignored
  EXPECT_EQ(Lines(*form), QStringList({QStringLiteral("<B>が閉じられていないか、</I>が不適切です。"),
                                       QStringLiteral("チェック完了！タグの不整合を検出しました。")}));
  EXPECT_TRUE(form->windowTitle().endsWith(QStringLiteral(" のタグチェック： 省略可能後方タグを無視した結果")));
  EXPECT_TRUE(form->windowTitle().startsWith(QStringLiteral("Markupwright - page.html")));

  form->ResultList()->setCurrentRow(0);
  form->JumpToCheckMessage();
  EXPECT_EQ(x.Selected(), "</I>");
  EXPECT_EQ(x.Doc().GetSelStart(), static_cast<Offset>(page.find("</I>")));

  // The summary line selects nothing.
  x.Doc().SetSelStart(0);
  form->ResultList()->setCurrentRow(1);
  form->JumpToCheckMessage();
  EXPECT_EQ(x.Doc().GetSelStart(), 0);
  EXPECT_EQ(x.Doc().GetSelLength(), 0);

  // The other mode also demands the P be closed; its button greys.
  form->findChild<QToolButton*>(QStringLiteral("CheckOmissibleTagBtn"))->click();
  EXPECT_TRUE(form->CheckOmissible());
  EXPECT_FALSE(form->findChild<QToolButton*>(QStringLiteral("CheckOmissibleTagBtn"))->isEnabled());
  EXPECT_TRUE(form->findChild<QToolButton*>(QStringLiteral("NeglectOmissibleTagBtn"))->isEnabled());
  EXPECT_EQ(Lines(*form).at(1), QStringLiteral("<P>が閉じられていないか、</HTML>が不適切です。"));
}

TEST_F(TagErrorFormTest, ShowsAtMost256LinesAndTheLastOneSelectsNothing) {
  SiteWindow x;
  std::string page;
  for (int i = 0; i < 300; ++i) page += "</B>";
  ASSERT_TRUE(x.w.OpenDocument(Q(m_dir.Write("many.html", page))));
  TTagErrorForm& form = x.checks->ShowTagCheck();
  ASSERT_EQ(form.ResultList()->count(), 256);
  EXPECT_EQ(form.ResultList()->item(255)->text(), QStringLiteral("前方タグ<B>がみつかりません。"));
  form.ResultList()->setCurrentRow(255);
  form.JumpToCheckMessage();
  EXPECT_EQ(x.Doc().GetSelLength(), 0);
  form.ResultList()->setCurrentRow(254);
  form.JumpToCheckMessage();
  EXPECT_EQ(x.Doc().GetSelStart(), 254 * 4);
  EXPECT_EQ(x.Selected(), "</B>");
  // A scan again (the window activated) keeps the chosen line.
  form.RunTagCheck(false);
  EXPECT_EQ(form.ResultList()->currentRow(), 254);
}

// The window opens within the screen, and a jump to a line at the bottom
// of a tall editor keeps it there instead of below the screen's edge.
TEST_F(TagErrorFormTest, StaysWithinTheScreenAtAJumpNearItsBottom) {
  SiteWindow x;
  const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
  x.w.setGeometry(area);
  x.w.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&x.w));
  std::string page;
  for (int i = 0; i < 400; ++i) page += "x\r\n";
  page += "</B>";
  ASSERT_TRUE(x.w.OpenDocument(Q(m_dir.Write("long.html", page))));
  TTagErrorForm& form = x.checks->ShowTagCheck();
  EXPECT_TRUE(area.contains(form.geometry()));
  form.ResultList()->setCurrentRow(0);
  form.JumpToCheckMessage();
  ASSERT_EQ(x.Selected(), "</B>");
  EXPECT_TRUE(area.contains(form.geometry())) << form.geometry().y() << " " << area.bottom();
}

TEST_F(TagErrorFormTest, NextFileChecksTheNextTabInTheSameMode) {
  SiteWindow x;
  ASSERT_TRUE(x.w.OpenDocument(Q(m_dir.Write("a.html", "<B>x</B>"))));
  ASSERT_TRUE(x.w.OpenDocument(Q(m_dir.Write("b.html", "</B>"))));
  x.w.Documents()->setCurrentIndex(0);
  x.w.pcMainChange();
  TTagErrorForm& form = x.checks->ShowTagCheck();
  EXPECT_EQ(Lines(form), QStringList({QStringLiteral("チェック完了！タグの不整合はありません。")}));
  form.findChild<QToolButton*>(QStringLiteral("CheckNextFileBtn"))->click();
  EXPECT_TRUE(x.w.CurrentFileName().endsWith(QStringLiteral("b.html")));
  EXPECT_EQ(Lines(form).front(), QStringLiteral("前方タグ<B>がみつかりません。"));
}

TEST_F(TagErrorFormTest, SaveWritesTheListAndDeleteLeavesTheFileAlone) {
  SiteWindow x(m_dir.dir().string());
  ASSERT_TRUE(x.w.OpenDocument(Q(m_dir.Write("p.html", "<BLINK>x</BLINK>"))));
  TTagErrorForm& form = x.checks->ShowTagCheck();
  EXPECT_EQ(Lines(form).front(), QStringLiteral("BLINKが不正です"));
  form.ToggleOptions();
  EXPECT_FALSE(form.OptionPanel()->isHidden());
  QComboBox* twin = form.ListBox(TagListKind::Twin);
  EXPECT_EQ(twin->currentText(), QStringLiteral("A"));  // each box shows its first entry

  twin->setEditText(QStringLiteral("blink"));
  form.SaveList(TagListKind::Twin);
  const std::string file = (m_dir.dir() / "TwinTag.txt").string();
  ASSERT_TRUE(std::filesystem::exists(file));
  EXPECT_NE(ReadFileBytes(file).find("blink\r\n"), std::string::npos);
  form.RunTagCheck(false);
  EXPECT_EQ(Lines(form), QStringList({QStringLiteral("チェック完了！タグの不整合はありません。")}));

  // Removal works for scans at once but reaches the file only with a save.
  twin->setEditText(QStringLiteral("BLINK"));
  form.DeleteFromList(TagListKind::Twin);
  form.RunTagCheck(false);
  EXPECT_EQ(Lines(form).front(), QStringLiteral("BLINKが不正です"));
  EXPECT_NE(ReadFileBytes(file).find("blink\r\n"), std::string::npos);

  // A closed window is gone; the next one reads the file again.
  form.close();
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(x.checks->TagCheck(), nullptr);
  TTagErrorForm& again = x.checks->ShowTagCheck();
  EXPECT_TRUE(again.Lists().twin.Contains("BLINK"));
}

}  // namespace
}  // namespace mw::gui
