#include "core/editing/tag_removal.h"

#include <gtest/gtest.h>

#include <random>

#include "core/editing/command_groups.h"
#include "core/editing/command_registry.h"
#include "editing_fixture.h"

namespace mw {
namespace {

using test::EditingFixture;
using test::FontLetters;
using test::kA;
using test::kHyo;
using test::kSo;
using test::kTsu;
using test::Show;

struct Row {
  std::string before;
  std::string after;
};

void RunRows(void (*command)(EditingContext&), const std::vector<Row>& rows,
             CaretPolicy policy = CaretPolicy::AfterEdited) {
  for (const auto& row : rows) {
    SCOPED_TRACE(row.before);
    EditingFixture f;
    f.ctx.options.caretPolicy = policy;
    f.Load(row.before);
    command(f.ctx);
    EXPECT_EQ(Show(f.editor), row.after);
  }
}

TEST(DeleteTag, DeletesTheTagAtOrAfterTheCaret) {
  RunRows(DeleteTag, {
      {"<B|>x</B>", "|x</B>"},
      {"<B>x</|B>", "<B>x|"},
      {"[<B>]x", "|x"},
      {"<A TITLE=" + kSo + "|>" + kHyo, "|" + kHyo},
      // The tag found lies before the caret: nothing happens.
      {"<B>x|</B>", "<B>x|</B>"},
      // No tag: a selection is deleted, a caret stays.
      {"a[b" + kA + "]c", "a|c"},
      {"x|<B>", "x|<B>"},
      {"a < b|", "a < b|"},
      {"|", "|"},
  });
}

TEST(DeleteCurrentTag, KeepsTheContentOfTheElementAtTheCaret) {
  RunRows(DeleteCurrentTag, {
      {"<P>|x</P>", "x|"},
      {"<P|>x</P>y", "x|y"},
      {"<B>|" + kHyo + "</B>", kHyo + "|"},
      {"<DIV|><DIV>x</DIV>y</DIV>", "<DIV>x</DIV>y|"},
      // On an end tag the end tag is only selected.
      {"<P>x</|P>", "<P>x[</P>]"},
      // A start tag without its end tag goes alone; a caret just after it
      // is after the element.
      {"<UL><L|I>a</UL>", "<UL>|a</UL>"},
      {"<UL><LI>|a</UL>", "<UL><LI>|a</UL>"},
      {"<BR|>", "|"},
      // The element lies before the caret.
      {"<B>x</B> y|", "<B>x</B> y|"},
      {"a|", "a|"},
  });
}

TEST(DeleteCurrentTag, LeavesTheContentSelectedUnderASelectingPolicy) {
  RunRows(DeleteCurrentTag, {
      {"a<P>|x</P>b", "a[x]b"},
      {"a<BR|>b", "a|b"},
  }, CaretPolicy::SelectEdited);
}

TEST(WithoutOuterTags, RemovesTheFirstAndLastTag) {
  const Row rows[] = {
      {"<I><B>x</B></I>", "<B>x</B>"},
      {"a<B>b</B>c", "abc"},
      {"<B>", ""},
      {"a<B>b", "ab"},
      {"", ""},
      {"x>y<z", "x>y<z"},
      {"<a>x<b", "x<b"},
      {"a" + kSo + "<B>" + kHyo + "</B>" + kTsu, "a" + kSo + kHyo + kTsu},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.before);
    EXPECT_EQ(WithoutOuterTags(row.before), row.after);
  }
}

TEST(DeleteOuterTag, ReplacesTheSelectionInTheTextFont) {
  EditingFixture f;
  f.Load("ab[<I><B>x</B></I>]cd");
  DeleteOuterTag(f.ctx);
  EXPECT_EQ(Show(f.editor), "ab<B>x</B>|cd");
  EXPECT_EQ(FontLetters(f.editor, 2, 8), "TTT.TTTT");
  f.editor.Undo();
  EXPECT_EQ(f.editor.GetText(), "ab<I><B>x</B></I>cd");
}

TEST(DeleteComment, RemovesTheMarkersOfTheNearestCommentBeforeTheCaret) {
  RunRows(DeleteComment, {
      {"<!-- a| <!-- b --> c -->", " a <!-- b --> c |"},
      {"<!-- a <!-- b| --> c -->", "<!-- a  b | c -->"},
      {"<!-- a --> b|", " a | b"},
      {"<!|-- x -->", " x |"},
      {"x|<!-- y -->", "x y |"},
      {"<!-- a -- b -->|", " a -- b |"},
      {"<!-- " + kSo + kHyo + " -->|", " " + kSo + kHyo + " |"},
      // The markers of an empty comment overlap; nothing is left of it.
      {"<!-->|x", "|x"},
      {"<!--->|", "|"},
      // No comment, or one that never ends: nothing happens.
      {"<!-- x|", "<!-- x|"},
      // The nearest start is the inner one.
      {"<!-- <!-- x -->|", "<!--  x |"},
      {"<B>|x", "<B>|x"},
      {"a|b", "a|b"},
      {"|", "|"},
  });
}

TEST(TagsInCase, ChangesNamesAndKeepsValuesBodyAndComments) {
  const struct {
    std::string text;
    std::string lower;
    std::string upper;
  } rows[] = {
      {"<A HREF=\"X.HTML\">TEXT</A>", "<a href=\"X.HTML\">TEXT</a>", "<A HREF=\"X.HTML\">TEXT</A>"},
      {"<!-- <B> -->", "<!-- <B> -->", "<!-- <B> -->"},
      // Unquoted values are kept too: the server may tell PAGE from page.
      {"<A HREF=PAGE.html Target=_Top>Go</A>", "<a href=PAGE.html target=_Top>Go</a>",
       "<A HREF=PAGE.html TARGET=_Top>Go</A>"},
      {"<Img Src = \"A.gif\" Alt='A b'>", "<img src = \"A.gif\" alt='A b'>", "<IMG SRC = \"A.gif\" ALT='A b'>"},
      {"<Td NoWrap Width=5x>", "<td nowrap width=5x>", "<TD NOWRAP WIDTH=5x>"},
      {"<A Href=" + kA + "x.Html>", "<a href=" + kA + "x.Html>", "<A HREF=" + kA + "x.Html>"},
      {"<b" + kTsu + " t=" + kTsu + ">" + kTsu, "<b" + kTsu + " t=" + kTsu + ">" + kTsu,
       "<B" + kTsu + " T=" + kTsu + ">" + kTsu},
      {"A > b <I>C</I>", "A > b <i>C</i>", "A > b <I>C</I>"},
      {"<!-- <!-- x --> <B> --><I>", "<!-- <!-- x --> <B> --><i>", "<!-- <!-- x --> <B> --><I>"},
      {"<!-- a --><B>", "<!-- a --><b>", "<!-- a --><B>"},
      // '>' ends a quoted part with the tag.
      {"<A Title=\"x>Y", "<a title=\"x>Y", "<A TITLE=\"x>Y"},
      // A '<' inside quotes is text: the scan stays in the tag.
      {"<A onClick=\"if (a<Max) Go()\" HREF=Page.HTML>x</A>",
       "<a onclick=\"if (a<Max) Go()\" href=Page.HTML>x</a>",
       "<A ONCLICK=\"if (a<Max) Go()\" HREF=Page.HTML>x</A>"},
      {"<B Title='a<b' Class=X>", "<b title='a<b' class=X>", "<B TITLE='a<b' CLASS=X>"},
      {"<A \"B\" c>", "<a \"B\" c>", "<A \"B\" C>"},
      {"<P\r\nClass=Big>x", "<p\r\nclass=Big>x", "<P\r\nCLASS=Big>x"},
      {"", "", ""},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.text);
    EXPECT_EQ(TagsInCase(row.text, false), row.lower);
    EXPECT_EQ(TagsInCase(row.text, true), row.upper);
  }
}

