#include "core/editing/insertion.h"

#include <gtest/gtest.h>

#include "core/editing/tag_text.h"
#include "editing_fixture.h"

namespace mw {
namespace {

using test::EditingFixture;
using test::FontLetters;
using test::kSo;
using test::Show;

constexpr CaretPolicy kAfter = CaretPolicy::AfterEdited;
constexpr CaretPolicy kSelect = CaretPolicy::SelectEdited;
constexpr CaretPolicy kKeep = CaretPolicy::KeepPrevious;

const char* Name(CaretPolicy p) {
  return p == kAfter ? "AfterEdited" : p == kSelect ? "SelectEdited" : "KeepPrevious";
}

struct EditRow {
  std::string before;
  CaretPolicy policy;
  std::string arg;
  std::string after;
};

TEST(WrapSelection, LeavesCaretOrSelectionByPolicy) {
  const EditRow rows[] = {
      {"|", kAfter, "b", "<b></b>|"},
      {"|", kKeep, "b", "<b>|</b>"},
      {"|", kSelect, "b", "[<b></b>]"},
      {"x[abc]y", kKeep, "B", "x<B>[abc]</B>y"},
      {"x[abc]y", kAfter, "B", "x<B>abc</B>|y"},
      {"x[abc]y", kSelect, "B", "x[<B>abc</B>]y"},
      {"[" + kSo + "\r\n]", kKeep, "b", "<b>[" + kSo + "\r\n]</b>"},
  };
  for (const auto& r : rows) {
    EditingFixture f;
    f.ctx.options.caretPolicy = r.policy;
    f.Load(r.before);
    WrapSelection(f.ctx, r.arg);
    EXPECT_EQ(Show(f.editor), r.after) << r.before << " " << Name(r.policy);
    EXPECT_EQ(f.ctx.repeatTag, RepeatTagPair{}) << "wrapping leaves the repeat pair to its caller";
  }
}

TEST(ReplaceSelection, LeavesCaretOrSelectionByPolicy) {
  const EditRow rows[] = {
      // An empty text only deletes, whatever the policy.
      {"a[xyz]b", kAfter, "", "a|b"},
      {"a[xyz]b", kSelect, "", "a|b"},
      {"a[xyz]b", kKeep, "", "a|b"},
      {"a|b", kAfter, "<br>\r\n<p>", "a<br>\r\n<p>|b"},
      {"a|b", kSelect, "<br>\r\n<p>", "a[<br>\r\n<p>]b"},
      {"a[x]b", kKeep, "<br>\r\n<p>", "a[<br>\r\n<p>]b"},
      {kSo + "[x]", kSelect, kSo + "<hr>", kSo + "[" + kSo + "<hr>]"},
  };
  for (const auto& r : rows) {
    EditingFixture f;
    f.ctx.options.caretPolicy = r.policy;
    f.Load(r.before);
    ReplaceSelection(f.ctx, r.arg);
    EXPECT_EQ(Show(f.editor), r.after) << r.before << " " << Name(r.policy);
  }
}

TEST(ReplaceSelection, ColoursOnlyTheInsertedFragment) {
  EditingFixture f;
  f.Load("<i>|</i>");  // loaded uncoloured
  ReplaceSelection(f.ctx, "<a href=\"x\">&amp;y");
  EXPECT_EQ(FontLetters(f.editor), "..." "TTTTTTTTPPPT" "SSSSS." "....");

  EditingFixture plain;
  plain.ctx.options.autoTagFont = false;
  plain.Load("|");
  ReplaceSelection(plain.ctx, "<b>");
  EXPECT_EQ(FontLetters(plain.editor), "...");
}

TEST(ReplaceSelection, PreviewKeepsTheFormatsItShows) {
  EditingFixture f;
  const DisplayFonts fonts = DesignFonts();
  MemoryEditor preview(fonts[0]);
  PreparePreview(preview, "<b>xy</b>", f.ctx.options, fonts);
  DisplayFont mine = fonts[1];
  mine.italic = true;
  preview.SetRangeFormat(3, 1, mine);  // the author restyled the preview
  f.Load("a|b");
  ReplaceSelection(f.ctx, TakeFormatted(preview));
  EXPECT_EQ(f.editor.GetText(), "a<b>xy</b>b");
  for (Offset p = 0; p < preview.TextLength(); ++p)
    EXPECT_TRUE(SameFormat(f.editor.FormatAt(1 + p), preview.FormatAt(p))) << p;
}

TEST(InsertWrapped, KeepPreviousSelectsTheEmbeddedText) {
  const struct {
    std::string before;
    std::string text;
    Offset inner;
    std::string after;
  } rows[] = {
      {"x[abc]y", "<a href=\"u\">abc</a>", 12, "x<a href=\"u\">[abc]</a>y"},
      {"[" + kSo + "]", "<p>" + kSo + "</p>", 3, "<p>[" + kSo + "]</p>"},
      // The author cut the preview short: the selection stays inside it.
      {"[abcde]", "<b>x", 3, "<b>[x]"},
      {"[abc]", "<b>", 9, "<b>|"},
  };
  for (const auto& r : rows) {
    EditingFixture f;
    f.ctx.options.caretPolicy = kKeep;
    f.Load(r.before);
    InsertWrapped(f.ctx, r.text, r.inner);
    EXPECT_EQ(Show(f.editor), r.after) << r.before << " + " << r.text;
  }
}

TEST(InsertWrapped, OtherPoliciesActAsReplaceSelection) {
  for (const auto policy : {kAfter, kSelect}) {
    EditingFixture f;
    f.ctx.options.caretPolicy = policy;
    f.Load("x[abc]y");
    InsertWrapped(f.ctx, "<i>abc</i>", 3);
    EXPECT_EQ(Show(f.editor), policy == kAfter ? "x<i>abc</i>|y" : "x[<i>abc</i>]y") << Name(policy);
  }
}

// Every insertion is one undo step (text, colours and selection) and one
// repaint, and the clipboard is not used for it.
TEST(Insertion, OneUndoStepOneRepaintClipboardUntouched) {
  using Command = void (*)(EditingContext&);
  const struct {
    const char* name;
    Command run;
  } commands[] = {
      {"WrapSelection", [](EditingContext& c) { WrapSelection(c, "b"); }},
      {"ReplaceSelection", [](EditingContext& c) { ReplaceSelection(c, "<hr>\r\n"); }},
      {"InsertWrapped", [](EditingContext& c) { InsertWrapped(c, "<a>x</a>", 3); }},
      {"InsertPlain", [](EditingContext& c) { InsertPlain(c, "<br>"); }},
  };
  for (const auto& cmd : commands) {
    for (const bool textOnClipboard : {true, false}) {
      EditingFixture f;
      f.ctx.options.caretPolicy = kKeep;
      f.Load("<p>a[x]b</p>");
      if (textOnClipboard) f.clipboard.SetText("keep");
      const std::string before = f.editor.GetText();
      const std::string letters = FontLetters(f.editor);
      const int repaints = f.editor.RepaintCount();
      cmd.run(f.ctx);
      EXPECT_EQ(f.editor.RepaintCount(), repaints + 1) << cmd.name;
      EXPECT_EQ(f.clipboard.Text(), textOnClipboard ? std::optional<std::string>("keep") : std::nullopt) << cmd.name;
      f.editor.Undo();
      EXPECT_EQ(Show(f.editor), "<p>a[x]b</p>") << cmd.name;
      EXPECT_EQ(FontLetters(f.editor), letters) << cmd.name;
      EXPECT_FALSE(f.editor.CanUndo()) << cmd.name;
      EXPECT_EQ(f.editor.GetText(), before);
    }
  }
}

TEST(InsertPlain, UsesTheTypingFormatAndThePolicy) {
  for (const auto policy : {kAfter, kSelect, kKeep}) {
    EditingFixture f;
    f.ctx.options.caretPolicy = policy;
    f.Load("a[b]c");
    f.editor.SetTypingFormat(DesignFonts()[3]);
    InsertPlain(f.ctx, "<b>\r\n");
    EXPECT_EQ(Show(f.editor), policy == kAfter ? "a<b>\r\n|c" : "a[<b>\r\n]c") << Name(policy);
    EXPECT_EQ(FontLetters(f.editor), ".PPPPP.") << Name(policy);
  }
}

TEST(SetRepeatTag, StoresThePair) {
  EditingFixture f;
  SetRepeatTag(f.ctx, "<b>", "</b>");
  EXPECT_EQ(f.ctx.repeatTag, (RepeatTagPair{"<b>", "</b>"}));
}

TEST(EditPaste, SelectsThePastedTextUnlessAfterEdited) {
  const EditRow rows[] = {
      {"a[x]b", kAfter, "<p>\r\n", "a<p>\r\n|b"},
      {"a[x]b", kSelect, "<p>\r\n", "a[<p>\r\n]b"},
      {"a|b", kKeep, kSo, "a[" + kSo + "]b"},
  };
  for (const auto& r : rows) {
    EditingFixture f;
    f.ctx.options.caretPolicy = r.policy;
    f.Load(r.before);
    f.clipboard.SetText(r.arg);
    EditPaste(f.ctx);
    EXPECT_EQ(Show(f.editor), r.after) << r.before << " " << Name(r.policy);
    EXPECT_EQ(FontLetters(f.editor), std::string(f.editor.GetText().size(), '.'));
  }
}

TEST(PasteWithTagFont, ColoursThePastedText) {
  EditingFixture f;
  f.Load("a[x]b");
  f.clipboard.SetText("<b>y");
  PasteWithTagFont(f.ctx);
  EXPECT_EQ(Show(f.editor), "a<b>y|b");
  EXPECT_EQ(FontLetters(f.editor), ".TTT..");
  EXPECT_EQ(f.clipboard.Text(), "<b>y");
}

// With nothing to paste, neither command may delete or collapse the
// selection.
TEST(Paste, NothingOnTheClipboardLeavesTheSelection) {
  for (const bool emptyText : {false, true}) {
    for (const auto cmd : {EditPaste, PasteWithTagFont}) {
      EditingFixture f;
      f.ctx.options.caretPolicy = kSelect;
      f.Load("a[x]b");
      if (emptyText) f.clipboard.SetText("");
      if (emptyText && cmd == EditPaste) continue;  // an empty paste is an ordinary paste
      cmd(f.ctx);
      EXPECT_EQ(Show(f.editor), "a[x]b") << emptyText;
      EXPECT_FALSE(f.editor.CanUndo());
    }
  }
}

// Stands in for the selection searches: each selects the span its row
// gives (nothing when the row gives none) and counts its calls.
class ScriptedSearch : public SelectionSearch {
 public:
  test::Marked tag, range, text;
  int calls = 0;
  void SelectPreviousTag(EditingContext& c) override { Apply(c, tag); }
  void SelectPreviousTagRange(EditingContext& c) override { Apply(c, range); }
  void SelectPreviousText(EditingContext& c) override { Apply(c, text); }

