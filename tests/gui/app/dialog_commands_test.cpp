// The tag dialogs as the window runs them: every command that opens one,
// answered by the author with Cancel or OK, and what the site windows lend
// the dialogs (link candidates) and take back (the link list, the project's
// file list).
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <set>

#include "core/dialogs/dialog_lists.h"
#include "core/dialogs/tag_dialog_commands.h"
#include "core/editing/command_registry.h"
#include "gui/dialogs/tag_dialog_view.h"
#include "gui/project/link_list_panel.h"
#include "gui/project/project_form.h"
#include "gui/project/site_fixture.h"
#include "gui/display/test_app.h"

namespace mw::gui {
namespace {

using test_site::Q;
using test_site::SiteWindow;

constexpr std::string_view kPage =
    "<HTML>\r\n<HEAD>\r\n<TITLE>t</TITLE>\r\n</HEAD>\r\n<BODY>\r\n<P>hello world</P>\r\n</BODY>\r\n</HTML>\r\n";

// Answers every modal window a command shows while it runs: a tag dialog
// with its OK (after fill) or Cancel button, anything else is dismissed.
struct Answerer {
  bool accept = false;
  std::function<void(TagDialogView&)> fill;
  std::vector<QString> seen;  // class name of each dialog answered
  bool done = false;

  void Arm() {
    QTimer::singleShot(0, [this] {
      if (done) return;
      QWidget* modal = QApplication::activeModalWidget();
      if (modal == nullptr) {
        Arm();
        return;
      }
      seen.push_back(QString::fromLatin1(modal->metaObject()->className()));
      if (auto* view = qobject_cast<TagDialogView*>(modal)) {
        if (accept && fill) fill(*view);
        (accept ? view->OkButton() : view->CancelButton())->click();
      } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
        dialog->reject();
      } else {
        modal->close();
      }
      Arm();  // a command may show a second window
    });
  }
  // Runs the command with the answers armed; true when a window was shown.
  bool Run(TMainForm& w, const CommandRow& row) {
    seen.clear();
    done = false;
    Arm();
    w.RunCommand(row);
    done = true;
    QCoreApplication::processEvents();
    return !seen.empty();
  }
};

// The handler names of the commands that open tag dialogs.
std::set<std::string> TagDialogHandlers() {
  CommandRegistry r;
  RegisterTagDialogCommands(r);
  std::set<std::string> names;
  for (const EditCommand& c : r.All()) names.insert(c.name);
  return names;
}

const CommandRow* RowWithHandler(std::string_view handler) {
  for (const CommandRow& row : CommandTable())
    if (row.handler == handler) return &row;
  return nullptr;
}

class DialogCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override { test::TestApp(); }
  // The sample page with "hello" selected.
  static void Reset(SiteWindow& x) {
    x.Doc().SetText(kPage);
    x.Doc().SetSelStart(static_cast<Offset>(kPage.find("hello")));
    x.Doc().SetSelLength(5);
    x.Doc().SetModifiedFlag(false);
  }
  // The sample page opened from disk.
  void Open(SiteWindow& x) {
    ASSERT_TRUE(x.w.OpenDocument(Q(m_dir.Write("page.htm", std::string(kPage)))));
    Reset(x);
  }
  std::string P(const std::string& name) const { return m_dir.Path(name); }
  mw::test::TempDir m_dir;
};

TEST_F(DialogCommandsTest, EveryTagDialogCommandOpensItsDialogAndCancelLeavesThePageAlone) {
  SiteWindow x(m_dir.dir().string());
  Open(x);
  const std::set<std::string> handlers = TagDialogHandlers();
  Answerer cancel;
  int rows = 0;
  std::vector<std::string> openedNothing;
  for (const CommandRow& row : CommandTable()) {
    if (handlers.count(std::string(row.handler)) == 0) continue;
    ++rows;
    Reset(x);
    // Re-editing needs a tag at the caret.
    if (row.handler == "EditTagClick") {
      const auto inTag = static_cast<Offset>(kPage.find("<P>") + 1);
      x.Doc().SetSelection(inTag, inTag);
    }
    ASSERT_TRUE(x.w.HasHandler(row)) << row.id;
    if (QAction* a = x.w.Action(row.id)) {
      EXPECT_TRUE(a->isEnabled()) << row.id;
    }
    if (!cancel.Run(x.w, row)) openedNothing.push_back(std::string(row.id));
    EXPECT_EQ(x.Doc().GetText(), kPage) << row.id;
    EXPECT_FALSE(x.Doc().IsModified()) << row.id;
  }
  EXPECT_GE(rows, static_cast<int>(handlers.size()) - 1);
  // The registered-word list opens only when its list file exists, and
  // the page's BODY has no re-edit dialog yet.
  for (const std::string& id : openedNothing) {
    const CommandRow* row = FindCommand(id);
    EXPECT_TRUE(row->handler == "InsertURLClick" || row->handler == "BODYTagClick") << id << " opened nothing";
  }
}

