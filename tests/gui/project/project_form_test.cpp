// The project window over real files: opening and saving a project, the
// file list, the link update and the simple grep.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <climits>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QProgressBar>
#include <QTabWidget>
#include <QTreeWidget>

#include "core/app/ini_file.h"
#include "core/app/tools/kanji_converter.h"
#include "core/project/relative_path.h"
#include "gui/app/document_set.h"
#include "gui/display/scintilla_editor.h"
#include "gui/editing/find_dialogs.h"
#include "gui/project/link_list_panel.h"
#include "gui/project/project_form.h"
#include "gui/project/site_fixture.h"

namespace mw::gui {
namespace {

using test_site::Q;
using test_site::SiteWindow;

class ProjectFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    mw::test::TestApp();
    m_dir.Write("index.htm", "<HTML>\r\n<A NAME=\"top\">top</A>\r\n</HTML>\r\n");
    std::filesystem::create_directory(m_dir.dir() / "sub");
    m_dir.Write("sub/a.htm",
                "<A HREF=\"../index.htm#top\">1</A>\r\n<A HREF=\"../Index.htm\">2</A>\r\n"
                "<A HREF=\"../index.htm#bottom\">3</A> <A HREF=\"#x\">4</A>\r\n");
    m_wpr = m_dir.Write("site.wpr", "index.htm\r\nsub/a.htm\r\n");
  }
  std::string P(const std::string& name) const { return m_dir.Path(name); }
  // A path as a Shift-JIS project file or page spells it.
  std::string Sjis(const std::string& name) const { return FileSystemToDocumentPath(P(name)); }
  // A click on a result row, as the user makes it.
  // The search page shown and laid out, for clicks on its rows.
  static void ShowGrepPage(TPrjForm& form) {
    form.show();
    form.Pages()->setCurrentIndex(1);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  }
  static QPoint RowCentre(QTreeWidget* list, int row) {
    QTreeWidgetItem* item = list->topLevelItem(row);
    list->scrollToItem(item);
    return list->visualItemRect(item).center();
  }
  mw::test::TempDir m_dir;
  std::string m_wpr;
};

TEST_F(ProjectFormTest, OpenedProjectUpdatesItsLinkTreesWithAMovingProgressBar) {
  SiteWindow x;
  x.Run("ShowProjectForm");
  TPrjForm* form = x.checks->ProjectIfOpen();
  ASSERT_NE(form, nullptr);
  EXPECT_TRUE(form->isVisible());
  ASSERT_TRUE(form->OpenProjectFile(Q(m_wpr), true));
  EXPECT_EQ(form->windowTitle(), QStringLiteral("プロジェクトマネージャ - site.wpr"));
  ASSERT_EQ(form->FileList()->count(), 2);
  EXPECT_EQ(form->FileList()->item(1)->text(), Q(P("sub/a.htm")));

  std::vector<int> seen;
  form->SetProgressObserver([&seen](int p) { seen.push_back(p); });
  form->findChild<QPushButton*>(QStringLiteral("CheckLocalLinkBtn"))->click();
  EXPECT_EQ(seen, (std::vector<int>{50, 100, 50, 100}));  // two passes over two files
  EXPECT_EQ(form->Progress()->value(), 0);
  EXPECT_EQ(form->StatusText(1), QStringLiteral("ローカルリンクチェックが完了しました。"));
  EXPECT_EQ(form->LinkPages()->currentIndex(), 1);  // the HREF page

  QTreeWidget* href = form->Tree(1);
  ASSERT_EQ(href->topLevelItemCount(), 2);
  QTreeWidgetItem* a = href->topLevelItem(1);
  EXPECT_EQ(a->text(0), Q(P("sub/a.htm")));
  ASSERT_EQ(a->childCount(), 4);
  const auto& links = form->Trees().href.at(1).children;
  const LinkStatus expected[] = {LinkStatus::Ok, LinkStatus::Broken, LinkStatus::Broken, LinkStatus::Broken};
  for (std::size_t i = 0; i < 4; ++i) EXPECT_EQ(links.at(i).status, expected[i]) << i;

  // A double click on a link opens its file and selects the value.
  form->LinkPages()->setCurrentIndex(1);
  href->setCurrentItem(a->child(1));
  form->JumpToTextClick();
  EXPECT_EQ(x.w.CurrentFileName(), Q(P("sub/a.htm")));
  EXPECT_EQ(x.Selected(), "../Index.htm");

  // The markers follow the active page as relative links, ready to insert.
  QTreeWidget* rel = form->RelMarkerTree();
  ASSERT_EQ(rel->topLevelItemCount(), 2);
  EXPECT_EQ(rel->topLevelItem(0)->text(0), QStringLiteral("../index.htm"));
  rel->setCurrentItem(rel->topLevelItem(0)->child(0));
  x.Doc().SetSelStart(0);
  x.Doc().SetSelLength(0);
  form->SendLinkToEditorClick();
  EXPECT_EQ(x.Doc().GetText().substr(0, 16), "../index.htm#top");
}

