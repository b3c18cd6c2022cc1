// The document set driven through the real window: files in a temporary
// folder, commands run as their menu items run them, questions answered by
// a script, file dialogs by a queue of paths.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QMenu>
#include <QPrinter>
#include <QTabWidget>
#include <deque>
#include <ostream>
#include <filesystem>

#include "core/app/document_file.h"
#include "core/app/file_history.h"
#include "core/app/tools/kanji_converter.h"
#include "core/editing/scripted_prompts.h"
#include "gui/app/document_set.h"
#include "gui/app/file_history_menu.h"
#include "gui/app/main_window.h"
#include "gui/app/qt_prompts.h"
#include "gui/display/scintilla_surface.h"
#include "gui/display/test_app.h"
#include "support/temp_dir.h"

// Failures show texts, not UTF-16 code units.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace mw::gui {
namespace {

namespace fs = std::filesystem;

QString Q(const std::string& s) { return QString::fromStdString(s); }
std::string S(const QString& s) { return ToDocumentText(s); }

// A window with scripted questions and file dialogs.
struct Window {
  explicit Window(std::string dataFolder = {}) : w(std::move(dataFolder)) {
    w.SetPrompts(&prompts);
    w.SetFileChooser([this](const FileChoice& c) {
      choices.push_back(c);
      if (paths.empty()) return QString();
      const QString p = paths.front();
      paths.pop_front();
      return p;
    });
  }
  void Run(std::string_view id) {
    const CommandRow* row = FindCommand(id);
    ASSERT_NE(row, nullptr) << id;
    w.RunCommand(*row);
  }
  ScintillaSurface& Doc() { return *w.ActiveSurface(); }
  std::string Text() { return Doc().Text(); }
  void Type(std::string_view sjis) { Doc().SetSelText(sjis); }
  QStringList Captions() const {
    QStringList c;
    for (int i = 0; i < w.Documents()->count(); ++i) c << w.Documents()->tabText(i);
    return c;
  }