TEST_F(DialogCommandsTest, OkInsertsWhatTheDialogBuilt) {
  SiteWindow x(m_dir.dir().string());
  Open(x);
  struct Case {
    const char* handler;
    std::function<void(TagDialogView&)> fill;
    std::string expected;  // the page after OK
  };
  const auto set = [](const char* control, const char* text) {
    return [control, text](TagDialogView& v) {
      if (auto* box = qobject_cast<QComboBox*>(v.Control(control))) box->setEditText(QString::fromLatin1(text));
    };
  };
  const auto around = [](std::string_view before, std::string_view after) {
    std::string page(kPage);
    const std::size_t at = page.find("hello");
    page.insert(at + 5, after);
    page.insert(at, before);
    return page;
  };
  std::string hr(kPage);
  hr.replace(hr.find("hello"), 5, "<HR>");
  const Case cases[] = {
      {"HREFClick", set("cbURL", "b.htm"), around("<A HREF=\"b.htm\">", "</A>")},
      {"NAMEClick", set("cbName", "sec"), around("<A NAME=\"sec\">", "</A>")},
      {"PClick", {}, around("<P>", "</P>")},
      {"HRClick", {}, hr},
  };
  for (const Case& c : cases) {
    Reset(x);
    Answerer ok;
    ok.accept = true;
    ok.fill = c.fill;
    const CommandRow* row = RowWithHandler(c.handler);
    ASSERT_NE(row, nullptr) << c.handler;
    ASSERT_TRUE(ok.Run(x.w, *row)) << c.handler;
    EXPECT_EQ(x.Doc().GetText(), c.expected) << c.handler;
    EXPECT_TRUE(x.Doc().IsModified()) << c.handler;
  }
}

TEST_F(DialogCommandsTest, EveryEnabledTagMenuItemRunsWithoutHarm) {
  SiteWindow x(m_dir.dir().string());
  Open(x);
  QMenu* tags = x.w.menuBar()->actions().at(3)->menu();
  ASSERT_NE(tags, nullptr);
  std::vector<QAction*> items;
  std::function<void(QMenu*)> collect = [&](QMenu* m) {
    for (QAction* a : m->actions()) {
      if (a->menu() != nullptr) collect(a->menu());
      else if (!a->isSeparator()) items.push_back(a);
    }
  };
  collect(tags);
  Answerer cancel;
  int ran = 0;
  for (QAction* a : items) {
    const CommandRow* row = FindCommand(a->objectName().toStdString());
    if (row == nullptr || !x.w.HasHandler(*row)) continue;
    // Repeating needs a tag to repeat: it follows the state, not the handler.
    if (row->id != "RepeatInsertTag") {
      EXPECT_TRUE(a->isEnabled()) << row->id;
    }
    Reset(x);
    cancel.Run(x.w, *row);
    EXPECT_NE(x.w.ActiveSurface(), nullptr) << row->id;
    ++ran;
  }
  EXPECT_GT(ran, 20);
}

TEST_F(DialogCommandsTest, LinkDialogsOfferTheProjectsFilesAndMarkersRelativeToThePage) {
  m_dir.Write("index.htm", "<HTML>\r\n<A NAME=\"top\">top</A>\r\n</HTML>\r\n");
  std::filesystem::create_directory(m_dir.dir() / "sub");
  m_dir.Write("sub/a.htm", "<A HREF=\"../index.htm#top\">1</A>\r\n");
  const std::string wpr = m_dir.Write("site.wpr", "index.htm\r\nsub/a.htm\r\n");
  SiteWindow x;
  DialogServices& r = x.w.Context().services;
  ASSERT_TRUE(r.urlCandidates);
  EXPECT_TRUE(r.urlCandidates().empty()) << "no project window";

  x.Run("ShowProjectForm");
  TPrjForm* form = x.checks->ProjectIfOpen();
  ASSERT_NE(form, nullptr);
  ASSERT_TRUE(form->OpenProjectFile(Q(wpr), true));
  form->UpdateLocalLinkTreeViewClick();
  ASSERT_TRUE(x.w.OpenDocument(Q(P("sub/a.htm"))));
  const std::vector<std::string> expected{"../index.htm", "../index.htm#top", "a.htm"};
  EXPECT_EQ(r.urlCandidates(), expected);

  // The link dialog's URL box lists them.
  QStringList items;
  Answerer cancel;
  cancel.fill = nullptr;
  QTimer::singleShot(0, [&items] {
    if (auto* v = qobject_cast<TagDialogView*>(QApplication::activeModalWidget())) {
      auto* box = qobject_cast<QComboBox*>(v->Control("cbURL"));
      for (int i = 0; box != nullptr && i < box->count(); ++i) items << box->itemText(i);
    }
  });
  cancel.Run(x.w, *RowWithHandler("HREFClick"));
  EXPECT_TRUE(items.contains(QStringLiteral("../index.htm#top"))) << items.join(',').toStdString();

  form->close();
  EXPECT_TRUE(r.urlCandidates().empty()) << "the project window closed";
}