TEST_F(ProjectFormTest, StopEndsTheUpdateBetweenFiles) {
  SiteWindow x;
  TPrjForm& form = x.checks->Project();
  ASSERT_TRUE(form.OpenProjectFile(Q(m_wpr), true));
  form.SetProgressObserver([&form](int) { form.StopClick(); });
  form.UpdateLocalLinkTreeViewClick();
  EXPECT_TRUE(form.Trees().href.empty());
  EXPECT_EQ(form.Progress()->value(), 0);
}

TEST_F(ProjectFormTest, GrepListsMatchingLinesAndJumpsToThem) {
  SiteWindow x;
  TPrjForm& form = x.checks->Project();
  ASSERT_TRUE(form.OpenProjectFile(Q(m_wpr), true));
  form.FindBox()->setEditText(QStringLiteral("TOP"));
  form.SetFindRange(1);
  form.FindBtnClick();
  ASSERT_EQ(form.GrepRows().size(), 2u);
  EXPECT_EQ(form.GrepRows()[0], (GrepRow{P("index.htm"), 2, 17, "<A NAME=\"top\">top</A>"}));
  EXPECT_EQ(form.GrepRows()[1].path, P("sub/a.htm"));
  EXPECT_EQ(form.GrepRows()[1].line, 1);
  QTreeWidget* list = form.GrepList();
  ASSERT_EQ(list->topLevelItemCount(), 2);
  EXPECT_EQ(list->topLevelItem(0)->text(2), QStringLiteral("17"));
  EXPECT_EQ(form.StatusText(1), QStringLiteral("合計2行でTOPがみつかりました。"));

  form.MatchCaseBox()->setChecked(true);
  form.FindBtnClick();
  EXPECT_TRUE(form.GrepRows().empty());
  form.MatchCaseBox()->setChecked(false);
  form.FindBtnClick();

  list->setCurrentItem(list->topLevelItem(0));
  form.JumpToMatch();
  EXPECT_EQ(x.w.CurrentFileName(), Q(P("index.htm")));
  EXPECT_EQ(x.Doc().GetSelStart(), 17);
  EXPECT_EQ(x.Selected(), "top");

  // Range 0 needs a page on disk.
  SiteWindow y;
  TPrjForm& other = y.checks->Project();
  other.FindBox()->setEditText(QStringLiteral("top"));
  other.FindBtnClick();
  ASSERT_FALSE(y.prompts.Texts().empty());
  EXPECT_EQ(FromDocumentText(y.prompts.Texts().back()), QStringLiteral("現在のファイルが保存されていません"));

  // Range 2: the folder of the active page, subfolders when asked.
  form.SetFindRange(2);
  form.DirBox()->setText(Q(m_dir.dir().string()));
  form.FindBtnClick();
  EXPECT_EQ(form.GrepRows().size(), 1u);
  form.SubFolderBox()->setChecked(true);
  form.FindBtnClick();
  EXPECT_EQ(form.GrepRows().size(), 2u);
}

