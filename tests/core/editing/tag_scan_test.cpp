#include "core/editing/tag_scan.h"

#include <gtest/gtest.h>

#include <random>

#include "core/editing/memory_editor.h"
#include "marked_text.h"

namespace mw {
namespace {

using test::kA;
using test::kBo;
using test::kHyo;
using test::kMa;
using test::kSmallA;
using test::kPo;
using test::kSo;
using test::kTsu;
using test::kZe;
using test::kZo;
using test::ParseMarked;

// The editor with the row's text and selection.
void Put(MemoryEditor& e, const test::Marked& m) {
  e.Load(m.text);
  e.SetSelection(m.start, m.start + m.length);
}

TEST(FindTagAtCaret, Table) {
  // Input: caret '|' or selection [..]. Expected: the tag found as {..};
  // "{}" before a '<' = start there but no tag (length 0); no braces = none.
  struct Case { std::string input, expected; };
  const Case cases[] = {
      {"<A HREF=\"x\">|", "{<A HREF=\"x\">}"},
      {"<A H|REF=\"x\">", "{<A HREF=\"x\">}"},
      {"<|A HREF=\"x\">", "{<A HREF=\"x\">}"},
      {"<P>\r\nhello\r\n" + kTsu + "wor|ld", "{<P>}\r\nhello\r\n" + kTsu + "world"},
      {"<P>x|<B>", "{<P>}x<B>"},                      // caret before '<': the previous tag
      {"<P>x[<B>]", "<P>x{<B>}"},                     // selection starting with it: that one
      {"<P>x[<B]>", "<P>x{<B>}"},
      {"<P>x[y<B>]", "{<P>}xy<B>"},
      {"a < b|", "a {}< b"},                          // no '>' after: start, no tag
      {"|<P>", ""},
      {"abc|<P>", "abc<P>"},
      {"<IMG ALT=\"a>b\" SR|C=\"x\">", "{<IMG ALT=\"a>}b\" SRC=\"x\">"},  // a quoted '>' ends the tag
      {"<IMG AL|T=\"a>b\" SRC=\"x\">", "{<IMG ALT=\"a>}b\" SRC=\"x\">"},
      // Trail bytes that look like markup or markers never confuse the scan.
      {"<B>" + kHyo + kSo + kPo + kZe + kZo + "|", "{<B>}" + kHyo + kSo + kPo + kZe + kZo},
      {"<A TITLE=\"" + kTsu + kA + "|\">", "{<A TITLE=\"" + kTsu + kA + "\">}"},
      {"<I>" + kBo + kMa + kSmallA + "|<B>", "{<I>}" + kBo + kMa + kSmallA + "<B>"},
      {"<B " + kHyo + "|", "{}<B " + kHyo},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.input);
    const auto in = ParseMarked(c.input);
    const auto want = ParseMarked(c.expected);
    const TextSpan expected{want.start, want.length};
    EXPECT_EQ(FindTagAtCaret(in.text, in.start, in.text.substr(in.start, in.length)), expected);
    MemoryEditor e;
    Put(e, in);
    EXPECT_EQ(FindTagAtCaret(e), expected);
  }
  // A stray lead byte before '<' is a character of its own (a marker row
  // cannot show it: "\x83{" would read as ボ).
  EXPECT_EQ(FindTagAtCaret("\x83<B>", 4, ""), (TextSpan{1, 3}));
}

// The reference: the rule as stated, on a copy of the text before the caret,
// with the double-byte aware searches of the byte rules.
TextSpan Reference(const std::string& t, Offset s, bool selectionIsTag) {
  const std::string p = t.substr(0, static_cast<std::size_t>(s + (selectionIsTag ? 1 : 0)));
  const Offset lt = FindLast(p, "<");
  const Offset gt = FindLast(p, ">");
  if (lt == kNoPos) return {kNoPos, 0};
  if (lt < gt) return {lt, gt - lt + 1};
  const Offset close = Find(t, ">", static_cast<std::size_t>(lt));
  return {lt, close == kNoPos ? 0 : close - lt + 1};
}

// Scanning back from the caret over range reads must agree with the
// whole-prefix rule at every caret position, in text built from the bytes
// that make Shift-JIS hard to read backwards (lead bytes, trail bytes equal
// to ASCII letters and '\', stray lead bytes before '<'), and over distances
// longer than one read.
TEST(FindTagAtCaret, ScanningBackAgreesWithWholePrefix) {
  std::mt19937 rng(20240611);
  const std::string alphabet[] = {"<", ">", "a", " ", "\r\n", kTsu, kHyo, kSo, kA, "\x83", "\x95", "\\", "A"};
  for (int round = 0; round < 36; ++round) {
    std::string t;
    const int pieces = round < 30 ? 60 : 1500;  // the long ones need several reads back
    for (int i = 0; i < pieces; ++i) {
      std::size_t k = rng() % std::size(alphabet);
      if (round >= 30 && k < 2 && rng() % 50 != 0) k = 2;  // sparse tags
      t += alphabet[k];
    }
    MemoryEditor e;
    e.Load(t);
    for (Offset s = 0; s <= static_cast<Offset>(t.size());
         s += s < static_cast<Offset>(t.size()) ? CharLength(t, s) : 1) {
      e.SetSelStart(s);
      ASSERT_EQ(FindTagAtCaret(e), Reference(t, s, false)) << "round " << round << " caret " << s;
      if (t[static_cast<std::size_t>(s)] == '<') {
        e.SetSelection(s, s + 1);
        ASSERT_EQ(FindTagAtCaret(e), Reference(t, s, true)) << "round " << round << " sel " << s;
      }
    }
  }
}

TEST(FindTagAtCaret, TagFarBeforeAndAfterTheCaret) {
  const std::string filler(200000, 'x');
  MemoryEditor e;
  e.Load("<P>" + filler + kTsu + "<A " + filler + ">");
  e.SetSelStart(3 + 100000);
  EXPECT_EQ(FindTagAtCaret(e), (TextSpan{0, 3}));
  e.SetSelStart(3 + 200000 + 2 + 5);  // inside the long tag
  EXPECT_EQ(FindTagAtCaret(e), (TextSpan{200005, 200004}));
}

TEST(CurrentTag, SelectionChangeKeepsLengthOnlyWhileSelectingOrComposing) {
  struct Case { std::string name, input; bool composing; CurrentTag before, after; };
  const Case cases[] = {
      {"tag before caret", "<B>x|", false, {9, 9}, {0, 3}},
      {"inside tag without end", "<B |", false, {9, 9}, {0, 0}},
      {"no '<', caret", "ab" + kHyo + "|<B>", false, {9, 9}, {kNoPos, 0}},
      {"no '<', selection", "[ab" + kHyo + "]<B>", false, {9, 9}, {kNoPos, 9}},
      {"no '<', composing", "ab" + kHyo + "|<B>", true, {9, 9}, {kNoPos, 9}},
      {"'<' found, composing", "<B>x|", true, {9, 9}, {0, 3}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    MemoryEditor e;
    Put(e, ParseMarked(c.input));
    e.SetComposing(c.composing);
    CurrentTag current = c.before;
    UpdateCurrentTag(e, current);
    EXPECT_EQ(current, c.after);
  }
}

TEST(SelectTag, SelectsOnlyWhenATagIsFound) {
  struct Case { std::string input, selectedAfter; CurrentTag current; };
  const Case cases[] = {
      {"<A HR|EF=x>" + kTsu, "[<A HREF=x>]" + kTsu, {0, 10}},
      {kTsu + "<B>x|", kTsu + "[<B>]x", {2, 3}},
      {kTsu + "x[y]", kTsu + "x[y]", {kNoPos, 0}},      // nothing found: selection stays
      {"a < [b]", "a < [b]", {2, 0}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.input);
    MemoryEditor e;
    Put(e, ParseMarked(c.input));
    CurrentTag current{7, 7};
    SelectTag(e, current);
    const auto want = ParseMarked(c.selectedAfter);
    EXPECT_EQ(e.GetSelStart(), want.start);
    EXPECT_EQ(e.GetSelLength(), want.length);
    EXPECT_EQ(current, c.current);
  }
}

TEST(ParameterAtCaret, Table) {
  // Input caret '|'; expected value range {..}; "-" = no result.
  struct Case { std::string input, expected; };
  const Case cases[] = {
      {"<TD WIDTH=\"5|0%\">", "<TD WIDTH=\"{50%}\">"},
      {"<TD WIDTH=\"50%\">|", "<TD WIDTH=\"{50%}\">"},
      {"<FONT SIZE=3 |>", "<FONT SIZE={3} >"},
      {"<INPUT VALUE=\"\"|>", "<INPUT VALUE=\"{}\">"},
      {"<A HREF=|x.html>", "<A HREF={x.html}>"},
      {"<A HREF= \r\n\t\"|y\">", "<A HREF= \r\n\t\"{y}\">"},
      {"<A HREF=x;y|>", "<A HREF={x};y>"},
      {"<A HREF=x<|B>", "<A HREF={x}<B>"},
      {"a=b|", "a={}b"},                                   // no delimiter after a bare value
      {"a=|;b", "a={};b"},                                 // delimiter first: empty
      {"<A TITLE=\"ab  \"|>", "<A TITLE=\"{ab}  \">"},     // trailing blanks dropped
      {"<A TITLE=\"" + kHyo + kTsu + kSo + "|\">", "<A TITLE=\"{" + kHyo + kTsu + kSo + "}\">"},
      {"<IMG ALT=" + kA + kPo + "|>", "<IMG ALT={" + kA + kPo + "}>"},
      {"x = 1; y|", "x = {1}; y"},                         // any '=' counts, in a tag or not
      {"<P>" + kHyo + "|", "-"},
      {"|a=b", "-"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.input);
    const auto in = ParseMarked(c.input);
    const auto got = ParameterAtCaret(in.text, in.start);
    if (c.expected == "-") {
      EXPECT_FALSE(got.has_value());
    } else {
      const auto want = ParseMarked(c.expected);
      ASSERT_TRUE(got.has_value());
      EXPECT_EQ(*got, (TextSpan{want.start, want.length}));
    }
  }
}

TEST(CentreCaretLine, PutsTheCaretLineJustAboveTheMiddle) {
  struct Case { std::string name; Offset rows, top, caretLine, topAfter; };
  const Case cases[] = {
      {"20 rows, caret far down", 20, 0, 50, 41},   // caret is the 10th visible line
      {"20 rows, caret above view", 20, 40, 12, 3},
      {"near the start: clamped at 0", 20, 5, 4, 0},
      {"caret on line 0 stays", 20, 0, 0, 0},
      {"odd rows", 7, 0, 30, 28},
      {"one row: caret stays in view", 1, 0, 30, 30},
      {"no rows: caret stays in view", 0, 0, 30, 30},
  };
  std::string text;
  for (int i = 0; i < 100; ++i) text += kTsu + "<P>\r\n";
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    MemoryEditor e;
    e.Load(text);
    e.SetVisibleLineCount(c.rows);
    e.LineScroll(c.top);
    e.SetSelStart(e.LineIndex(c.caretLine) + 2);
    CentreCaretLine(e);
    EXPECT_EQ(e.TopDisplayLine(), c.topAfter);
  }
}

}  // namespace
}  // namespace mw
