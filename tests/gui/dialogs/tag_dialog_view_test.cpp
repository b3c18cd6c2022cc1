// The tag dialogs' windows, opened by their commands on a real editor and
// filled in through their widgets as the author would.
#include "gui/dialogs/tag_dialog_view.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTimer>
#include <fstream>
#include <functional>
#include <vector>

#include "core/app/document_file.h"
#include "core/dialogs/dialog_lists.h"
#include "core/editing/command_registry.h"
#include "core/engine_commands.h"
#include "gui/app/qt_prompts.h"
#include "gui/dialogs/field_widgets.h"
#include "gui/dialogs/word_list_view.h"
#include "core/project/relative_path.h"
#include "support/temp_dir.h"
#include "dialog_fixture.h"

namespace mw::gui {
namespace {

struct CommandCase {
  const char* command;
  const char* document;
  std::vector<std::pair<std::string, std::string>> set;
  std::string expected;
};

TEST(TagDialogViews, CommandsInsertWhatTheFieldsSay) {
  const std::string hyo = "\x95\x5C";  // 表: its second byte is a backslash
  const CommandCase cases[] = {
      {"HRClick", "a|b", {{"edSize", "3"}, {"rgAlign", "2"}, {"ckNoShade", "1"}},
       "a<HR SIZE=\"3\" ALIGN=\"right\" NOSHADE>b"},
      {"FONTClick", "[cd]", {{"cbColor", "red"}, {"cbSize", "+1"}}, "<FONT SIZE=\"+1\" COLOR=\"red\">cd</FONT>"},
      {"HREFClick", "[x]", {{"cbURL", "a.html"}, {"cbTarget", "_top"}, {"edTitle", "\xE8\xA1\xA8"}},
       "<A HREF=\"a.html\" TARGET=\"_top\" TITLE=\"" + hyo + "\">x</A>"},
      {"ULClick", "[a\r\nb]", {{"rgType", "1"}, {"rgIndent", "0"}},
       "<UL TYPE=\"circle\">\r\n<LI>a\r\n<LI>b\r\n</UL>"},
      {"TRClick", "[c]", {{"cbBgColor", "#FFFFFF"}, {"rgVAlign", "2"}},
       "<TR BGCOLOR=\"#FFFFFF\" VALIGN=\"middle\">c</TR>"},
      {"TDClick", "[c]", {{"edColSpan", "2"}, {"edWidth", "50"}, {"ckWidth", "1"}},
       "<TD COLSPAN=\"2\" WIDTH=\"50%\">c</TD>"},
      {"FORMClick", "[f]", {{"edAction", "cgi"}}, "<FORM METHOD=\"POST\" ACTION=\"cgi\">\r\nf</FORM>\r\n"},
      {"INPUTClick", "|", {{"cbType", "checkbox"}, {"edName", "n"}, {"ckChecked", "1"}, {"cbOnBlur", "b()"}},
       "<INPUT TYPE=\"checkbox\" NAME=\"n\" CHECKED onBlur=\"b()\">\r\n"},
      {"SELECTClick", "|",
       {{"edName", "s"}, {"edRowCount", "2"}, {"sgOption[1,0]", "1"}, {"sgOption[1,1]", "One"},
        {"sgOption[2,0]", "b"}, {"sgOption[2,1]", "Two"}},
       "<SELECT NAME=\"s\">\r\n<OPTION VALUE=1>One\r\n<OPTION VALUE=\"b\">Two\r\n</SELECT>\r\n"},
      {"FRAMESETClick", "|",
       {{"edColCount", "2"}, {"sgFrame[1,1]", "<FRAME SRC=\"a.html\">"}, {"sgFrame[1,2]", "<FRAME SRC=\"b.html\">"}},
       "<FRAMESET COLS=\"50%,50%\">\r\n<FRAME SRC=\"a.html\">\r\n<FRAME SRC=\"b.html\">\r\n</FRAMESET>"},
      {"METAClick", "<HEAD>|</HEAD>", {{"cbHttpEquiv", ""}, {"cbName", "keywords"}, {"cbContent", "x"}},
       "<HEAD>\r\n<META NAME=\"keywords\" CONTENT=\"x\"></HEAD>"},
      {"BASEFONTClick", "[ab]c", {{"rgSize", "4"}}, "ab<BASEFONT SIZE=\"5\">c"},
      {"PClick", "[p]", {{"rgAlign", "2"}, {"cbCLASS", "k"}}, "<P ALIGN=\"center\" CLASS=\"k\">p</P>"},
      {"BClick", "[x]", {{"cbCLASS", "k"}, {"cbLang", "ja"}}, "<B LANG=\"ja\" CLASS=\"k\">x</B>"},
  };
  DialogFixture fx;
  for (const CommandCase& c : cases) {
    fx.LoadMarked(c.document);
    WhenShown<TagDialogView>([&c](TagDialogView& view) {
      for (const auto& [name, value] : c.set) SetControl(view, name, value);
      view.OkButton()->click();
    });
    fx.Run(c.command);
    EXPECT_EQ(fx.editor.Text(), c.expected) << c.command;
    EXPECT_EQ(fx.WidgetBytes(), c.expected) << c.command;
  }
}

TEST(TagDialogViews, CancelLeavesTheDocumentAndRepeatPair) {
  DialogFixture fx;
  fx.LoadMarked("ab[cd]e");
  fx.ctx.repeatTag = {"<X>", "</X>"};
  for (const char* command : {"HRClick", "FONTClick", "FRAMESETClick", "SELECTClick", "BClick"}) {
    WhenShown<TagDialogView>([](TagDialogView& view) {
      if (view.Control("cbStyle")) SetControl(view, "cbStyle", "color:red");
      else SetControl(view, "edSize", "3");
      view.CancelButton()->click();
    });
    fx.Run(command);
    EXPECT_EQ(fx.editor.Text(), "abcde") << command;
    EXPECT_EQ(fx.ctx.repeatTag, (RepeatTagPair{"<X>", "</X>"})) << command;
  }  // Esc cancels from the preview too, though its editor knows the key.
  WhenShown<TagDialogView>([](TagDialogView& view) {
    SetControl(view, "cbColor", "red");
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(view.PreviewWidget(), &esc);
    EXPECT_FALSE(view.isVisible());
  });
  fx.Run("FONTClick");
  EXPECT_EQ(fx.editor.Text(), "abcde");
}

TEST(TagDialogViews, FormShowsTheModelsCaptionLabelsAndItems) {
  DialogFixture fx;
  fx.LoadMarked("[x]");
  WhenShown<TagDialogView>([](TagDialogView& view) {
    EXPECT_EQ(view.windowTitle(), QStringLiteral("ハイパーリンク<A HREF=...></A>：　インライン"));
    auto* target = qobject_cast<QComboBox*>(view.Control("cbTarget"));
    ASSERT_NE(target, nullptr);
    ASSERT_EQ(target->count(), 4);
    EXPECT_EQ(target->itemText(3), QStringLiteral("_top"));
    bool found = false;
    for (QLabel* l : view.findChildren<QLabel*>())
      if (l->text() == QStringLiteral("ターゲットフレーム名(&T)")) found = l->buddy() == target;
    EXPECT_TRUE(found);
    EXPECT_NE(view.findChild<QGroupBox*>(QStringLiteral("gbCommon")), nullptr);
    EXPECT_NE(view.findChild<QGroupBox*>(QStringLiteral("gbHandlers")), nullptr);
    view.CancelButton()->click();
  });
  fx.Run("HREFClick");

  // Tab walks the dialog's own fields first, whatever the table's order.
  fx.LoadMarked("|");
  WhenShown<TagDialogView>([](TagDialogView& view) {
    QStringList order;
    QWidget* start = view.Control("edName");
    for (QWidget* w = start->nextInFocusChain(); w != start && order.size() < 200; w = w->nextInFocusChain())
      order << w->objectName();
    const auto at = [&order](const char* name) { return order.indexOf(QString::fromLatin1(name)); };
    EXPECT_GE(at("sgOption"), 0);
    EXPECT_LT(at("sgOption"), at("edRowCount"));
    EXPECT_LT(at("edRowCount"), at("edTitle"));
    EXPECT_LT(at("edTitle"), at("cbOnChange"));
    EXPECT_LT(at("cbOnChange"), at("reTag"));
    EXPECT_LT(at("reTag"), at("OkBtn"));
    view.CancelButton()->click();
  });
  fx.Run("SELECTClick");

  // A caption's alignment is vertical: the horizontal group is hidden.
  WhenShown<TagDialogView>([](TagDialogView& view) {
    EXPECT_FALSE(view.Control("rgAlign")->isVisibleTo(&view));
    EXPECT_TRUE(view.Control("rgVAlign")->isVisibleTo(&view));
    view.CancelButton()->click();
  });
  fx.Run("CAPTIONClick");
}

TEST(TagDialogViews, PreviewFollowsTheFieldsUntilEditedByHand) {
  DialogFixture fx;
  fx.ctx.options.lowerCaseTag = true;
  fx.LoadMarked("|");
  WhenShown<TagDialogView>([](TagDialogView& view) {
    EXPECT_EQ(view.PreviewText(), "<hr>");
    SetControl(view, "edSize", "3");
    SetControl(view, "cbColor", "Red");
    QApplication::processEvents();  // the rebuild waits for the events of the change
    EXPECT_EQ(view.PreviewText(), "<hr size=\"3\" color=\"Red\">");
    // Stepping a number down to -1 empties it and drops its attribute.
    auto* size = qobject_cast<NumberField*>(view.Control("edSize"));
    size->stepBy(-4);
    EXPECT_EQ(size->Text(), QString());
    view.RebuildNow();
    EXPECT_EQ(view.PreviewText(), "<hr color=\"Red\">");
    view.PreviewWidget()->setText(QStringLiteral("<hr class=\"mine\">"));
    EXPECT_TRUE(view.PreviewEditedByHand());
    view.OkButton()->click();
  });
  fx.Run("HRClick");
  EXPECT_EQ(fx.editor.Text(), "<hr class=\"mine\">");
  EXPECT_EQ(fx.ctx.repeatTag, (RepeatTagPair{"<hr class=\"mine\">", ""}));

  // A field changed after the hand edit builds the preview anew.
  fx.LoadMarked("|");
  WhenShown<TagDialogView>([](TagDialogView& view) {
    view.PreviewWidget()->setText(QStringLiteral("<hr class=\"mine\">"));
    SetControl(view, "ckNoShade", "1");
    view.RebuildNow();
    EXPECT_FALSE(view.PreviewEditedByHand());
    view.OkButton()->click();
  });
  fx.Run("HRClick");
  EXPECT_EQ(fx.editor.Text(), "<hr noshade>");
}

TEST(TagDialogViews, ReEditPresetsTheWidgetsFromTheTag) {
  DialogFixture fx;
  fx.LoadMarked("<HR SIZE=\"3\" ALIGN=\"left\">|");
  WhenShown<TagDialogView>([](TagDialogView& view) {
    EXPECT_EQ(view.windowTitle(), QStringLiteral("<HR>の再編集"));
    EXPECT_EQ(ControlText(view, "edSize"), QStringLiteral("3"));
    EXPECT_TRUE(view.findChild<QRadioButton*>(QStringLiteral("rgAlign_0"))->isChecked());
    EXPECT_EQ(ControlText(view, "edWidth"), QString());
    SetControl(view, "edSize", "5");
    view.OkButton()->click();
  });
  fx.Run("EditTagClick");
  EXPECT_EQ(fx.editor.Text(), "<HR SIZE=\"5\" ALIGN=\"left\">");

  fx.LoadMarked("<TABLE><TR><TD COLSPAN=\"2\" BGCOLOR=\"red\" NOWRAP>|x</TD>");
  WhenShown<TagDialogView>([](TagDialogView& view) {
    EXPECT_EQ(ControlText(view, "edColSpan"), QStringLiteral("2"));
    EXPECT_EQ(ControlText(view, "cbBgColor"), QStringLiteral("red"));
    EXPECT_TRUE(qobject_cast<QCheckBox*>(view.Control("ckNOWRAP"))->isChecked());
    SetControl(view, "ckNOWRAP", "0");
    view.OkButton()->click();
  });
  fx.Run("EditTagClick");
  EXPECT_EQ(fx.editor.Text(), "<TABLE><TR><TD COLSPAN=\"2\" BGCOLOR=\"red\">x</TD>");

  fx.LoadMarked("<INPUT TYPE=\"text\" NAME=\"q\" SIZE=\"10\">|");
  WhenShown<TagDialogView>([](TagDialogView& view) {
    EXPECT_EQ(ControlText(view, "edName"), QStringLiteral("q"));
    EXPECT_EQ(ControlText(view, "edSize"), QStringLiteral("10"));
    EXPECT_EQ(ControlText(view, "cbType"), QStringLiteral("text"));
    EXPECT_EQ(ControlText(view, "edMaxLength"), QString());
    view.CancelButton()->click();
  });
  fx.Run("EditTagClick");
  EXPECT_EQ(fx.editor.Text(), "<INPUT TYPE=\"text\" NAME=\"q\" SIZE=\"10\">");

  fx.LoadMarked("<SPAN CLASS=\"a\">|x</SPAN>");
  WhenShown<TagDialogView>([](TagDialogView& view) {
    EXPECT_EQ(ControlText(view, "cbCLASS"), QStringLiteral("a"));
    SetControl(view, "edTitle", "t");
    view.OkButton()->click();
  });
  fx.Run("EditTagClick");
  // A new attribute goes after the ones the tag has.
  EXPECT_EQ(fx.editor.Text(), "<SPAN CLASS=\"a\" TITLE=\"t\">x</SPAN>");
}

TEST(TagDialogViews, EnterConfirmsAndShiftEnterOpensThePalette) {
  DialogFixture fx;
  fx.ctx.options.lowerCaseTag = true;
  fx.LoadMarked("|");
  WhenShown<TagDialogView>([](TagDialogView& view) {
    auto* colour = qobject_cast<QComboBox*>(view.Control("cbColor"));
    // The palette is modal too: pure red chosen there.
    QTimer::singleShot(0, [] {
      auto* palette = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(palette, nullptr);
      palette->setCurrentColor(QColor(255, 0, 0));
      palette->accept();
    });
    QKeyEvent shiftEnter(QEvent::KeyPress, Qt::Key_Return, Qt::ShiftModifier);
    QApplication::sendEvent(colour->lineEdit(), &shiftEnter);
    EXPECT_EQ(colour->currentText(), QStringLiteral("#ff0000"));
    EXPECT_TRUE(view.isVisible());
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(qobject_cast<NumberField*>(view.Control("edWidth"))->Edit(), &enter);
  });
  fx.Run("HRClick");
  EXPECT_EQ(fx.editor.Text(), "<hr color=\"#ff0000\">");
}

TEST(TagDialogViews, ReferenceButtonGivesARelativeUrl) {
  test::TempDir dir;
  DialogFixture fx;
  const QString docPath = fx.SavedPageIn(dir.dir());
  const QString chosen = QString::fromStdString((dir.dir() / "img" / "a.gif").string());
  QString startSeen;
  QString filterSeen;
  fx.hooks.chooseFile = [&](QWidget*, const QString& start, const QString& filter) {
    startSeen = start;
    filterSeen = filter;
    return chosen;
  };
  // Unsaved first: no relative path can be made.
  fx.Reregister();
  fx.LoadMarked("[c]");
  WhenShown<TagDialogView>([](TagDialogView& view) {
    auto* ref = view.Control("edBackGround")->parentWidget()->findChild<QPushButton*>(QStringLiteral("RefBtn"));
    ASSERT_NE(ref, nullptr);
    EXPECT_FALSE(ref->isEnabled());
    view.CancelButton()->click();
  });
  fx.Run("TRClick");

  fx.hooks.documentPath = [docPath] { return docPath; };
  fx.Reregister();
  WhenShown<TagDialogView>([](TagDialogView& view) {
    auto* ref = view.Control("edBackGround")->parentWidget()->findChild<QPushButton*>(QStringLiteral("RefBtn"));
    ASSERT_TRUE(ref->isEnabled());
    ref->click();
    EXPECT_EQ(ControlText(view, "edBackGround"), QStringLiteral("../img/a.gif"));
    view.OkButton()->click();
  });
  fx.Run("TRClick");
  EXPECT_EQ(fx.editor.Text(), "<TR BACKGROUND=\"../img/a.gif\">c</TR>");
  EXPECT_EQ(filterSeen, QStringLiteral("ｲﾒｰｼﾞﾌｧｲﾙ (*.jpg *.gif *png);;すべてのﾌｧｲﾙ (*.*)"));
}

TEST(TagDialogViews, WordListKeepsWhatItsButtonsAdded) {
  test::TempDir dir;
  WriteFileAtomic((dir.dir() / "BookMark.txt").string(), "a\r\n");
  DialogFixture fx;
  fx.ctx.services.dataFolder = dir.dir().string();
  fx.LoadMarked("x|y");
  WhenShown<TInsertStrDlg>([](TInsertStrDlg& view) {
    EXPECT_EQ(view.windowTitle(), QStringLiteral("お気に入り言葉の挿入"));
    EXPECT_EQ(view.Combo()->currentText(), QStringLiteral("a"));
    view.Combo()->setEditText(QStringLiteral("b"));
    view.AddButton()->click();
    EXPECT_EQ(view.Combo()->count(), 2);
    view.accept();
  });
  fx.Run("InsertURLClick");
  EXPECT_EQ(fx.editor.Text(), "xby");
  EXPECT_EQ(ReadFileBytes((dir.dir() / "BookMark.txt").string()), "b\r\na\r\n");
}

}  // namespace
}  // namespace mw::gui