TEST_F(ProjectFormTest, ReplaceAllLeavesTheTouchedFilesOpenAndModified) {
  SiteWindow x;
  TPrjForm& form = x.checks->Project();
  ASSERT_TRUE(form.OpenProjectFile(Q(m_wpr), true));
  form.FindBox()->setEditText(QStringLiteral("index"));
  form.ReplaceBox()->setEditText(QStringLiteral("home"));
  form.SetFindRange(1);
  x.prompts.QueueReply(Reply::Yes);
  form.ReplaceAllBtnClick();
  EXPECT_EQ(FromDocumentText(x.prompts.Texts().back()),
            QStringLiteral("現在の全プロジェクトファイル内で、\"index\"をすべて\"home\"に置き換えますか？"));
  ASSERT_EQ(x.w.CurrentFileName(), Q(P("sub/a.htm")));
  EXPECT_TRUE(x.Doc().IsModified());
  EXPECT_NE(x.Doc().GetText().find("../home.htm#top"), std::string::npos);
  EXPECT_NE(x.Doc().GetText().find("../home.htm\""), std::string::npos);  // letter case ignored
  EXPECT_EQ(ReadFileBytes(P("sub/a.htm")).find("home"), std::string::npos);  // nothing saved
}

// A page reached by two names (a link beside it, an entry listed twice)
// is opened and replaced in once, under the first name.
TEST_F(ProjectFormTest, ReplaceAllWorksOnEachFileOnce) {
  std::filesystem::create_directory(m_dir.dir() / "walk");
  const std::string a = m_dir.Write("walk/a.htm", "foo\r\n");
  std::filesystem::create_symlink("a.htm", P("walk/index.htm"));
  SiteWindow x;
  TPrjForm& form = x.checks->Project();
  form.FindBox()->setEditText(QStringLiteral("foo"));
  form.ReplaceBox()->setEditText(QStringLiteral("foo-bar"));
  form.SetFindRange(2);
  form.DirBox()->setText(Q(P("walk")));
  x.prompts.QueueReply(Reply::Yes);
  form.ReplaceAllBtnClick();
  ASSERT_EQ(x.w.DocumentSet().FileNames(), QStringList{Q(a)});
  EXPECT_EQ(x.Doc().GetText(), "foo-bar\r\n");

  const std::string wpr = m_dir.Write("twice.wpr", "walk/index.htm\r\nwalk/a.htm\r\n");
  SiteWindow y;
  TPrjForm& project = y.checks->Project();
  ASSERT_TRUE(project.OpenProjectFile(Q(wpr), true));
  project.FindBox()->setEditText(QStringLiteral("foo"));
  project.ReplaceBox()->setEditText(QStringLiteral("foo-bar"));
  project.SetFindRange(1);
  y.prompts.QueueReply(Reply::Yes);
  project.ReplaceAllBtnClick();
  ASSERT_EQ(y.w.DocumentSet().FileNames(), QStringList{Q(P("walk/index.htm"))});
  EXPECT_EQ(y.Doc().GetText(), "foo-bar\r\n");
  project.FindBtnClick();
  EXPECT_EQ(project.GrepRows().size(), 1u);
}

// The typed texts go into the question as typed, "%1" and "%2" included.
TEST_F(ProjectFormTest, ReplaceAllQuestionShowsPercentSignsAsTyped) {
  SiteWindow x;
  TPrjForm& form = x.checks->Project();
  ASSERT_TRUE(form.OpenProjectFile(Q(m_wpr), true));
  form.FindBox()->setEditText(QStringLiteral("%2"));
  form.ReplaceBox()->setEditText(QStringLiteral("%1"));
  form.SetFindRange(1);
  x.prompts.QueueReply(Reply::No);
  form.ReplaceAllBtnClick();
  EXPECT_EQ(FromDocumentText(x.prompts.Texts().back()),
            QStringLiteral("現在の全プロジェクトファイル内で、\"%2\"をすべて\"%1\"に置き換えますか？"));
}

