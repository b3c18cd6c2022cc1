#include "gui/display/scintilla_surface.h"

#include <gtest/gtest.h>

#include <QAbstractEventDispatcher>
#include <QImage>

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <random>

#include "core/display/html_to_rtf.h"
#include "gui/display/surface_fixture.h"
#include "core/editing/editing_fixture.h"

namespace mw::test {
namespace {

using Sci = QsciScintillaBase;

void Type(ScintillaEditor& w, const QString& text) {
  QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, text);
  QApplication::sendEvent(&w, &press);
}

void Commit(ScintillaEditor& w, const QString& text) {
  QInputMethodEvent e;
  e.setCommitString(text);
  QApplication::sendEvent(&w, &e);
}

// --- Loading keeps every byte ----------------------------------------------------

TEST(ScintillaSurfaceLoad, EveryOneAndTwoByteSequenceComesBackExactly) {
  SurfaceFixture f;
  for (int a = 0; a < 256; ++a) {
    for (int b = -1; b < 256; ++b) {
      std::string bytes(1, static_cast<char>(a));
      if (b >= 0) bytes += static_cast<char>(b);
      f.editor.Load(bytes, true);
      ASSERT_EQ(f.editor.Text(), bytes) << a << ' ' << b;
      ASSERT_EQ(f.WidgetBytes(), bytes) << a << ' ' << b;
      ASSERT_EQ(f.editor.OffsetOfView(static_cast<long>(f.WidgetText().size())), f.editor.TextLength());
    }
  }
}

TEST(ScintillaSurfaceLoad, RandomBytesAndALargePageComeBackExactly) {
  SurfaceFixture f;
  std::mt19937 rng(7);
  std::string random(64 * 1024, '\0');
  for (auto& c : random) c = static_cast<char>(rng());
  std::string page = "<HTML><BODY>\r\n";
  while (page.size() < 1024 * 1024)
    page += "<P CLASS=\"x\">\x95\x5C\x83\x5C\x83\x41 &amp; \xB1\xB2 text <!-- c --></P>\r\n";
  for (const std::string* bytes : {&random, &page}) {
    for (bool coloured : {false, true}) {
      f.editor.Load(*bytes, coloured);
      EXPECT_TRUE(f.editor.Text() == *bytes);
      EXPECT_TRUE(f.WidgetBytes() == *bytes);
      EXPECT_EQ(f.editor.LineStarts(), RebuiltLineStarts(*bytes));
      EXPECT_FALSE(f.editor.IsModified());
      EXPECT_FALSE(f.editor.CanUndo());
    }
  }
}

TEST(ScintillaSurfaceLoad, ColouredLoadGivesEachByteItsDisplayFont) {
  SurfaceFixture f;
  const std::string page = "a<B>\x83\x5C</B>&amp;<A HREF=\"x\">";
  f.editor.Load(page, true);
  std::string expected;
  for (const auto& run : ColourHtml(page)) expected.append(run.length, ".TSP"[static_cast<int>(run.cls)]);
  EXPECT_EQ(FontLetters(f.editor), expected);
  f.editor.Load(page, false);
  EXPECT_EQ(FontLetters(f.editor), std::string(page.size(), '.'));
}

// --- Offsets and selections ------------------------------------------------------------

struct OffsetRow {
  const char* name;
  std::string text;
};

TEST(ScintillaSurfaceOffsets, EveryOffsetMapsToTheWidgetAndBack) {
  const OffsetRow rows[] = {
      {"ascii", "abc\r\ndef"},
      {"double-byte with ASCII second bytes", "\x83\x5C\x95\x5C\x83\x41|\x83\x7B"},
      {"half-width kana", "\xB1\xB2\xB3\r\n\xDF"},
      {"markers", "\x80\xA0\xFD\xFE\xFF\x82"},
      {"pairs shown as two markers", "a\x85\x40\x87\x90\xED\x40" "b"},
      {"lead byte before LF", "a\x82\r\n\x82\x60"},
      {"mixed lines", "\r\n\r\r\n\x88\x9F\nx"},
  };
  SurfaceFixture f;
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    f.editor.Load(row.text, false);
    for (Offset p = 0; p <= f.editor.TextLength(); ++p) {
      const Offset start = CharBoundary(row.text, p);
      EXPECT_EQ(f.editor.OffsetOfView(f.editor.ViewPosition(p)), start) << p;
      f.editor.SetSelection(p, f.editor.TextLength());
      EXPECT_EQ(f.editor.SelAnchor(), start) << p;
      EXPECT_EQ(f.editor.SelActive(), f.editor.TextLength());
      EXPECT_EQ(f.editor.GetSelLength(), f.editor.TextLength() - start);
      EXPECT_EQ(f.editor.LineFromChar(p), static_cast<Offset>(std::upper_bound(f.editor.LineStarts().begin(),
                                                                                f.editor.LineStarts().end(), p) -
                                                               f.editor.LineStarts().begin()) - 1);
    }
  }
}

