#include "gui/app/main_window.h"

#include <Qsci/qsciscintilla.h>
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>

#include "core/editing/scripted_prompts.h"
#include "gui/app/qt_prompts.h"
#include "gui/check/tag_error_form.h"
#include "gui/project/link_list_panel.h"
#include "gui/project/site_checks.h"
#include "gui/display/test_app.h"
#include "support/temp_dir.h"

namespace mw::gui {
namespace {

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override { test::TestApp(); }
  // The document text as its Shift-JIS bytes.
  static std::string DocumentBytes(TMainForm& w) { return ToDocumentText(w.ActiveView()->text()); }
  // Selects [start, end) counted in Shift-JIS bytes of the document.
  static void SelectBytes(TMainForm& w, const std::string& sjis, std::size_t start, std::size_t end) {
    const long a = static_cast<long>(FromDocumentText(sjis.substr(0, start)).toUtf8().size());
    const long b = static_cast<long>(FromDocumentText(sjis.substr(0, end)).toUtf8().size());
    w.ActiveView()->SendScintilla(QsciScintillaBase::SCI_SETSEL, a, b);
  }
  test::TempDir m_dir;
};

QStringList ActionNames(const QMenu* menu) {
  QStringList names;
  for (const QAction* a : menu->actions()) {
    if (a->menu() != nullptr) names += ActionNames(a->menu());
    else if (!a->isSeparator()) names << a->objectName();
  }
  return names;
}

TEST_F(MainWindowTest, MenusHoldTheListedItems) {
  TMainForm w;
  QStringList titles;
  for (const QAction* a : w.menuBar()->actions()) titles << a->text();
  EXPECT_EQ(titles, (QStringList{"ファイル(&F)", "編集(&E)", "ページ設定(&P)", "タグ(&I)", "スタイル(&S)",
                                 "登録タグ(&R)", "ツール(&T)", "表示(&V)", "オプション(&O)", "ヘルプ(&H)"}));
  const auto menu = [&](int i) { return ActionNames(w.menuBar()->actions()[i]->menu()); };
  EXPECT_EQ(menu(2), (QStringList{"InitTagSet", "HTMLTag", "HEADTag", "TITLETag", "META", "BODYTag", "BASEFONT",
                                  "LINKREL"}));
  EXPECT_EQ(menu(9), (QStringList{"Help1", "About"}));
  EXPECT_TRUE(menu(3).contains("NOSCRIPT"));
  EXPECT_EQ(menu(3).count("onClick1"), 1);
  EXPECT_TRUE(ActionNames(w.Popup("pmRichEdit")).contains("EditTag"));
  EXPECT_EQ(ActionNames(w.Popup("pmToolPageControl")).size(), 5);
  ASSERT_NE(w.RuntimeMenu("FileHistory"), nullptr);
  ASSERT_NE(w.RuntimeMenu("RegisteredTags"), nullptr);
  EXPECT_EQ(w.Action("FindNext1")->shortcut(), QKeySequence(Qt::Key_F3));
}

TEST_F(MainWindowTest, ItemsWithoutAHandlerYetAreDisabled) {
  TMainForm w;
  struct Case {
    const char* id;
    bool enabled;
  };
  for (const Case& c : {Case{"BR", true}, Case{"UpperCase1", true}, Case{"onClick1", true}, Case{"TABLE", true}, Case{"AREA", false},
                        Case{"FileSave", true}, Case{"ProjetOpen", true}, Case{"CheckTag", true}, Case{"TemplateSave", false}, Case{"FlatBtn", true}}) {
    EXPECT_EQ(w.Action(c.id)->isEnabled(), c.enabled) << c.id;
  }
  const auto* table = w.TagPageControl()->findChild<QToolButton*>("TABLEBtn");
  ASSERT_NE(table, nullptr);
  EXPECT_TRUE(table->isEnabled()) << "the table designer is there";
  EXPECT_EQ(table->toolTip(), "<TABLE></TABLE>テーブル");
  const auto* area = w.TagPageControl()->findChild<QToolButton*>("AREABtn");
  ASSERT_NE(area, nullptr);
  EXPECT_FALSE(area->isEnabled());
}

// Rows name the document as "before[selection]after"; ア is 83 41, whose
// second byte is an ASCII letter.
TEST_F(MainWindowTest, MenuActionRunsEngineCommandOnTheDocument) {
  struct Case {
    const char* name;
    const char* id;
    std::string text;
    std::size_t start, end;
    std::string expected;
  };
  const Case cases[] = {
      {"\x83\x41<p>[abc]", "UpperCase1", "\x83\x41<p>abc", 5, 8, "\x83\x41<p>ABC"},
      {"\x83\x41|x", "BR", "\x83\x41x", 2, 2, "\x83\x41<BR>x"},
      {"[<B>\x83\x41</B>]", "DeleteAllTag", "<B>\x83\x41</B>\r\n", 0, 9, "\x83\x41\r\n"},
  };
  for (const Case& c : cases) {
    TMainForm w;
    ASSERT_TRUE(w.OpenDocument(QString::fromStdString(m_dir.Write("page.html", c.text)))) << c.name;
    SelectBytes(w, c.text, c.start, c.end);
    w.Action(c.id)->trigger();
    EXPECT_EQ(DocumentBytes(w), c.expected) << c.name;
    w.ActiveView()->undo();
    EXPECT_EQ(DocumentBytes(w), c.text) << c.name << ": one undo step";
  }
}

// Closing a tag at the caret uses the checker's scan and then discards the
// check window, so an open one closes.
TEST_F(MainWindowTest, CloseTagClosesTheElementAndAnOpenCheckWindow) {
  TMainForm w;
  const std::string page = "<HTML><BODY><B>x";
  ASSERT_TRUE(w.OpenDocument(QString::fromStdString(m_dir.Write("c.html", page))));
  SelectBytes(w, page, page.size(), page.size());
  w.Action("CheckTag")->trigger();
  SiteChecks* site = SiteChecks::Of(w);
  ASSERT_NE(site->TagCheck(), nullptr);
  ASSERT_TRUE(site->TagCheck()->isVisible());
  w.Action("CloseTag")->trigger();
  EXPECT_EQ(DocumentBytes(w), page + "</B>");
  EXPECT_TRUE(site->TagCheck() == nullptr || !site->TagCheck()->isVisible());
}

TEST_F(MainWindowTest, TagButtonRunsTheMenuItemCommand) {
  TMainForm w;
  ASSERT_TRUE(w.OpenDocument(QString::fromStdString(m_dir.Write("b.html", "xy"))));
  SelectBytes(w, "xy", 1, 1);
  auto* br = w.TagPageControl()->findChild<QToolButton*>("BRBtn");
  ASSERT_NE(br, nullptr);
  br->click();
  EXPECT_EQ(DocumentBytes(w), "x<BR>y");
}

TEST_F(MainWindowTest, TagPageShifting) {
  TMainForm w;
  const auto defaults = w.TagPageOrder();
  ASSERT_EQ(defaults.size(), 13u);
  struct Case {
    int current;
    const char* how;
    int movedTo;  // -1: nothing moves
  };
  for (const Case& c : {Case{0, "left", -1}, Case{12, "right", -1}, Case{0, "right", 1}, Case{5, "left", 4},
                        Case{3, "rightEdge", 12}, Case{7, "leftEdge", 0}}) {
    w.ShiftTagPage("default");
    w.TagPageControl()->setCurrentIndex(c.current);
    w.Action(std::string("ToolPageShift") + (c.how == std::string("right")       ? "Right"
                                             : c.how == std::string("left")      ? "Left"
                                             : c.how == std::string("rightEdge") ? "RightEdge"
                                                                                 : "LeftEdge"))
        ->trigger();
    const auto order = w.TagPageOrder();
    if (c.movedTo < 0) {
      EXPECT_EQ(order, defaults) << c.how << " from " << c.current;
    } else {
      EXPECT_EQ(order[static_cast<std::size_t>(c.movedTo)], defaults[static_cast<std::size_t>(c.current)]) << c.how;
    }
  }
  w.Action("ToolPageDefault")->trigger();
  EXPECT_EQ(w.TagPageOrder(), defaults);
}

TEST_F(MainWindowTest, BandsFollowTheirItems) {
  TMainForm w;
  w.show();
  w.Action("ShowSpeedBar")->trigger();
  EXPECT_FALSE(w.MainToolBar()->isVisible());
  EXPECT_FALSE(w.Action("ShowSpeedBar")->isChecked());
  EXPECT_TRUE(w.TagToolBar()->isVisible());
  const TLinkListPanel& links = SiteChecks::Of(w)->LinkList();
  w.Action("FullyShownScreen")->trigger();
  EXPECT_TRUE(links.IsShown());
  w.Action("SimplestForm")->trigger();
  EXPECT_FALSE(w.TagToolBar()->isVisible());
  EXPECT_FALSE(w.Action("ShowTagToolBar")->isChecked());
  EXPECT_FALSE(links.IsShown());
  // Already hidden, the link list is not toggled back on.
  w.Action("SimplestForm")->trigger();
  EXPECT_FALSE(links.IsShown());
  w.Action("FullyShownScreen")->trigger();
  EXPECT_TRUE(w.MainToolBar()->isVisible());
  EXPECT_TRUE(w.TagToolBar()->isVisible());
  EXPECT_TRUE(w.Action("ShowSpeedBar")->isChecked());
  EXPECT_TRUE(links.IsShown());
  w.Action("FlatBtn")->trigger();
  EXPECT_FALSE(w.MainToolBar()->findChild<QToolButton*>("NewBtn")->autoRaise());
}

TEST_F(MainWindowTest, OptionItemsMirrorTheEngineOptions) {
  TMainForm w;
  ScriptedPrompts prompts;
  w.SetPrompts(&prompts);
  w.Action("LowerCaseTag")->trigger();
  EXPECT_EQ(prompts.Log().size(), 1u) << "the toggle says which way";
  EXPECT_TRUE(w.Context().options.lowerCaseTag);
  EXPECT_TRUE(w.Action("LowerCaseTag")->isChecked());
  w.Action("SelectPreviousSelection")->trigger();
  EXPECT_EQ(w.Context().options.caretPolicy, CaretPolicy::KeepPrevious);
  EXPECT_FALSE(w.Action("SelectEditedEnd")->isChecked());
}

}  // namespace
}  // namespace mw::gui