TEST_F(ProjectFormTest, FileListEditsMarkTheProjectAndSavingAsksForANameFirst) {
  SiteWindow x;
  TPrjForm& form = x.checks->Project();
  EXPECT_TRUE(form.CurrentProject().IsNew());
  EXPECT_TRUE(form.AddProjectFile(Q(P("index.htm"))));
  EXPECT_FALSE(form.AddProjectFile(Q(P("index.htm"))));   // already listed
  EXPECT_FALSE(form.AddProjectFile(Q(P("missing.htm"))));  // not on disk
  form.AddProjectFolder(Q(m_dir.dir().string() + "/sub/"));
  EXPECT_EQ(form.FileList()->count(), 2);
  EXPECT_EQ(form.StatusText(0), QStringLiteral("変更あり"));
  form.MoveEntry(1, 0);
  EXPECT_EQ(form.FileList()->item(0)->text(), Q(P("sub/a.htm")));
  EXPECT_EQ(form.FileList()->currentRow(), 0);

  // Opening another project asks first; Cancel keeps this one.
  x.prompts.QueueReply(Reply::Cancel);
  EXPECT_TRUE(form.OpenProjectFile(Q(m_wpr), true));
  EXPECT_TRUE(form.CurrentProject().IsNew());
  EXPECT_EQ(form.FileList()->count(), 2);

  // Yes saves, and a new project needs a name; cancelling that cancels.
  std::vector<FileChoice> choices;
  QString answer;
  form.SetFileChooser([&](const FileChoice& c) {
    choices.push_back(c);
    return answer;
  });
  x.prompts.QueueReply(Reply::Yes);
  EXPECT_EQ(form.AskSaveProject(), Reply::Cancel);
  ASSERT_EQ(choices.size(), 1u);
  EXPECT_TRUE(choices[0].save);
  EXPECT_EQ(choices[0].title, QStringLiteral("プロジェクトに名前を付けて保存"));

  answer = Q(P("new.wpr"));
  x.prompts.QueueReply(Reply::Yes);
  EXPECT_EQ(form.AskSaveProject(), Reply::Yes);
  EXPECT_EQ(ReadFileBytes(P("new.wpr")), P("sub/a.htm") + "\r\n" + P("index.htm") + "\r\n");
  EXPECT_EQ(form.StatusText(0), QString());

  // Removing asks, and the file on disk stays.
  form.FileList()->setCurrentRow(0);
  x.prompts.QueueReply(Reply::Yes);
  form.FileDeleteFromProjectClick();
  EXPECT_EQ(form.FileList()->count(), 1);
  EXPECT_TRUE(std::filesystem::exists(P("sub/a.htm")));
  EXPECT_EQ(form.StatusText(0), QStringLiteral("変更あり"));
  form.FileList()->setCurrentRow(-1);
  form.FileList()->clearSelection();
  form.FileDeleteFromProjectClick();
  EXPECT_EQ(FromDocumentText(x.prompts.Texts().back()), QStringLiteral("ﾌｧｲﾙを選択して下さい"));

  // Closing with unsaved changes: Cancel keeps the window open.
  form.show();
  x.prompts.QueueReply(Reply::Cancel);
  EXPECT_FALSE(form.close());
  EXPECT_TRUE(form.isVisible());
}

TEST_F(ProjectFormTest, ReplacingTheOpenFilesOpensEveryProjectFileThatExists) {
  SiteWindow x;
  ASSERT_TRUE(x.w.OpenDocument(Q(m_dir.Write("other.html", "x"))));
  x.Run("ShowLinkList");
  TPrjForm& form = x.checks->Project();
  const std::string wpr = m_dir.Write("gone.wpr", "index.htm\r\ngone.htm\r\nsub/a.htm\r\n");
  x.prompts.QueueReply(Reply::Yes);  // replace the open files
  ASSERT_TRUE(form.OpenProjectFile(Q(wpr), false));
  ASSERT_EQ(x.w.Documents()->count(), 2);
  EXPECT_EQ(x.w.DocumentSet().FileNameAt(0), Q(P("index.htm")));
  EXPECT_EQ(x.w.DocumentSet().FileNameAt(1), Q(P("sub/a.htm")));
  EXPECT_EQ(x.w.CurrentFileName(), Q(P("sub/a.htm")));
  EXPECT_TRUE(x.checks->LinkList().IsShown());
  EXPECT_EQ(x.checks->LinkList().topLevelItem(0)->childCount(), 4);  // a.htm's links
}