  TMainForm w;
  ScriptedPrompts prompts;
  std::deque<QString> paths;
  std::vector<FileChoice> choices;
};

class DocumentsTest : public ::testing::Test {
 protected:
  void SetUp() override { test::TestApp(); }
  std::string File(const std::string& name, const std::string& bytes = "x") { return m_dir.Write(name, bytes); }
  test::TempDir m_dir;
};

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

TEST_F(DocumentsTest, StatusPanelsAndCommandStatesFollowTheDocument) {
  Window x;
  x.w.OpenDocument(Q(File("a.html", "ab\r\n\x83\x41xyz\r\n")));
  x.Doc().SetSelection(6, 6);
  x.w.IdleUpdate();
  EXPECT_EQ(x.w.StatusText(0), "2行 3桁 11ﾊﾞｲﾄ");
  EXPECT_EQ(x.w.StatusText(1), "");
  EXPECT_EQ(x.w.StatusText(2), "挿入");
  EXPECT_FALSE(x.w.Action("EditCut")->isEnabled());
  EXPECT_FALSE(x.w.Action("EditUndo")->isEnabled());
  EXPECT_FALSE(x.w.Action("RepeatInsertTag")->isEnabled());

  // A selection made backwards from line 2 into line 1.
  x.Doc().SetSelection(6, 1);
  x.w.IdleUpdate();
  EXPECT_EQ(x.w.StatusText(0), "1行 2桁 11ﾊﾞｲﾄ");
  EXPECT_TRUE(x.w.Action("EditCut")->isEnabled());
  EXPECT_TRUE(x.w.Action("EditCopy")->isEnabled());
  // Forwards from line 1 into line 2: the caret's line, the column counted
  // from the selection start plus its length.
  x.Doc().SetSelection(1, 6);
  x.w.IdleUpdate();
  EXPECT_EQ(x.w.StatusText(0), "2行 3桁 11ﾊﾞｲﾄ");

  x.Type("Q");
  x.w.Context().repeatTag = {"<B>", "</B>"};
  x.w.IdleUpdate();
  EXPECT_EQ(x.w.StatusText(1), "変更あり");
  EXPECT_EQ(x.Captions(), QStringList{"a.html *"});
  EXPECT_TRUE(x.w.Action("EditUndo")->isEnabled());
  EXPECT_FALSE(x.w.Action("EditCut")->isEnabled());
  EXPECT_TRUE(x.w.Action("RepeatInsertTag")->isEnabled());

  QApplication::clipboard()->setText("clip");
  x.w.IdleUpdate();
  EXPECT_TRUE(x.w.Action("EditPaste")->isEnabled());
  QApplication::clipboard()->clear();
  x.w.IdleUpdate();
  EXPECT_FALSE(x.w.Action("EditPaste")->isEnabled());
}

TEST_F(DocumentsTest, OversizedFileLoadsWholeAndSaysSo) {
  Window x;
  x.w.Settings().SetInt("iMaxFileSize", 8);
  const std::string text = "0123456789abcdef";
  const std::string path = File("big.html", text);
  x.w.OpenDocument(Q(path));
  EXPECT_EQ(x.Text(), text);
  EXPECT_EQ(x.w.StatusText(5), Q(path) + "は上限サイズを超えています。");
  x.Type("+");
  x.Run("FileSave");
  EXPECT_EQ(ReadFileBytes(path), "+" + text + "\r\n");
}

TEST_F(DocumentsTest, DropsOpenFilesAndFoldersOrInsertRelativePaths) {
  Window x;
  fs::create_directories(m_dir.dir() / "site" / "sub");
  const std::string page = File("site/index.html", "");
  const std::string deep = File("site/sub/deep.htm");
  File("site/notes.txt");
  const std::string img = File("site/sub/a.gif");

  x.prompts.QueueReply(Reply::No);
  x.w.DropPaths({Q(page)});
  EXPECT_EQ(x.prompts.Texts(),
            std::vector<std::string>{S("ドロップしたファイルとディレクトリ内のフィルター指定したファイルをすべて開きますか？")});
  EXPECT_EQ(x.w.DocumentSet().Count(), 0) << "No opens nothing";

  x.prompts.QueueReply(Reply::Yes);
  x.w.DropPaths({Q(m_dir.Path("site"))});
  EXPECT_EQ(x.w.DocumentSet().FileNames(), (QStringList{Q(page), Q(deep)}));

  x.w.Documents()->setCurrentIndex(0);
  x.w.Action("DropThenInsert")->trigger();
  x.prompts.ClearLog();
  x.w.DropPaths({Q(img), Q(m_dir.Path("site/sub")), Q(deep)});
  EXPECT_EQ(x.Text(), "sub/a.gifsub/deep.htm") << "two paths one after the other; the folder adds nothing";
  EXPECT_TRUE(x.prompts.Log().empty());
}

TEST_F(DocumentsTest, ExitWritesTheListsAndTheNextStartRestoresThem) {
  test::TempDir data;
  const std::string a = File("a.html"), b = File("b.html"), gone = File("gone.html");
  {
    Window x(data.dir().string());
    x.w.show();
    for (const auto& p : {a, gone, b}) x.w.OpenDocument(Q(p));
    x.w.Documents()->setCurrentIndex(0);
    x.w.RegisterTempFile(Q(File("____a.html")));
    EXPECT_TRUE(x.w.close());
    EXPECT_FALSE(fs::exists(m_dir.Path("____a.html")));
  }
  EXPECT_EQ(ReadFileBytes(data.Path("OpenFileList.txt")), a + "\r\n" + gone + "\r\n" + b + "\r\n");
  const std::string history = ReadFileBytes(data.Path("HtmlFileHistory.txt"));
  EXPECT_EQ(history.substr(0, a.size() + 2), a + "\r\n") << "the active file tops the history at exit";

  fs::remove(gone);
  Window y(data.dir().string());
  y.w.Settings().SetInt("iInitialState", 1);
  y.w.Settings().SetText("asCurFileName", a);
  y.w.StartUp({});
  EXPECT_EQ(y.w.DocumentSet().FileNames(), (QStringList{Q(a), Q(b)})) << "the deleted file is skipped";
  EXPECT_EQ(y.w.CurrentFileName(), Q(a));
  EXPECT_EQ(y.w.Documents()->currentIndex(), 0);
  EXPECT_TRUE(y.prompts.Log().empty());

  Window z;
  z.w.StartUp({Q(a), Q(m_dir.Path("none.html"))});
  EXPECT_EQ(z.w.DocumentSet().FileNames(), QStringList{Q(a)});
  z.w.ReceivePath(Q(a));
  EXPECT_TRUE(z.prompts.Log().empty()) << "a handed-over path that is open is only activated";
}

TEST_F(DocumentsTest, KanjiCodesOnOpeningSavingAndInTheEditor) {
  if (!KanjiConverterAvailable()) GTEST_SKIP();
  Window x;
  const std::string sjis = "<p>\x95\x5c\x83\x41</p>\r\n";  // 表ア
  const std::string euc = "<p>\xc9\xbd\xa5\xa2</p>\r\n";
  x.w.Action("OpenToShiftJIS")->trigger();
  EXPECT_EQ(x.w.StatusText(3), "SJIS変換");
  const std::string path = File("e.html", euc);
  x.w.OpenDocument(Q(path));
  EXPECT_EQ(x.Text(), sjis);
  EXPECT_EQ(ReadFileBytes(path), euc) << "nothing written on opening";
  EXPECT_EQ(m_dir.EntryCount(), 1u);

  x.w.Action("SaveToEUC")->trigger();
  EXPECT_EQ(x.w.StatusText(4), "EUC保存");
  File("e.html", "other");
  x.Type("");
  x.Doc().SetModifiedFlag(true);
  x.Run("FileSave");
  EXPECT_EQ(ReadFileBytes(path), euc);
  EXPECT_EQ(x.Text(), sjis) << "the editor keeps Shift-JIS";
  x.w.Action("SaveAsItIs")->trigger();
  EXPECT_EQ(x.w.StatusText(4), "");

  x.Run("mToEUC");
  EXPECT_EQ(x.Text(), euc);
  EXPECT_TRUE(x.Doc().IsModified());
  x.Doc().Undo();
  EXPECT_EQ(x.Text(), sjis) << "one undo step";

  // Bytes that are no Shift-JIS character: the message, nothing changed.
  x.Doc().SetText("a\x85\x40");
  x.prompts.ClearLog();
  x.Run("mToJIS");
  EXPECT_EQ(x.Text(), "a\x85\x40");
  ASSERT_EQ(x.prompts.Log().size(), 1u);
  EXPECT_EQ(x.prompts.Log()[0].messageKind, MessageKind::Error);
}

TEST_F(DocumentsTest, WindowHandlersAddedByOtherPartsRunAndEnableTheirItems) {
  Window x;
  EXPECT_FALSE(x.w.Action("TemplateSave")->isEnabled());
  int runs = 0;
  x.w.Handle("TemplateSaveClick", [&](const CommandRow& row) {
    EXPECT_EQ(row.id, "TemplateSave");
    ++runs;
  });
  EXPECT_TRUE(x.w.Action("TemplateSave")->isEnabled());
  EXPECT_TRUE(x.w.HasHandler(*FindCommand("TemplateSave")));
  x.w.Action("TemplateSave")->trigger();
  EXPECT_EQ(runs, 1);
}

TEST_F(DocumentsTest, NewFileActionAndTheSignalsPanelsFollow) {
  Window x;
  QStringList active;
  QObject::connect(&x.w, &TMainForm::ActiveDocumentChanged, [&](const QString& p) { active << p; });
  std::vector<std::string> ran;
  x.w.Handle("TemplateOpenClick", [&](const CommandRow& r) { ran.emplace_back(r.id); });
  x.w.Handle("InitTagSetClick", [&](const CommandRow& r) {
    ran.emplace_back(r.id);
    EXPECT_EQ(x.w.CurrentFileName(), "新規.html") << "the dialog works on the new page";
  });
  x.w.Settings().SetInt("iActionAtFileNew", 2);
  x.Run("FileNew");
  EXPECT_EQ(x.w.DocumentSet().Count(), 0) << "a template is opened instead";
  x.w.Settings().SetInt("iActionAtFileNew", 1);
  x.Run("FileNew");
  EXPECT_EQ(ran, (std::vector<std::string>{"TemplateOpen", "InitTagSet"}));
  EXPECT_EQ(x.w.DocumentSet().Count(), 1);
  const std::string a = File("a.html");
  x.w.OpenDocument(Q(a));
  EXPECT_EQ(active, (QStringList{"新規.html", Q(a)}));
}

TEST_F(DocumentsTest, PrintsTheDocument) {
  Window x;
  x.w.OpenDocument(Q(File("p.html", "<p>print me</p>")));
  const std::string pdf = m_dir.Path("out.pdf");
  x.w.SetPrinterChooser([&](QPrinter& printer) {
    EXPECT_EQ(printer.docName(), Q(m_dir.Path("p.html")));
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(Q(pdf));
    return true;
  });
  x.Run("FilePrint");
  ASSERT_TRUE(fs::exists(pdf));
  EXPECT_GT(fs::file_size(pdf), 0u);
}

}  // namespace
}  // namespace mw::gui

