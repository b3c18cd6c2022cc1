// The gutter, the editor settings, the display refresh and large files,
// on the real widget.
#include "gui/display/display_refresh.h"

#include <gtest/gtest.h>

#include <QAbstractEventDispatcher>
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

// Runs the event loop until the widget has nothing left to do in the
// background (its wrapping of a big page).
void RunUntilIdle() {
  QAbstractEventDispatcher* events = QAbstractEventDispatcher::instance();
  int quiet = 0;
  for (int guard = 0; quiet < 2 && guard < 1000000; ++guard) quiet = events->processEvents(QEventLoop::AllEvents) ? 0 : quiet + 1;
}

// The rows the lines before `line` take when laid out (SCI_WRAPCOUNT lays
// each out afresh), and as the widget counts them now.
long WrappedBefore(const ScintillaEditor& w, long line) {
  long rows = 0;
  for (long k = 0; k < line; ++k) rows += Sci0(w, Sci::SCI_WRAPCOUNT, static_cast<unsigned long>(k));
  return rows;
}
long CountedBefore(const ScintillaEditor& w, long line) { return Sci0(w, Sci::SCI_VISIBLEFROMDOCLINE, static_cast<unsigned long>(line)); }

// A big page (more lines than are wrapped at once) of lines that each wrap.
std::string BigPage(int count) {
  std::string line;
  for (int i = 0; i < 8; ++i) line += "abcd \x83\x5C\x95\x5C ";
  return Lines(count, line, false);
}

// Right after loading a big page only the lines in view are wrapped; the
// rest is wrapped in the background. Display-line answers count lines as
// the widget does at that moment, so they agree with what it shows, and
// count every wrapped line once it is done.
TEST(DisplayLines, BigPageAnswersAgreeWithTheWidgetWhileAndAfterWrapping) {
  Shown f(260);
  const int count = 3000;
  f.editor.Load(BigPage(count), true);
  const Offset lastStart = f.editor.LineStarts().back();
  for (const bool settled : {false, true}) {
    SCOPED_TRACE(settled ? "after the background wrapping" : "right after loading");
    if (settled) RunUntilIdle();
    const Offset caretLine = f.editor.LineFromChar(lastStart);
    const long counted = CountedBefore(f.widget, count - 1);
    if (settled) {
      ASSERT_GE(counted, 2L * (count - 1));
      EXPECT_EQ(counted, WrappedBefore(f.widget, count - 1));
    } else {
      EXPECT_LT(counted, 2L * (count - 1));  // nothing waited for the whole page
    }
    EXPECT_EQ(caretLine, counted);
    EXPECT_EQ(f.editor.LineIndex(caretLine), lastStart);
    EXPECT_EQ(f.editor.LineCount(), counted + f.widget.ShownRows(count - 1));
    EXPECT_EQ(f.widget.DisplayLineTotal(), f.editor.LineCount());
  }
  // Scrolling to a far line puts that display line at the top.
  const Offset middle = f.editor.LineFromChar(f.editor.LineStarts()[count / 2]);
  f.editor.LineScroll(middle - f.editor.TopDisplayLine());
  EXPECT_EQ(f.editor.TopDisplayLine(), middle);
  EXPECT_EQ(f.widget.GutterLabels().front().text, QString::number(count / 2 + 1));
}

// A short page is wrapped whole before the first answer: its numbers are
// final at once.
TEST(DisplayLines, ShortPageCountsEveryWrappedLineAtOnce) {
  Shown f(260);
  const int count = static_cast<int>(kWrapAtOnceLines);
  f.editor.Load(BigPage(count), true);
  const Offset lastStart = f.editor.LineStarts().back();
  const Offset caretLine = f.editor.LineFromChar(lastStart);
  EXPECT_GE(caretLine, 2L * (count - 1));
  EXPECT_EQ(caretLine, WrappedBefore(f.widget, count - 1));
  EXPECT_EQ(caretLine, CountedBefore(f.widget, count - 1));
}