TEST(ScintillaSurfaceOffsets, ReversedSelectionKeepsItsActiveEnd) {
  SurfaceFixture f;
  f.editor.Load("\x83\x5C" "ab\x83\x41", false);
  f.editor.SetSelection(5, 1);  // both ends inside characters
  EXPECT_EQ(f.editor.SelAnchor(), 4);
  EXPECT_EQ(f.editor.SelActive(), 0);
  EXPECT_EQ(f.editor.GetSelText(), "\x83\x5C" "ab");
}

TEST(ScintillaSurfaceOffsets, WrappedLinesAreDisplayLinesOfTheirOwn) {
  SurfaceFixture f;
  f.widget.resize(300, 200);
  f.widget.show();
  std::string longLine;
  for (int i = 0; i < 12; ++i) longLine += "word \x83\x5C\x95\x5C ";
  const std::string text = "<P>\r\n" + longLine + "\r\nend";
  f.editor.Load(text, true);
  QApplication::processEvents();
  const Offset count = f.editor.LineCount();
  ASSERT_GT(count, 3);
  std::string joined;
  for (Offset k = 0; k < count; ++k) {
    const Offset start = f.editor.LineIndex(k);
    ASSERT_GE(start, 0) << k;
    EXPECT_EQ(f.editor.LineFromChar(start), k);
    if (k > 0) {
      EXPECT_GT(start, f.editor.LineIndex(k - 1));
    }
    joined += f.editor.LineText(k);
    const Offset next = f.editor.LineIndex(k + 1);
    const bool logicalEnd = next < 0 || text[static_cast<std::size_t>(next) - 1] == '\n';
    if (logicalEnd) joined += "\r\n";
  }
  EXPECT_EQ(joined, text + "\r\n");
  EXPECT_EQ(f.editor.LineIndex(count), -1);
  // The caret's display line.
  f.editor.SetSelStart(f.editor.LineIndex(2) + 1);
  EXPECT_EQ(f.editor.LineFromChar(-1), 2);
  EXPECT_EQ(f.editor.LineIndex(-1), f.editor.LineIndex(2));
}

// Japanese has no blanks between words: a wrapped line may break between
// any two of its characters, so a paragraph after its start tag fills the
// first display line. ASCII words still break only at their blanks.
TEST(ScintillaSurfaceOffsets, JapaneseWrapsBetweenAnyCharactersAndAsciiWordsStayWhole) {
  SurfaceFixture f;
  f.widget.resize(300, 400);
  f.widget.show();
  std::string kanji;
  for (int i = 0; i < 60; ++i) kanji += i % 2 ? "\x95\x5C" : "\x8E\xA6";
  std::string words;
  for (int i = 0; i < 30; ++i) words += "word" + std::to_string(i) + " ";
  const std::string tag = "<P CLASS=\"x\">";
  f.editor.Load(tag + kanji + "</P>\r\n" + words + "\r\n", true);
  QApplication::processEvents();
  ASSERT_GT(f.editor.LineCount(), 4);
  const std::string first = f.editor.LineText(0);
  EXPECT_GT(first.size(), tag.size() + 4) << first;
  EXPECT_EQ(first.substr(0, tag.size()), tag);
  const Offset wordsStart = f.editor.LineIndex(f.editor.LineFromChar(static_cast<Offset>(tag.size() + kanji.size() + 6)));
  const std::string text = f.editor.GetText();
  int wrapped = 0;
  for (Offset k = f.editor.LineFromChar(wordsStart) + 1; k < f.editor.LineCount(); ++k) {
    const Offset start = f.editor.LineIndex(k);
    if (start >= static_cast<Offset>(text.size()) || text[static_cast<std::size_t>(start) - 1] == '\n') break;
    EXPECT_EQ(text[static_cast<std::size_t>(start) - 1], ' ') << f.editor.LineText(k);
    ++wrapped;
  }
  EXPECT_GT(wrapped, 0);
}

