// The window around its documents: status panels and command states,
// drops, the lists kept between runs, kanji codes, the handlers other
// parts add, printing, and every byte through open, edit and save.
#include "gui/app/documents_fixture.h"
#include "gui/dialogs/skeleton_view.h"
#include "gui/display/when_shown.h"

namespace mw::gui {
namespace {

using namespace test_documents;

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
  const std::string stale = File(".b.html.k1LLed");  // left by a save that was killed
  Window y(data.dir().string());
  y.w.Settings().SetInt("iInitialState", 1);
  y.w.Settings().SetText("asCurFileName", a);
  y.w.StartUp({});
  EXPECT_EQ(y.w.DocumentSet().FileNames(), (QStringList{Q(a), Q(b)})) << "the deleted file is skipped";
  EXPECT_FALSE(fs::exists(stale));
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
  x.w.Settings().SetInt("iActionAtFileNew", 2);
  x.Run("FileNew");
  EXPECT_EQ(x.w.DocumentSet().Count(), 0) << "a template is opened instead";
  x.w.Settings().SetInt("iActionAtFileNew", 1);
  bool skeleton = false;
  mw::test::WhenShown<TInitTagSetDlg>([&](TInitTagSetDlg& dialog) {
    skeleton = true;
    EXPECT_EQ(x.w.CurrentFileName(), "新規.html") << "the dialog works on the new page";
    dialog.reject();
  });
  x.Run("FileNew");
  EXPECT_TRUE(skeleton) << "the skeleton dialog opens on the new page";
  EXPECT_EQ(ran, (std::vector<std::string>{"TemplateOpen"}));
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