// The caret keys that take their own way on a big page (so that nothing
// waits for the background wrapping) land where the widget's own would,
// over a double-byte character whose second byte is a backslash (SO,
// 83 5C) and over CR LF.
TEST(DisplayLines, CaretKeysOnABigPageLandWhereTheWidgetWould) {
  struct Row {
    const char* name;
    int key;
    Qt::KeyboardModifiers mods;
    Offset anchor, caret;          // before
    Offset wantAnchor, wantCaret;  // after; -1 is the end of the text
  };
  // Each line: "abcd SO HYOU " (83 5C, 95 5C) eight times (80 bytes),
  // then CR LF.
  const Row rows[] = {
      {"|abc Ctrl+End", Qt::Key_End, Qt::ControlModifier, 0, 0, -1, -1},
      {"ab[c Shift+Ctrl+End", Qt::Key_End, Qt::ControlModifier | Qt::ShiftModifier, 2, 3, 2, -1},
      {"abcd SO| Left", Qt::Key_Left, Qt::NoModifier, 7, 7, 5, 5},
      {"abcd |SO Right", Qt::Key_Right, Qt::NoModifier, 5, 5, 7, 7},
      {"...|CRLF Right", Qt::Key_Right, Qt::NoModifier, 80, 80, 82, 82},
      {"...CRLF| Left", Qt::Key_Left, Qt::NoModifier, 82, 82, 80, 80},
      {"[abcd] Left collapses", Qt::Key_Left, Qt::NoModifier, 0, 4, 0, 0},
  };
  Shown f(260);
  const std::string page = BigPage(3000);
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    f.editor.Load(page, true);
    f.editor.SetSelection(r.anchor, r.caret);
    QKeyEvent key(QEvent::KeyPress, r.key, r.mods);
    QApplication::sendEvent(&f.widget, &key);
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
    const Offset end = f.editor.TextLength();
    EXPECT_EQ(f.editor.SelAnchor(), r.wantAnchor < 0 ? end : r.wantAnchor);
    EXPECT_EQ(f.editor.SelActive(), r.wantCaret < 0 ? end : r.wantCaret);
    // The caret is in view, on its own line's display row.
    const int y = f.widget.CaretLineY();
    EXPECT_GE(y, 0);
    EXPECT_LE(y + f.widget.DisplayLineHeight(), f.widget.viewport()->height());
    EXPECT_EQ(f.WidgetBytes(), page);
  }
}

// Ctrl+End on a big page right after loading: the last lines are wrapped
// as they are shown, the gutter numbers them, and the numbers agree with
// the widget's once the background wrapping is done.
TEST(DisplayLines, EndOfABigPageIsWrappedWhenShown) {
  Shown f(260);
  const int count = 3000;
  f.editor.Load(BigPage(count), true);
  QKeyEvent key(QEvent::KeyPress, Qt::Key_End, Qt::ControlModifier);
  QApplication::sendEvent(&f.widget, &key);
  for (int i = 0; i < 5; ++i) QApplication::processEvents();
  EXPECT_GE(Sci0(f.widget, Sci::SCI_WRAPCOUNT, count - 1), 2);
  const std::vector<GutterLabel> labels = f.widget.GutterLabels();
  ASSERT_FALSE(labels.empty());
  EXPECT_EQ(labels.back().text, QString::number(count));
  RunUntilIdle();
  EXPECT_EQ(f.editor.SelActive(), f.editor.TextLength());
  EXPECT_EQ(f.editor.LineFromChar(-1), f.editor.LineCount() - 1);
  EXPECT_EQ(f.editor.LineCount(), CountedBefore(f.widget, count));
  EXPECT_EQ(f.editor.LineCount(), WrappedBefore(f.widget, count));
  EXPECT_GE(f.editor.LineCount(), 2L * count);
  const int y = f.widget.CaretLineY();
  EXPECT_GE(y, 0);
  EXPECT_LE(y + f.widget.DisplayLineHeight(), f.widget.viewport()->height());
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