// While a big page wraps in the background the widget skips repaints that
// would show the same lines; a picture of the widget is still drawn whole.
TEST(ScintillaSurfaceOffsets, APictureTakenWhileABigPageWrapsShowsItsText) {
  SurfaceFixture f;
  f.widget.resize(300, 200);
  f.widget.show();
  std::string page;
  for (int i = 0; i < 3000; ++i) page += "<P>" + std::string(40, 'a') + " \x95\x5C\x8E\xA6\x95\x5C\x8E\xA6 word word word</P>\r\n";
  f.editor.Load(page, true);
  for (int i = 0; i < 4; ++i) QApplication::processEvents();
  const QImage during = f.widget.viewport()->grab().toImage();
  for (int quiet = 0; quiet < 3;) quiet = QAbstractEventDispatcher::instance()->processEvents(QEventLoop::AllEvents) ? 0 : quiet + 1;
  const QImage settled = f.widget.viewport()->grab().toImage();
  EXPECT_EQ(during, settled);
}

// --- The mirror and the line index under edits ---------------------------------------------

TEST(ScintillaSurfaceMirror, RandomEditsKeepTextAndLineIndexInStep) {
  SurfaceFixture f;
  f.widget.setWrapMode(QsciScintilla::WrapNone);
  const std::vector<std::string> pieces = {"a",  "\r", "\n", "\r\n", "\x83\x5C", "\xB1", "\x80", "\x82",
                                           "<", "\x95\x5C\r\n\x83\x41", "\xFF\xFE", ""};
  std::mt19937 rng(11);
  f.editor.Load("start\r\n\x83\x5C\r\nend", true);
  for (int i = 0; i < 400; ++i) {
    const Offset len = f.editor.TextLength();
    const Offset a = static_cast<Offset>(rng() % static_cast<unsigned>(len + 1));
    const Offset b = static_cast<Offset>(rng() % static_cast<unsigned>(len + 1));
    switch (rng() % 8) {
      case 0:
      case 1:  // through the surface
        f.editor.SetSelection(a, std::min<Offset>(b, a + 3));
        f.editor.SetSelText(pieces[rng() % pieces.size()] + pieces[rng() % pieces.size()]);
        break;
      case 2: {  // the widget's own deletion, as a Delete key would
        const long va = f.editor.ViewPosition(std::min(a, b));
        const long vb = f.editor.ViewPosition(std::max(a, b));
        f.widget.SendScintilla(Sci::SCI_DELETERANGE, static_cast<unsigned long>(va), vb - va);
        break;
      }
      case 3:  // typing
        f.editor.SetSelStart(a);
        Type(f.widget, (rng() % 2) ? QStringLiteral("\u3042") : QStringLiteral("x"));
        break;
      case 4:
        f.editor.Undo();
        break;
      case 5: {  // the widget's own undo and redo keys
        QKeyEvent key(QEvent::KeyPress, (rng() % 2) ? Qt::Key_Z : Qt::Key_Y, Qt::ControlModifier);
        QApplication::sendEvent(&f.widget, &key);
        break;
      }
      case 6: {  // composing: pre-edit text goes in and comes out again
        f.editor.SetSelection(a, std::min<Offset>(b, a + 2));
        QInputMethodEvent pre(QStringLiteral("\u304b\u3093"), {});
        QApplication::sendEvent(&f.widget, &pre);
        QInputMethodEvent pre2(QStringLiteral("\u304b\u3093\u3058"), {});
        QApplication::sendEvent(&f.widget, &pre2);
        ASSERT_TRUE(f.editor.IsComposing());
        Commit(f.widget, (rng() % 2) ? QStringLiteral("\u6f22\u5b57") : QString());
        break;
      }
      case 7: {  // a style change then typing, before anything asks the surface
        f.editor.SetSelStart(a);
        Type(f.widget, QStringLiteral("t"));
        f.editor.SetTypingFormat(DesignFonts()[2]);
        break;
      }
    }
    ASSERT_TRUE(f.editor.Text() == f.WidgetBytes()) << i;
    ASSERT_EQ(f.editor.LineStarts(), RebuiltLineStarts(f.editor.Text())) << i;
  }
}