namespace mw::gui {
namespace {

// Every one- and two-byte sequence (valid, invalid, NEC and IBM duplicates,
// user-defined, lone lead bytes) and random bytes, in CR LF lines: opened
// in the window, edited, saved, the file holds exactly the same bytes.
TEST_F(DocumentsTest, OddBytesComeBackExactlyThroughOpenEditAndSave) {
  std::string corpus;
  for (int b = 0; b < 256; ++b) {
    if (b == '\r' || b == '\n') continue;
    corpus += static_cast<char>(b);
    corpus += ' ';
  }
  corpus += "\r\n";
  for (int lead = 0x80; lead < 0x100; ++lead) {
    for (int trail = 0; trail < 0x100; ++trail) {
      if (trail == '\r' || trail == '\n') continue;
      corpus += static_cast<char>(lead);
      corpus += static_cast<char>(trail);
      // A space after each pair keeps the next pair from pairing with it.
      corpus += ' ';
    }
    corpus += "\r\n";
  }
  std::uint32_t seed = 12345;
  for (int line = 0; line < 200; ++line) {
    for (int i = 0; i < 97; ++i) {
      seed = seed * 1664525u + 1013904223u;
      char c = static_cast<char>(seed >> 24);
      if (c == '\r' || c == '\n') c = 'x';
      corpus += c;
    }
    corpus += "\r\n";
  }
  Window x;
  const std::string path = File("odd.html", corpus);
  ASSERT_TRUE(x.w.OpenDocument(Q(path)));
  ASSERT_EQ(x.Text(), corpus);
  // An edit and its removal through the widget, so the save writes what the
  // editor holds rather than an untouched copy.
  x.Doc().SetSelection(0, 0);
  x.Type("<B>");
  x.Doc().SetSelection(0, 3);
  x.Type("");
  ASSERT_TRUE(x.Doc().IsModified());
  x.Run("FileSave");
  EXPECT_EQ(ReadFileBytes(path), corpus);
}

}  // namespace
}  // namespace mw::gui
