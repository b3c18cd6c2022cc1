#include "core/editing/repeat_tag.h"

#include <gtest/gtest.h>

#include "core/editing/insertion.h"
#include "editing_fixture.h"
#include "core/text/messages.h"

namespace mw {
namespace {

using test::EditingFixture;
using test::FontLetters;
using test::kA;
using test::kHyo;
using test::Show;

// Selection searches that select what a row says ("{...}" marks it).
class MarkedSearch : public SelectionSearch {
 public:
  std::string tag, range, text;
  void SelectPreviousTag(EditingContext& c) override { Apply(c, tag); }
  void SelectPreviousTagRange(EditingContext& c) override { Apply(c, range); }
  void SelectPreviousText(EditingContext& c) override { Apply(c, text); }

 private:
  static void Apply(EditingContext& c, const std::string& marked) {
    const test::Marked m = test::ParseMarked(marked);
    if (m.start < 0) return;
    c.Editor().SetSelection(m.start, m.start + m.length);
  }
};

// Answers the dialog by replacing its fields, or cancels; records what it
// was opened with.
class ScriptedDialog : public RepeatTagDialogRunner {
 public:
  bool ok = true;
  std::optional<RepeatTagDialog> edit;
  RepeatTagDialog opened;
  int runs = 0;
  bool Run(RepeatTagDialog& d) override {
    ++runs;
    opened = d;
    if (edit) d = *edit;
    return ok;
  }
};

TEST(RepeatInsertTag, AppliesThePairAndLeavesItUnchanged) {
  const struct {
    std::string before;
    RepeatTagPair pair;
    std::string after;
  } rows[] = {
      // After wrapping in B, another word is wrapped the same way.
      {"ab[" + kA + "]cd", {"<B>", "</B>"}, "ab<B>" + kA + "</B>|cd"},
      // A lone tag is inserted and the caret ends after it.
      {"ab|" + kHyo, {"<BR>", ""}, "ab<BR>|" + kHyo},
      {"ab[x]" + kHyo, {"", "</P>"}, "ab</P>|" + kHyo},
      // Nothing to repeat: nothing happens.
      {"ab[x]cd", {"", ""}, "ab[x]cd"},
      {"[" + kHyo + "\\]", {"<A HREF=\"" + kA + "\">", "</A>"},
       "<A HREF=\"" + kA + "\">" + kHyo + "\\</A>|"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.before + " with " + row.pair.start + row.pair.end);
    EditingFixture f;
    f.Load(row.before);
    f.ctx.repeatTag = row.pair;
    RepeatInsertTag(f.ctx);
    EXPECT_EQ(Show(f.editor), row.after);
    EXPECT_EQ(f.ctx.repeatTag, row.pair);
  }
}

TEST(RepeatInsertTag, LoneTagLeavesCaretAfterItWhateverThePolicy) {
  for (const auto policy : {CaretPolicy::AfterEdited, CaretPolicy::SelectEdited, CaretPolicy::KeepPrevious}) {
    EditingFixture f;
    f.ctx.options.caretPolicy = policy;
    f.Load("a[b]" + kA);
    f.ctx.repeatTag = {"<BR>", ""};
    RepeatInsertTag(f.ctx);
    EXPECT_EQ(Show(f.editor), "a<BR>|" + kA);
    EXPECT_EQ(FontLetters(f.editor, 1, 4), "TTTT");
    f.editor.Undo();
    EXPECT_EQ(f.editor.GetText(), "ab" + kA);
  }
}

TEST(RepeatInsertTag, WrappingFollowsTheCaretPolicyAndColours) {
  EditingFixture f;
  f.ctx.options.caretPolicy = CaretPolicy::KeepPrevious;
  f.Load("x[" + kHyo + "]y");
  f.ctx.repeatTag = {"<B>", "</B>"};
  RepeatInsertTag(f.ctx);
  EXPECT_EQ(Show(f.editor), "x<B>[" + kHyo + "]</B>y");
  EXPECT_EQ(FontLetters(f.editor), ".TTT..TTTT.");
}

TEST(RepeatInsertTag, PreSelectsWhenNothingIsSelected) {
  EditingFixture f;
  MarkedSearch search;
  search.text = "ab {word} cd";
  f.ctx.selectionSearch = &search;
  f.ctx.options.autoSelect = true;
  f.Load("ab wo|rd cd");
  f.ctx.repeatTag = {"<I>", "</I>"};
  RepeatInsertTag(f.ctx);
  EXPECT_EQ(Show(f.editor), "ab <I>word</I>| cd");
}

TEST(RepeatInsertTag, CommentPairGoesInWhollyInTheSpecialFont) {
  EditingFixture f;
  f.Load("a[<b>" + kA + "]c");
  f.ctx.repeatTag = {"<!--", "-->"};
  RepeatInsertTag(f.ctx);
  EXPECT_EQ(Show(f.editor), "a<!--<b>" + kA + "-->|c");
  EXPECT_EQ(FontLetters(f.editor, 1, 12), std::string(12, 'S'));
  f.editor.Undo();
  EXPECT_EQ(f.editor.GetText(), "a<b>" + kA + "c");
}

TEST(CanRepeatTag, EnabledWhileEitherHalfIsSet) {
  EXPECT_FALSE(CanRepeatTag({}));
  EXPECT_TRUE(CanRepeatTag({"<BR>", ""}));
  EXPECT_TRUE(CanRepeatTag({"", "</P>"}));
}

TEST(ProposeRepeatTag, FirstAndLastTagOfTheSelection) {
  const struct {
    std::string selected;
    RepeatTagPair proposed;
  } rows[] = {
      {"<A HREF=\"x\">link</A>", {"<A HREF=\"x\">", "</A>"}},  // a tag at the very start counts
      {" <A HREF=\"x\">link</A>", {"<A HREF=\"x\">", "</A>"}},
      {"x<B>" + kHyo + "<I>" + kA + "</I></B>", {"<B>", "</B>"}},
      {"x<BR>", {"<BR>", ""}},
      {"x>y<", {}},
      {"", {}},
      {"x" + kA + "<B", {}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.selected);
    EXPECT_EQ(ProposeRepeatTag(row.selected), row.proposed);
  }
}

TEST(ExtractRepeatTag, ProposesTheElementsTagsAndStoresThemOnOk) {
  EditingFixture f;
  f.Load("x<A HREF=\"x\">li|nk</A>" + kHyo);
  MarkedSearch search;
  f.ctx.selectionSearch = &search;
  // The element selection takes the byte before the start tag as well.
  auto selectRange = [](EditingContext& c) { c.Editor().SetSelection(0, 21); };
  ScriptedDialog dialog;
  EXPECT_TRUE(ExtractRepeatTag(f.ctx, selectRange, dialog));
  EXPECT_EQ(dialog.opened.preTag, "<A HREF=\"x\">");
  EXPECT_EQ(dialog.opened.postTag, "</A>");
  EXPECT_EQ(f.ctx.repeatTag, (RepeatTagPair{"<A HREF=\"x\">", "</A>"}));
}

TEST(ExtractRepeatTag, FromAnEndTagSelectsTheElementItCloses) {
  EditingFixture f;
  f.Load(kA + "<B>x</B>");
  MarkedSearch search;
  search.range = kA + "{<B>x</B>}";
  f.ctx.selectionSearch = &search;
  auto selectRange = [](EditingContext& c) { c.Editor().SetSelection(6, 10); };  // "</B>"
  ScriptedDialog dialog;
  dialog.ok = false;
  f.ctx.repeatTag = {"<I>", "</I>"};
  EXPECT_FALSE(ExtractRepeatTag(f.ctx, selectRange, dialog));
  EXPECT_EQ(dialog.opened.postTag, "</B>");
  // Cancel keeps the old pair.
  EXPECT_EQ(f.ctx.repeatTag, (RepeatTagPair{"<I>", "</I>"}));
}

TEST(EditRepeatTag, OkStoresTheFieldsCancelChangesNothing) {
  EditingFixture f;
  f.ctx.repeatTag = {"<B>", "</B>"};
  ScriptedDialog dialog;
  dialog.edit = RepeatTagDialog{"<FONT COLOR=\"" + kHyo + "\">", ""};
  dialog.ok = false;
  EXPECT_FALSE(EditRepeatTag(f.ctx, dialog));
  EXPECT_EQ(dialog.opened.preTag, "<B>");
  EXPECT_EQ(dialog.opened.postTag, "</B>");
  EXPECT_EQ(f.ctx.repeatTag, (RepeatTagPair{"<B>", "</B>"}));
  dialog.ok = true;
  EXPECT_TRUE(EditRepeatTag(f.ctx, dialog));
  EXPECT_EQ(f.ctx.repeatTag, (RepeatTagPair{"<FONT COLOR=\"" + kHyo + "\">", ""}));
}

TEST(RegisterRepeatTag, RefusesLineBreaksThenTabsElseHandsOverTrimmed) {
  const struct {
    RepeatTagDialog fields;
    std::string refusal;  // empty: handed over
    std::string start, end;
  } rows[] = {
      {{"<P>\r\n<B>", "</B>"}, MessageSjis(Msg::RepeatTagLineBreakRefusal), "", ""},
      {{"<B>", "</B>\n</P>\t"}, MessageSjis(Msg::RepeatTagLineBreakRefusal), "", ""},
      {{"<B>\t<I>", "</B>\r\n"}, MessageSjis(Msg::RepeatTagTabRefusal), "", ""},
      {{" <B>\r\n", "\t</B> "}, "", "<B>", "</B>"},
      {{"<A title=\"" + kA + kHyo + "\">", "</A>"}, "", "<A title=\"" + kA + kHyo + "\">", "</A>"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.fields.preTag + row.fields.postTag);
    EditingFixture f;
    std::vector<std::string> handed;
    const bool ok = RegisterRepeatTag(row.fields, f.prompts, [&](std::string_view s, std::string_view e) {
      handed = {std::string(s), std::string(e)};
    });
    EXPECT_EQ(ok, row.refusal.empty());
    if (row.refusal.empty()) {
      EXPECT_TRUE(f.prompts.Texts().empty());
      EXPECT_EQ(handed, (std::vector<std::string>{row.start, row.end}));
    } else {
      EXPECT_EQ(f.prompts.Texts(), std::vector<std::string>{row.refusal});
      EXPECT_TRUE(handed.empty());
    }
  }
}

}  // namespace
}  // namespace mw
