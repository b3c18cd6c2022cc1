// The command table's keys typed into the real editor of a real window:
// the editor's own key bindings never take a key the table gives a command.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeySequence>
#include <QTest>

#include "core/editing/scripted_prompts.h"
#include "gui/app/command_table.h"
#include "gui/app/main_window.h"
#include "gui/display/scintilla_editor.h"
#include "gui/display/scintilla_surface.h"
#include "gui/display/test_app.h"
#include "support/temp_dir.h"

namespace mw::gui {
namespace {

struct KeyWindow {
  explicit KeyWindow(const std::string& page) {
    w.SetPrompts(&prompts);
    w.show();
    EXPECT_TRUE(w.OpenDocument(QString::fromStdString(dir.Write("page.html", page))));
    w.activateWindow();
    Editor().setFocus();
    QApplication::processEvents();
  }
  ScintillaEditor& Editor() { return *w.ActiveEditor(); }
  ScintillaSurface& Doc() { return *w.ActiveSurface(); }
  // The key as the keyboard sends it (Shift+Tab arrives as Backtab).
  void Press(const QKeyCombination& k) {
    Qt::Key key = k.key();
    if (key == Qt::Key_Tab && (k.keyboardModifiers() & Qt::ShiftModifier)) key = Qt::Key_Backtab;
    QTest::keyClick(&Editor(), key, k.keyboardModifiers());
    QApplication::processEvents();
  }

  QApplication& app = test::TestApp();
  test::TempDir dir;
  TMainForm w;
  ScriptedPrompts prompts;
};

TEST(WindowKeysTest, EveryDefaultKeyOfTheTableReachesItsCommandFromTheEditor) {
  KeyWindow k("  <P>one</P>\r\n  <P>two</P>\r\n");
  // Every command can run: a selection, text on the clipboard, an undo
  // step and a repeat tag.
  k.Doc().SetSelection(0, 0);
  k.Doc().SetSelText("x");
  k.Doc().SetSelection(0, 10);
  QApplication::clipboard()->setText(QStringLiteral("clip"));
  k.w.Context().repeatTag.start = "<B>";
  k.w.IdleUpdate();
  int keys = 0;
  for (const CommandRow& row : CommandTable(CommandWindow::Main)) {
    if (row.shortcut.empty()) continue;
    ++keys;
    SCOPED_TRACE(std::string(row.id) + " " + std::string(row.shortcut));
    QAction* action = k.w.Action(row.id);
    ASSERT_NE(action, nullptr);
    // A command whose part is still to come is disabled: its key does
    // nothing yet, and the editor must not take it either.
    const bool enabled = action->isEnabled();
    // Only whether the key gets to the command: the commands themselves
    // (dialogs among them) are not run here.
    QObject::disconnect(action, &QAction::triggered, nullptr, nullptr);
    int runs = 0;
    QObject::connect(action, &QAction::triggered, [&runs] { ++runs; });
    const std::string before = k.Doc().Text();
    k.Editor().setFocus();
    k.Press(QKeySequence(QString::fromUtf8(row.shortcut.data(), static_cast<qsizetype>(row.shortcut.size())))[0]);
    EXPECT_EQ(runs, enabled ? 1 : 0);
    EXPECT_EQ(k.Doc().Text(), before) << "the editor acted on the key itself";
  }
  EXPECT_GT(keys, 10);
}

// The key once reported: upper-casing the selection instead of unindenting.
TEST(WindowKeysTest, CtrlShiftUUnindentsAndCtrlShiftIIndentsTheSelectedLines) {
  KeyWindow k("\tone\r\n\ttwo\r\n");
  k.Doc().SetSelection(0, 11);
  k.Press(QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_U));
  EXPECT_EQ(k.Doc().Text(), "one\r\ntwo\r\n");
  k.Doc().SetSelection(0, 9);
  k.Press(QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_I));
  EXPECT_EQ(k.Doc().Text(), "\tone\r\n\ttwo\r\n");
}

// What the editor keeps for itself still edits: moving, extending the
// selection, deleting, Enter, Tab and the overwrite mode.
TEST(WindowKeysTest, EditingKeysStillWorkInTheEditor) {
  KeyWindow k("abc def\r\nghi\r\n");
  k.Doc().SetSelection(0, 0);
  const auto press = [&](Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    k.Press(QKeyCombination(mods, key));
  };
  press(Qt::Key_End);
  EXPECT_EQ(k.Doc().GetSelStart(), 7);
  press(Qt::Key_Home, Qt::ShiftModifier);
  EXPECT_EQ(k.Doc().GetSelLength(), 7);
  press(Qt::Key_Right);
  press(Qt::Key_Down);
  EXPECT_EQ(k.Doc().LineFromChar(k.Doc().GetSelStart()), 1);
  press(Qt::Key_Home, Qt::ControlModifier);
  press(Qt::Key_Right, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_GT(k.Doc().GetSelLength(), 0);
  press(Qt::Key_Delete);
  press(Qt::Key_End, Qt::ControlModifier);
  press(Qt::Key_Backspace);
  press(Qt::Key_Return);
  press(Qt::Key_Tab);
  EXPECT_EQ(k.Doc().Text(), "def\r\nghi\r\n\t");
  EXPECT_TRUE(k.Doc().InsertMode());
  press(Qt::Key_Insert);
  EXPECT_FALSE(k.Doc().InsertMode());
  press(Qt::Key_Insert);
  EXPECT_TRUE(k.Doc().InsertMode());
  press(Qt::Key_Home, Qt::ControlModifier);
  QTest::keyClicks(&k.Editor(), QStringLiteral("XY"));
  EXPECT_EQ(k.Doc().Text(), "XYdef\r\nghi\r\n\t");
}

}  // namespace
}  // namespace mw::gui