TEST(ScintillaSurfaceMirror, InsertingBetweenCrAndLfSplitsAndJoinsTheLine) {
  SurfaceFixture f;
  f.editor.Load("a\r\nb", false);
  f.editor.SetSelStart(2);
  f.editor.SetSelText("x");
  EXPECT_EQ(f.editor.Text(), "a\rx\nb");
  EXPECT_EQ(f.editor.LineStarts(), (std::vector<Offset>{0, 2, 4}));
  f.editor.SetSelection(2, 3);
  f.editor.SetSelText("");
  EXPECT_EQ(f.editor.LineStarts(), (std::vector<Offset>{0, 3}));
  EXPECT_EQ(f.editor.LineCount(), 2);
}

// --- Typed text --------------------------------------------------------------------------

TEST(ScintillaSurfaceTyping, TextShiftJisCannotHoldIsRefusedNotLost) {
  const QString rows[] = {QString::fromUtf8("\xF0\x9F\x98\x80"),  // an emoji
                          QString::fromUtf8("\xED\x95\x9C"),      // Hangul
                          QString(QChar(0xF741)),                 // a marker standing for 'A'
                          QString::fromUtf8("a\xF0\x9F\x98\x80")};
  SurfaceFixture f;
  for (const auto& text : rows) {
    for (bool viaInputMethod : {false, true}) {
      f.editor.Load("ab", false);
      f.editor.SetSelStart(1);
      const int refused = f.editor.RefusedInsertions();
      if (viaInputMethod) Commit(f.widget, text); else Type(f.widget, text);
      EXPECT_EQ(f.editor.Text(), "ab");
      EXPECT_EQ(f.WidgetBytes(), "ab");
      EXPECT_GT(f.editor.RefusedInsertions(), refused);
      EXPECT_FALSE(f.editor.IsModified());
    }
  }
}

TEST(ScintillaSurfaceTyping, TypedJapaneseIsStoredAsShiftJisInTheTypingFormat) {
  SurfaceFixture f;
  f.editor.Load("<B>x", true);
  f.editor.SetSelStart(4);
  EXPECT_TRUE(SameFormat(f.editor.TypingFormat(), DesignFonts()[0]));
  f.editor.SetTypingFormat(DesignFonts()[1]);
  Type(f.widget, QStringLiteral("\u30bd"));  // ソ = 83 5C
  Commit(f.widget, QStringLiteral("\uff71"));  // half-width ｱ = B1
  EXPECT_EQ(f.editor.Text(), "<B>x\x83\x5C\xB1");
  EXPECT_TRUE(f.editor.IsModified());
  EXPECT_EQ(FontLetters(f.editor), "TTT.TTT");
  EXPECT_EQ(f.editor.GetSelStart(), 7);
  // A typed character keeps the format it was typed in, even when the
  // format changes before anything looks at the text.
  Type(f.widget, QStringLiteral("y"));
  f.editor.SetTypingFormat(DesignFonts()[2]);
  Type(f.widget, QStringLiteral("z"));
  EXPECT_EQ(FontLetters(f.editor), "TTT.TTTTS");
}

// Composing right after a tag starts in the text font; elsewhere it keeps
// the typing format.
TEST(ScintillaSurfaceTyping, CompositionAfterATagStartsInTheTextFont) {
  SurfaceFixture f;
  for (const Offset caret : {3, 4, 0}) {
    f.editor.Load("<B>x", true);
    f.editor.SetSelStart(caret);
    f.editor.SetTypingFormat(DesignFonts()[1]);
    QInputMethodEvent preedit(QStringLiteral("\u3042"), {});
    QApplication::sendEvent(&f.widget, &preedit);
    Commit(f.widget, QStringLiteral("\u3042"));
    const std::string letters = FontLetters(f.editor);
    EXPECT_EQ(letters.substr(static_cast<std::size_t>(caret), 2), caret == 4 ? "TT" : "..") << caret;
  }
}