TEST_F(ProjectFormTest, KanjiCodesOfAllFilesAndOfThePagesTheUpdateReads) {
  if (!KanjiConverterAvailable()) GTEST_SKIP() << "no kanji converter";
  SiteWindow x;
  TPrjForm& form = x.checks->Project();
  // マーク in Shift-JIS: 83 7D 81 5B 83 4E.
  const std::string sjis = "<A NAME=\"\x83\x7d\x81\x5b\x83\x4e\">m</A>\r\n";
  const std::string page = m_dir.Write("kana.htm", sjis);
  ASSERT_TRUE(form.AddProjectFile(Q(page)));
  form.ConvertAllFiles("e");
  const std::string euc = ReadFileBytes(page);
  EXPECT_NE(euc, sjis);

  // Read as the editor opens it: the marker is the page's Shift-JIS name.
  x.w.Action("OpenToShiftJIS")->trigger();
  form.UpdateLocalLinkTreeViewClick();
  ASSERT_EQ(form.Trees().marker.size(), 1u);
  ASSERT_EQ(form.Trees().marker[0].children.size(), 1u);
  EXPECT_EQ(form.Trees().marker[0].children[0].text, "\x83\x7d\x81\x5b\x83\x4e");

  form.ConvertAllFiles("s");
  EXPECT_EQ(ReadFileBytes(page), sjis);
}

// 表 = 95 5C and ソ = 83 5C in a Shift-JIS project file, as another system
// writes it; the files are named in UTF-8 on disk.
TEST_F(ProjectFormTest, ShiftJisProjectListsItsJapaneseFilesAndKeepsMissingOnes) {
  m_dir.Write("表.htm", "<A NAME=\"m\">\r\n");
  const std::string wpr = m_dir.Write("jp.wpr", "\x95\x5c.htm\r\n\x83\x5c.htm\r\nindex.htm\r\n");
  SiteWindow x;
  TPrjForm& form = x.checks->Project();
  ASSERT_TRUE(form.OpenProjectFile(Q(wpr), true));
  ASSERT_EQ(form.FileList()->count(), 3);
  EXPECT_EQ(form.FileList()->item(0)->text(), Q(P("表.htm")));
  EXPECT_EQ(form.FileList()->item(0)->toolTip(), Q(P("表.htm")));
  // The file that is not there is listed, and marked.
  EXPECT_EQ(form.FileList()->item(1)->text(), Q(P("ソ.htm")));
  EXPECT_EQ(form.FileList()->item(1)->toolTip(), Q(P("ソ.htm")) + QStringLiteral(" （ファイルがありません）"));
  form.UpdateLocalLinkTreeViewClick();
  ASSERT_EQ(form.Trees().marker.size(), 2u);
  EXPECT_EQ(form.Trees().marker[0].text, P("表.htm"));

  // Saved back in Shift-JIS, every entry kept.
  form.FileSaveProjectClick();
  EXPECT_EQ(ReadFileBytes(wpr), Sjis("表.htm") + "\r\n" + Sjis("ソ.htm") + "\r\n" + Sjis("index.htm") + "\r\n");
  // Reordered by a drag, the entries go with their rows.
  form.MoveEntry(0, 2);
  EXPECT_EQ(form.CurrentProject().entries, (std::vector<std::string>{P("ソ.htm"), P("index.htm"), P("表.htm")}));
}

