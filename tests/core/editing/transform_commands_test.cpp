#include "core/editing/transform_commands.h"

#include <gtest/gtest.h>

#include <string>

#include "core/editing/command_registry.h"
#include "editing_fixture.h"
#include "support/temp_dir.h"
#include "core/text/messages.h"

namespace mw {
namespace {

using test::EditingFixture;
using test::FontLetters;
using test::kA;
using test::kHyo;
using test::kSo;
using test::kTsu;
using test::Show;

// Runs a command the way menus reach it: by its handler name.
void RunCommand(EditingFixture& f, std::string_view handler) {
  CommandRegistry r;
  RegisterTransformCommands(r);
  const EditCommand* command = r.Find(handler);
  ASSERT_NE(command, nullptr) << handler;
  command->run(f.ctx, {});
}

struct Row {
  const char* handler;
  std::string before;
  std::string after;
};

void RunRows(const Row* begin, const Row* end, const EditingOptions& options = {}) {
  for (const Row* row = begin; row != end; ++row) {
    SCOPED_TRACE(std::string(row->handler) + " on " + row->before);
    EditingFixture f;
    f.ctx.options = options;
    f.Load(row->before);
    RunCommand(f, row->handler);
    EXPECT_EQ(Show(f.editor), row->after);
  }
}

TEST(SelectionTransforms, ReplaceTheSelectionWithItsRewrite) {
  const Row rows[] = {
      // Nothing selected: an empty text, nothing inserted.
      {"UpperCase1Click", "ab|c", "ab|c"},
      {"LFtoBRClick", "ab|c", "ab|c"},
      // Trail bytes are never letters: ツ (trail 'c') and ア (trail 'A') stay.
      {"UpperCase1Click", "a[b" + kTsu + "x\\]c", "aB" + kTsu + "X\\|c"},
      {"LowerCase1Click", "[<B>" + kA + "Z]", "<b>" + kA + "z|"},
      {"LFtoBRClick", "[a\r\nb<BR>\r\nc]", "a<BR>\r\nb<BR>\r\nc|"},
      {"TransformSpecialCharClick", "[a<" + kHyo + "> & &lt;]", "a&lt;" + kHyo + "&gt; &amp; &lt;|"},
      {"ReverseSpecialCharClick", "[&amp;lt;" + kSo + "&quot;]", "&lt;" + kSo + "\"|"},
      {"TabToSpaceClick", "[a\t" + kHyo + "]", "a    " + kHyo + "|"},
      {"TransformSpaceClick", "[a b <img src=x> c]", "a&nbsp;b&nbsp;<img src=x>&nbsp;c|"},
      {"ReverseSpaceClick", "[a&nbsp;" + kTsu + "]", "a " + kTsu + "|"},
      {"DeleteAllTagClick", "[x<b>y</b>z]", "xyz|"},
      {"DeleteAllTagClick", "<i[ab>cd<i>e]", "<icde|"},
      {"DeleteTextClick", "[x<b>y</b>z]", "<b></b>|"},
      {"DeleteTabSpaceClick", "[ a \r\n\t" + kSo + "\t]x", "a\r\n" + kSo + "|x"},
      {"DeleteReturnClick", "[ a \r\n" + kA + "\r\n]x", "a" + kA + "|x"},
  };
  RunRows(std::begin(rows), std::end(rows));
}

TEST(SelectionTransforms, LineCommandsStartAtTheLineStart) {
  EditingOptions narrow;
  narrow.nofColumn = 4;
  const Row rows[] = {
      {"InsertCiteClick", "ab|cd", "&gt; ab|cd"},
      {"InsertCiteClick", "x\r\n|", "x\r\n&gt; |"},
      {"InsertCiteClick", "x\r\nab[c\r\nd]e", "x\r\n&gt; abc\r\n&gt; d|e"},
      {"InsertCiteClick", "x\r\n" + kHyo + "[a\r\n]y", "x\r\n&gt; " + kHyo + "a\r\n|y"},
  };
  RunRows(std::begin(rows), std::end(rows));
  const Row wrapped[] = {
      {"InsertLFClick", "x\r\nab[cdefg]h", "x\r\nabc\r\ndefg|h"},
      {"InsertLFClick", "[\t" + kHyo + kSo + "\r\n]", "\t" + kHyo + "\r\n" + kSo + "\r\n|"},
  };
  RunRows(std::begin(wrapped), std::end(wrapped), narrow);
}

TEST(SelectionTransforms, AddedTagsFollowTheTagCase) {
  EditingOptions lower;
  lower.lowerCaseTag = true;
  const Row rows[] = {
      {"LFtoBRClick", "[a\r\nb<BR>\r\nc]", "a<br>\r\nb<BR>\r\nc|"},
      {"LFtoBRClick", "[" + kHyo + "\r\n]" + kA, kHyo + "<br>\r\n|" + kA},
  };
  RunRows(std::begin(rows), std::end(rows), lower);
}

TEST(SelectionTransforms, TagsOnlyAreInsertedInTheTagFont) {
  for (const bool colour : {true, false}) {
    SCOPED_TRACE(colour ? "coloured" : "uncoloured");
    EditingFixture f;
    f.ctx.options.autoTagFont = colour;
    f.Load("[x<b>y</b>\r\n<a href=\"u\">z]");
    RunCommand(f, "DeleteTextClick");
    EXPECT_EQ(f.editor.GetText(), "<b></b><a href=\"u\">");
    EXPECT_EQ(FontLetters(f.editor), colour ? "TTTTTTTTTTTTTTTPPPT" : "TTTTTTTTTTTTTTTTTTT");
  }
}

TEST(SelectionTransforms, TextOnlyIsInsertedInTheTextFont) {
  EditingFixture f;
  f.Load("[<b>x</b>]");
  f.editor.SetTypingFormat(f.ctx.Font(FontClass::Tag));
  RunCommand(f, "DeleteAllTagClick");
  EXPECT_EQ(f.editor.GetText(), "x");
  EXPECT_EQ(FontLetters(f.editor), ".");
}

TEST(SelectionTransforms, EachIsOneUndoStep) {
  for (const char* handler : {"InsertCiteClick", "IndentClick", "UnIndentClick", "DeleteAllTagClick"}) {
    SCOPED_TRACE(handler);
    EditingFixture f;
    f.Load("\tx\r\n\ta[<b>b\r\n\t]c");
    RunCommand(f, handler);
    ASSERT_NE(f.editor.GetText(), "\tx\r\n\ta<b>b\r\n\tc");
    f.editor.Undo();
    EXPECT_EQ(f.editor.GetText(), "\tx\r\n\ta<b>b\r\n\tc");
  }
}

TEST(Indent, ShiftsSelectedLinesAndKeepsThemSelected) {
  const Row rows[] = {
      {"IndentClick", "[a\r\nb\r\n]", "[\ta\r\n\tb\r\n]"},
      {"IndentClick", "x\r\na[b]", "x\r\n[\tab]"},
      {"IndentClick", "a|b", "a\t|b"},
      {"UnIndentClick", "[\t\ta\r\n\t\tb]", "[\ta\r\n\tb]"},
      {"UnIndentClick", "\t" + kSo + "[x\r\n" + kHyo + "\r\n\t]y", "[" + kSo + "x\r\n" + kHyo + "\r\n]y"},
      // Without a selection: only a tab before the caret goes.
      {"UnIndentClick", "a\t|b", "a|b"},
      {"UnIndentClick", "a |b", "a |b"},
      {"UnIndentClick", "|\tb", "|\tb"},
  };
  RunRows(std::begin(rows), std::end(rows));
}

TEST(Indent, LeavesTheCaretPolicyAsItWas) {
  for (const auto policy : {CaretPolicy::AfterEdited, CaretPolicy::KeepPrevious}) {
    for (const char* handler : {"IndentClick", "UnIndentClick"}) {
      SCOPED_TRACE(handler);
      EditingFixture f;
      f.ctx.options.caretPolicy = policy;
      f.Load("[\ta]");
      RunCommand(f, handler);
      EXPECT_EQ(f.ctx.options.caretPolicy, policy);
    }
  }
}

TEST(InsertStrAtTop, PrefixesLinesWithTheEnteredText) {
  EditingFixture f;
  f.Load("x\r\nab[c\r\nd\r\n]e");
  f.prompts.QueueString("'n'. ");
  RunCommand(f, "InsertStrAtTopClick");
  EXPECT_EQ(Show(f.editor), "x\r\n1. abc\r\n2. d\r\n|e");
  ASSERT_EQ(f.prompts.Log().size(), 1u);
  const StringRequest& asked = *f.prompts.Log()[0].request;
  EXPECT_EQ(asked.mode, InputMode::PhraseList);
  EXPECT_EQ(asked.title, MessageSjis(Msg::InsertStrAtTopTitle));
  EXPECT_EQ(asked.label, MessageSjis(Msg::InsertStrPrefixLabel));
  EXPECT_EQ(asked.text, "<LI>");
}

TEST(InsertStrAtTop, CancelChangesNothing) {
  EditingFixture f;
  f.Load("x\r\nab[c]d");
  f.prompts.QueueString(std::nullopt);
  RunCommand(f, "InsertStrAtTopClick");
  EXPECT_EQ(Show(f.editor), "x\r\nab[c]d");
  EXPECT_FALSE(f.editor.CanUndo());
}

TEST(ProcessedPaste, RewritesTheClipboardText) {
  const struct {
    const char* handler;
    std::string clipboard;
    bool lowerCaseTag;
    std::string after;
  } rows[] = {
      {"PasteCodeClick", "<b>", false, "a<PRE><SAMP>\r\n&lt;b&gt;</SAMP></PRE>|z"},
      {"PasteCodeClick", kHyo + "&", true, "a<pre><samp>\r\n" + kHyo + "&amp;</samp></pre>|z"},
      {"PasteWithPREClick", "<b>" + kSo, false, "a<PRE><b>" + kSo + "</PRE>|z"},
      {"PasteWithPREClick", "x", true, "a<pre>x</pre>|z"},
      {"PasteWithBRClick", "p\r\nq\nr", false, "ap<BR>\r\nq<BR>\r\nr|z"},
      {"PasteWithBRClick", "p\r\n", true, "ap<br>\r\n|z"},
      {"PasteAfterTransformClick", "\"" + kTsu + "\"", false, "a&quot;" + kTsu + "&quot;|z"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(row.handler) + " with " + row.clipboard);
    EditingFixture f;
    f.ctx.options.lowerCaseTag = row.lowerCaseTag;
    f.Load("a[sel]z");
    f.clipboard.SetText(row.clipboard);
    RunCommand(f, row.handler);
    EXPECT_EQ(Show(f.editor), row.after);
  }
}

TEST(ProcessedPaste, WithPrefixAsksFirst) {
  EditingFixture f;
  f.Load("a|z");
  f.clipboard.SetText("p\r\nq\r\n");
  f.prompts.QueueString("<LI>");
  RunCommand(f, "PasteWithStrClick");
  EXPECT_EQ(Show(f.editor), "a<LI>p\r\n<LI>q\r\n|z");
  ASSERT_EQ(f.prompts.Log().size(), 1u);
  EXPECT_EQ(f.prompts.Log()[0].request->title, MessageSjis(Msg::PasteWithStrTitle));

  f.prompts.QueueString(std::nullopt);
  RunCommand(f, "PasteWithStrClick");
  EXPECT_EQ(Show(f.editor), "a<LI>p\r\n<LI>q\r\n|z");
}

TEST(ProcessedPaste, NothingWithoutClipboardText) {
  for (const char* handler : {"PasteCodeClick", "PasteWithPREClick", "PasteWithBRClick",
                              "PasteAfterTransformClick", "PasteWithStrClick"}) {
    SCOPED_TRACE(handler);
    EditingFixture f;
    f.Load("a[b]c");
    f.clipboard.Clear();
    RunCommand(f, handler);
    EXPECT_EQ(Show(f.editor), "a[b]c");
    EXPECT_TRUE(f.prompts.Log().empty());
  }
}

TEST(WidthConversion, ReplacesOnlyWhatChanged) {
  const Row rows[] = {
      // ｶﾞ (B6 DE) joins into ガ (83 4B, trail 'K').
      {"HankakuKanaToZenkakuClick", "a[\xB6\xDE" "x\xB1]b", "a" "\x83\x4B" "x" + kA + "|b"},
      {"ZenkakuKigoToHankakuClick", "[\x82\x60\x81\x94" + kHyo + "]", "A#" + kHyo + "|"},
      // Nothing to convert: the selection stays as it was.
      {"HankakuKanaToZenkakuClick", "a[" + kSo + "x]b", "a[" + kSo + "x]b"},
      {"ZenkakuKigoToHankakuClick", "a[x" + kTsu + "]b", "a[x" + kTsu + "]b"},
      {"HankakuKanaToZenkakuClick", "a|\xB1", "a|\xB1"},
  };
  RunRows(std::begin(rows), std::end(rows));
}

// Answers the open dialog with a file name, or cancels.
class FileChoice : public DialogHost {
 public:
  bool ok = true;
  std::string fileName;
  DialogFields opened;
  std::string dialogClass;
  bool Run(std::string_view cls, DialogFields& fields) override {
    dialogClass = cls;
    opened = fields;
    fields.Set("FileName", fileName);
    return ok;
  }
};

TEST(InsertFile, InsertsTheFileTextAsLines) {
  test::TempDir dir;
  const std::string path = dir.Write("in.txt", "<b>\n" + kHyo + "\r\nx");
  const struct {
    const char* handler;
    bool lowerCaseTag;
    std::string after;
  } rows[] = {
      {"InsertFileClick", false, "a<b>\r\n" + kHyo + "\r\nx\r\n|z"},
      {"InsertFileAfterTransformClick", false, "a&lt;b&gt;\r\n" + kHyo + "\r\nx\r\n|z"},
      {"InsertFileWithBRClick", true, "a<b><br>\r\n" + kHyo + "<br>\r\nx<br>\r\n|z"},
      {"InsertFileWithPREClick", false, "a<PRE><b>\r\n" + kHyo + "\r\nx\r\n</PRE>|z"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.handler);
    EditingFixture f;
    FileChoice choice;
    choice.fileName = path;
    f.ctx.dialogs = &choice;
    f.ctx.options.lowerCaseTag = row.lowerCaseTag;
    f.Load("a[sel]z");
    RunCommand(f, row.handler);
    EXPECT_EQ(Show(f.editor), row.after);
    EXPECT_EQ(choice.dialogClass, "OpenDialog");
    EXPECT_EQ(choice.opened.Get("Title"), MessageSjis(Msg::InsertFileTitle));
    EXPECT_NE(choice.opened.Get("Filter").find("|*.htm*; *.shtm*|"), std::string::npos);
  }
}

TEST(InsertFile, CancelOrNoDialogChangesNothing) {
  EditingFixture f;
  f.Load("a[b]c");
  RunCommand(f, "InsertFileClick");  // no dialog host
  FileChoice choice;
  choice.ok = false;
  choice.fileName = "/nonexistent";
  f.ctx.dialogs = &choice;
  RunCommand(f, "InsertFileClick");
  EXPECT_EQ(Show(f.editor), "a[b]c");
  EXPECT_TRUE(f.prompts.Log().empty());
}

TEST(InsertFile, UnreadableFileIsReportedNotInserted) {
  test::TempDir dir;
  EditingFixture f;
  FileChoice choice;
  choice.fileName = dir.Path("missing.txt");
  f.ctx.dialogs = &choice;
  f.Load("a[b]c");
  RunCommand(f, "InsertFileWithPREClick");
  EXPECT_EQ(Show(f.editor), "a[b]c");
  ASSERT_EQ(f.prompts.Log().size(), 1u);
  EXPECT_EQ(f.prompts.Log()[0].messageKind, MessageKind::Error);
  EXPECT_NE(f.prompts.Log()[0].text.find("missing.txt"), std::string::npos);
}

TEST(TransformCommands, EveryHandlerIsRegistered) {
  CommandRegistry r;
  RegisterTransformCommands(r);
  for (const char* name :
       {"InsertCiteClick", "InsertStrAtTopClick", "LFtoBRClick", "TransformSpecialCharClick",
        "ReverseSpecialCharClick", "TabToSpaceClick", "TransformSpaceClick", "ReverseSpaceClick",
        "UpperCase1Click", "LowerCase1Click", "DeleteAllTagClick", "DeleteTextClick",
        "DeleteTabSpaceClick", "DeleteReturnClick", "InsertLFClick", "IndentClick", "UnIndentClick",
        "PasteAfterTransformClick", "PasteWithBRClick", "PasteWithStrClick", "PasteWithPREClick",
        "PasteCodeClick", "InsertFileClick", "InsertFileAfterTransformClick", "InsertFileWithBRClick",
        "InsertFileWithPREClick", "HankakuKanaToZenkakuClick", "ZenkakuKigoToHankakuClick"}) {
    const EditCommand* c = r.Find(name);
    ASSERT_NE(c, nullptr) << name;
    EXPECT_TRUE(c->modifiesText) << name;
  }
  EXPECT_EQ(r.All().size(), 28u);
}

}  // namespace
}  // namespace mw
