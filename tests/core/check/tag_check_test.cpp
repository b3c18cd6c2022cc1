#include "core/check/tag_check.h"

#include <gtest/gtest.h>

#include <random>

#include "check_rows.h"
#include "core/editing/marked_text.h"

namespace mw {
namespace {

using test::kA;
using test::kHyo;
using test::kSo;
using test::kTsu;
using test::Lines;
using test::Sjis;
using V = std::vector<std::string>;

constexpr CheckMode kIgnore{.checkOmissible = false, .caretMode = false};
constexpr CheckMode kCheck{.checkOmissible = true, .caretMode = false};

struct Row {
  std::string text;
  CheckMode mode;
  V lines;
};

void RunRows(const std::vector<Row>& rows, const TagLists& lists = BuiltInTagLists()) {
  for (const auto& row : rows) {
    SCOPED_TRACE(row.text + (row.mode.checkOmissible ? "  (omissible checked)" : ""));
    EXPECT_EQ(Lines(row.text, RunTagCheck(row.text, lists, row.mode)), row.lines);
  }
}

TEST(RunTagCheck, TagsAndNesting) {
  RunRows({
      {"", kIgnore, {"clean: {}"}},
      {"<b>x</b>", kIgnore, {"clean: <b>x</b>{}"}},
      {"<B>x</b>", kIgnore, {"clean: <B>x</b>{}"}},
      // Blanks after '<' are skipped, but a blank after "</" ends the name.
      {"< B>x</B>", kIgnore, {"clean: < B>x</B>{}"}},
      {"<B>x</ B>", kIgnore, {"invalid : <B>x{</ B>}", "open B: <B>x</ B>{}", "problems: <B>x</ B>{}"}},
      {"<P>one<P>two", kIgnore, {"clean: <P>one<P>two{}"}},
      {"<P>one<P>two", kCheck,
       {"open P: <P>one<P>two{}", "open P: <P>one<P>two{}", "problems: <P>one<P>two{}"}},
      {"<UL><LI>x</UL>", kIgnore, {"clean: <UL><LI>x</UL>{}"}},
      {"<UL><LI>x</UL>", kCheck,
       {"mismatch LI UL: <UL><LI>x{</UL>}", "open UL: <UL><LI>x</UL>{}", "problems: <UL><LI>x</UL>{}"}},
      // The innermost open element is reported first.
      {"<HTML><BODY>", kIgnore,
       {"open BODY: <HTML><BODY>{}", "open HTML: <HTML><BODY>{}", "problems: <HTML><BODY>{}"}},
      {"</B>", kIgnore, {"no-start B: {</B>}", "problems: </B>{}"}},
      {"</LI>", kCheck, {"no-start LI: {</LI>}", "problems: </LI>{}"}},
      {"</LI>", kIgnore, {"clean: </LI>{}"}},
      {"<FOO>", kIgnore, {"invalid FOO: {<FOO>}", "problems: <FOO>{}"}},
      {"</FOO>", kCheck, {"invalid FOO: {</FOO>}", "problems: </FOO>{}"}},
      {"</BR>", kIgnore, {"invalid BR: {</BR>}", "problems: </BR>{}"}},
      {"<br/>", kIgnore, {"invalid BR/: {<br/>}", "problems: <br/>{}"}},
      {"<!DOCTYPE html><br>", kIgnore, {"clean: <!DOCTYPE html><br>{}"}},
      // A tab does not end the name; a line break does.
      {"<B\tX>", kIgnore, {"invalid B\tX: {<B\tX>}", "problems: <B\tX>{}"}},
      {"<B\r\nID=x>y</B>", kIgnore, {"clean: <B\r\nID=x>y</B>{}"}},
      // A mismatch pops one name and pushes nothing back.
      {"<I><B>x</I></B>", kIgnore,
       {"mismatch B I: <I><B>x{</I>}</B>", "mismatch I B: <I><B>x</I>{</B>}", "problems: <I><B>x</I></B>{}"}},
      // Markup written by a script is scanned like any other text.
      {"<SCRIPT>w(\"<B>\")</SCRIPT>", kIgnore,
       {"mismatch B SCRIPT: <SCRIPT>w(\"<B>\"){</SCRIPT>}", "open SCRIPT: <SCRIPT>w(\"<B>\")</SCRIPT>{}",
        "problems: <SCRIPT>w(\"<B>\")</SCRIPT>{}"}},
  });
}

TEST(RunTagCheck, BrokenTagsAndStrayBrackets) {
  RunRows({
      // Quotes are not recognised: the first '>' ends the tag.
      {"<A HREF=\"x>y\">", kIgnore,
       {"stray: <A HREF=\"x>y\"{>}", "open A: <A HREF=\"x>y\">{}", "problems: <A HREF=\"x>y\">{}"}},
      {"a > b", kIgnore, {"stray: a {>} b", "problems: a > b{}"}},
      {"<B <I>", kIgnore, {"unclosed: {<B <}I>", "open B: <B <I>{}", "problems: <B <I>{}"}},
      {"<B<I>", kIgnore, {"unclosed: {<B<}I>", "invalid B<I: {<B<I>}", "problems: <B<I>{}"}},
      // The text ends inside a tag: it is judged up to the end.
      {"<B", kIgnore, {"open B: <B{}", "problems: <B{}"}},
      {"<B>x</B", kIgnore, {"clean: <B>x</B{}"}},
      {"x<", kIgnore, {"invalid : x{<}", "problems: x<{}"}},
      {"<B id=x", kIgnore, {"open B: <B id=x{}", "problems: <B id=x{}"}},
  });
}

TEST(RunTagCheck, Comments) {
  RunRows({
      {"<!-- a -- b -->", kIgnore, {"clean: <!-- a -- b -->{}"}},
      {"<!-->", kIgnore, {"clean: <!-->{}"}},
      {"<!-- <FOO> > </B> -->", kIgnore, {"clean: <!-- <FOO> > </B> -->{}"}},
      {"<!-- x", kIgnore, {"comments 1: <!-- x{}", "problems: <!-- x{}"}},
      {"<!-- <!-- x -->", kIgnore, {"clean: <!-- <!-- x -->{}"}},
      {"-->", kIgnore, {"comment-end: {-->}", "problems: -->{}"}},
      {"<!-- a --> -->", kIgnore, {"comment-end: <!-- a --> {-->}", "problems: <!-- a --> -->{}"}},
      {"<!-- a --><FOO>", kIgnore, {"invalid FOO: <!-- a -->{<FOO>}", "problems: <!-- a --><FOO>{}"}},
  });
}

// Offsets are bytes; a trail byte that is a letter is not upper-cased, and
// none of ア ツ 表 ソ can end or start anything.
TEST(RunTagCheck, ShiftJisText) {
  RunRows({
      {"<B>" + kHyo + kSo + "</B>", kIgnore, {"clean: <B>" + kHyo + kSo + "</B>{}"}},
      {kA + ">", kIgnore, {"stray: " + kA + "{>}", "problems: " + kA + ">{}"}},
      {"<" + kTsu + ">", kIgnore, {"invalid " + kTsu + ": {<" + kTsu + ">}", "problems: <" + kTsu + ">{}"}},
      {"<A TITLE=" + kTsu + kA + ">x</A>", kIgnore, {"clean: <A TITLE=" + kTsu + kA + ">x</A>{}"}},
  });
  TagLists lists = BuiltInTagLists();
  lists.twin.Add("b" + kTsu);
  RunRows({
      {"<B" + kTsu + ">x</b" + kTsu + ">", kIgnore, {"clean: <B" + kTsu + ">x</b" + kTsu + ">{}"}},
  }, lists);
}

TEST(RunTagCheck, ListsDecideTheKindOfAnElement) {
  TagLists lists = BuiltInTagLists();
  lists.twin.Add("blink");
  lists.single.Add("Spacer");
  EXPECT_TRUE(lists.omissible.Remove("p"));
  RunRows({
      {"<BLINK>x</Blink><spacer>", kIgnore, {"clean: <BLINK>x</Blink><spacer>{}"}},
      {"<P>x", kIgnore, {"invalid P: {<P>}x", "problems: <P>x{}"}},
  }, lists);
}

TEST(RunTagCheck, KeepsAtMost256LinesAndDropsTheSummaryBeyond) {
  const std::string text(300, '>');
  const CheckResult r = RunTagCheck(text, BuiltInTagLists(), kIgnore);
  ASSERT_EQ(r.messages.size(), kMaxCheckMessages);
  EXPECT_EQ(r.messages.back().kind, CheckMessageKind::StrayGreater);
  EXPECT_EQ(r.messages.back().start, 255);
  // The last line is taken for the summary and never jumps.
  EXPECT_EQ(JumpTarget(r, 255), std::nullopt);
  EXPECT_EQ(JumpTarget(r, 254), (CheckRange{254, 1}));
}

// Texts pieced together from the bytes the scan reacts to: every range
// lies inside the text, no message range is reversed, the limit holds.
TEST(RunTagCheck, RangesStayInsideAnyText) {
  const std::string pieces[] = {"<", ">", "-", "!", "/", " ", "\r\n", "B", "p", "<!--", "-->", kTsu, kHyo, kA};
  std::mt19937 random(7);
  for (int round = 0; round < 2000; ++round) {
    std::string text;
    const int n = static_cast<int>(random() % 40);
    for (int i = 0; i < n; ++i) text += pieces[random() % std::size(pieces)];
    SCOPED_TRACE(text);
    for (const CheckMode mode : {kIgnore, kCheck, CheckMode{false, true}}) {
      const CheckResult r = RunTagCheck(text, BuiltInTagLists(), mode);
      ASSERT_LE(r.messages.size(), kMaxCheckMessages);
      for (const auto& m : r.messages) {
        ASSERT_LE(0, m.start);
        ASSERT_LE(m.start, m.end);
        ASSERT_LE(m.end, static_cast<Offset>(text.size()));
      }
    }
  }
}

TEST(JumpTarget, SelectsTheRangeOfAnyLineButTheLast) {
  const std::string text = "x-->";
  const CheckResult r = RunTagCheck(text, BuiltInTagLists(), kIgnore);
  ASSERT_EQ(r.messages.size(), 2u);
  EXPECT_EQ(JumpTarget(r, 0), (CheckRange{1, 3}));
  EXPECT_EQ(JumpTarget(r, 1), std::nullopt);
  EXPECT_EQ(JumpTarget(r, -1), std::nullopt);
  EXPECT_EQ(JumpTarget(r, 2), std::nullopt);
  EXPECT_EQ(JumpTarget(CheckResult{}, 0), std::nullopt);
}

TEST(InnermostOpenTag, NamesTheElementOpenBeforeTheCaret) {
  const struct {
    std::string before;
    std::string name;
  } rows[] = {
      {"", ""},
      {"<B>x</B>", ""},
      {"<HTML><BODY><P>text", "BODY"},
      {"<ul><li>x", "UL"},
      {"<B><I>x</I>", "B"},
      {"<B><!-- <I> -->", "B"},
      {"<B " + kTsu, "B"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.before);
    EXPECT_EQ(InnermostOpenTag(row.before, BuiltInTagLists()), row.name);
  }
}

TEST(RunTagCheck, CaretModeTakesTheInnermostOffTheReport) {
  const std::string text = "<HTML><BODY><P>text";
  const CheckResult r = RunTagCheck(text, BuiltInTagLists(), {.checkOmissible = false, .caretMode = true});
  EXPECT_EQ(r.innermostOpenTag, "BODY");
  EXPECT_EQ(Lines(text, r), (V{"open HTML: " + text + "{}", "problems: " + text + "{}"}));
  EXPECT_EQ(RunTagCheck(text, BuiltInTagLists(), kIgnore).innermostOpenTag, "");
}

CheckMessage Msg(CheckMessageKind kind, std::string name = {}, std::string open = {}, int count = 0) {
  return {kind, 0, 0, std::move(name), std::move(open), count};
}

TEST(CheckMessageText, WordsEveryKind) {
  const struct {
    CheckMessage m;
    const char* utf8;
  } rows[] = {
      {Msg(CheckMessageKind::UnclosedTag), "タグを>で閉じなければなりません"},
      {Msg(CheckMessageKind::CommentEndWithoutStart), "コメントの前方タグがありません"},
      {Msg(CheckMessageKind::StrayGreater), "前方の<がありません"},
      {Msg(CheckMessageKind::InvalidName, "BR/"), "BR/が不正です"},
      {Msg(CheckMessageKind::EndTagWithoutStart, "B"), "前方タグ<B>がみつかりません。"},
      {Msg(CheckMessageKind::Mismatch, "UL", "LI"), "<LI>が閉じられていないか、</UL>が不適切です。"},
      {Msg(CheckMessageKind::ElementLeftOpen, "P"), "<P>が閉じられていません。"},
      {Msg(CheckMessageKind::CommentLeftOpen, "", "", 1), "コメントが1個閉じられていません"},
      {Msg(CheckMessageKind::SummaryClean), "チェック完了！タグの不整合はありません。"},
      {Msg(CheckMessageKind::SummaryProblems), "チェック完了！タグの不整合を検出しました。"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.utf8);
    EXPECT_EQ(CheckMessageText(row.m), Sjis(row.utf8));
  }
  // A name with a double-byte character is shown as it stands.
  EXPECT_EQ(CheckMessageText(Msg(CheckMessageKind::InvalidName, kTsu)), kTsu + Sjis("が不正です"));
  // A name holding "%1" or "%2" goes in as it stands.
  EXPECT_EQ(CheckMessageText(Msg(CheckMessageKind::Mismatch, "%1", "%2")),
            Sjis("<%2>が閉じられていないか、</%1>が不適切です。"));
}

TEST(CheckCaption, NamesTheMode) {
  EXPECT_EQ(CheckCaption("Markupwright - a.html", true),
            "Markupwright - a.html" + Sjis(" のタグチェック： 省略可能後方タグが閉じている事も検査した結果"));
  EXPECT_EQ(CheckCaption("Markupwright - a.html", false),
            "Markupwright - a.html" + Sjis(" のタグチェック： 省略可能後方タグを無視した結果"));
}

}  // namespace
}  // namespace mw