// A window never opens out of reach: the design bounds, bounds stored on a
// monitor that has gone, and absurd ones all end inside the screen.
TEST_F(ProjectFormTest, OpensWithinTheScreen) {
  const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
  const char* stored[] = {
      "",
      "[PrjFORM]\r\niProjectFormTop=-4000\r\niProjectFormLeft=9000\r\niProjectFormHeight=500\r\n"
      "iProjectFormWidth=600\r\n",
      "[PrjFORM]\r\niProjectFormTop=2147483647\r\niProjectFormLeft=2147483647\r\n"
      "iProjectFormHeight=2147483647\r\niProjectFormWidth=2147483647\r\n",
  };
  for (const char* ini : stored) {
    mw::test::TempDir data;
    data.Write("Markupwright.ini", ini);
    SiteWindow x(data.dir().string());
    TPrjForm& form = x.checks->Project();
    EXPECT_TRUE(area.contains(form.geometry())) << ini;
    EXPECT_GT(form.width(), 100) << ini;
  }
}

// "置換(&R)" at a result row: the editor's replace dialog opens with both
// texts of the search page and its first find already done.
TEST_F(ProjectFormTest, ReplaceAtAMatchOpensTheReplaceDialogLoadedAndFound) {
  SiteWindow x;
  x.w.show();
  TPrjForm& form = x.checks->Project();
  ShowGrepPage(form);
  ASSERT_TRUE(form.OpenProjectFile(Q(m_wpr), true));
  form.FindBox()->setEditText(QStringLiteral("TOP"));
  form.ReplaceBox()->setEditText(QStringLiteral("home"));
  form.SetFindRange(1);
  form.FindBtnClick();
  ASSERT_EQ(form.GrepRows().size(), 2u);
  QTest::mouseClick(form.GrepList()->viewport(), Qt::LeftButton, {}, RowCentre(form.GrepList(), 0));
  auto* replace = form.findChild<QPushButton*>(QStringLiteral("ReplaceBtn"));
  ASSERT_TRUE(replace->isEnabled());
  replace->click();

  EXPECT_EQ(x.w.CurrentFileName(), Q(P("index.htm")));
  auto* dialogs = x.w.findChild<FindReplaceDialogs*>();
  ASSERT_NE(dialogs, nullptr);
  FindReplaceDialog* dialog = dialogs->ReplaceDialog();
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_EQ(dialog->FindEdit()->text(), QStringLiteral("TOP"));
  EXPECT_EQ(dialog->ReplaceEdit()->text(), QStringLiteral("home"));
  EXPECT_FALSE(dialog->MatchCaseBox()->isChecked());
  // The find step from the start of the row's line: its first match.
  EXPECT_EQ(x.Doc().GetSelStart(), 17);
  EXPECT_EQ(x.Selected(), "top");
  // The dialog's own button then replaces it and finds the next one.
  dialog->ReplaceButton()->click();
  EXPECT_EQ(x.Doc().GetText(), "<HTML>\r\n<A NAME=\"home\">top</A>\r\n</HTML>\r\n");
  EXPECT_EQ(x.Selected(), "top");
}