// On any text only ASCII letters change, and only their case: a
// double-byte character (trail byte a letter or not) is never touched.
TEST(TagsInCase, ChangesNothingButTheCaseOfAsciiLetters) {
  const std::string pieces[] = {"<", ">", "=", "\"", "'", " ", "--", "!", "aB", "Zy", kTsu, kA, kHyo, "\r\n"};
  std::mt19937 random(11);
  for (int round = 0; round < 2000; ++round) {
    std::string text;
    const int n = static_cast<int>(random() % 30);
    for (int i = 0; i < n; ++i) text += pieces[random() % std::size(pieces)];
    SCOPED_TRACE(text);
    for (const bool upper : {false, true}) {
      const std::string out = TagsInCase(text, upper);
      ASSERT_EQ(out.size(), text.size());
      for (std::size_t i = 0; i < text.size();) {
        const std::size_t len = CharLength(text, i);
        if (len > 1) {
          ASSERT_EQ(out.substr(i, len), text.substr(i, len)) << "at " << i;
        } else if (out[i] != text[i]) {
          ASSERT_EQ(out[i], upper ? text[i] - 'a' + 'A' : text[i] - 'A' + 'a') << "at " << i;
        }
        i += len;
      }
    }
  }
}

TEST(ToLowerCaseTag, ReplacesTheDocumentAndRestoresSelectionAndView) {
  EditingFixture f;
  std::string text;
  for (int i = 0; i < 40; ++i) text += "<P CLASS=X>Line</P>\r\n";
  f.editor.Load(text);
  f.editor.SetVisibleLineCount(5);
  f.editor.SetSelection(60, 55);
  f.editor.LineScroll(10);
  const Offset top = f.editor.TopDisplayLine();
  ToLowerCaseTag(f.ctx);
  EXPECT_EQ(f.editor.GetText().substr(0, 21), "<p class=X>Line</p>\r\n");
  EXPECT_EQ(f.editor.SelAnchor(), 60);
  EXPECT_EQ(f.editor.SelActive(), 55);
  EXPECT_EQ(f.editor.TopDisplayLine(), top);
  EXPECT_EQ(FontLetters(f.editor, 0, 19), "TTTTTTTTTTT....TTTT");
  EXPECT_TRUE(f.editor.IsModified());
  f.editor.Undo();
  EXPECT_EQ(f.editor.GetText(), text);
}

