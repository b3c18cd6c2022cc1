// The document set driven through the real window: opening, saving,
// closing, the history and the tab order.
#include "gui/app/documents_fixture.h"

namespace mw::gui {
namespace {

using namespace test_documents;

TEST_F(DocumentsTest, OpeningReusesOnlyAnUnmodifiedUntitledTab) {
  Window x;
  x.w.StartUp({});
  EXPECT_EQ(x.Captions(), QStringList{"新規.html"});
  EXPECT_EQ(x.w.CurrentFileName(), "新規.html");

  const std::string a = File("a.html", "<p>a</p>");
  ASSERT_TRUE(x.w.OpenDocument(Q(a)));
  EXPECT_EQ(x.Captions(), QStringList{"a.html"}) << "the untitled tab took the file";
  EXPECT_EQ(x.Text(), "<p>a</p>");
  EXPECT_EQ(x.w.StatusText(5), Q(a)) << "the tab change shows the path";
  EXPECT_EQ(x.w.windowTitle(), "Markupwright - a.html");

  x.Run("FileNew");
  x.Type("typed");
  x.w.IdleUpdate();
  EXPECT_EQ(x.Captions(), (QStringList{"a.html", "新規.html *"}));
  ASSERT_TRUE(x.w.OpenDocument(Q(File("b.html"))));
  EXPECT_EQ(x.Captions(), (QStringList{"a.html", "新規.html *", "b.html"})) << "a modified untitled tab stays";
  EXPECT_EQ(x.w.Documents()->currentIndex(), 2);

  EXPECT_FALSE(x.w.OpenDocument(Q(m_dir.Path("missing.html"))));
  EXPECT_TRUE(x.prompts.Log().empty()) << "no message while the window is not shown";
  EXPECT_EQ(x.w.DocumentSet().Count(), 3);
}

TEST_F(DocumentsTest, AnotherLetterCaseOfAnOpenFileActivatesItAndAsksToReopen) {
  Window x;
  const std::string path = File("page.html", "old");
  ASSERT_TRUE(x.w.OpenDocument(Q(path)));
  x.w.OpenDocument(Q(File("other.html")));
  // The same file under another letter case, as a case-blind volume shows it.
  const std::string upper = m_dir.Path("Page.html");
  fs::create_symlink(path, upper);
  x.Type("edit ");
  x.w.IdleUpdate();
  x.w.Documents()->setCurrentIndex(0);
  x.Type("more ");
  File("page.html", "new");

  x.prompts.QueueReply(Reply::No);
  x.w.OpenDocument(Q(upper), true);
  EXPECT_EQ(x.w.DocumentSet().Count(), 2);
  EXPECT_EQ(x.w.CurrentFileName(), Q(upper)) << "the tab takes the new letter case";
  EXPECT_EQ(x.w.DocumentSet().FileNameAt(0), Q(upper));
  ASSERT_EQ(x.prompts.Texts(), std::vector<std::string>{S(Q(upper) + "を開き直しますか？\n未保存の場合は、修正中の内容が破棄されます。")});
  EXPECT_EQ(x.Text(), "more old") << "No keeps the text";
  EXPECT_TRUE(x.Doc().IsModified());

  x.prompts.QueueReply(Reply::Yes);
  x.Run("ReOpen1");
  EXPECT_EQ(x.Text(), "new");
  EXPECT_FALSE(x.Doc().IsModified());

  // A different file that differs only in letter case is another document.
  const std::string twin = File("PAGE.HTML", "twin");
  ASSERT_TRUE(x.w.OpenDocument(Q(twin)));
  EXPECT_EQ(x.w.DocumentSet().Count(), 3);
}

TEST_F(DocumentsTest, EveryOtherNameOfAnOpenFileActivatesItsDocument) {
  Window x;
  const std::string path = File("page.html", "text");
  ASSERT_TRUE(x.w.OpenDocument(Q(path)));
  fs::create_directory(m_dir.Path("sub"));
  fs::create_symlink(path, m_dir.Path("sub/link.html"));
  fs::create_hard_link(path, m_dir.Path("hard.html"));
  ASSERT_TRUE(x.w.OpenDocument(Q(File("other.html"))));
  for (const std::string& alias : {m_dir.Path("sub/link.html"), m_dir.Path("hard.html"),
                                   m_dir.Path("sub/../page.html"), m_dir.Path("sub//../page.html")}) {
    SCOPED_TRACE(alias);
    x.w.Documents()->setCurrentIndex(1);
    x.w.OpenDocument(Q(alias));
    EXPECT_EQ(x.w.DocumentSet().Count(), 2) << "one document per file";
    EXPECT_EQ(x.w.Documents()->currentIndex(), 0);
    EXPECT_EQ(x.w.DocumentSet().FileNameAt(0), Q(path)) << "the document keeps the name it was opened by";
  }
  EXPECT_TRUE(x.prompts.Texts().empty()) << "no reopen question unless asked for";
}

TEST_F(DocumentsTest, SavedDocumentEndsEveryLineWithCrLf) {
  struct Case {
    const char* name;
    std::string text;
    std::string saved;
  };
  for (const Case& c : {Case{"a CR LF b", "a\r\nb", "a\r\nb\r\n"}, Case{"empty", "", ""},
                        Case{"lone LF and CR", "\x83\x41\nb\rc\r\n", "\x83\x41\r\nb\r\nc\r\n"}}) {
    Window x;
    const std::string path = File("s.html", "old");
    ASSERT_TRUE(x.w.OpenDocument(Q(path)));
    x.Doc().SetText(c.text);
    x.Run("FileSave");
    EXPECT_EQ(ReadFileBytes(path), c.saved) << c.name;
    EXPECT_FALSE(x.Doc().IsModified()) << c.name;
    EXPECT_EQ(x.w.StatusText(1), "") << c.name;
  }
}

TEST_F(DocumentsTest, FailedSaveKeepsTheDocumentModifiedAndSaysWhy) {
  Window x;
  fs::create_directory(m_dir.dir() / "sub");
  const std::string path = File("sub/p.html", "disk");
  ASSERT_TRUE(x.w.OpenDocument(Q(path)));
  x.Type("changed ");
  fs::remove_all(m_dir.dir() / "sub");
  x.Run("FileSave");
  EXPECT_TRUE(x.Doc().IsModified());
  ASSERT_EQ(x.prompts.Log().size(), 1u);
  EXPECT_EQ(x.prompts.Log()[0].messageKind, MessageKind::Error);

  // Inside the exit question a failed save refuses the close, and the
  // documents after it are still asked about.
  x.w.OpenDocument(Q(File("next.html")));
  x.Type("also changed");
  x.prompts.ClearLog();
  x.prompts.QueueReply(Reply::Yes);
  x.prompts.QueueReply(Reply::Yes);
  EXPECT_FALSE(x.w.close());
  EXPECT_EQ(ReadFileBytes(m_dir.Path("next.html")), "also changedx\r\n");
  EXPECT_EQ(x.w.CurrentFileName(), Q(m_dir.Path("next.html")));
}

TEST_F(DocumentsTest, HistoryThatCannotBeWrittenIsReportedAndTheProgramEnds) {
  test::TempDir data;
  fs::create_directory(data.dir() / "HtmlFileHistory.txt");
  Window x(data.dir().string());
  x.w.OpenDocument(Q(File("a.html")));
  EXPECT_TRUE(x.w.close());
  ASSERT_FALSE(x.prompts.Log().empty());
  EXPECT_EQ(x.prompts.Log().back().text, S("履歴を保存できません"));
  EXPECT_EQ(x.prompts.Log().back().caption, S("エラー"));
  EXPECT_EQ(x.prompts.Log().back().messageKind, MessageKind::Error);
  EXPECT_TRUE(fs::exists(data.Path("OpenFileList.txt")));
}

TEST_F(DocumentsTest, SaveAsRefusesAnOpenPathAndRenamesTheDocument) {
  Window x;
  const std::string a = File("a.html", "A");
  const std::string b = File("b.html", "B");
  x.w.OpenDocument(Q(a));
  x.w.OpenDocument(Q(b));
  x.paths = {Q(b), Q(a)};
  x.Run("FileSaveAs");
  x.Run("FileSaveAs");
  EXPECT_EQ(x.prompts.Texts(), (std::vector<std::string>{S(Q(b) + " は既に開かれているので使用できません。"),
                                                        S(Q(a) + " は既に開かれているので使用できません。")}));
  EXPECT_EQ(ReadFileBytes(a), "A");
  ASSERT_EQ(x.choices.size(), 2u);
  EXPECT_EQ(x.choices[0].title, "名前をつけて保存");
  EXPECT_EQ(x.choices[0].filter, "htmlﾌｧｲﾙ (*.html);;すべてのﾌｧｲﾙ (*)");
  EXPECT_EQ(x.choices[0].proposed, Q(b));

  const std::string c = m_dir.Path("c.htm");
  x.paths = {Q(c)};
  x.Type("+");
  x.Run("FileSaveAs");
  EXPECT_EQ(ReadFileBytes(c), "+B\r\n");
  EXPECT_EQ(ReadFileBytes(b), "B");
  EXPECT_EQ(x.w.CurrentFileName(), Q(c));
  EXPECT_EQ(x.Captions(), (QStringList{"a.html", "c.htm"}));
  EXPECT_EQ(x.w.FileHistory().Entries(), QStringList{Q(a)}) << "the old name became the new one, now current";
}

TEST_F(DocumentsTest, SaveAllSavesEveryModifiedDocumentAndKeepsTheActiveOne) {
  Window x;
  const std::string a = File("a.html", "A"), b = File("b.html", "B");
  x.w.OpenDocument(Q(a));
  x.Type("1");
  x.Run("FileNew");
  x.Type("new");
  x.w.OpenDocument(Q(b));
  const std::string saved = m_dir.Path("new.html");
  x.paths = {Q(saved)};
  x.Run("FileSaveAll");
  EXPECT_EQ(ReadFileBytes(a), "1A\r\n");
  EXPECT_EQ(ReadFileBytes(saved), "new\r\n") << "the untitled one through the save dialog";
  EXPECT_EQ(ReadFileBytes(b), "B") << "not modified, not written";
  EXPECT_EQ(x.w.CurrentFileName(), Q(b));
  EXPECT_EQ(x.w.DocumentSet().FileNames(), (QStringList{Q(a), Q(saved), Q(b)}));
  for (int i = 0; i < 3; ++i) EXPECT_FALSE(x.w.DocumentSet().SurfaceAt(i)->IsModified()) << i;
}

TEST_F(DocumentsTest, OpenDialogUsesTheOpenFilter) {
  Window x;
  const std::string a = File("a.html");
  x.paths = {Q(a)};
  x.Run("FileOpen");
  ASSERT_EQ(x.choices.size(), 1u);
  EXPECT_EQ(x.choices[0].title, "ファイルを開く");
  EXPECT_EQ(x.choices[0].filter, "htmlﾌｧｲﾙ (*.htm* *.shtm*);;ｽﾀｲﾙﾌｧｲﾙ (*.css);;すべてのﾌｧｲﾙ (*)");
  EXPECT_EQ(x.w.CurrentFileName(), Q(a));
}

TEST_F(DocumentsTest, ExitQuestionCancelledOrSaveAsCancelledKeepsTheProgramRunning) {
  for (const Reply reply : {Reply::Cancel, Reply::Yes}) {
    Window x;
    x.w.show();
    x.w.StartUp({});
    x.w.OpenDocument(Q(File("a.html")));
    x.Run("FileNew");
    x.Type("unsaved");
    x.w.OpenDocument(Q(File("b.html")));
    x.prompts.QueueReply(reply);  // Yes: the save dialog is then cancelled
    EXPECT_FALSE(x.w.close());
    EXPECT_TRUE(x.w.isVisible());
    EXPECT_EQ(x.w.CurrentFileName(), Q(m_dir.Path("b.html"))) << "the same document stays active";
    EXPECT_EQ(x.w.Documents()->currentIndex(), 2);
    EXPECT_EQ(x.prompts.Texts().back(), S("新規.html が修正されています。\n保存しますか？"));
  }
}

TEST_F(DocumentsTest, ClosingTabs) {
  Window x;
  const std::string a = File("a.html"), b = File("b.html"), c = File("c.html");
  for (const auto& p : {a, b, c}) x.w.OpenDocument(Q(p));

  // Close others with the middle one active and modified: no question, it
  // stays alone, first, still modified; the others do not reach the history.
  x.w.Documents()->setCurrentIndex(1);
  x.Type("m");
  x.w.DocumentSet().SurfaceAt(0)->SetText("also modified");
  x.prompts.QueueReply(Reply::No);
  x.Run("FileCloseOthers");
  EXPECT_EQ(x.w.DocumentSet().FileNames(), QStringList{Q(b)});
  EXPECT_TRUE(x.Doc().IsModified());
  EXPECT_EQ(x.prompts.Texts(), std::vector<std::string>{S(Q(a) + " が修正されています。\n保存しますか？")});
  EXPECT_EQ(x.Captions(), QStringList{"b.html *"});

  // Closing the last tab leaves one empty untitled tab.
  x.prompts.QueueReply(Reply::No);
  x.Run("FileClose");
  EXPECT_EQ(x.Captions(), QStringList{"新規.html"});
  EXPECT_EQ(x.Text(), "");
  EXPECT_EQ(x.w.CurrentFileName(), "新規.html");

  x.w.OpenDocument(Q(a));
  x.w.OpenDocument(Q(c));
  x.Run("FileCloseAll");
  EXPECT_EQ(x.Captions(), QStringList{"新規.html"});
  EXPECT_EQ(x.w.FileHistory().Entries().mid(0, 2), (QStringList{Q(a), Q(c)}));
}

TEST_F(DocumentsTest, HistoryFollowsTheActiveFileAndItsMenuOpensEntries) {
  Window x;
  const std::string a = File("a.html"), b = File("b.html");
  x.w.OpenDocument(Q(a));
  x.w.OpenDocument(Q(b));
  EXPECT_EQ(x.w.FileHistory().Entries(), QStringList{Q(a)}) << "A on top, B current and not listed";
  QMenu* menu = x.w.RuntimeMenu("FileHistory");
  ASSERT_EQ(menu->actions().size(), 1);
  EXPECT_EQ(menu->actions()[0]->text(), "&1 " + Q(a));
  menu->actions()[0]->trigger();
  EXPECT_EQ(x.w.CurrentFileName(), Q(a));
  EXPECT_EQ(x.w.DocumentSet().Count(), 2);
  EXPECT_TRUE(x.prompts.Log().empty()) << "the history never asks to reopen";
  x.Run("ReturnToPrevFile");
  EXPECT_EQ(x.w.CurrentFileName(), Q(b));

  // Twenty entries, capacity fifteen: fifteen items at the next rebuild.
  QMenu many;
  TFileHistory h(15, {}, &many, {});
  for (int i = 1; i <= 20; ++i) h.Add(QStringLiteral("/f%1").arg(i));
  ASSERT_EQ(many.actions().size(), 15);
  EXPECT_EQ(many.actions().front()->text(), "&1 /f20");
  EXPECT_EQ(many.actions().back()->text(), "&15 /f6");
}

// Qt opens an empty submenu once and then never again: the recent files
// stay closed while there are none, and open once there are.
TEST_F(DocumentsTest, RecentFilesMenuIsClosedWhileEmptyAndOpensOnceItHoldsEntries) {
  Window x;
  QAction* recent = x.w.RuntimeMenu("FileHistory")->menuAction();
  x.w.IdleUpdate();
  EXPECT_FALSE(recent->isEnabled());
  x.w.OpenDocument(Q(File("a.html")));
  x.w.OpenDocument(Q(File("b.html")));
  EXPECT_TRUE(recent->isEnabled());
  x.w.IdleUpdate();
  EXPECT_TRUE(recent->isEnabled());
}

TEST_F(DocumentsTest, TabOrderCommands) {
  Window x;
  const std::string a = File("a.html"), b = File("b.html"), c = File("c.html");
  for (const auto& p : {a, b, c}) x.w.OpenDocument(Q(p));
  x.Run("MoveToNextFile");
  EXPECT_EQ(x.w.CurrentFileName(), Q(a)) << "after the last comes the first";
  x.Run("MoveToPrevFile");
  EXPECT_EQ(x.w.CurrentFileName(), Q(c));
  x.Run("PageShiftToRight");
  EXPECT_EQ(x.Captions(), (QStringList{"a.html", "b.html", "c.html"})) << "the last stays last";
  x.Run("PageShiftToLeftEdge");
  EXPECT_EQ(x.Captions(), (QStringList{"c.html", "a.html", "b.html"}));
  x.Run("PageShiftToRight");
  EXPECT_EQ(x.w.DocumentSet().FileNames(), (QStringList{Q(a), Q(c), Q(b)}));
  EXPECT_EQ(x.w.CurrentFileName(), Q(c));
  EXPECT_EQ(x.w.DocumentSet().ActiveIndex(), 1);
  x.Type("typed in c");
  EXPECT_EQ(x.w.DocumentSet().SurfaceAt(1)->Text(), "typed in cx") << "editors moved with their tabs";
}

TEST_F(DocumentsTest, DuplicateMakesAModifiedUntitledCopy) {
  Window x;
  const std::string text = "<B>\x95\x5c</B>\r\n";
  x.w.OpenDocument(Q(File("a.html", text)));
  x.Run("FileDuplicate");
  EXPECT_EQ(x.Captions(), (QStringList{"a.html", "新規.html *"}));
  EXPECT_EQ(x.Text(), text);
  EXPECT_EQ(x.Doc().GetSelStart(), 0);
  EXPECT_EQ(S(QApplication::clipboard()->text()), text);
}

}  // namespace
}  // namespace mw::gui
