#include "core/editing/selection.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/editing/command_groups.h"
#include "core/editing/command_registry.h"
#include "core/editing/insertion.h"
#include "core/editing/typing.h"
#include "editing_fixture.h"
#include "core/text/messages.h"

namespace mw {
namespace {

using test::EditingFixture;
using test::kA;
using test::kHyo;
using test::kSo;
using test::kTsu;
using test::Show;

using Command = void (*)(EditingContext&);

struct Row {
  std::string before;  // marked text; the caret's tag is current, as after a caret move
  int presses;
  std::string after;
};

// Runs the command `presses` times on each row and compares the marked result.
void ExpectRows(Command command, std::initializer_list<Row> rows) {
  for (const Row& row : rows) {
    EditingFixture f;
    f.Load(row.before);
    SelectionChanged(f.ctx);
    for (int i = 0; i < row.presses; ++i) command(f.ctx);
    EXPECT_EQ(Show(f.editor), row.after) << row.before << " x" << row.presses;
  }
}

const std::string kLong(300, 'a');

TEST(SelectTagRange, StartTagTakesItsElementOtherTagsStayAlone) {
  ExpectRows(SelectTagRange, {
      {"<|B>bold</B>", 1, "[<B>bold</B>]"},
      {"<B>bold</|B>", 1, "<B>bold[</B>]"},
      {"<B|R>x", 1, "[<BR>]x"},
      {"ab|c", 1, "ab|c"},
      // Inner elements of the same name nest; the end tag's case is free.
      {"<|DIV><DIV></DIV></div>x", 1, "[<DIV><DIV></DIV></div>]x"},
      {"<|P>" + kHyo + kTsu + "</p>", 1, "[<P>" + kHyo + kTsu + "</p>]"},
      // "<br" counts as a nested "<b", so this B has no end.
      {"<|b>x<br>y</b>", 1, "[<b>]x<br>y</b>"},
      // An end tag far beyond the first window read.
      {"<|P>" + std::string(10000, 'x') + "</P>", 1, "[<P>" + std::string(10000, 'x') + "</P>]"},
  });
}

TEST(SelectPreviousTag, StepsBackTagByTag) {
  ExpectRows(SelectPreviousTag, {
      {"|<P>", 1, "|<P>"},
      {"[<P>]x", 1, "[<P>]x"},
      {"a < b|", 1, "a < b|"},
      {"<P><B>x</B>|", 1, "<P><B>x[</B>]"},
      {"<P><B>x</B>|", 2, "<P>[<B>]x</B>"},
      {"<P>[<B>]", 1, "[<P>]<B>"},
      {"<A TITLE=" + kSo + ">" + kHyo + "|", 1, "[<A TITLE=" + kSo + ">]" + kHyo},
      {"<A TITLE=\"" + kTsu + "|" + kA + "\">", 1, "[<A TITLE=\"" + kTsu + kA + "\">]"},
  });
}

TEST(SelectNextTag, StepsForwardTagByTag) {
  ExpectRows(SelectNextTag, {
      {"|", 1, "|"},
      {"|<HTML><HEAD>", 1, "[<HTML>]<HEAD>"},
      {"|<HTML><HEAD>", 2, "<HTML>[<HEAD>]"},
      {"<A HR|EF=x>y", 1, "[<A HREF=x>]y"},
      {"<P>|" + kTsu + kHyo + "<B>", 1, "<P>" + kTsu + kHyo + "[<B>]"},
      // After the last tag the caret goes back to its end.
      {"<P>x|", 1, "<P>|x"},
      {"<P>ab|c", 1, "<P>|abc"},
      // A '<' with no '>' after it is no tag: the selection stays.
      {"<P>x|<B", 1, "<P>x|<B"},
      {"a" + kSo + "|<" + kSo + ">", 1, "a" + kSo + "[<" + kSo + ">]"},
  });
}

TEST(SelectNextTag, WalksEveryTagInOrderAndBack) {
  const std::string text = "<HTML>" + kTsu + "<A HREF=\"" + kHyo + "\">" + kSo + "</A>\r\n<BR></HTML>";
  std::vector<std::string> tags;
  for (std::size_t lt = text.find('<'); lt != std::string::npos; lt = text.find('<', lt + 1))
    tags.push_back(text.substr(lt, text.find('>', lt) - lt + 1));
  EditingFixture f;
  f.Load("|" + text);
  for (const std::string& tag : tags) {
    SelectNextTag(f.ctx);
    EXPECT_EQ(f.editor.GetSelText(), tag);
  }
  SelectNextTag(f.ctx);
  EXPECT_EQ(Show(f.editor), text + "|");
  for (auto tag = tags.rbegin(); tag != tags.rend(); ++tag) {
    SelectPreviousTag(f.ctx);
    EXPECT_EQ(f.editor.GetSelText(), *tag);
  }
  SelectPreviousTag(f.ctx);
  EXPECT_EQ(Show(f.editor), "[<HTML>]" + text.substr(6));
}

TEST(SelectPreviousTagRange, StepsBackElementByElement) {
  ExpectRows(SelectPreviousTagRange, {
      {"<P>a</P><B>x[</B>]", 1, "<P>a</P>[<B>x</B>]"},
      {"<P>a</P><B>x[</B>]", 2, "[<P>a</P>]<B>x</B>"},
      {"<P>a</P>|", 1, "[<P>a</P>]"},
      {"[<B>]x</B>", 1, "[<B>x</B>]"},
      {"x[<BR>]", 1, "x[<BR>]"},
      {"<P><BR>[<BR>]", 1, "<P>[<BR>]<BR>"},
      {"<P>" + kHyo + "</P>" + kTsu + "|", 1, "[<P>" + kHyo + "</P>]" + kTsu},
  });
}

TEST(SelectNextTagRange, StepsForwardElementByElement) {
  ExpectRows(SelectNextTagRange, {
      {"|<P>a</P><B>x</B>", 1, "[<P>a</P>]<B>x</B>"},
      {"|<P>a</P><B>x</B>", 2, "<P>a</P>[<B>x</B>]"},
      // From inside an element the end tag is stepped over.
      {"<P>a|</P><B>x</B>", 1, "<P>a</P>[<B>x</B>]"},
      {"<P>a</P>|x", 1, "<P>a</P>|x"},
      {"<P>|" + kSo + "<I>" + kHyo + "</I>", 1, "<P>" + kSo + "[<I>" + kHyo + "</I>]"},
  });
}

TEST(SelectPreviousText, SelectsTheBodyTextRunBeforeTheCaret) {
  ExpectRows(SelectPreviousText, {
      {"ab|c<P>", 1, "ab|c<P>"},  // no tag before the caret
      {"<P>hello wor|ld</P>", 1, "<P>[hello world]</P>"},
      {"<P>hello</P>|", 1, "<P>[hello]</P>"},
      {"<B>word</B>  <I>|", 1, "<B>[word]</B>  <I>"},
      {"<P>" + kTsu + kA + "|" + kHyo + "</P>", 1, "<P>[" + kTsu + kA + kHyo + "]</P>"},
  });
}

TEST(SelectNextText, SelectsTheNextBodyTextRunSkippingBlanks) {
  ExpectRows(SelectNextText, {
      {"|<P>  <B>word</B>", 1, "<P>  <B>[word]</B>"},
      {"<P>ab|c<B>de</B>", 1, "<P>abc<B>[de]</B>"},
      {"<P>x</P>|", 1, "<P>x</P>|"},
      {"|<P>" + kSo + kTsu + "</P>", 1, "<P>[" + kSo + kTsu + "]</P>"},
      {"|<P>\r\n\t<B>" + kHyo + "</B>", 1, "<P>\r\n\t<B>[" + kHyo + "]</B>"},
  });
}

TEST(SelectPreviousParameter, SelectsTheValueAtOrBeforeTheCaret) {
  ExpectRows(SelectPreviousParameter, {
      {"ab|c", 1, "ab|c"},
      {"<IMG SRC=\"a.g|if\">", 1, "<IMG SRC=\"[a.gif]\">"},
      // Pressed again at a value's start: the value before it.
      {"<A HREF=\"x\" TITLE=\"[yy]\">", 1, "<A HREF=\"[x]\" TITLE=\"yy\">"},
      {"<IMG ALT=\"" + kSo + kHyo + "|\">", 1, "<IMG ALT=\"[" + kSo + kHyo + "]\">"},
      // A value longer than the bytes first read, before and after the caret.
      {"<A TITLE=\"" + kLong + "|" + kLong + "\">", 1, "<A TITLE=\"[" + kLong + kLong + "]\">"},
      // A bare value that starts with '>' runs to the quote far behind it.
      {"x=|>" + kLong + "\"", 1, "x=[>" + kLong + "]\""},
  });
}

TEST(SelectNextParameter, StepsFromValueToValue) {
  ExpectRows(SelectNextParameter, {
      {"ab|c", 1, "ab|c"},
      {"|<IMG SRC=\"a.gif\" WIDTH=10>", 1, "<IMG SRC=\"[a.gif]\" WIDTH=10>"},
      {"|<IMG SRC=\"a.gif\" WIDTH=10>", 2, "<IMG SRC=\"a.gif\" WIDTH=[10]>"},
      {"|<A TITLE=" + kTsu + ">", 1, "<A TITLE=[" + kTsu + "]>"},
      {"<A HREF=\"" + kHyo + "|\" TITLE=" + kA + ">", 1, "<A HREF=\"" + kHyo + "\" TITLE=[" + kA + "]>"},
  });
}

TEST(SelectAutoRange, PicksValueTextTagOrElement) {
  ExpectRows(SelectAutoRange, {
      {"ab|c", 1, "ab|c"},
      {"<IMG SRC=\"a.g|if\">", 1, "<IMG SRC=\"[a.gif]\">"},
      {"<P>hello wor|ld</P>", 1, "<P>[hello world]</P>"},
      {"<A HREF=\"x\">li|nk</A>", 1, "<A HREF=\"x\">[link]</A>"},
      {"[<B>]x</B>", 1, "[<B>x</B>]"},
      {"<B|R>x", 1, "[<BR>]x"},
      // Near the start with no attribute value anywhere: the text still.
      {"<P>a|b</P>", 1, "<P>[ab]</P>"},
      {"<P>" + kTsu + "|" + kHyo + "</P>", 1, "<P>[" + kTsu + kHyo + "]</P>"},
  });
}

TEST(RowSelection, RowsAndTextEndsIncludeTheLineBreak) {
  ExpectRows(SelectRow, {
      {"ab\r\nc|d\r\nef", 1, "ab\r\n[cd\r\n]ef"},
      {"ab\r\nc|d", 1, "ab\r\n[cd]"},
      {"|", 1, "|"},
  });
  ExpectRows(SelectFromRowStart, {
      {"ab\r\n" + kHyo + "d|e", 1, "ab\r\n[" + kHyo + "d]e"},
      {"ab\r\n|e", 1, "ab\r\n|e"},
  });
  ExpectRows(SelectToRowEnd, {
      {"ab|c\r\nd", 1, "ab[c\r\n]d"},
      {"a[b]c\r\nd", 1, "ab[c\r\n]d"},
      {"a\r\nb|" + kSo, 1, "a\r\nb[" + kSo + "]"},
  });
  ExpectRows(SelectFromStart, {{"ab[c]d", 1, "[ab]cd"}});
  ExpectRows(SelectToEnd, {{"a[b]c" + kTsu, 1, "ab[c" + kTsu + "]"}});
  ExpectRows(SelectAllText, {{"a|b", 1, "[ab]"}});
}

TEST(RowSelection, ActiveEndIsTheMovingEnd) {
  EditingFixture f;
  f.Load("ab\r\ncd|e");
  SelectFromRowStart(f.ctx);
  EXPECT_EQ(f.editor.SelAnchor(), 6);
  EXPECT_EQ(f.editor.SelActive(), 4);
  f.Load("a[b]c");
  SelectFromStart(f.ctx);
  EXPECT_EQ(f.editor.SelAnchor(), 1);
  EXPECT_EQ(f.editor.SelActive(), 0);
}

TEST(BackSpace, DeletesSelectionOrWholeCharacterBeforeCaret) {
  ExpectRows(BackSpace, {
      {"|ab", 1, "|ab"},
      {"ab|c", 1, "a|c"},
      {"a" + kHyo + "|b", 1, "a|b"},
      {"a" + kSo + "|b", 1, "a|b"},
      {"a\r\n|b", 1, "a|b"},
      {"a[bc]d", 1, "a|d"},
  });
  EditingFixture f;
  f.Load("ab[cd]");
  BackSpace(f.ctx);
  f.editor.Undo();
  EXPECT_EQ(f.editor.GetText(), "abcd");
}

TEST(Jumps, GoToFixedPlacesOfThePage) {
  const std::string page = "<HTML><head><TITLE>" + kHyo + "</TITLE></HEAD>\r\n<body bgcolor=\"#FFFFFF\">" + kSo +
                           "</BODY></HTML>";
  struct {
    Command command;
    std::string after;
  } rows[] = {
      {JumpToHeadStart, "<HTML><head>|<TITLE>"},
      {JumpToHeadEnd, "</TITLE>|</HEAD>"},
      {JumpToBodyStart, "#FFFFFF\">|" + kSo},
      {JumpToBodyTag, "#FFFFFF\"|>"},
      {JumpToBodyEnd, kSo + "|</BODY>"},
      {JumpToBottom, "</HTML>|"},
  };
  for (const auto& row : rows) {
    EditingFixture f;
    f.Load(page + "|");
    if (row.command == JumpToBottom) f.editor.SetSelStart(3);
    row.command(f.ctx);
    EXPECT_NE(Show(f.editor).find(row.after), std::string::npos) << row.after;
  }
  ExpectRows(JumpToTop, {{"ab[c]", 1, "|abc"}});
  // A page that begins with the place jumped to.
  ExpectRows(JumpToHeadStart, {{"<HEAD>x|", 1, "<HEAD>|x"}, {"<P>x|", 1, "<P>x|"}});
  ExpectRows(JumpToBodyStart, {{"<BODY>x|", 1, "<BODY>|x"}, {"<BODY x|", 1, "<BODY| x"}});
}

TEST(Jumps, JumpAfterReportsWhereTheCaretWent) {
  EditingFixture f;
  f.Load("ab<B>cd<B>|");
  EXPECT_EQ(JumpAfter(f.ctx, 3, "<b>"), 10);
  EXPECT_EQ(JumpBefore(f.ctx, 0, "<B>"), 2);
  EXPECT_EQ(JumpAfter(f.ctx, 8, "<B>"), -1);
  EXPECT_EQ(f.editor.GetSelStart(), 2);
}

TEST(GotoLine, CountsLinesByLineFeed) {
  const std::string text = "a\r\n" + kHyo + "\r\n";
  const struct {
    long long line;
    Offset caret;  // -1: out of range
  } rows[] = {{0, -1}, {1, 0}, {2, 3}, {3, 7}, {4, -1}, {-5, -1}};
  for (const auto& row : rows) {
    EditingFixture f;
    f.Load(text + "|");
    EXPECT_EQ(GotoLine(f.ctx, row.line), row.caret >= 0) << row.line;
    EXPECT_EQ(f.editor.GetSelStart(), row.caret >= 0 ? row.caret : 7) << row.line;
    EXPECT_EQ(f.prompts.Texts(), row.caret >= 0 ? std::vector<std::string>{}
                                                : std::vector<std::string>{MessageSjis(Msg::GotoLineOutOfRange)});
  }
  // A line far into a text longer than one read.
  EditingFixture f;
  std::string big;
  for (int i = 0; i < 20000; ++i) big += "<P>" + kTsu + "</P>\r\n";
  f.Load(big);
  EXPECT_TRUE(GotoLine(f.ctx, 15001));
  EXPECT_EQ(f.editor.GetSelStart(), 15000 * 11);
  // Its line is centred: the 10th of 20 visible lines.
  EXPECT_EQ(f.editor.TopDisplayLine(), 15000 - 10 + 1);
}

TEST(JumpToLineNumber, AsksForTheLineAndGoesThere) {
  const struct {
    std::optional<std::string> answer;
    Offset caret;
    std::size_t messages;
  } rows[] = {
      {"2", 3, 0}, {" 3 ", 6, 0}, {"9", 1, 1}, {"0", 1, 1}, {"x2", 1, 0}, {"-2", 1, 0}, {"", 1, 0},
      {std::nullopt, 1, 0},
  };
  for (const auto& row : rows) {
    EditingFixture f;
    f.Load("a|\r\nb\r\nc");
    f.prompts.QueueString(row.answer);
    JumpToLineNumber(f.ctx);
    EXPECT_EQ(f.editor.GetSelStart(), row.caret) << row.answer.value_or("(cancel)");
    ASSERT_FALSE(f.prompts.Log().empty());
    EXPECT_EQ(f.prompts.Log().size() - 1, row.messages);
    const StringRequest& asked = *f.prompts.Log()[0].request;
    EXPECT_EQ(asked.mode, InputMode::Plain);
    EXPECT_EQ(asked.title, MessageSjis(Msg::GotoLineTitle));
    EXPECT_EQ(asked.label, MessageSjis(Msg::GotoLineLabel));
    EXPECT_EQ(asked.text, "1");
    EXPECT_EQ(asked.choices, (std::vector<std::string>{"1", "10", "100", "1000", "10000"}));
  }
}

TEST(EngineSelectionSearch, AutomaticPreSelectionUsesTheRealSearches) {
  const struct {
    std::string before, after;
  } rows[] = {
      {"<|B>x</B>", "[<B>x</B>]"},
      {"<P>wo|rd</P>", "<P>[word]</P>"},
      {"<P>" + kTsu + "|" + kA + "</P>", "<P>[" + kTsu + kA + "]</P>"},
  };
  for (const auto& row : rows) {
    EditingFixture f;
    f.ctx.options.autoSelect = true;
    f.ctx.selectionSearch = &EngineSelectionSearchInstance();
    f.Load(row.before);
    SelectionChanged(f.ctx);
    AutoSelect(f.ctx);
    EXPECT_EQ(Show(f.editor), row.after) << row.before;
  }
}

TEST(SelectionCommands, RegisteredByHandlerName) {
  CommandRegistry r;
  RegisterSelectionCommands(r);
  for (const char* name :
       {"SelectAutoRangeClick", "SelectPreviousTagClick", "SelectNextTagClick", "SelectPreviousTagRangeClick",
        "SelectNextTagRangeClick", "SelectPreviousParameterClick", "SelectNextParameterClick",
        "SelectPreviousTextClick", "SelectNextTextClick", "SelectRowClick", "SelectFromRowStartClick",
        "SelectToRowEndClick", "SelectFromStartClick", "SelectToEndClick", "SelectAllClick", "JumpToTopClick",
        "JumpToBottomClick", "JumpToHeadStartClick", "JumpToHeadEndClick", "JumpToBodyStartClick",
        "JumpToBodyEndClick", "JumpToBodyTagClick", "JumpToLineNumberClick"}) {
    const EditCommand* c = r.Find(name);
    ASSERT_NE(c, nullptr) << name;
    EXPECT_FALSE(c->modifiesText) << name;
  }
  ASSERT_NE(r.Find("BackSpaceClick"), nullptr);
  EXPECT_TRUE(r.Find("BackSpaceClick")->modifiesText);

  EditingFixture f;
  f.Load("|<HTML><HEAD>");
  r.Find("SelectNextTagClick")->run(f.ctx, {});
  r.Find("SelectNextTagClick")->run(f.ctx, {});
  EXPECT_EQ(Show(f.editor), "<HTML>[<HEAD>]");
  r.Find("BackSpaceClick")->run(f.ctx, {});
  EXPECT_EQ(Show(f.editor), "<HTML>|");
}

}  // namespace
}  // namespace mw
