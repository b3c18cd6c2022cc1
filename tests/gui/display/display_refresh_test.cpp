// The gutter, the editor settings, the display refresh and large files,
// on the real widget.
#include "gui/display/display_refresh.h"

#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QMouseEvent>

#include "gui/display/line_gutter.h"
#include "gui/display/surface_fixture.h"

namespace mw::test {
namespace {

using Sci = QsciScintillaBase;

long Sci0(const ScintillaEditor& w, unsigned int msg, unsigned long a = 0) { return w.SendScintilla(msg, a); }

std::string Lines(int count, const std::string& line, bool finalLineEnd) {
  std::string t;
  for (int i = 0; i < count; ++i) t += line + (i + 1 < count || finalLineEnd ? "\r\n" : "");
  return t;
}

std::vector<QString> Texts(const std::vector<GutterLabel>& labels) {
  std::vector<QString> out;
  for (const auto& l : labels) out.push_back(l.text);
  return out;
}

struct Shown : SurfaceFixture {
  explicit Shown(int width = 400) {
    widget.resize(width, 300);
    widget.show();
    QApplication::processEvents();
  }
};

// 80-byte lines, each wrapped: only the first display line of each is
// numbered, so the numbers sit as far apart as each line is tall.
TEST(LineGutter, WrappedLinesAreNumberedOnceAtTheirFirstDisplayLine) {
  Shown f(260);
  std::string line;
  for (int i = 0; i < 8; ++i) line += "abcd \x83\x5C\x95\x5C ";
  ASSERT_EQ(line.size(), 80u);
  f.editor.Load(Lines(4, line, false), true);
  QApplication::processEvents();
  const auto labels = f.widget.GutterLabels();
  ASSERT_EQ(Texts(labels), (std::vector<QString>{"1", "2", "3", "4"}));
  const int h = f.widget.DisplayLineHeight();
  for (std::size_t k = 0; k < labels.size(); ++k) {
    const long rows = Sci0(f.widget, Sci::SCI_WRAPCOUNT, k);
    EXPECT_GE(rows, 2) << k;
    EXPECT_EQ(labels[k].y, static_cast<int>(Sci0(f.widget, Sci::SCI_VISIBLEFROMDOCLINE, k)) * h);
    // The surface answers the same display lines.
    EXPECT_EQ(f.editor.LineFromChar(f.editor.LineStarts()[k]), Sci0(f.widget, Sci::SCI_VISIBLEFROMDOCLINE, k));
  }
  // Scrolled into a wrapped line: the top row still says which line it is.
  f.editor.LineScroll(1);
  EXPECT_EQ(f.widget.GutterLabels().front().text, "1");
  EXPECT_EQ(f.widget.GutterLabels().front().y, 0);
  EXPECT_EQ(f.widget.GutterLabels()[1].text, "2");
}

TEST(LineGutter, EofMarksTheEmptyLineAfterAFinalLineEndOnly) {
  Shown f;
  f.editor.Load(Lines(3, "<P>x", true), true);
  EXPECT_EQ(Texts(f.widget.GutterLabels()), (std::vector<QString>{"1", "2", "3", "[EOF]"}));
  f.editor.Load(Lines(3, "<P>x", false), true);
  EXPECT_EQ(Texts(f.widget.GutterLabels()), (std::vector<QString>{"1", "2", "3"}));
  f.editor.Load("", true);
  EXPECT_EQ(Texts(f.widget.GutterLabels()), (std::vector<QString>{"1"}));
  f.editor.Load("\r\n", true);
  EXPECT_EQ(Texts(f.widget.GutterLabels()), (std::vector<QString>{"1", "[EOF]"}));
}

TEST(LineGutter, WidthAndNumbersFollowTheLineNumberSetting) {
  Shown f;
  f.editor.Load(Lines(3, "x", true), false);
  EditorLook look;
  look.showLineNumbers = false;
  look.gutterWidth = GutterWidthFor(false);
  ConfigureEditor(f.editor, look);
  EXPECT_EQ(f.widget.Gutter()->width(), 16);
  EXPECT_EQ(f.widget.viewport()->x(), f.widget.Gutter()->x() + 16);
  EXPECT_TRUE(f.widget.GutterLabels().empty());
  look.showLineNumbers = true;
  look.gutterWidth = GutterWidthFor(true);
  ConfigureEditor(f.editor, look);
  EXPECT_EQ(f.widget.Gutter()->width(), 50);
  EXPECT_EQ(f.widget.viewport()->x(), f.widget.Gutter()->x() + 50);
  EXPECT_EQ(f.widget.GutterLabels().size(), 4u);
  // The caret line is marked where its number stands.
  f.editor.SetSelStart(f.editor.LineStarts()[2] + 1);
  EXPECT_EQ(f.widget.CaretLineY(), f.widget.GutterLabels()[2].y);
}

void Click(QWidget& w, int y, Qt::KeyboardModifiers mods = Qt::NoModifier) {
  const QPointF at(5, y);
  QMouseEvent press(QEvent::MouseButtonPress, at, w.mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, mods);
  QApplication::sendEvent(&w, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, at, w.mapToGlobal(at), Qt::LeftButton, Qt::NoButton, mods);
  QApplication::sendEvent(&w, &release);
}

// With wrapped lines the third visible row is the second half of a line:
// the click puts the caret at that row's start, not the line's.
TEST(LineGutter, ClickPutsTheCaretAtTheStartOfTheDisplayLineThere) {
  Shown f(260);
  std::string line;
  for (int i = 0; i < 8; ++i) line += "abcd \x83\x5C\x95\x5C ";
  f.editor.Load(Lines(6, line, true), true);
  QApplication::processEvents();
  f.editor.LineScroll(1);
  const int h = f.widget.DisplayLineHeight();
  const Offset top = f.editor.TopDisplayLine();
  Click(*f.widget.Gutter(), 2 * h + h / 2);
  EXPECT_EQ(f.editor.GetSelStart(), f.editor.LineIndex(top + 2));
  EXPECT_EQ(f.editor.GetSelLength(), 0);
  EXPECT_EQ(f.editor.LineFromChar(-1), top + 2);
  // Shift-click selects from there to the start of the clicked row.
  Click(*f.widget.Gutter(), 4 * h + 1, Qt::ShiftModifier);
  EXPECT_EQ(f.editor.SelAnchor(), f.editor.LineIndex(top + 2));
  EXPECT_EQ(f.editor.SelActive(), f.editor.LineIndex(top + 4));
  // Below the last line: the last display line.
  Click(*f.widget.Gutter(), 1000 * h);
  EXPECT_EQ(f.editor.LineFromChar(-1), f.editor.LineFromChar(f.editor.TextLength()));
}

// Right after loading only the lines in view are wrapped; answers about
// display lines far below must still count every wrapped line above.
TEST(DisplayLines, FarLinesCountEveryWrappedLineAbove) {
  Shown f(260);
  std::string line;
  for (int i = 0; i < 8; ++i) line += "abcd \x83\x5C\x95\x5C ";
  const int count = 3000;
  f.editor.Load(Lines(count, line, false), true);
  const Offset lastStart = f.editor.LineStarts().back();
  // Asked before anything scrolls or paints.
  const Offset caretLine = f.editor.LineFromChar(lastStart);
  const Offset lastIndex = f.editor.LineIndex(caretLine);
  long expected = 0;
  for (int k = 0; k + 1 < count; ++k) expected += Sci0(f.widget, Sci::SCI_WRAPCOUNT, static_cast<unsigned long>(k));
  ASSERT_GE(expected, 2L * (count - 1));
  EXPECT_EQ(caretLine, expected);
  EXPECT_EQ(lastIndex, lastStart);
  EXPECT_EQ(f.editor.LineCount(), expected + Sci0(f.widget, Sci::SCI_WRAPCOUNT, count - 1));
  // Scrolling to a far line puts that display line at the top.
  const Offset middle = f.editor.LineFromChar(f.editor.LineStarts()[count / 2]);
  f.editor.LineScroll(middle - f.editor.TopDisplayLine());
  EXPECT_EQ(f.editor.TopDisplayLine(), middle);
  EXPECT_EQ(f.widget.GutterLabels().front().text, QString::number(count / 2 + 1));
}

// The refresh recolours the bytes the editor holds with the new fonts and
// leaves the text, the selection, the top line, the modified flag and the
// undo history alone.
TEST(DisplayRefresh, RecoloursInPlaceKeepingTextSelectionViewAndFlags) {
  Shown f;
  const std::string page = Lines(200, "<A HREF=\"x\">\x83\x5C\x95\x5C</A> &amp; text", true);
  f.editor.Load(page, true);
  f.editor.SetSelStart(f.editor.LineStarts()[120]);
  f.editor.SetSelText("\x83\x41");
  ASSERT_TRUE(f.editor.IsModified());
  const std::string text = f.editor.Text();
  f.editor.SetSelection(f.editor.LineStarts()[150] + 3, f.editor.LineStarts()[149]);
  f.editor.LineScroll(-30);
  const Offset top = f.editor.TopDisplayLine();
  ASSERT_GT(top, 0);

  EditorLook look;
  look.fonts[1].color = 0x0000FF;  // tags red now
  look.fonts[1].bold = false;
  look.wordWrap = false;
  RefreshDisplay(f.editor, look, true, true);
  EXPECT_EQ(f.editor.Text(), text);
  EXPECT_EQ(f.WidgetBytes(), text);
  EXPECT_EQ(f.editor.SelAnchor(), f.editor.LineStarts()[150] + 3);
  EXPECT_EQ(f.editor.SelActive(), f.editor.LineStarts()[149]);
  EXPECT_EQ(f.editor.TopDisplayLine(), top);
  EXPECT_TRUE(f.editor.IsModified());
  ASSERT_TRUE(f.editor.CanUndo());
  EXPECT_TRUE(SameFormat(f.editor.FormatAt(f.editor.LineStarts()[10]), look.fonts[1]));

  // Unmodified stays unmodified; plain colouring is the text font throughout.
  f.editor.SetModifiedFlag(false);
  RefreshDisplay(f.editor, look, true, false);
  EXPECT_FALSE(f.editor.IsModified());
  EXPECT_TRUE(SameFormat(f.editor.FormatAt(f.editor.LineStarts()[10]), look.fonts[0]));
  RefreshDisplay(f.editor);
  EXPECT_FALSE(f.editor.IsColoured());

  // The edit before the refresh is still what undo takes back.
  f.editor.Undo();
  EXPECT_EQ(f.editor.Text(), page);
}

// A file over iMaxFileSize is loaded whole (cutting it would lose the rest
// at the next save) and stays editable; the window can tell it is over.
TEST(TextLimit, LargerFileLoadsWholeAndStaysEditable) {
  Shown f;
  EditorLook look;
  look.textLimit = 65536;
  ConfigureEditor(f.editor, look);
  const std::string page = Lines(1000, std::string(68, 'x') + "\x83\x5C", true);
  ASSERT_GT(page.size(), 65536u);
  f.editor.Load(page, true);
  EXPECT_EQ(f.editor.Text(), page);
  EXPECT_TRUE(f.editor.ExceedsTextLimit());
  f.editor.SetSelStart(f.editor.TextLength());
  QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, QStringLiteral("z"));
  QApplication::sendEvent(&f.widget, &key);
  EXPECT_EQ(f.editor.Text(), page + "z");
  f.editor.Load("<P>small", true);
  EXPECT_FALSE(f.editor.ExceedsTextLimit());
}

}  // namespace
}  // namespace mw::test
