#include "core/editing/typing.h"

#include <gtest/gtest.h>

#include "editing_fixture.h"

namespace mw {
namespace {

using test::EditingFixture;
using test::FontLetters;
using test::kSo;
using test::Show;

TEST(IndentStringAt, TakesTheLeadingBlanksOfTheCaretLineUpToTheCaret) {
  const std::string longIndent(300, ' ');
  const struct {
    std::string doc;
    std::string indent;
  } rows[] = {
      {"\t\tabc|", "\t\t"},
      {" \t x|", " \t "},
      {"\tx\r\n  \t|", "  \t"},
      {"\t|\tx", "\t"},
      {"x\r\n  " + kSo + " y|", "  "},
      {"\t\t\r\n|", ""},
      {"|", ""},
      {longIndent + "x|", longIndent},
      {"  a\r\n\t" + std::string(400, 'x') + "|", "\t"},
  };
  for (const auto& r : rows) {
    EditingFixture f;
    f.Load(r.doc);
    EXPECT_EQ(IndentStringAt(f.editor, true), r.indent) << r.doc;
    EXPECT_EQ(IndentStringAt(f.editor, false), "") << r.doc;
  }
}

TEST(IsColouredFileName, ComparesTheLowerCasedExtension) {
  const std::vector<std::string> exts = {"html", "htm"};
  EXPECT_TRUE(IsColouredFileName("x.html", exts));
  EXPECT_TRUE(IsColouredFileName("C:\\web\\INDEX.HTM", exts));
  EXPECT_FALSE(IsColouredFileName("a.txt", exts));
  EXPECT_FALSE(IsColouredFileName("C:\\x.html\\readme", exts));
  EXPECT_FALSE(IsColouredFileName("html", exts));
}

// Types each byte as the editor would: through KeyPress, and when the key
// is not consumed, as an ordinary typed character.
void Type(EditingContext& ctx, std::string_view keys, bool coloured = true) {
  for (const char k : keys) {
    if (!KeyPress(ctx, k, coloured)) ctx.Editor().SetSelText(std::string(1, k));
    SelectionChanged(ctx);
  }
}

TEST(LiveTagFont, ColoursMarkupAsItIsTyped) {
  const struct {
    std::string typed;
    std::string letters;
  } rows[] = {
      {"<A HREF=\"x\">y", "TTTTTTTTPPPT."},
      {"a<b>c</b>d", ".TTT.TTTT."},
      {"say \"hi\"", "........"},
      {"<p\t", "TTT"},
  };
  for (const auto& r : rows) {
    EditingFixture f;
    f.Load("|");
    Type(f.ctx, r.typed);
    EXPECT_EQ(f.editor.GetText(), r.typed);
    EXPECT_EQ(FontLetters(f.editor), r.letters) << r.typed;
  }
}

TEST(LiveTagFont, WorksInADialogPreviewLeavingTheDocumentAlone) {
  EditingFixture f;
  f.Load("<p>|");
  MemoryEditor preview(DesignFonts()[0]);
  for (const char k : std::string("<b>x"))
    if (!KeyPress(f.ctx, preview, k, true)) preview.SetSelText(std::string(1, k));
  EXPECT_EQ(FontLetters(preview), "TTT.");
  EXPECT_EQ(Show(f.editor), "<p>|");
}

TEST(LiveTagFont, OffOrUncolouredDocumentTypesPlainly) {
  for (const bool option : {true, false}) {
    EditingFixture f;
    f.ctx.options.autoTagFont = option;
    f.Load("|");
    Type(f.ctx, "<b>x", /*coloured=*/!option);
    EXPECT_EQ(FontLetters(f.editor), "....") << option;
  }
}

TEST(LiveTagFont, OverwriteModeTypesNormallyInTheTextFont) {
  EditingFixture f;
  f.Load("<b>|xyz");
  f.editor.SetTypingFormat(DesignFonts()[1]);
  f.editor.SetInsertMode(false);
  EXPECT_FALSE(KeyPress(f.ctx, 'q', true));
  EXPECT_EQ(f.editor.GetText(), "<b>xyz");
  EXPECT_TRUE(SameFormat(f.editor.TypingFormat(), DesignFonts()[0]));
}

TEST(LiveTagFont, ControlCharactersKeepTheTypingFormat) {
  EditingFixture f;
  f.Load("|");
  f.editor.SetTypingFormat(DesignFonts()[1]);
  EXPECT_FALSE(KeyPress(f.ctx, '\t', true));
  EXPECT_TRUE(SameFormat(f.editor.TypingFormat(), DesignFonts()[1]));
}

TEST(LiveTagFont, NothingWhileComposing) {
  EditingFixture f;
  f.Load("<b>|");
  f.editor.SetComposing(true);
  for (const char k : {'\r', '>', '"', 'x'}) EXPECT_FALSE(KeyPress(f.ctx, k, true)) << k;
  EXPECT_EQ(Show(f.editor), "<b>|");
}

TEST(Enter, IndentsLikeTheCaretLine) {
  const struct {
    bool autoIndent, autoTagFont, coloured;
    std::string after;
  } rows[] = {
      {true, true, true, "\t\tab\r\n\t\t|c"},
      {true, false, true, "\t\tab\r\n\t\t|c"},
      {true, true, false, "\t\tab\r\n\t\t|c"},
      {false, true, true, "\t\tab\r\n|c"},
      {false, false, false, "\t\tab\r\n|c"},  // typed by the editor itself
  };
  for (const auto& r : rows) {
    EditingFixture f;
    f.ctx.options.autoIndent = r.autoIndent;
    f.ctx.options.autoTagFont = r.autoTagFont;
    f.Load("\t\tab|c");
    SelectionChanged(f.ctx);
    if (!KeyPress(f.ctx, '\r', r.coloured)) f.editor.SetSelText("\r\n");
    EXPECT_EQ(Show(f.editor), r.after) << r.autoIndent << r.autoTagFont << r.coloured;
  }
}

TEST(Enter, AfterATagTypesInTheTextFont) {
  EditingFixture f;
  f.ctx.options.autoIndent = true;
  f.Load("  |");
  SelectionChanged(f.ctx);
  Type(f.ctx, "<p>\rx");
  EXPECT_EQ(f.editor.GetText(), "  <p>\r\n  x");
  EXPECT_EQ(FontLetters(f.editor), "..TTT....." );
}

TEST(ToggleAutoIndent, DropsTheStoredIndentAtOnce) {
  EditingFixture f;
  f.ctx.options.autoIndent = true;
  f.Load("\tab|");
  SelectionChanged(f.ctx);
  ToggleAutoIndent(f.ctx);
  EXPECT_TRUE(KeyPress(f.ctx, '\r', true));
  EXPECT_EQ(Show(f.editor), "\tab\r\n|");
  ToggleAutoIndent(f.ctx);
  EXPECT_EQ(f.ctx.indentString, "");  // the caret line is empty now
}

TEST(ToggleDirectTagInsert, SaysWhichWaySimpleTagsGo) {
  EditingFixture f;
  ToggleDirectTagInsert(f.ctx);
  EXPECT_TRUE(f.ctx.options.directTagInsert);
  ToggleDirectTagInsert(f.ctx);
  EXPECT_FALSE(f.ctx.options.directTagInsert);
  EXPECT_EQ(f.prompts.Texts(), (std::vector<std::string>{
                                   "\x92\x50\x8f\x83\x8b\xb2\x82\xdd\x8d\x9e\x82\xdd\x83\x5e\x83\x4f\x82\xcd"
                                   "\x83\x5f\x83\x43\x83\x41\x83\x8d\x83\x4f\x95\x5c\x8e\xa6\x82\xc8\x82\xb5"
                                   "\x82\xc5\x92\xbc\x90\xda\x91\x7d\x93\xfc\x82\xb5\x82\xdc\x82\xb7\x81\x42",
                                   "\x92\x50\x8f\x83\x8b\xb2\x82\xdd\x8d\x9e\x82\xdd\x83\x5e\x83\x4f\x82\xe0"
                                   "\x83\x5f\x83\x43\x83\x41\x83\x8d\x83\x4f\x95\x5c\x8e\xa6\x8c\xe3\x81\x41"
                                   "\x91\x7d\x93\xfc\x82\xb5\x82\xdc\x82\xb7\x81\x42"}));
}

TEST(ScriptedPrompts, AnswersInOrderThenRefuses) {
  ScriptedPrompts p;
  p.QueueReply(Reply::Yes);
  p.QueueReply(Reply::Cancel);
  p.QueueString("10");
  UserPrompts& u = p;  // commands see only the interface
  EXPECT_EQ(u.Ask("q1"), Reply::Yes);
  EXPECT_EQ(u.Ask("q2", QuestionButtons::YesNo), Reply::No);
  EXPECT_EQ(u.AskString({InputMode::Plain, "t", "l", "1", {"1", "10"}}), "10");
  EXPECT_EQ(p.Unscripted(), 0);
  EXPECT_EQ(u.Ask("q3"), Reply::Cancel);
  EXPECT_EQ(u.AskString({}), std::nullopt);
  EXPECT_EQ(p.Unscripted(), 2);
  EXPECT_EQ(p.Texts(), (std::vector<std::string>{"q1", "q2", "l", "q3", ""}));
}

}  // namespace
}  // namespace mw