TEST(ToUpperCaseTag, LeavesTagsInTheTextFontWithoutTagColouring) {
  EditingFixture f;
  f.ctx.options.autoTagFont = false;
  f.Load("<b>x</b>|");
  ToUpperCaseTag(f.ctx);
  EXPECT_EQ(Show(f.editor), "<B>x</B>|");
  EXPECT_EQ(FontLetters(f.editor), "........");
}

TEST(ToUpperCaseTag, LeavesADocumentWithoutChangesUnmodified) {
  EditingFixture f;
  f.Load("<B>x</B><!-- <i> -->|");
  ToUpperCaseTag(f.ctx);
  EXPECT_EQ(Show(f.editor), "<B>x</B><!-- <i> -->|");
  EXPECT_FALSE(f.editor.IsModified());
  EXPECT_FALSE(f.editor.CanUndo());
}

TEST(RegisterTagRemovalCommands, RunsEachCommandByHandlerName) {
  CommandRegistry r;
  RegisterTagRemovalCommands(r);
  const struct {
    const char* handler;
    std::string before;
    std::string after;
  } rows[] = {
      {"DeleteTagClick", "<B|>x</B>", "|x</B>"},
      {"DeleteCurrentTagClick", "<P>|x</P>", "x|"},
      {"DeleteOuterTagClick", "[<I>x</I>]", "x|"},
      {"DeleteCommentClick", "<!-- x -->|", " x |"},
      {"ToUpperCaseTagClick", "<b>x</b>|", "<B>x</B>|"},
      {"ToLowerCaseTagClick", "<B>x</B>|", "<b>x</b>|"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.handler);
    const EditCommand* c = r.Find(row.handler);
    ASSERT_NE(c, nullptr);
    EditingFixture f;
    f.Load(row.before);
    c->run(f.ctx, "");
    EXPECT_EQ(Show(f.editor), row.after);
  }
  EXPECT_EQ(r.All().size(), 6u);
}

}  // namespace
}  // namespace mw
