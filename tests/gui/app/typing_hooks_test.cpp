// The window hands typing and caret moves to the engine: real key events
// into the real editor of a real window, offscreen.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QPushButton>
#include <QTimer>

#include "core/editing/editing_fixture.h"
#include "core/editing/scripted_prompts.h"
#include "gui/app/main_window.h"
#include "gui/dialogs/tag_dialog_view.h"
#include "gui/display/scintilla_editor.h"
#include "gui/display/scintilla_surface.h"
#include "gui/display/test_app.h"
#include "support/temp_dir.h"

namespace mw::gui {
namespace {

using test::FontLetters;

struct TypingWindow {
  explicit TypingWindow(const std::string& page, const char* name = "page.html") {
    w.SetPrompts(&prompts);
    w.show();
    EXPECT_TRUE(w.OpenDocument(QString::fromStdString(dir.Write(name, page))));
    w.activateWindow();
    Editor().setFocus();
    QApplication::processEvents();
  }
  ScintillaEditor& Editor() { return *w.ActiveEditor(); }
  ScintillaSurface& Doc() { return *w.ActiveSurface(); }
  void Key(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) { QTest::keyClick(&Editor(), key, mods); }
  void Type(const char* ascii) { QTest::keyClicks(&Editor(), QString::fromLatin1(ascii)); }
  void Run(std::string_view id) { w.RunCommand(id); }
  std::string Selected() { return Doc().GetTextRange(Doc().GetSelStart(), Doc().GetSelLength()); }

  QApplication& app = test::TestApp();
  test::TempDir dir;
  ScriptedPrompts prompts;
  TMainForm w;
};

TEST(TypingHooks, EnterKeepsTheIndentOfTheLineWithAutoIndent) {
  TypingWindow x("\t\tx\r\ny");
  x.Run("AutoIndent");
  ASSERT_TRUE(x.w.Context().options.autoIndent);
  x.Key(Qt::Key_End);
  x.Key(Qt::Key_Return);
  EXPECT_EQ(x.Doc().Text(), "\t\tx\r\n\t\t\r\ny");
  // The new line has the same indent, so the next Enter keeps it too.
  x.Key(Qt::Key_Return);
  EXPECT_EQ(x.Doc().Text(), "\t\tx\r\n\t\t\r\n\t\t\r\ny");
  EXPECT_EQ(x.Doc().GetSelStart(), 11);
}

TEST(TypingHooks, WithoutAutoIndentEnterIsALineEndAlone) {
  TypingWindow x("\t\tx");
  x.Key(Qt::Key_End);
  x.Key(Qt::Key_Return);
  EXPECT_EQ(x.Doc().Text(), "\t\tx\r\n");
}

// T tag, P quoted value, . text: each character takes its font as it is
// typed, the way the page is coloured when it is opened.
TEST(TypingHooks, TypedMarkupTakesTheTagAndValueFonts) {
  TypingWindow x("");
  x.Type("<A HREF=\"y\">z");
  EXPECT_EQ(x.Doc().Text(), "<A HREF=\"y\">z");
  EXPECT_EQ(FontLetters(x.Doc()), "TTTTTTTTPPPT.");
}

// A page that is not coloured (its extension is not in the list) keeps
// the text font for everything typed.
TEST(TypingHooks, UncolouredPagesTypeInTheTextFont) {
  TypingWindow x("", "notes.txt");
  x.Type("<B>");
  EXPECT_EQ(FontLetters(x.Doc()), "...");
}

// The current tag follows the caret moved by keys, so the selections that
// start from it find what is around the caret in a fresh window.
TEST(TypingHooks, CaretMovesKeepTheCurrentTagForTheSelections) {
  TypingWindow x("<P>abc def</P>");
  for (int i = 0; i < 5; ++i) x.Key(Qt::Key_Right);
  EXPECT_EQ(x.w.Context().currentTag.start, 0);
  EXPECT_EQ(x.w.Context().currentTag.length, 3);
  x.Run("SelectPreviousText");
  EXPECT_EQ(x.Selected(), "abc def");
  x.Key(Qt::Key_Left);
  x.Key(Qt::Key_Right);
  x.Key(Qt::Key_Right);
  x.Run("SelectAutoRange");
  EXPECT_EQ(x.Selected(), "abc def");
}

// A tag dialog's preview types by the document's rules too: the simple-tag
// dialog of <I> on a selection, its preview edited by real keys.
TEST(TypingHooks, TheDialogPreviewTypesByTheDocumentsRules) {
  TypingWindow x("\tabc");
  x.Run("AutoIndent");
  x.Key(Qt::Key_End);
  std::string preview;
  std::string letters;
  QTimer::singleShot(0, [&] {
    auto* view = qobject_cast<TagDialogView*>(QApplication::activeModalWidget());
    ASSERT_NE(view, nullptr);
    ScintillaEditor* editor = view->PreviewWidget();
    editor->setFocus();
    editor->SendScintilla(QsciScintillaBase::SCI_DOCUMENTEND);
    QTest::keyClicks(editor, QStringLiteral("<B>x"));
    QTest::keyClick(editor, Qt::Key_Return);
    preview = view->PreviewText();
    letters = FontLetters(view->PreviewSurface());
    view->CancelButton()->click();
  });
  x.Run("I");
  // The preview "<I></I>" gained the typed tag in the tag font, text after
  // it in the text font, and a line end that keeps the indent of the
  // document's caret line.
  EXPECT_EQ(preview, "<I></I><B>x\r\n\t");
  EXPECT_EQ(letters.substr(7, 4), "TTT.");
}

}  // namespace
}  // namespace mw::gui