TEST(ScintillaSurfaceKeys, PageKeysMoveAndScrollByTheConfiguredLines) {
  SurfaceFixture f;
  f.widget.setWrapMode(QsciScintilla::WrapNone);
  f.widget.SetPageScrollLines(5);
  std::string text;
  for (int i = 0; i < 40; ++i) text += "line\r\n";
  f.editor.Load(text + "last", false);
  const auto press = [&](int key) {
    QKeyEvent e(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(&f.widget, &e);
  };
  press(Qt::Key_PageDown);
  EXPECT_EQ(f.editor.LineFromChar(-1), 5);
  EXPECT_EQ(f.editor.TopDisplayLine(), 5);
  struct Step {
    int key;
    Offset caretLine;
  };
  const Step steps[] = {{Qt::Key_PageDown, 10}, {Qt::Key_PageUp, 5}, {Qt::Key_PageUp, 0}, {Qt::Key_PageUp, 0}};
  for (const auto& step : steps) {
    press(step.key);
    EXPECT_EQ(f.editor.LineFromChar(-1), step.caretLine);
    EXPECT_EQ(f.editor.GetSelLength(), 0);
  }
  // Near the end the caret stops on the last line.
  f.editor.SetSelStart(f.editor.LineIndex(38));
  press(Qt::Key_PageDown);
  EXPECT_EQ(f.editor.LineFromChar(-1), 40);
}

TEST(ScintillaSurfaceKeys, InsertKeyTogglesInsertMode) {
  SurfaceFixture f;
  f.editor.Load("abc", false);
  EXPECT_TRUE(f.editor.InsertMode());
  QKeyEvent insert(QEvent::KeyPress, Qt::Key_Insert, Qt::NoModifier);
  QApplication::sendEvent(&f.widget, &insert);
  EXPECT_FALSE(f.editor.InsertMode());
  Type(f.widget, "X");
  EXPECT_EQ(f.editor.Text(), "Xbc");
  f.editor.SetInsertMode(true);
  Type(f.widget, "Y");
  EXPECT_EQ(f.editor.Text(), "XYbc");
}

// --- Formats -------------------------------------------------------------------------------

TEST(ScintillaSurfaceFormats, AnyFormatIsKeptIncludingStrikeOut) {
  SurfaceFixture f;
  f.editor.Load("abcdef", false);
  DisplayFont strike = DesignFonts()[2];
  strike.strikeOut = true;
  DisplayFont big = DesignFonts()[0];
  big.points = 20;
  f.editor.SetRangeFormat(1, 2, strike);
  f.editor.SetRangeFormat(4, 1, big);
  EXPECT_TRUE(SameFormat(f.editor.FormatAt(1), strike));
  EXPECT_TRUE(SameFormat(f.editor.FormatAt(2), strike));
  EXPECT_TRUE(SameFormat(f.editor.FormatAt(3), DesignFonts()[0]));
  EXPECT_TRUE(SameFormat(f.editor.FormatAt(4), big));
  const auto strikeAt = [&](long v) {
    return f.widget.SendScintilla(Sci::SCI_INDICATORVALUEAT, static_cast<unsigned long>(kStrikeIndicator), v);
  };
  EXPECT_EQ(strikeAt(1), 1);
  EXPECT_EQ(strikeAt(3), 0);
  EXPECT_FALSE(f.editor.IsModified());
}

TEST(ScintillaSurfaceFormats, UndoBringsBackTextFormatsAndSelection) {
  SurfaceFixture f;
  f.editor.Load("x<B>\x83\x5C</B>y", true);
  const std::string before = FontLetters(f.editor);
  f.editor.SetSelection(1, 10);
  {
    UndoStep step(f.editor);
    f.editor.SetSelText("Z");
    f.editor.SetRangeFormat(0, 1, DesignFonts()[3]);
  }
  EXPECT_EQ(f.editor.Text(), "xZy");
  EXPECT_EQ(FontLetters(f.editor), "P..");
  f.editor.Undo();
  EXPECT_EQ(f.editor.Text(), "x<B>\x83\x5C</B>y");
  EXPECT_EQ(FontLetters(f.editor), before);
  EXPECT_EQ(f.editor.SelAnchor(), 1);
  EXPECT_EQ(f.editor.SelActive(), 10);
  EXPECT_FALSE(f.editor.CanUndo());
}

TEST(ScintillaSurfaceFormats, ModifiedFlagFollowsEditsNotColouring) {
  SurfaceFixture f;
  f.editor.Load("abc", false);
  f.editor.SetRangeFormat(0, 3, DesignFonts()[1]);
  EXPECT_FALSE(f.editor.IsModified());
  f.editor.SetSelText("x");
  EXPECT_TRUE(f.editor.IsModified());
  f.editor.SetModifiedFlag(false);
  EXPECT_FALSE(f.editor.IsModified());
  f.editor.Undo();
  EXPECT_TRUE(f.editor.IsModified());
}

}  // namespace
}  // namespace mw::test