TEST_F(DialogCommandsTest, ShownLinkListFollowsLinkDialogsAndTheDisplayRefresh) {
  SiteWindow x;
  TLinkListPanel& links = x.checks->LinkList();
  if (!links.IsShown()) x.Run("ShowLinkList");
  ASSERT_TRUE(links.IsShown());
  Open(x);
  links.BuildLinkList();
  ASSERT_EQ(links.topLevelItem(0)->childCount(), 0);

  Answerer ok;
  ok.accept = true;
  ok.fill = [](TagDialogView& v) { qobject_cast<QComboBox*>(v.Control("cbURL"))->setEditText(QStringLiteral("b.htm")); };
  ASSERT_TRUE(ok.Run(x.w, *RowWithHandler("HREFClick")));
  ASSERT_EQ(links.topLevelItem(0)->childCount(), 1);
  EXPECT_EQ(links.topLevelItem(0)->child(0)->text(0), QStringLiteral("b.htm"));

  // Text set behind the list's back shows after the display refresh.
  x.Doc().SetText("<IMG SRC=\"c.gif\">\r\n");
  ASSERT_EQ(links.topLevelItem(1)->childCount(), 0);
  x.w.RunCommand(*RowWithHandler("UpdateRichEdit1Click"));
  ASSERT_EQ(links.topLevelItem(1)->childCount(), 1);
  EXPECT_EQ(links.topLevelItem(1)->child(0)->text(0), QStringLiteral("c.gif"));
}

TEST_F(DialogCommandsTest, AProjectFileUnderANewPathKeepsItsPlaceInTheProject) {
  m_dir.Write("index.htm", "<HTML></HTML>\r\n");
  m_dir.Write("b.htm", "<HTML></HTML>\r\n");
  const std::string wpr = m_dir.Write("site.wpr", "index.htm\r\nb.htm\r\n");
  SiteWindow x;
  x.Run("ShowProjectForm");
  TPrjForm* form = x.checks->ProjectIfOpen();
  ASSERT_NE(form, nullptr);
  ASSERT_TRUE(form->OpenProjectFile(Q(wpr), true));
  ASSERT_FALSE(form->CurrentProject().modified);

  // A file outside the project changes nothing.
  x.w.ChangeDocumentPath(Q(P("other.htm")), Q(P("other2.htm")));
  EXPECT_FALSE(form->CurrentProject().modified);

  // Saved under a new name.
  ASSERT_TRUE(x.w.OpenDocument(Q(P("index.htm"))));
  const QString home = Q(P("home.htm"));
  x.w.SetFileChooser([home](const FileChoice&) { return home; });
  x.Run("FileSaveAs");
  ASSERT_TRUE(std::filesystem::exists(P("home.htm")));
  EXPECT_EQ(form->CurrentProject().entries, (std::vector<std::string>{P("home.htm"), P("b.htm")}));
  EXPECT_EQ(form->FileList()->item(0)->text(), Q(P("home.htm")));
  EXPECT_TRUE(form->CurrentProject().modified);
  EXPECT_EQ(x.w.CurrentFileName(), Q(P("home.htm")));
}

