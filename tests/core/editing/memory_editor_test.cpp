#include "core/editing/memory_editor.h"

#include <gtest/gtest.h>

#include <random>

#include "marked_text.h"

namespace mw {
namespace {

using test::kA;
using test::kHyo;
using test::kSo;
using test::kTsu;

DisplayFont Font(ColorValue color, bool bold = false) {
  DisplayFont f;
  f.color = color;
  f.bold = bold;
  return f;
}

// Line starts as defined for documents: after LF, and after a CR that is
// not followed by LF.
std::vector<Offset> ReferenceLineStarts(const std::string& t) {
  std::vector<Offset> v{0};
  for (std::size_t i = 0; i < t.size(); ++i)
    if (t[i] == '\n' || (t[i] == '\r' && (i + 1 == t.size() || t[i + 1] != '\n')))
      v.push_back(static_cast<Offset>(i + 1));
  return v;
}

void ExpectLinesMatch(const MemoryEditor& e) {
  const auto ref = ReferenceLineStarts(e.GetText());
  for (std::size_t k = 0; k < ref.size(); ++k) ASSERT_EQ(e.LineIndex(static_cast<Offset>(k)), ref[k]) << k;
  ASSERT_EQ(e.LineIndex(static_cast<Offset>(ref.size())), -1);
  for (Offset p = 0; p <= e.TextLength(); ++p) {
    const auto it = std::upper_bound(ref.begin(), ref.end(), p);
    ASSERT_EQ(e.LineFromChar(p), it - ref.begin() - 1) << p;
  }
}

// The line-start index is kept up to date edit by edit; every kind of edit
// that can split or join a CR LF pair must leave it as a rescan would.
TEST(MemoryEditorLines, IndexFollowsEveryEdit) {
  std::mt19937 rng(7);
  const std::string pieces[] = {"a", "\r", "\n", "\r\n", kHyo, kTsu, "<P>"};
  MemoryEditor e;
  for (int i = 0; i < 400; ++i) {
    const Offset n = e.TextLength();
    const Offset a = n ? static_cast<Offset>(rng() % (n + 1)) : 0;
    const Offset b = n ? static_cast<Offset>(rng() % (n + 1)) : 0;
    e.SetSelection(a, b);
    std::string ins;
    for (unsigned k = rng() % 4; k > 0; --k) ins += pieces[rng() % std::size(pieces)];
    e.SetSelText(ins);
    ASSERT_NO_FATAL_FAILURE(ExpectLinesMatch(e)) << "edit " << i;
    if (i % 50 == 49) {
      e.Undo();
      ASSERT_NO_FATAL_FAILURE(ExpectLinesMatch(e)) << "undo after " << i;
    }
  }
}

TEST(MemoryEditorLines, CountAndTextTable) {
  struct Case { std::string text; Offset count; std::vector<std::string> lines; };
  const Case cases[] = {
      {"", 0, {""}},
      {"a", 1, {"a"}},
      {"a\r\n", 1, {"a", ""}},                 // an empty last line is not counted
      {"a\r\nb", 2, {"a", "b"}},
      {"a\rb\nc", 3, {"a", "b", "c"}},
      {"a\n\rb", 3, {"a", "", "b"}},           // LF CR: two line ends
      {kHyo + "\r\n" + kSo, 2, {kHyo, kSo}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    MemoryEditor e;
    e.Load(c.text);
    EXPECT_EQ(e.LineCount(), c.count);
    for (std::size_t k = 0; k < c.lines.size(); ++k) EXPECT_EQ(e.LineText(static_cast<Offset>(k)), c.lines[k]);
  }
}

TEST(MemoryEditorLines, WrapBreaksDisplayLinesBetweenCharacters) {
  MemoryEditor e;
  e.Load("ab" + kHyo + "cd\r\nabc" + kTsu + "\r\n\r\nx");
  e.SetWrapWidth(4);
  const std::vector<std::string> want = {"ab" + kHyo, "cd", "abc", kTsu, "", "x"};
  ASSERT_EQ(e.LineCount(), static_cast<Offset>(want.size()));
  for (std::size_t k = 0; k < want.size(); ++k) EXPECT_EQ(e.LineText(static_cast<Offset>(k)), want[k]) << k;
  EXPECT_EQ(e.LineFromChar(4), 1);  // the wrap point starts the next display line
  EXPECT_EQ(e.LineFromChar(3), 0);
  e.SetSelStart(0);
  e.SetSelText("zz");  // display lines follow edits
  EXPECT_EQ(e.LineText(0), "zzab");
  EXPECT_EQ(e.LineText(1), kHyo + "cd");
  e.SetWrapWidth(0);
  EXPECT_EQ(e.LineCount(), 4);
}

TEST(MemoryEditorLines, CaretLineAndScrolling) {
  std::string t;
  for (int i = 0; i < 50; ++i) t += kTsu + "\r\n";
  MemoryEditor e;
  e.Load(t);
  e.SetVisibleLineCount(10);
  e.SetSelStart(4 * 12 + 2);
  EXPECT_EQ(e.LineFromChar(-1), 12);
  EXPECT_EQ(e.LineIndex(-1), 48);
  e.LineScroll(-5);
  EXPECT_EQ(e.TopDisplayLine(), 0);
  e.LineScroll(1000);
  EXPECT_EQ(e.TopDisplayLine(), 50);
  e.LineScroll(-1000);
  e.SetSelStart(4 * 30);
  e.SetSelLength(2);  // setting a length scrolls the caret into view
  EXPECT_EQ(e.TopDisplayLine(), 21);
}

TEST(MemoryEditorSelection, PositionsInsideACharacterMoveToItsStart) {
  MemoryEditor e;
  e.Load("a" + kHyo + kSo + "b");
  e.SetSelStart(2);  // trail byte of 表
  EXPECT_EQ(e.GetSelStart(), 1);
  e.SetSelection(6, 4);  // active end before the anchor
  EXPECT_EQ(e.GetSelStart(), 3);
  EXPECT_EQ(e.GetSelLength(), 3);
  EXPECT_EQ(e.SelAnchor(), 6);
  EXPECT_EQ(e.SelActive(), 3);
  EXPECT_EQ(e.GetSelText(), kSo + "b");
  e.SetSelStart(1);
  e.SetSelLength(3);
  EXPECT_EQ(e.GetSelText(), kHyo);
  e.SetSelStart(-4);
  EXPECT_EQ(e.GetSelStart(), 0);
  e.SetSelection(0, 99);
  EXPECT_EQ(e.GetSelLength(), 6);
}

// A lone lead byte before a deleted or replaced range joins the byte after
// it into one character; the caret cannot be left between the two.
TEST(MemoryEditorSelection, ReplacingBesideALoneLeadByteLeavesTheCaretOnACharacter) {
  struct Case {
    std::string text;
    Offset start, length;
    std::string inserted, result;
    Offset caret;
  } cases[] = {
      {"a\x91<B>\x8e\xce", 2, 3, "", "a\x91\x8e\xce", 1},
      {"a\x91<B>\x8e\xce", 2, 3, "x", "a\x91x\x8e\xce", 3},
      {"a<B>\x8e\xce", 1, 3, "\x91", "a\x91\x8e\xce", 1},
  };
  for (const Case& c : cases) {
    MemoryEditor e;
    e.Load(c.text);
    e.SetSelStart(c.start);
    e.SetSelLength(c.length);
    e.SetSelText(c.inserted);
    EXPECT_EQ(e.GetText(), c.result);
    EXPECT_EQ(e.GetSelStart(), c.caret) << c.result;
    EXPECT_EQ(e.GetSelLength(), 0);
  }
}

TEST(MemoryEditorFormats, TypedTextTakesTheTypingFormatWhichFollowsTheCaret) {
  const DisplayFont text = Font(kClBlack), tag = Font(kClBlue, true), param = Font(kClGreen);
  MemoryEditor e(text);
  e.Load("<A>" + kHyo);
  e.SetRangeFormat(0, 3, tag);
  e.SetSelStart(3);
  EXPECT_TRUE(SameFormat(e.TypingFormat(), tag));  // the character before the caret
  e.SetSelStart(5);
  EXPECT_TRUE(SameFormat(e.TypingFormat(), text));
  e.SetTypingFormat(param);
  e.SetSelText("\"x\"");
  EXPECT_EQ(e.TypingColor(), kClGreen);  // stays after typing
  for (Offset p = 5; p < 8; ++p) EXPECT_TRUE(SameFormat(e.FormatAt(p), param)) << p;
  EXPECT_TRUE(SameFormat(e.FormatAt(3), text));
  EXPECT_TRUE(SameFormat(e.FormatAt(2), tag));
  e.SetSelStart(0);
  EXPECT_TRUE(SameFormat(e.TypingFormat(), tag));  // at 0: the first character's
}

TEST(MemoryEditorUndo, OneStepUndoesTextAndColoursTogether) {
  const DisplayFont text = Font(kClBlack), tag = Font(kClBlue, true);
  MemoryEditor e(text);
  e.Load("ab" + kTsu);
  e.SetSelection(1, 2);
  {
    UndoStep step(e);
    e.SetSelText("<B>b</B>");
    e.SetRangeFormat(1, 3, tag);
    e.SetRangeFormat(5, 4, tag);
    {
      UndoStep inner(e);  // nested: still the same step
      e.SetSelText("!");
    }
  }
  EXPECT_EQ(e.GetText(), "a<B>b</B>!" + kTsu);
  ASSERT_TRUE(e.CanUndo());
  e.Undo();
  EXPECT_EQ(e.GetText(), "ab" + kTsu);
  for (Offset p = 0; p < 4; ++p) EXPECT_TRUE(SameFormat(e.FormatAt(p), text)) << p;
  EXPECT_EQ(e.GetSelStart(), 1);
  EXPECT_EQ(e.GetSelLength(), 1);
  EXPECT_FALSE(e.CanUndo());
}

TEST(MemoryEditorUndo, StepsAndLimits) {
  MemoryEditor e;
  e.Load("x");
  EXPECT_FALSE(e.CanUndo());
  e.SetSelStart(1);
  e.SetSelText("a");
  e.SetSelText("b");  // each edit outside a step is its own step
  e.Undo();
  EXPECT_EQ(e.GetText(), "xa");
  {
    UndoStep empty(e);
    e.SetSelStart(0);
    e.SetRangeFormat(0, 1, Font(kClRed));
  }
  e.Undo();  // a step of colouring alone is still a step
  EXPECT_EQ(e.GetText(), "xa");
  EXPECT_EQ(e.FormatAt(0).color, DisplayFont{}.color);
  {
    UndoStep nothing(e);  // no change: no step
    e.SetSelStart(1);
  }
  e.Undo();
  EXPECT_EQ(e.GetText(), "x");
  e.SetUndoLimit(2);
  for (const char* s : {"1", "2", "3"}) e.SetSelText(s);
  e.Undo();
  e.Undo();
  EXPECT_FALSE(e.CanUndo());
  EXPECT_EQ(e.GetText(), "x1");
  e.SetText("new");  // replacing the whole text is an ordinary edit
  e.Undo();
  EXPECT_EQ(e.GetText(), "x1");
  {
    UndoStep open(e);
    e.SetSelText("!");
    e.Undo();  // inside an unfinished step: its own edits go first
    EXPECT_EQ(e.GetText(), "x1");
    e.SetSelText("?");
  }
  EXPECT_EQ(e.GetText(), "x1?");
  e.Undo();
  EXPECT_EQ(e.GetText(), "x1");
}

TEST(MemoryEditorState, ModifiedFlagCountsEditsNotColours) {
  MemoryEditor e;
  e.Load("<P>");
  EXPECT_FALSE(e.IsModified());
  e.SetRangeFormat(0, 3, Font(kClBlue));
  e.SetSelection(0, 3);
  EXPECT_FALSE(e.IsModified());
  e.SetSelText("<Q>");
  EXPECT_TRUE(e.IsModified());
  e.SetModifiedFlag(false);
  e.Undo();
  EXPECT_TRUE(e.IsModified());
  e.SetSelText("y");
  e.Load("fresh");
  EXPECT_FALSE(e.IsModified());
  EXPECT_FALSE(e.CanUndo());
}

TEST(MemoryEditorClipboard, CutCopyPaste) {
  MemoryClipboard clip;
  MemoryEditor e(clip);
  e.Load("ab" + kA + "cd");
  e.SetSelStart(2);
  e.Copy();  // nothing selected: clipboard untouched
  EXPECT_FALSE(clip.Text().has_value());
  e.SetSelection(2, 4);
  e.Cut();
  EXPECT_EQ(clip.Text(), kA);
  EXPECT_EQ(e.GetText(), "abcd");
  e.SetSelStart(4);
  e.Paste();
  EXPECT_EQ(e.GetText(), "abcd" + kA);
  EXPECT_EQ(e.GetSelStart(), 6);
  e.SelectAll();
  e.Copy();
  EXPECT_EQ(clip.Text(), "abcd" + kA);
  clip.Clear();  // a picture, say
  e.Paste();
  EXPECT_EQ(e.GetText(), "abcd" + kA);
  e.Undo();
  e.Undo();
  EXPECT_EQ(e.GetText(), "ab" + kA + "cd");
}

TEST(MemoryEditorFind, Table) {
  struct Case { std::string name, text, needle; Offset start, length; FindFlags flags; Offset found; };
  const Case cases[] = {
      {"ignores ASCII case", "<p><BODY>", "<body", 0, -1, {}, 3},
      {"from an offset", "<b>x<b>", "<B", 1, -1, {}, 4},
      {"at the start offset", "<b>", "<b", 0, -1, {}, 0},
      {"absent", "<b>", "<i", 0, -1, {}, -1},
      {"never from a trail byte", kTsu + "c", "c", 0, -1, {}, 2},
      {"trail 'A' is not 'a'", kA + "a", "a", 0, -1, {}, 2},
      {"trail '\\'", kHyo + kSo + "\\", "\\", 0, -1, {}, 4},
      {"start inside a character", kHyo + "\\", "\\", 1, -1, {}, 2},
      {"match must end in range", "abcabc", "bc", 2, 3, {}, -1},
      {"match inside range", "abcabc", "bc", 2, 4, {}, 4},
      {"start past the end", "ab", "b", 5, -1, {}, -1},
      {"empty needle", "ab", "", 0, -1, {}, -1},
      {"match case", "Ab ab", "ab", 0, -1, {true, false}, 3},
      {"whole word", "tab ab", "ab", 0, -1, {false, true}, 4},
      {"whole word beside a double-byte char", kTsu + "ab", "ab", 0, -1, {false, true}, 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    MemoryEditor e;
    e.Load(c.text);
    EXPECT_EQ(e.FindText(c.needle, c.start, c.length, c.flags), c.found);
  }
}

TEST(MemoryEditorState, SuspendedUpdatesRepaintOnce) {
  MemoryEditor e;
  e.Load("abc");
  const int before = e.RepaintCount();
  {
    UpdateSuspension outer(e);
    UpdateSuspension inner(e);
    e.SetSelText("x");
    e.SetRangeFormat(0, 1, Font(kClRed));
    e.SetSelText("y");
  }
  EXPECT_EQ(e.RepaintCount(), before + 1);
  { UpdateSuspension idle(e); }  // nothing changed: no repaint
  EXPECT_EQ(e.RepaintCount(), before + 1);
  e.SetSelText("z");
  EXPECT_EQ(e.RepaintCount(), before + 2);
  e.Undo();
  EXPECT_EQ(e.RepaintCount(), before + 3);
}

TEST(MemoryEditorState, InputState) {
  MemoryEditor e;
  EXPECT_TRUE(e.InsertMode());
  e.SetInsertMode(false);
  EXPECT_FALSE(e.InsertMode());
  EXPECT_FALSE(e.HasFocus());
  e.SetFocus();
  EXPECT_TRUE(e.HasFocus());
}

}  // namespace
}  // namespace mw