 private:
  void Apply(EditingContext& c, const test::Marked& m) {
    ++calls;
    if (m.start < 0) return;
    c.Editor().SetSelStart(m.start);
    c.Editor().SetSelLength(m.length);
  }
};

TEST(AutoSelect, PicksTheElementOrBodyTextAroundTheCaret) {
  const struct {
    std::string before;
    bool option;
    std::string tag, range, text;  // what each search would select
    std::string after;
  } rows[] = {
      {"<|P>text</P>", true, "{<P>}text</P>", "{<P>text</P>}", "", "[<P>text</P>]"},
      {"<b>x</b>hel|lo<i>", true, "<b>x{</b>}hello<i>", "", "<b>x</b>{hello}<i>", "<b>x</b>[hello]<i>"},
      // A tag that ends at the caret does not hold it.
      {"<b>|x", true, "{<b>}x", "", "<b>{x}", "<b>[x]"},
      // Whatever does not contain the caret is undone.
      {"<p>ab|cd</p><i>x</i>", true, "{<p>}abcd</p><i>x</i>", "", "<p>abcd</p><i>{x}</i>", "<p>ab|cd</p><i>x</i>"},
      {"<|P>text</P><i>", true, "{<P>}text</P><i>", "<P>text</P>{<i>}", "", "<|P>text</P><i>"},
      {"<P>a[b]c</P>", true, "{<P>}abc</P>", "", "", "<P>a[b]c</P>"},
      {"<|P>text</P>", false, "{<P>}text</P>", "{<P>text</P>}", "", "<|P>text</P>"},
  };
  for (const auto& r : rows) {
    EditingFixture f;
    ScriptedSearch search;
    search.tag = test::ParseMarked(r.tag);
    search.range = test::ParseMarked(r.range);
    search.text = test::ParseMarked(r.text);
    f.ctx.selectionSearch = &search;
    f.ctx.options.autoSelect = r.option;
    f.Load(r.before);
    AutoSelect(f.ctx);
    EXPECT_EQ(Show(f.editor), r.after) << r.before;
    if (!r.option || r.before.find('[') != std::string::npos) {
      EXPECT_EQ(search.calls, 0) << r.before;
    }
  }
}

TEST(AutoSelect, ThenWrappingWrapsTheWholeElement) {
  EditingFixture f;
  ScriptedSearch search;
  search.tag = test::ParseMarked("{<P>}text</P>");
  search.range = test::ParseMarked("{<P>text</P>}");
  f.ctx.selectionSearch = &search;
  f.ctx.options.autoSelect = true;
  f.Load("<|P>text</P>");
  AutoSelect(f.ctx);
  WrapSelection(f.ctx, ApplyTagCase("DIV", f.ctx.options));
  EXPECT_EQ(Show(f.editor), "<DIV><P>text</P></DIV>|");
}

}  // namespace
}  // namespace mw