TEST_F(DialogCommandsTest, EditTagOpensTheDialogOfEachTagKindWithItsValues) {
  SiteWindow x;
  ASSERT_TRUE(x.w.OpenDocument(QStringLiteral(MW_FIXTURES "/../../samples/page2.html")));
  const std::string page = x.Doc().GetText();
  struct Case {
    const char* tag;          // the caret goes just inside it
    const char* dialogClass;  // the view's name
    std::vector<std::pair<const char*, const char*>> fields;
    const char* inPreview;  // the tag the preset fields build again
  };
  const Case cases[] = {
      {"<A HREF=\"sub/notes.html#kanji\">", "TURLInputDlg", {{"cbURL", "sub/notes.html#kanji"}}, "HREF=\"sub/notes.html#kanji\""},
      {"<A NAME=\"top\">", "TNameDlg", {{"cbName", "top"}}, "NAME=\"top\""},
      {"<TD ALIGN=\"right\">", "TTHTDDlg", {}, "ALIGN=\"right\""},
      {"<FORM ", "TFormDlg", {{"edAction", "cgi-bin/order.cgi"}, {"cbMethod", "POST"}}, "ACTION=\"cgi-bin/order.cgi\""},
      {"<INPUT TYPE=\"text\"", "TInputDlg", {{"cbType", "text"}, {"edName", "qty"}, {"edSize", "4"}}, "NAME=\"qty\""},
  };
  const CommandRow* editTag = RowWithHandler("EditTagClick");
  ASSERT_NE(editTag, nullptr);
  for (const Case& c : cases) {
    const std::size_t at = page.find(c.tag);
    ASSERT_NE(at, std::string::npos) << c.tag;
    x.Doc().SetSelection(static_cast<Offset>(at + 1), static_cast<Offset>(at + 1));
    QString shown;
    DialogFields fields;
    std::string preview;
    Answerer cancel;
    QTimer::singleShot(0, [&] {
      if (auto* v = qobject_cast<TagDialogView*>(QApplication::activeModalWidget())) {
        shown = v->objectName();
        v->StoreFields(fields);
        v->RebuildNow();
        preview = v->PreviewText();
      }
    });
    ASSERT_TRUE(cancel.Run(x.w, *editTag)) << c.tag;
    EXPECT_EQ(shown, QString::fromLatin1(c.dialogClass)) << c.tag;
    for (const auto& [name, value] : c.fields) EXPECT_EQ(fields.Get(name), value) << c.tag << " " << name;
    EXPECT_NE(preview.find(c.inPreview), std::string::npos) << c.tag << " built " << preview;
  }
  EXPECT_EQ(x.Doc().GetText(), page);
}

// The style-sheet link is re-edited in its own dialog: by F2 on the tag in
// the window's editor, and by the link command, which finds the link
// wherever the caret is.
TEST_F(DialogCommandsTest, TheStyleSheetLinkIsReEditedByF2AndByItsCommand) {
  const std::string link = "<LINK REL=\"stylesheet\" TYPE=\"text/css\" HREF=\"main.css\">";
  const std::string page = "<HTML>\r\n<HEAD>\r\n" + link + "\r\n</HEAD>\r\n<BODY>\r\n<P>x</P>\r\n</BODY>\r\n</HTML>\r\n";
  const std::string edited = "<LINK REL=\"stylesheet\" TYPE=\"text/css\" HREF=\"site.css\">";
  for (const bool byKey : {true, false}) {
    SCOPED_TRACE(byKey ? "F2" : "LINKRELClick");
    SiteWindow x;
    x.w.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&x.w));
    ASSERT_TRUE(x.w.OpenDocument(Q(m_dir.Write("style.htm", page))));
    const auto caret = static_cast<Offset>(byKey ? page.find("TYPE") : page.find("<P>"));
    x.Doc().SetSelection(caret, caret);
    x.w.ActiveEditor()->setFocus();
    QString shown, title;
    DialogFields preset;
    QTimer::singleShot(0, [&] {
      auto* v = qobject_cast<TagDialogView*>(QApplication::activeModalWidget());
      if (v == nullptr) return;
      shown = v->objectName();
      title = v->windowTitle();
      v->StoreFields(preset);
      qobject_cast<QLineEdit*>(v->Control("edURL"))->setText(QStringLiteral("site.css"));
      v->RebuildNow();
      v->OkButton()->click();
    });
    if (byKey) QTest::keyClick(x.w.ActiveEditor(), Qt::Key_F2);
    else x.Run("LINKREL");
    EXPECT_EQ(shown, QStringLiteral("TLinkStyleSheetDlg"));
    EXPECT_EQ(title, QStringLiteral("<LINK>の再編集"));
    EXPECT_EQ(preset.Get("cbRel"), "stylesheet");
    EXPECT_EQ(preset.Get("cbType"), "text/css");
    EXPECT_EQ(preset.Get("edURL"), "main.css");
    std::string expected = page;
    expected.replace(page.find(link), link.size(), edited);
    EXPECT_EQ(x.Doc().GetText(), expected);
    EXPECT_EQ(x.Doc().GetText().find("<LINK", page.find("<LINK") + 1), std::string::npos) << "no second link";
  }
}

}  // namespace
}  // namespace mw::gui
