#include "gui/editing/find_dialogs.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <vector>

#include "core/editing/find_replace.h"
#include "gui/app/qt_prompts.h"
#include "gui/display/surface_fixture.h"

namespace mw::gui {
namespace {

using test::SurfaceFixture;

// フ is 83 74: its second byte is 't', so "td" occurs in the bytes of "フd"
// without being in the text.
const std::string kTdPage = "<TD>\x83\x74" "d</td>\r\n<tdx>td";

// A window with the document tabs inset, the dialogs wired to the fixture's
// document as the main window wires them to the active one.
struct FindFixture : SurfaceFixture {
  QWidget window;
  QWidget* tabs = new QWidget(&window);
  QRect caretLine;
  bool haveDocument = true;
  std::vector<QString> statusShown;
  FindReplaceDialogs dialogs{&window, ctx, [this] { return haveDocument ? &editor : nullptr; },
                             [this] { return caretLine; }, [this] { return tabs; },
                             [this](const QString& s) { statusShown.push_back(s); }};

  explicit FindFixture(const std::string& page) {
    window.setGeometry(100, 200, 800, 600);
    tabs->setGeometry(30, 40, 700, 500);
    caretLine = QRect(110, 400, 600, 14);
    editor.Load(page, false);
    ctx.editor = nullptr;  // as the window leaves it between commands
  }
  static void Fill(FindReplaceDialog* d, const QString& find, bool matchCase = false, bool wholeWord = false) {
    d->FindEdit()->setText(find);
    d->MatchCaseBox()->setChecked(matchCase);
    d->WholeWordBox()->setChecked(wholeWord);
  }
  std::pair<Offset, Offset> Sel() const { return {editor.GetSelStart(), editor.GetSelLength()}; }
};

struct FindCase {
  const char* name;
  bool matchCase;
  bool wholeWord;
  std::vector<Offset> hits;
};

TEST(FindDialog, FindsForwardThenReportsAndStartsAgainAtTheTop) {
  const FindCase cases[] = {
      {"td anywhere", false, false, {1, 9, 15, 19}},
      {"td matching case", true, false, {9, 15, 19}},
      {"td whole word", false, true, {1, 9, 19}},
      {"td whole word matching case", true, true, {9, 19}},
  };
  for (const FindCase& c : cases) {
    SCOPED_TRACE(c.name);
    FindFixture f(kTdPage);
    FindReplaceDialog* d = f.dialogs.FindDialog();
    f.Fill(d, "td", c.matchCase, c.wholeWord);
    for (const Offset hit : c.hits) {
      d->FindNextButton()->click();
      EXPECT_EQ(f.Sel(), std::make_pair(hit, Offset{2}));
    }
    EXPECT_TRUE(f.prompts.Log().empty());
    d->FindNextButton()->click();
    EXPECT_EQ(f.prompts.Texts(), std::vector<std::string>{NotFoundMessage("td")});
    EXPECT_EQ(f.Sel(), std::make_pair(Offset{0}, Offset{0}));
    d->FindNextButton()->click();
    EXPECT_EQ(f.Sel(), std::make_pair(c.hits.front(), Offset{2}));
    EXPECT_EQ(f.ctx.findText, "td");
    EXPECT_EQ(f.ctx.findFlags.matchCase, c.matchCase);
    EXPECT_EQ(f.ctx.findFlags.wholeWord, c.wholeWord);
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(f.ctx.editor, nullptr);
  }
}

TEST(FindDialog, SelectionBecomesTheFindTextAndF3SearchesWithIt) {
  FindFixture f("\x95\x5C" " abc \x95\x5C abc");  // 表 = 95 5C
  f.editor.SetSelStart(0);
  f.editor.SetSelLength(2);
  f.dialogs.ShowFind();
  FindReplaceDialog* d = f.dialogs.FindDialog();
  EXPECT_TRUE(d->isVisible());
  EXPECT_EQ(d->FindEdit()->text(), QStringLiteral("表"));
  EXPECT_EQ(d->FindText(), "\x95\x5C");
  EXPECT_FALSE(f.dialogs.ReplaceDialog()->isVisible());

  d->hide();
  f.dialogs.FindNext();  // F3
  EXPECT_EQ(f.Sel(), std::make_pair(Offset{7}, Offset{2}));
  EXPECT_TRUE(d->isVisible());

  // Without a selection the dialog keeps the text it had.
  f.editor.SetSelStart(3);
  f.dialogs.ShowFind();
  EXPECT_EQ(d->FindEdit()->text(), QStringLiteral("表"));

  // The field holds one line: a selection over lines gives its first.
  f.editor.SetText("x abc\r\ny");
  f.editor.SelectAll();
  f.dialogs.ShowFind();
  EXPECT_EQ(d->FindText(), "x abc");
}

TEST(FindDialog, NothingHappensWithoutFindTextOrDocument) {
  FindFixture f("abc abc");
  f.editor.SetSelStart(1);
  f.dialogs.FindNext();  // F3 before anything was searched for
  EXPECT_FALSE(f.dialogs.FindDialog()->isVisible());
  EXPECT_EQ(f.Sel(), std::make_pair(Offset{1}, Offset{0}));
  EXPECT_FALSE(f.dialogs.FindDialog()->FindNextButton()->isEnabled());

  // Text no Shift-JIS document can hold is neither searched for nor put in
  // (cut short it would match or insert something else).
  FindReplaceDialog* r = f.dialogs.ReplaceDialog();
  f.Fill(r, QStringLiteral("abc\U0001F600"));
  r->ReplaceEdit()->setText("x");
  EXPECT_FALSE(r->FindNextButton()->isEnabled());
  emit r->findNextRequested();
  f.Fill(r, "abc");
  r->ReplaceEdit()->setText(QStringLiteral("\u00E9"));  // é is not in code page 932
  EXPECT_TRUE(r->FindNextButton()->isEnabled());
  EXPECT_FALSE(r->ReplaceAllButton()->isEnabled());
  emit r->replaceRequested(true);
  EXPECT_EQ(f.editor.Text(), "abc abc");
  EXPECT_EQ(f.Sel(), std::make_pair(Offset{1}, Offset{0}));

  f.haveDocument = false;
  f.dialogs.ShowReplace();  // still opens, for a document to come
  EXPECT_TRUE(r->isVisible());
  f.Fill(r, "abc");
  r->ReplaceEdit()->setText("x");
  r->FindNextButton()->click();
  r->ReplaceAllButton()->click();
  EXPECT_EQ(f.editor.Text(), "abc abc");
  EXPECT_TRUE(f.prompts.Log().empty());
  EXPECT_TRUE(f.statusShown.empty());
}

TEST(ReplaceDialog, ReplacesTheMatchingSelectionAndSelectsTheNext) {
  FindFixture f("td TD td");
  FindReplaceDialog* r = f.dialogs.ReplaceDialog();
  f.dialogs.ShowReplace();
  f.Fill(r, "td");
  r->ReplaceEdit()->setText(QStringLiteral("セル"));
  r->FindNextButton()->click();
  EXPECT_EQ(f.Sel(), std::make_pair(Offset{0}, Offset{2}));
  r->ReplaceButton()->click();
  EXPECT_EQ(f.editor.Text(), "\x83\x5A\x83\x8B TD td");
  EXPECT_EQ(f.Sel(), std::make_pair(Offset{5}, Offset{2}));
  EXPECT_EQ(f.ctx.replaceText, "\x83\x5A\x83\x8B");
  EXPECT_TRUE(f.statusShown.empty());
  EXPECT_TRUE(r->isVisible());

  // Match case: the selected TD still counts as found text (letter case is
  // ignored for the selection), the next one searched for must match.
  r->MatchCaseBox()->setChecked(true);
  r->ReplaceButton()->click();
  EXPECT_EQ(f.editor.Text(), "\x83\x5A\x83\x8B \x83\x5A\x83\x8B td");
  EXPECT_EQ(f.Sel(), std::make_pair(Offset{10}, Offset{2}));
}

TEST(ReplaceDialog, ReplaceAllWorksFromTheCaretAndReportsTheCount) {
  FindFixture f("a<b>a</b>a<b>a</b>");
  FindReplaceDialog* r = f.dialogs.ReplaceDialog();
  f.Fill(r, "a");
  r->ReplaceEdit()->setText("aa");  // contains the find text: must not loop
  f.editor.SetSelStart(5);
  r->ReplaceAllButton()->click();
  EXPECT_EQ(f.editor.Text(), "a<b>a</b>aa<b>aa</b>");
  EXPECT_EQ(f.statusShown, std::vector<QString>{QStringLiteral("2個所、置換しました。")});
  EXPECT_EQ(f.ctx.statusText, ReplacedCountText(2));
  EXPECT_EQ(f.Sel(), std::make_pair(Offset{0}, Offset{0}));

  // From the top, with the matching selection counted first.
  f.editor.SetSelStart(0);
  f.editor.SetSelLength(1);
  r->ReplaceAllButton()->click();
  EXPECT_EQ(f.editor.Text(), "aa<b>aa</b>aaaa<b>aaaa</b>");
  EXPECT_EQ(f.statusShown.back(), QStringLiteral("6個所、置換しました。"));
  // One undo step takes the whole replacement back.
  f.editor.Undo();
  EXPECT_EQ(f.editor.Text(), "a<b>a</b>aa<b>aa</b>");
}

TEST(FindDialogPlacement, FollowsTheCaretLineInsideTheWindow) {
  const QRect window(100, 200, 800, 600);  // top 200, bottom edge 800
  struct Case {
    const char* name;
    int caretY;
    int top;
  } const cases[] = {
      {"inside", 400, 430},
      {"on the top edge", 200, 230},
      {"above the window", 150, 300},
      {"below the window", 900, 600},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(FindDialogPosition(c.caretY, window, 130), QPoint(150, c.top));
  }
}

TEST(FindDialogPlacement, EachShowingPlacesTheDialogBelowTheCaretLine) {
  FindFixture f("abc");
  f.dialogs.ShowFind();
  const int tabsLeft = f.tabs->mapToGlobal(QPoint(0, 0)).x();
  EXPECT_EQ(f.dialogs.FindDialog()->pos(), QPoint(tabsLeft + 20, 430));
  f.caretLine.moveTop(2000);
  const int bottom = f.window.frameGeometry().y() + f.window.frameGeometry().height();
  f.dialogs.ShowReplace();
  EXPECT_EQ(f.dialogs.ReplaceDialog()->pos(), QPoint(tabsLeft + 20, bottom - 200));
}

TEST(FindDialogPlacement, CaretLineIsTheEditorLineOnScreen) {
  SurfaceFixture f;
  f.widget.move(50, 70);
  f.widget.show();
  f.editor.Load("a\r\n\x95\x5C\r\nc", false);
  EXPECT_TRUE(CaretLineScreenRect(nullptr).isNull());
  const QRect first = CaretLineScreenRect(&f.widget);
  EXPECT_EQ(first.y(), f.widget.viewport()->mapToGlobal(QPoint(0, 0)).y());
  ASSERT_GT(first.height(), 0);
  f.editor.SetSelStart(f.editor.LineIndex(2));
  EXPECT_EQ(CaretLineScreenRect(&f.widget).y(), first.y() + 2 * first.height());
}

TEST(FindDialog, CaptionsAreTheDesktopDialogs) {
  FindFixture f("");
  FindReplaceDialog* d = f.dialogs.FindDialog();
  FindReplaceDialog* r = f.dialogs.ReplaceDialog();
  EXPECT_EQ(d->windowTitle(), QStringLiteral("検索"));
  EXPECT_EQ(r->windowTitle(), QStringLiteral("置換"));
  EXPECT_EQ(d->ReplaceEdit(), nullptr);
  EXPECT_EQ(r->WholeWordBox()->text(), QStringLiteral("単語単位で探す(&W)"));
  EXPECT_EQ(r->MatchCaseBox()->text(), QStringLiteral("大文字と小文字を区別する(&C)"));
  EXPECT_EQ(r->FindNextButton()->text(), QStringLiteral("次を検索(&F)"));
  EXPECT_EQ(r->ReplaceButton()->text(), QStringLiteral("置換して次に(&R)"));
  EXPECT_EQ(r->ReplaceAllButton()->text(), QStringLiteral("すべて置換(&A)"));
  EXPECT_EQ(r->CancelButton()->text(), QStringLiteral("キャンセル"));
}

}  // namespace
}  // namespace mw::gui