// After a jump to a result row, F3 finds the next occurrence of the grep's
// text (ア = 83 41: its second byte is an "A" that must not match).
TEST_F(ProjectFormTest, F3AfterAJumpFindsTheNextOccurrenceOfTheGrepText) {
  SiteWindow x;
  x.w.show();
  ASSERT_TRUE(x.w.OpenDocument(Q(m_dir.Write("kana.htm", "<P>\x83\x41" "a\x83\x41" "A</P>\r\n"))));
  TPrjForm& form = x.checks->Project();
  ShowGrepPage(form);
  form.FindBox()->setEditText(QStringLiteral("a"));
  form.SetFindRange(0);
  form.FindBtnClick();
  ASSERT_EQ(form.GrepRows().size(), 1u);
  EXPECT_EQ(form.GrepRows()[0].byte, 5u);
  // A double click: its first press chooses the row.
  const QPoint row = RowCentre(form.GrepList(), 0);
  QTest::mouseClick(form.GrepList()->viewport(), Qt::LeftButton, {}, row);
  QTest::mouseDClick(form.GrepList()->viewport(), Qt::LeftButton, {}, row);
  EXPECT_EQ(x.Doc().GetSelStart(), 5);
  EXPECT_EQ(x.Selected(), "a");

  // The jump brings the editor's window to the front (the platform
  // activates it in its own time), so the next key is the editor's.
  QApplication::processEvents();
  ASSERT_EQ(QApplication::activeWindow(), &x.w);
  EXPECT_TRUE(x.w.ActiveEditor()->hasFocus());
  QTest::keyClick(x.w.ActiveEditor(), Qt::Key_F3);
  EXPECT_EQ(x.Doc().GetSelStart(), 8);
  EXPECT_EQ(x.Selected(), "A");
}

// Every file that can be converted is; each one that cannot is named with
// its reason, and left as it was.
TEST_F(ProjectFormTest, ConvertingAllFilesGoesOnPastAFailureAndNamesEach) {
  if (!KanjiConverterAvailable()) GTEST_SKIP() << "no kanji converter";
  SiteWindow x;
  TPrjForm& form = x.checks->Project();
  // テスト and a user-defined character (F0 40), which EUC-JP cannot hold.
  const std::string badText = "<P>\x83\x65\x83\x58\x83\x67\r\n\xF0\x40</P>\r\n";
  const std::string bad = m_dir.Write("bad.htm", badText);
  const std::string good = m_dir.Write("good.htm", "<P>\x83\x65\x83\x58\x83\x67</P>\r\n");
  ASSERT_TRUE(form.AddProjectFile(Q(bad)));
  ASSERT_TRUE(form.AddProjectFile(Q(good)));
  form.ConvertAllFiles("e");
  EXPECT_EQ(ReadFileBytes(bad), badText);
  EXPECT_EQ(ReadFileBytes(good), "<P>\xA5\xC6\xA5\xB9\xA5\xC8</P>\r\n");
  ASSERT_EQ(x.prompts.Texts().size(), 1u);
  EXPECT_EQ(FromDocumentText(x.prompts.Texts().back()),
            QStringLiteral("次のファイルはコード変換できませんでした（ファイルは元のままです）。\r\n") + Q(bad) +
                QStringLiteral(": 2行目の文字 U+E000 はEUC-JPで書けません"));
}

TEST_F(ProjectFormTest, TheLastProjectAndItsHistoryOutliveTheWindow) {
  mw::test::TempDir data;
  SiteWindow x(data.dir().string());
  TPrjForm* form = &x.checks->Project();
  form->show();
  ASSERT_TRUE(form->OpenProjectFile(Q(m_wpr), true));
  EXPECT_EQ(form->History(), QStringList({Q(m_wpr)}));
  form->FindBox()->setEditText(QStringLiteral("top"));
  form->SetFindRange(1);
  form->FindBtnClick();
  ASSERT_TRUE(form->close());
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(x.checks->ProjectIfOpen(), nullptr);
  EXPECT_EQ(ReadFileBytes(data.Path("PrjFileHistry.txt")), m_wpr + "\r\n");
  EXPECT_EQ(ReadFileBytes(data.Path("Find.txt")), "top\r\n");
  EXPECT_NE(ReadFileBytes(data.Path("Markupwright.ini")).find("asCurPrjFileName=" + m_wpr), std::string::npos);

  // Starting where the program left off opens that project again.
  x.w.Settings().SetInt("iInitialState", 2);
  form = &x.checks->Project();
  EXPECT_EQ(form->CurrentProject().path, m_wpr);
  EXPECT_EQ(form->FileList()->count(), 2);
  EXPECT_EQ(form->FindBox()->count(), 1);
  EXPECT_TRUE(x.prompts.Texts().empty());  // quietly
}

}  // namespace
}  // namespace mw::gui
